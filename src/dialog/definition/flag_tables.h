#pragma once

// The named style flags of every kind that takes FLAGS (the flag rows of kinds.def), each a
// FlagRow whose name is written without the leading "#".

#include <cstdint>
#include <span>
#include <string_view>

#include "dialog/definition/dialog_kind.h"
#include "kinds/kind_row.h"

namespace ambrel {

// The kind's flags; empty for kinds without flags.
std::span<const FlagRow> flag_table(DialogKind kind);

}  // namespace ambrel
