#include "dialog/objects/gadget_creation.h"

#include "dialog/objects/build_context.h"
#include "dialog/definition/common_attributes.h"
#include "dialog/definition/event_attributes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

// A creation call's result as a gadget number.
std::int32_t created_number(int result, std::int32_t requested) {
  if (result == 0) return -1;
  return requested == kAnyNumber ? result : requested;
}

bool takes(const CreationArguments& creation, std::uint8_t argument) {
  return (creation.takes & argument) != 0;
}

// Only what the kind's creation takes; the rest keeps the gadget layer's defaults.
GadgetArguments creation_arguments(const CreationArguments& creation,
                                   const GadgetRequest& request) {
  GadgetArguments arguments;
  arguments.flags = static_cast<int>(request.flags);
  if (takes(creation, kTakesText)) arguments.text = request.text;
  if (takes(creation, kTakesRange)) {
    arguments.minimum = request.values.minimum;
    arguments.maximum = request.values.maximum;
  }
  if (takes(creation, kTakesPage)) arguments.page = request.values.page;
  if (takes(creation, kTakesColor)) arguments.color = request.values.color;
  if (takes(creation, kTakesPanes)) arguments.panes = request.panes;
  return arguments;
}

}  // namespace

std::optional<GadgetKindCode> gadget_kind_code_of(DialogKind kind) {
  switch (kind) {
#define AMBREL_ELEMENT(Name, object, ...) \
  case DialogKind::Name:                  \
    return std::nullopt;
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, object, ...) \
  case DialogKind::Name:                                               \
    return GadgetKindCode::Name;
#include "kinds/kinds.def"
  }
  return std::nullopt;
}

std::int32_t create_definition_gadget(const GadgetRequest& request) {
  std::optional<GadgetKindCode> gadget = gadget_kind_code_of(request.kind);
  if (!gadget) return -1;
  CreationArguments creation = creation_arguments_of(request.kind);
  // A splitter without both panes is not made.
  bool pane_missing = request.panes[0] == -1 || request.panes[1] == -1;
  if (takes(creation, kTakesPanes) && pane_missing) return -1;
  GadgetArguments arguments = creation_arguments(creation, request);
  return created_number(create_gadget_of_kind(*gadget, request.number, Rect{}, arguments),
                        request.number);
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
