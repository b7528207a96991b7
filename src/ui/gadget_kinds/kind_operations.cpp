#include "ui/gadget_kinds/kind_operations.h"

#include "ui/event_codes.h"
#include "ui/platform.h"

namespace ambrel {

int value_state(const Gadget& gadget) { return ui_backend()->control_value(gadget.handle); }

void set_value_state(Gadget& gadget, int value) { ui_backend()->set_control_value(gadget.handle, value); }

int add_control_item_at(Gadget& gadget, int position, std::u16string_view text) {
  return ui_backend()->add_control_item(gadget.handle, position, text);
}

void raise_focus_event(Gadget& gadget, bool gained) {
  raise_gadget_event(gadget, gained ? kGadgetFocus : kGadgetLostFocus);
}

ControlSpec control_spec(ControlKind kind, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec;
  spec.kind = kind;
  spec.geometry = geometry;
  spec.text = arguments.text;
  spec.range = {arguments.minimum, arguments.maximum, arguments.page};
  spec.style.tab_stop = true;
  return spec;
}

ControlSpec textless_control_spec(ControlKind kind, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = control_spec(kind, geometry, arguments);
  spec.text.clear();
  return spec;
}

}  // namespace ambrel
