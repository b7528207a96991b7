// Panel and scroll area: platform parents like the container. A new panel or scroll area
// becomes the current gadget list; each item added to a panel is a page that becomes the
// current list in its place, so the gadgets created next go onto that page. A page change
// by the user arrives as 768.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/gadget_list.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

int add_page(Gadget& gadget, int position, std::u16string_view title) {
  NativeHandle page = ui_control_values()->add_panel_page(gadget.handle, position, title);
  if (!page) return 0;
  replace_gadget_parent(page);
  return 1;
}

int panel_attribute(const Gadget& gadget, int attribute) {
  BackendControlValues* values = ui_control_values();
  switch (attribute) {
    case kPanelPageWidth:
      return values->panel_page_size(gadget.handle).width;
    case kPanelPageHeight:
      return values->panel_page_size(gadget.handle).height;
    case kPanelTabHeight:
      return values->panel_tab_height(gadget.handle);
    default:
      return 0;
  }
}

int scroll_attribute(const Gadget& gadget, int attribute) {
  Size inner = ui_control_values()->scroll_inner_size(gadget.handle);
  if (attribute == kScrollAreaInnerWidth) return inner.width;
  if (attribute == kScrollAreaInnerHeight) return inner.height;
  return 0;
}

void set_scroll_attribute(Gadget& gadget, int attribute, int value) {
  Size inner = ui_control_values()->scroll_inner_size(gadget.handle);
  if (attribute == kScrollAreaInnerWidth) inner.width = value;
  if (attribute == kScrollAreaInnerHeight) inner.height = value;
  ui_control_values()->set_scroll_inner_size(gadget.handle, inner);
}

constexpr GadgetKind kPanelKind{.code = GadgetKindCode::Panel,
                                .get_state = value_state,
                                .set_state = set_value_state,
                                .add_item = add_page,
                                .get_attribute = panel_attribute};

constexpr GadgetKind kScrollAreaKind{.code = GadgetKindCode::ScrollArea,
                                     .get_attribute = scroll_attribute,
                                     .set_attribute = set_scroll_attribute};

}  // namespace

int create_panel_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::Panel, geometry, arguments);
  return create_parent_gadget(number, kPanelKind, std::move(request), arguments.flags);
}

int create_scrollarea_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::ScrollArea, geometry, arguments);
  request.style.tab_stop = false;
  if (arguments.flags != 0) request.style.border = BorderStyle::Sunken;
  return create_parent_gadget(number, kScrollAreaKind, std::move(request), arguments.flags);
}

}  // namespace ambrel
