#pragma once

#include <cstdint>

#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"

namespace ambrel {

// Which element values a kind's creation call takes besides number and FLAGS.
inline constexpr std::uint8_t kTakesText = 0x01;
inline constexpr std::uint8_t kTakesRange = 0x02;  // MIN and MAX
inline constexpr std::uint8_t kTakesPage = 0x04;
inline constexpr std::uint8_t kTakesColor = 0x08;
inline constexpr std::uint8_t kTakesPanes = 0x10;  // the splitter's two pane containers

struct CreationArguments {
  std::uint8_t takes = 0;
  std::int32_t default_maximum = 100;  // MAX when the element has none
};

// What the kind's creation takes (kinds.def); nothing but FLAGS for kinds without a gadget.
CreationArguments creation_arguments_of(DialogKind kind);

// The creation arguments of the generic gadget kinds, read with the numeric reader
// (first occurrence wins). Only what the kind's creation takes is read (MIN, MAX and VALUE
// by the range kinds, PAGE, COLOR, GROUP by the option); the rest keeps its default.
struct GadgetAttributes {
  std::int32_t minimum = 0;       // MIN: scrollbar, progressbar, trackbar, spin
  std::int32_t maximum = 100;     // MAX: same kinds; the kind's default when absent
  std::int32_t page = 10;         // PAGE: scrollbar
  std::int32_t value = 0;         // VALUE: the initial state; the MIN value when absent
  std::int32_t color = 0xFF0000;  // COLOR: hyperlink
  std::int32_t group = -1;        // GROUP: option; -1 means none
};

GadgetAttributes read_gadget_attributes(const ElementView& element, DialogKind kind);

}  // namespace ambrel
