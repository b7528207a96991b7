#pragma once

// The named style flags of every kind that takes FLAGS (the flag rows of kinds.def).

#include <cstdint>
#include <span>
#include <string_view>

#include "dialog/definition/dialog_kind.h"

namespace ambrel {

// One named style flag; the name is written without the leading "#".
struct FlagEntry {
  std::u16string_view name;
  std::uint32_t value;
};

// The kind's flags; empty for kinds without flags.
std::span<const FlagEntry> flag_table(DialogKind kind);

}  // namespace ambrel
