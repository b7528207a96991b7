#include "dialog/gadget_creation.h"

#include <optional>

#include "dialog/build_context.h"
#include "dialog/common_attributes.h"
#include "dialog/event_attributes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

// The gadget layer's kind code behind each element kind that has a gadget of its own.
std::optional<int> gadget_kind_code(DialogKind kind) {
  switch (kind) {
    case DialogKind::Button: return kGadgetButton;
    case DialogKind::Text: return kGadgetText;
    case DialogKind::Editor: return kGadgetEditor;
    case DialogKind::Frame: return kGadgetFrame;
    case DialogKind::Container: return kGadgetContainer;
    default: return std::nullopt;
  }
}

}  // namespace

std::int32_t create_definition_gadget(const GadgetRequest& request) {
  std::optional<int> code = gadget_kind_code(request.kind);
  if (!code) return -1;
  GadgetArguments arguments;
  arguments.text = request.text;
  arguments.flags = static_cast<int>(request.flags);
  int result = create_gadget_of_kind(*code, request.number, Rect{}, arguments);
  if (result == 0) return -1;
  return request.number == kAnyNumber ? result : request.number;
}

void bind_definition_events(BuildContext& context, const ElementView& element, DialogKind kind,
                            std::int32_t gadget) {
  bind_event_attributes(element, kind, context.window, gadget, context.error,
                        [](std::int32_t code, RuntimeProcedure procedure, std::int32_t window,
                           std::int32_t bound_gadget, std::int32_t type) {
                          bind_gadget_event(code, procedure, window, bound_gadget, type);
                        });
}

void apply_gadget_state_attributes(std::int32_t gadget, const ElementView& element) {
  if (gadget == -1) return;
  GadgetStateAttributes state = read_gadget_state_attributes(element);
  if (state.disabled) disable_gadget(gadget, 1);
  if (state.invisible) hide_gadget(gadget, 1);
}

}  // namespace ambrel
