// Values, items, pages and scrolled areas of the Qt controls, through the files of their
// families. Changes the program makes run with the widget's signals blocked, so they are
// never reported as the user's.

#include <QScrollArea>

#include "backend/control_tree.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"
#include "backend/qt/qt_panel_tab_strip.h"
#include "backend/qt/qt_panel_widget.h"

namespace ambrel {

int QtBackend::control_value(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return 0;
  return visit_control_family(tree_.kind(handle),
                              [&](auto kind) { return widget_value(kind, *control->widget); });
}

void QtBackend::set_control_value(NativeHandle handle, int value) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  QSignalBlocker quiet(control->widget);
  visit_control_family(tree_.kind(handle),
                       [&](auto kind) { set_widget_value(kind, *control->widget, value); });
}

int QtBackend::add_control_item(NativeHandle handle, int position, std::u16string_view text) {
  ControlInfo* control = find_control(handle);
  if (!control) return -1;
  QSignalBlocker quiet(control->widget);
  return visit_control_family(tree_.kind(handle), [&](auto kind) {
    return add_widget_item(kind, *control->widget, position, to_qstring(text));
  });
}

NativeHandle QtBackend::add_panel_page(NativeHandle panel_handle, int position,
                                       std::u16string_view title) {
  auto* panel =
      is_control(panel_handle) ? dynamic_cast<PanelWidget*>(widget(panel_handle)) : nullptr;
  if (!panel) return kNoHandle;
  auto* page = new QWidget;
  panel->insert_page(insert_position(position, panel->count()), page, to_qstring(title));
  NativeHandle handle = tree_.add_control(ControlKind::PanelPage, panel_handle);
  ControlInfo info;
  info.widget = page;
  controls_.emplace(handle.value, std::move(info));
  handles_[page] = handle;
  return handle;
}

// The pages fill the panel less its tab strip and the frame around them, the room the
// dialog engine reserves for them.
Size QtBackend::panel_page_size(NativeHandle panel_handle) const {
  auto* panel =
      is_control(panel_handle) ? dynamic_cast<PanelWidget*>(widget(panel_handle)) : nullptr;
  if (!panel) return {};
  return {panel->width() - 4, panel->height() - panel_tab_height(panel_handle) - 2};
}

int QtBackend::panel_tab_height(NativeHandle panel_handle) const {
  auto* panel =
      is_control(panel_handle) ? dynamic_cast<PanelWidget*>(widget(panel_handle)) : nullptr;
  return panel ? panel->tabs().sizeHint().height() : 0;
}

Size QtBackend::scroll_inner_size(NativeHandle handle) const {
  auto* area = is_control(handle) ? qobject_cast<QScrollArea*>(widget(handle)) : nullptr;
  if (!area) return {};
  return {area->widget()->width(), area->widget()->height()};
}

void QtBackend::set_scroll_inner_size(NativeHandle handle, Size size) {
  auto* area = is_control(handle) ? qobject_cast<QScrollArea*>(widget(handle)) : nullptr;
  if (area) area->widget()->resize(size.width, size.height);
}

Size QtBackend::control_minimum_size(NativeHandle handle) const {
  QWidget* control = is_control(handle) ? widget(handle) : nullptr;
  if (!control) return {};
  QSize minimum = control->minimumSizeHint().expandedTo(QSize(0, 0));
  return {minimum.width(), minimum.height()};
}

}  // namespace ambrel
