// Values, items, pages and scrolled areas of the headless controls.

#include <algorithm>

#include "ui/backend/headless/headless_backend.h"

namespace ambrel {
namespace {

bool is_ranged(ControlKind kind) {
  return kind == ControlKind::ScrollBar || kind == ControlKind::ProgressBar ||
         kind == ControlKind::TrackBar || kind == ControlKind::Spin;
}

bool has_items(ControlKind kind) {
  return kind == ControlKind::ListView || kind == ControlKind::ListIcon || kind == ControlKind::Tree ||
         kind == ControlKind::ComboBox || kind == ControlKind::ExplorerCombo;
}

int within(const ControlRange& range, int value) {
  return std::clamp(value, std::min(range.minimum, range.maximum), std::max(range.minimum, range.maximum));
}

}  // namespace

int HeadlessBackend::control_value(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? control->value : 0;
}

void HeadlessBackend::set_control_value(NativeHandle handle, int value) {
  Control* control = find_control(handle);
  if (!control) return;
  switch (control->kind) {
    case ControlKind::CheckBox:
      control->value = std::clamp(value, 0, control->style.three_state ? 2 : 1);
      break;
    case ControlKind::Option:
      if (value != 0) {
        select_option(handle);
      } else {
        control->value = 0;
      }
      break;
    case ControlKind::Panel:
      if (value >= 0 && value < static_cast<int>(control->children.size())) {
        control->value = value;
        for (std::size_t i = 0; i < control->children.size(); ++i) {
          if (Control* page = find_control(control->children[i])) page->visible = static_cast<int>(i) == value;
        }
      }
      break;
    default:
      if (is_ranged(control->kind)) control->value = within(control->range, value);
      if (has_items(control->kind) && value >= -1 && value < static_cast<int>(control->items.size())) {
        control->value = value;
      }
      break;
  }
}

void HeadlessBackend::select_option(NativeHandle handle) {
  Control* option = find_control(handle);
  std::vector<NativeHandle>* siblings = children_of(option->parent);
  for (NativeHandle sibling : *siblings) {
    Control* other = find_control(sibling);
    if (other && other->kind == ControlKind::Option && other->option_group == option->option_group) {
      other->value = 0;
    }
  }
  option->value = 1;
}

int HeadlessBackend::add_control_item(NativeHandle handle, int position, std::u16string_view text) {
  Control* control = find_control(handle);
  if (!control || !has_items(control->kind)) return -1;
  int count = static_cast<int>(control->items.size());
  int index = position < 0 || position > count ? count : position;
  control->items.insert(control->items.begin() + index, std::u16string(text));
  return index;
}

int HeadlessBackend::control_item_count(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? static_cast<int>(control->items.size()) : 0;
}

NativeHandle HeadlessBackend::add_panel_page(NativeHandle panel, int position, std::u16string_view title) {
  Control* control = find_control(panel);
  if (!control || control->kind != ControlKind::Panel) return kNoHandle;
  ControlSpec spec;
  spec.kind = ControlKind::PanelPage;
  spec.parent = panel;
  NativeHandle page = create_control(spec);
  control = find_control(panel);
  int count = static_cast<int>(control->items.size());
  int index = position < 0 || position > count ? count : position;
  control->items.insert(control->items.begin() + index, std::u16string(title));
  // The page goes where its title went; only the current page shows.
  std::erase(control->children, page);
  control->children.insert(control->children.begin() + index, page);
  find_control(page)->visible = count == 0;
  place_panel_pages(*control);
  return page;
}

void HeadlessBackend::place_panel_pages(const Control& panel) {
  Rect page{2, kTabHeight, panel.geometry.width - 4, panel.geometry.height - kTabHeight - 2};
  for (NativeHandle handle : panel.children) set_control_geometry(handle, page);
}

Size HeadlessBackend::panel_page_size(NativeHandle panel) const {
  const Control* control = find_control(panel);
  if (!control || control->kind != ControlKind::Panel) return {};
  return {control->geometry.width - 4, control->geometry.height - kTabHeight - 2};
}

int HeadlessBackend::panel_tab_height(NativeHandle panel) const {
  const Control* control = find_control(panel);
  return control && control->kind == ControlKind::Panel ? kTabHeight : 0;
}

Size HeadlessBackend::scroll_inner_size(NativeHandle area) const {
  const Control* control = find_control(area);
  return control ? control->inner : Size{};
}

void HeadlessBackend::set_scroll_inner_size(NativeHandle area, Size size) {
  Control* control = find_control(area);
  if (control && control->kind == ControlKind::ScrollArea) control->inner = size;
}

Size HeadlessBackend::control_minimum_size(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control && control->kind == ControlKind::Calendar ? kCalendarSize : Size{};
}

}  // namespace ambrel
