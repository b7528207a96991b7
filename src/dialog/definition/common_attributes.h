#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dialog/definition/dialog_error.h"
#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"
#include "support/object_registry.h"

namespace ambrel {

// The attributes every definition object reads when it is created.
struct CommonAttributes {
  std::int32_t requested_id = kAnyNumber;
  std::optional<std::u16string> name;
  std::optional<std::u16string> text;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool folded = false;
  std::uint32_t flags = 0;
};

// Visits the attributes in document order: a later ID, NAME, TEXT, WIDTH, HEIGHT or
// FOLDED overwrites an earlier one, while every FLAGS adds its flags. Errors of ID and
// FLAGS are recorded on `error`; other attributes are ignored.
CommonAttributes read_common_attributes(const ElementView& element, DialogKind kind,
                                        DialogError& error);

// DISABLED and INVISIBLE, applied to a gadget once its object is in the tree.
struct GadgetStateAttributes {
  bool disabled = false;
  bool invisible = false;
};

GadgetStateAttributes read_gadget_state_attributes(const ElementView& element);

}  // namespace ambrel
