// Values, items, pages and scrolled areas of the headless controls.

#include <algorithm>

#include "backend/headless/headless_backend.h"
#include "backend/headless/headless_kinds.h"

namespace ambrel {
namespace {

int within(const ControlRange& range, int value) {
  return std::clamp(value, std::min(range.minimum, range.maximum),
                    std::max(range.minimum, range.maximum));
}

// Where a panel of this size holds its pages: inside its frame, below its tab strip.
Rect page_area(Rect panel) {
  constexpr int kTabHeight = HeadlessBackend::kTabHeight;
  return {2, kTabHeight, panel.width - 4, panel.height - kTabHeight - 2};
}

}  // namespace

int HeadlessBackend::control_value(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? control->value : 0;
}

void HeadlessBackend::set_control_value(NativeHandle handle, int value) {
  Control* control = find_control(handle);
  if (!control) return;
  switch (headless_kind_of(tree_.kind(handle)).value) {
    case HeadlessValue::Check:
      control->value = std::clamp(value, 0, control->style.three_state ? 2 : 1);
      break;
    case HeadlessValue::Option:
      if (value != 0) {
        select_option(handle);
      } else {
        control->value = 0;
      }
      break;
    case HeadlessValue::Page: {
      std::vector<NativeHandle> pages = tree_.children(handle);
      if (value >= 0 && value < static_cast<int>(pages.size())) {
        control->value = value;
        for (std::size_t i = 0; i < pages.size(); ++i) {
          if (Control* page = find_control(pages[i])) page->visible = static_cast<int>(i) == value;
        }
      }
      break;
    }
    case HeadlessValue::Ranged:
      control->value = within(control->range, value);
      break;
    case HeadlessValue::Item:
      if (value >= -1 && value < static_cast<int>(control->items.size())) control->value = value;
      break;
    case HeadlessValue::None:
    case HeadlessValue::Pressed:
      break;
  }
}

void HeadlessBackend::select_option(NativeHandle handle) {
  int group = tree_.option_group(handle);
  for (NativeHandle sibling : tree_.children(tree_.parent(handle))) {
    Control* other = find_control(sibling);
    if (other && tree_.option_group(sibling) == group) other->value = 0;
  }
  find_control(handle)->value = 1;
}

int HeadlessBackend::add_control_item(NativeHandle handle, int position, std::u16string_view text) {
  Control* control = find_control(handle);
  if (!control || headless_kind_of(tree_.kind(handle)).value != HeadlessValue::Item) return -1;
  int index = insert_position(position, static_cast<int>(control->items.size()));
  control->items.insert(control->items.begin() + index, std::u16string(text));
  return index;
}

NativeHandle HeadlessBackend::add_panel_page(NativeHandle panel, int position,
                                             std::u16string_view title) {
  if (!is_control(panel) || tree_.kind(panel) != ControlKind::Panel) return kNoHandle;
  ControlRequest request;
  request.kind = ControlKind::PanelPage;
  request.parent = panel;
  NativeHandle page = create_control(request);
  Control* control = find_control(panel);
  int count = static_cast<int>(control->items.size());
  int index = insert_position(position, count);
  control->items.insert(control->items.begin() + index, std::u16string(title));
  // The page goes where its title went; only the current page shows.
  tree_.move_child(page, static_cast<std::size_t>(index));
  find_control(page)->visible = count == 0;
  // The other pages are in place already: placing them all again would make adding
  // pages one by one quadratic.
  set_control_geometry(page, page_area(control->geometry));
  return page;
}

void HeadlessBackend::place_panel_pages(NativeHandle panel) {
  Rect page = page_area(find_control(panel)->geometry);
  for (NativeHandle handle : tree_.children(panel)) set_control_geometry(handle, page);
}

Size HeadlessBackend::panel_page_size(NativeHandle panel) const {
  const Control* control = find_control(panel);
  if (!control || tree_.kind(panel) != ControlKind::Panel) return {};
  return {control->geometry.width - 4, control->geometry.height - kTabHeight - 2};
}

int HeadlessBackend::panel_tab_height(NativeHandle panel) const {
  const Control* control = find_control(panel);
  return control && tree_.kind(panel) == ControlKind::Panel ? kTabHeight : 0;
}

Size HeadlessBackend::scroll_inner_size(NativeHandle area) const {
  const Control* control = find_control(area);
  return control ? control->inner : Size{};
}

void HeadlessBackend::set_scroll_inner_size(NativeHandle area, Size size) {
  Control* control = find_control(area);
  if (control && tree_.kind(area) == ControlKind::ScrollArea) control->inner = size;
}

Size HeadlessBackend::control_minimum_size(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? headless_kind_of(tree_.kind(handle)).minimum : Size{};
}

}  // namespace ambrel
