#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "dialog/dialog_kind.h"

namespace ambrel {

// One named style flag; the name is written without the leading "#".
struct FlagEntry {
  std::u16string_view name;
  std::uint32_t value;
};

// The kind's flag table in lookup order; empty for kinds without flags.
std::span<const FlagEntry> flag_table(DialogKind kind);

}  // namespace ambrel
