#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "dialog/definition/dialog_error.h"
#include "dialog/definition/dialog_kind.h"

namespace ambrel {

// The value of a flag name (without "#") for the kind: its flag table first (names
// compared without case), then the runtime registry; nothing when neither knows it.
std::optional<std::uint32_t> look_up_flag(std::u16string_view name, DialogKind kind);

// The OR of the flags of a FLAGS expression such as "#KV_Button_Left | #KV_Button_Default".
// Parsing stops silently at a part that does not start with "#" or whose name is longer
// than 128 characters. An unknown name records the flag error, naming the element as
// written, and contributes nothing.
std::uint32_t parse_flag_expression(std::u16string_view expression, DialogKind kind,
                                    std::u16string_view element_name, DialogError& error);

}  // namespace ambrel
