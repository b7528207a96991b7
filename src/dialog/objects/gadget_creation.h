#pragma once

// The dialog engine's way into the gadget layer: one creation call per element kind, with
// the arguments the kind's creation takes, at position and size 0 (the layout sizes the
// gadget later).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"
#include "dialog/definition/gadget_attributes.h"
#include "support/object_registry.h"
#include "ui/gadget_kind.h"

namespace ambrel {

struct GadgetRequest {
  DialogKind kind = DialogKind::Button;
  std::int32_t number = kAnyNumber;  // the ID attribute's number, or automatic
  std::u16string_view text;
  std::uint32_t flags = 0;
  GadgetAttributes values;
  std::array<std::int32_t, 2> panes{-1, -1};  // splitter: its two pane containers
};

// The new gadget's number (the explicit one when one was asked for), or -1 when the
// gadget layer could not create it or has no gadget of that kind.
std::int32_t create_definition_gadget(const GadgetRequest& request);

// The gadget layer's kind of an element kind (kinds.def), or nothing for kinds without a
// gadget.
std::optional<GadgetKindCode> gadget_kind_code_of(DialogKind kind);

struct BuildContext;

// Binds the element's event attributes to the gadget in the dialog's window; errors go to
// the open's error.
void bind_definition_events(BuildContext& context, const ElementView& element, DialogKind kind,
                            std::int32_t gadget);

// DISABLED and INVISIBLE of the element, applied to the gadget.
void apply_gadget_state_attributes(std::int32_t gadget, const ElementView& element);

}  // namespace ambrel
