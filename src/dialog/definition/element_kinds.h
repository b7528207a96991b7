#pragma once

// Every element kind a definition may use, one row each: what the engine, the gadget layer
// and the backends know about that kind. Element names are matched without regard to case.
// A new kind adds its row here; the code that differs per kind reads the row.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "dialog/objects/build_context.h"
#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/event_attributes.h"
#include "dialog/definition/flag_tables.h"
#include "dialog/objects/dialog_object.h"
#include "ui/backend/backend.h"

namespace ambrel {

// Creates the object of one element (and its gadget); reads the element's attributes and
// records their errors on the context. May return null.
using ObjectCreator = std::unique_ptr<DialogObject> (*)(BuildContext& context, const XmlNode& node,
                                                        DialogKind kind);

// The gadget-layer kind code of kinds without a gadget of their own.
inline constexpr int kNoGadget = 0;

// How a leaf gadget's request starts.
enum class Sizing : std::uint8_t {
  Wish,      // from WIDTH and HEIGHT only
  Natural,   // from the gadget's natural size
  TextLine,  // natural, and placed on its text line within the area it is given
};

// What the gadget gets after its creation call.
enum class InitialContent : std::uint8_t {
  None,
  Text,           // TEXT as its content
  State,          // VALUE as its state
  StateThenText,  // VALUE as its state, then TEXT as its content
};

// Which element values the creation call takes besides number and FLAGS.
inline constexpr std::uint8_t kTakesText = 0x01;
inline constexpr std::uint8_t kTakesRange = 0x02;  // MIN and MAX
inline constexpr std::uint8_t kTakesPage = 0x04;
inline constexpr std::uint8_t kTakesColor = 0x08;
inline constexpr std::uint8_t kTakesPanes = 0x10;  // the splitter's two pane containers

struct CreationArguments {
  std::uint8_t takes = 0;
  std::int32_t default_maximum = 100;  // MAX when the element has none
};

struct ElementKind {
  std::u16string_view element;  // lower case, as the inspector prints it
  DialogKind kind;
  // Null for "window", which only an open creates.
  ObjectCreator create;
  int gadget;                          // the gadget layer's kind code, or kNoGadget
  std::optional<ControlKind> control;  // what the backends create for the gadget
  Sizing sizing;
  EventMask events;
  std::span<const FlagEntry> flags;
  CreationArguments creation;
  InitialContent content;
};

// The row of an element name, or null for a name the engine does not know.
const ElementKind* find_element_kind(std::u16string_view element);

// The row of a kind code, or null for a code no kind has.
const ElementKind* element_kind_of(DialogKind kind);

// Every row, in the order elements are looked up.
std::span<const ElementKind> element_kinds();

// The element name of a kind code (lower case).
std::u16string_view element_name_of(DialogKind kind);

}  // namespace ambrel
