#pragma once

// The named fields of a row of kinds.def: a layer builds a KindRow (or a FlagRow) from a
// row's designated initialisers and reads the field it needs.

#include <cstdint>
#include <string_view>

#include "kinds/creation_arguments.h"
#include "kinds/event_mask.h"
#include "kinds/gadget_traits.h"

namespace ambrel {

struct KindRow {
  // The element name: lower case, matched without regard to case.
  std::u16string_view element;
  // DialogKind's code.
  int element_code = 0;
  // GadgetKindCode's code; 0 for an element without a gadget.
  int gadget_code = 0;
  Sizing sizing = Sizing::Wish;
  EventMask events = kIgnoresEvents;
  CreationArguments creation = kFlagsOnly;
  InitialContent content = InitialContent::None;
};

// A style flag, as a definition writes it in FLAGS (without the leading "#").
struct FlagRow {
  std::u16string_view name;
  std::uint32_t value = 0;
};

}  // namespace ambrel
