// What every control shares on Qt: creation through its family, the place in the tree,
// geometry, text, state, z-order, focus and the mouse capture.

#include <QApplication>
#include <QFontDatabase>
#include <QScrollArea>
#include <utility>

#include "backend/qt/qt_backend.h"
#include "backend/control_text_readers.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

// A scroll area's controls live in the area it scrolls over.
QWidget* QtBackend::container_widget(NativeHandle parent) const {
  QWidget* parent_widget = widget(parent);
  if (auto* area = qobject_cast<QScrollArea*>(parent_widget)) return area->widget();
  return parent_widget;
}

void QtBackend::report_command(QWidget* source, ControlCommand command) {
  NativeHandle handle = handle_of(source);
  if (sink_ && widget(handle) == source) sink_->on_control_command(handle, command);
}

bool QtBackend::report_paste(QWidget* editor) {
  NativeHandle handle = handle_of(editor);
  return sink_ && widget(handle) == editor && sink_->on_editor_paste(handle);
}

NativeHandle QtBackend::create_control(const ControlRequest& request) {
  QWidget* parent = container_widget(request.parent);
  if (!parent || !tree_.is_parent(request.parent)) return kNoHandle;
  QWidget* control = visit_control_family(
      request.kind, [&](auto kind) { return make_widget(kind, request, parent); });
  if (!control) return kNoHandle;
  control->setFocusPolicy(request.style.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  if (request.kind == ControlKind::Text || request.kind == ControlKind::Frame ||
      request.kind == ControlKind::Container) {
    control->setFocusPolicy(Qt::NoFocus);
  }
  if (request.style.fixed_pitch)
    control->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  control->setGeometry(request.geometry.x, request.geometry.y, request.geometry.width,
                       request.geometry.height);
  control->show();
  NativeHandle handle = tree_.add_control(request.kind, request.parent);
  ControlInfo info;
  info.widget = control;
  info.style = request.style;
  controls_.emplace(handle.value, std::move(info));
  handles_[control] = handle;
  return handle;
}

// Children first, each reported.
void QtBackend::destroy_children(std::vector<NativeHandle> children) {
  tree_.destroy_children_first(std::move(children), [this](NativeHandle handle) {
    if (sink_) sink_->on_control_destroyed(handle);
    ControlInfo* control = find_control(handle);
    if (!control) return;
    QWidget* widget = control->widget;
    controls_.erase(handle.value);
    tree_.remove(handle);
    forget_parent(handle);
    // Left in its parent, hidden, until deleted: taking it out of the window would walk the
    // window's whole focus chain, for every control freed. Should the parent go first, Qt
    // deletes it with the parent and drops its pending deletion.
    forget_widget(widget);
  });
}

void QtBackend::destroy_control(NativeHandle handle) {
  if (!is_control(handle)) return;
  tree_.detach(handle);
  destroy_children({handle});
}

bool QtBackend::is_control(NativeHandle handle) const { return find_control(handle) != nullptr; }

void QtBackend::set_control_parent(NativeHandle handle, NativeHandle parent) {
  ControlInfo* control = find_control(handle);
  QWidget* parent_widget = widget(parent);
  if (!control || !parent_widget || !tree_.set_parent(handle, parent)) return;
  bool visible = !control->widget->isHidden();
  control->widget->setParent(parent_widget);
  control->widget->setVisible(visible);
}

Rect QtBackend::control_geometry(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  QRect geometry = control->widget->geometry();
  return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

void QtBackend::set_control_geometry(NativeHandle handle, Rect geometry) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  QSize old = control->widget->size();
  control->widget->setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
  // Reported here, not from resize events, which Qt holds back for hidden widgets.
  if (old != control->widget->size() && sink_) sink_->on_control_resized(handle);
}

std::u16string QtBackend::control_text(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  return visit_control_family(tree_.kind(handle),
                              [&](auto kind) { return widget_text(kind, *control->widget); });
}

std::unique_ptr<ControlTextReader> QtBackend::read_control_text(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (control) {
    if (auto* editor = dynamic_cast<QtEditorWidget*>(control->widget)) return editor->reader();
  }
  // Other kinds hold short texts.
  return std::make_unique<HeldTextReader>(control_text(handle));
}

void QtBackend::append_control_text(NativeHandle handle, std::u16string_view text) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  if (auto* editor = dynamic_cast<QtEditorWidget*>(control->widget)) {
    editor->append(text);
    return;
  }
  set_control_text(handle, control_text(handle) + std::u16string(text));
}

void QtBackend::reserve_control_text(NativeHandle handle, std::uint64_t units) {
  ControlInfo* control = find_control(handle);
  if (auto* editor = control ? dynamic_cast<QtEditorWidget*>(control->widget) : nullptr) {
    editor->reserve(units);
  }
}

std::unique_ptr<EditorInsertion> QtBackend::insert_at_caret(NativeHandle handle) {
  ControlInfo* control = find_control(handle);
  auto* editor = control ? dynamic_cast<QtEditorWidget*>(control->widget) : nullptr;
  return editor ? editor->insertion() : nullptr;
}

void QtBackend::set_control_text(NativeHandle handle, std::u16string_view text) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  setting_text_ = true;
  visit_control_family(tree_.kind(handle),
                       [&](auto kind) { set_widget_text(kind, *control->widget, text); });
  setting_text_ = false;
}

void QtBackend::set_control_enabled(NativeHandle handle, bool enabled) {
  if (ControlInfo* control = find_control(handle)) control->widget->setEnabled(enabled);
}

bool QtBackend::control_enabled(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control && control->widget->isEnabled();
}

void QtBackend::set_control_visible(NativeHandle handle, bool visible) {
  if (ControlInfo* control = find_control(handle)) control->widget->setVisible(visible);
}

bool QtBackend::control_visible(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control && !control->widget->isHidden();
}

ControlStyle QtBackend::control_style(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control ? control->style : ControlStyle{};
}

void QtBackend::place_control_below(NativeHandle handle, NativeHandle above) {
  ControlInfo* control = find_control(handle);
  QWidget* sibling = widget(above);
  if (!control || !sibling || handle == above || control_parent(above) != control_parent(handle))
    return;
  control->widget->stackUnder(sibling);
}

void QtBackend::set_focus(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) control->widget->setFocus(Qt::OtherFocusReason);
}

NativeHandle QtBackend::focused_control() const {
  NativeHandle handle = handle_of(QApplication::focusWidget());
  return is_control(handle) ? handle : kNoHandle;
}

void QtBackend::repaint_control(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) control->widget->update();
}

void QtBackend::capture_mouse(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) control->widget->grabMouse();
}

void QtBackend::release_mouse() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

NativeHandle QtBackend::mouse_capture() const {
  QWidget* grabber = QWidget::mouseGrabber();
  NativeHandle handle = handle_of(grabber);
  return grabber && widget(handle) == grabber ? handle : kNoHandle;
}

void QtBackend::set_control_cursor(NativeHandle handle, Cursor cursor) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  Qt::CursorShape shape = cursor == Cursor::SizeWestEast     ? Qt::SizeHorCursor
                          : cursor == Cursor::SizeNorthSouth ? Qt::SizeVerCursor
                                                             : Qt::ArrowCursor;
  control->widget->setCursor(shape);
}

std::u16string window_title_text(const QWidget& widget) {
  return widget.windowTitle().toStdU16String();
}

void set_window_title_text(QWidget& widget, std::u16string_view text) {
  widget.setWindowTitle(to_qstring(text));
}

}  // namespace ambrel
