#pragma once

#include <cstdint>

#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"

namespace ambrel {

// The creation arguments of the generic gadget kinds, read with the numeric reader
// (first occurrence wins). Each kind uses the fields its creation call takes.
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
