#pragma once

#include <cstdint>

#include "kinds/kind_row.h"

namespace ambrel {

// The kind code of every object built from a definition element (kinds.def).
enum class DialogKind : std::uint8_t {
#define AMBREL_ELEMENT(Name, object, ...) Name = KindRow{__VA_ARGS__}.element_code,
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, object, ...) \
  Name = KindRow{__VA_ARGS__}.element_code,
#include "kinds/kinds.def"
};

// The kind's row of kinds.def: its element name, codes, sizing, events, creation and content.
KindRow kind_row_of(DialogKind kind);

}  // namespace ambrel
