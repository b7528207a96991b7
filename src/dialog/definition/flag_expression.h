#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "dialog/definition/dialog_error.h"
#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"

namespace ambrel {

// The value of a flag name (without "#") for the kind: its flag table first (names
// compared without case), then the runtime registry; nothing when neither knows it.
std::optional<std::uint32_t> look_up_flag(std::u16string_view name, DialogKind kind);

// The OR of the flags of the FLAGS attribute `attribute` of the element, an expression such
// as "#KV_Button_Left | #KV_Button_Default". Parsing stops at an empty part, a part that
// does not start with "#" or a name longer than 128 characters, keeping the flags read so
// far; it warns about what it leaves. An unknown name records the flag error, naming the
// element as written, and contributes nothing.
std::uint32_t parse_flag_expression(const ElementView& element, int attribute, DialogKind kind,
                                    DialogError& error);

}  // namespace ambrel
