#include "ui/gadget_kinds/kind_operations.h"

#include <utility>

#include "support/object_registry.h"
#include "ui/event_codes.h"
#include "ui/ui_backend.h"

namespace ambrel {

int value_state(const Gadget& gadget) { return ui_control_values()->control_value(gadget.handle); }

void set_value_state(Gadget& gadget, int value) {
  ui_control_values()->set_control_value(gadget.handle, value);
}

int add_control_item_at(Gadget& gadget, int position, std::u16string_view text) {
  return ui_control_values()->add_control_item(gadget.handle, position, text);
}

void raise_focus_event(Gadget& gadget, bool gained) {
  raise_gadget_event(gadget, gained ? kGadgetFocus : kGadgetLostFocus);
}

ControlRequest bare_control_request(ControlKind kind, Rect geometry) {
  ControlRequest request;
  request.kind = kind;
  request.geometry = geometry;
  return request;
}

ControlRequest control_request(ControlKind kind, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = bare_control_request(kind, geometry);
  request.text = arguments.text;
  request.range = {arguments.minimum, arguments.maximum, arguments.page};
  request.style.tab_stop = true;
  return request;
}

ControlRequest textless_control_request(ControlKind kind, Rect geometry,
                                        const GadgetArguments& arguments) {
  ControlRequest request = control_request(kind, geometry, arguments);
  request.text.clear();
  return request;
}

int create_parent_gadget(int number, const GadgetKind& kind, ControlRequest request, int flags) {
  int result = create_gadget(number, kind, std::move(request), flags);
  if (result != 0) open_gadget_list(number == kAnyNumber ? result : number);
  return result;
}

int create_flagged_gadget(int number, const GadgetKind& kind, ControlRequest request,
                          const GadgetArguments& arguments,
                          std::initializer_list<FlagSetting> settings) {
  for (const FlagSetting& each : settings) {
    request.style.*each.setting = has_flag(arguments.flags, each.flag);
  }
  return create_gadget(number, kind, std::move(request), arguments.flags);
}

}  // namespace ambrel
