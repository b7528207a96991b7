#pragma once

// Every element kind a definition may use, one row each, as kinds.def lists them: how the
// engine builds the kind's object and gadget. Element names are matched without regard to
// case. What the definition reads per kind (flags, event attributes, creation arguments)
// comes from the same list through dialog/definition.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "dialog/definition/dialog_kind.h"
#include "ui/backend/backend_controls.h"
#include "ui/gadget_kind.h"

namespace ambrel {

struct BuildContext;
class DialogObject;
struct XmlNode;

// Creates the object of one element (and its gadget); reads the element's attributes and
// records their errors on the context. May return null.
using ObjectCreator = std::unique_ptr<DialogObject> (*)(BuildContext& context, const XmlNode& node,
                                                        DialogKind kind);

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

struct ElementKind {
  std::u16string_view element;  // lower case, as the inspector prints it
  DialogKind kind;
  // Null for "window", which only an open creates.
  ObjectCreator create;
  std::optional<GadgetKindCode> gadget;  // the gadget layer's kind, for kinds with a gadget
  std::optional<ControlKind> control;    // what the backends create for the gadget
  Sizing sizing;
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
