#pragma once

#include <cstdint>

namespace ambrel {

// The kind code of every object built from a definition element (kinds.def).
enum class DialogKind : std::uint8_t {
#define AMBREL_ELEMENT(Name, element, code, object) Name = code,
#define AMBREL_GADGET_KIND(Family, Name, element, code, ...) Name = code,
#include "kinds/kinds.def"
};

}  // namespace ambrel
