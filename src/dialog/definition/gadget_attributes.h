#pragma once

#include <cstdint>

#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"
#include "kinds/creation_arguments.h"

namespace ambrel {

// What the kind's creation takes (its row of kinds.def); nothing but FLAGS for kinds without a
// gadget.
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
