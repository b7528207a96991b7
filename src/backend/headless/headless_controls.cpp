// The controls of the headless backend: creation, the place in the tree, geometry, text,
// state, z-order, focus and the mouse capture.

#include <algorithm>
#include <utility>

#include "backend/headless/headless_backend.h"
#include "backend/headless/headless_kinds.h"

namespace ambrel {

NativeHandle HeadlessBackend::create_control(const ControlRequest& request) {
  NativeHandle handle = tree_.add_control(request.kind, request.parent);
  if (!handle) return kNoHandle;
  Control control;
  control.geometry = request.geometry;
  control.text = request.text;
  control.style = request.style;
  control.range = request.range;
  control.value = headless_kind_of(request.kind).starts_without_item ? -1 : request.range.minimum;
  controls_.emplace(handle.value, std::move(control));
  return handle;
}

// Destroys controls children first, reporting each.
void HeadlessBackend::destroy_children(std::vector<NativeHandle> children) {
  tree_.destroy_children_first(std::move(children), [this](NativeHandle handle) {
    if (focus_ == handle) focus_ = kNoHandle;
    if (capture_ == handle) capture_ = kNoHandle;
    if (sink_) sink_->on_control_destroyed(handle);
    controls_.erase(handle.value);
    tree_.remove(handle);
  });
}

void HeadlessBackend::destroy_control(NativeHandle handle) {
  if (!is_control(handle)) return;
  tree_.detach(handle);
  destroy_children({handle});
}

bool HeadlessBackend::is_control(NativeHandle handle) const {
  return find_control(handle) != nullptr;
}

int HeadlessBackend::control_id(NativeHandle handle) const { return tree_.id(handle); }

void HeadlessBackend::set_control_parent(NativeHandle handle, NativeHandle parent) {
  tree_.set_parent(handle, parent);
}

Rect HeadlessBackend::control_geometry(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? control->geometry : Rect{};
}

void HeadlessBackend::set_control_geometry(NativeHandle handle, Rect geometry) {
  Control* control = find_control(handle);
  if (!control) return;
  Rect old = control->geometry;
  control->geometry = geometry;
  bool resized = old.width != geometry.width || old.height != geometry.height;
  if (resized && tree_.kind(handle) == ControlKind::Panel) place_panel_pages(handle);
  if (resized && sink_) sink_->on_control_resized(handle);
}

std::u16string HeadlessBackend::control_text(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? control->text : std::u16string();
}

// Reads the live text, as a real editor's reader does: what changes before a read shows in it.
class HeadlessBackend::TextReader final : public ControlTextReader {
 public:
  TextReader(const HeadlessBackend& backend, NativeHandle control)
      : backend_(backend), control_(control) {}

  bool read(std::size_t units, const TextPieceHandler& take) override {
    const Control* control = backend_.find_control(control_);
    if (!control || at_ >= control->text.size()) return false;
    std::u16string_view slice =
        std::u16string_view(control->text).substr(at_, std::max<std::size_t>(units, 1));
    at_ += slice.size();
    for (std::size_t at = 0; at < slice.size(); at += backend_.text_piece_size_)
      take(slice.substr(at, backend_.text_piece_size_));
    return true;
  }

 private:
  const HeadlessBackend& backend_;
  NativeHandle control_;
  std::size_t at_ = 0;
};

std::unique_ptr<ControlTextReader> HeadlessBackend::read_control_text(NativeHandle handle) const {
  return std::make_unique<TextReader>(*this, handle);
}

void HeadlessBackend::set_control_text(NativeHandle handle, std::u16string_view text) {
  if (Control* control = find_control(handle)) control->text = text;
}

void HeadlessBackend::append_control_text(NativeHandle handle, std::u16string_view text) {
  if (Control* control = find_control(handle)) control->text += text;
}

// Nothing is drawn here while a text comes, nor paused by its growth.
void HeadlessBackend::reserve_control_text(NativeHandle, std::uint64_t) {}

void HeadlessBackend::set_control_enabled(NativeHandle handle, bool enabled) {
  if (Control* control = find_control(handle)) control->enabled = enabled;
}

bool HeadlessBackend::control_enabled(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control && control->enabled;
}

void HeadlessBackend::set_control_visible(NativeHandle handle, bool visible) {
  if (Control* control = find_control(handle)) control->visible = visible;
}

bool HeadlessBackend::control_visible(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control && control->visible;
}

ControlStyle HeadlessBackend::control_style(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? control->style : ControlStyle{};
}

void HeadlessBackend::place_control_below(NativeHandle handle, NativeHandle above) {
  tree_.place_after(handle, above);
}

void HeadlessBackend::change_focus(NativeHandle handle) {
  if (focus_ == handle) return;
  NativeHandle previous = focus_;
  focus_ = handle;
  if (previous && sink_) sink_->on_control_focus(previous, false);
  if (handle && sink_) sink_->on_control_focus(handle, true);
}

void HeadlessBackend::set_focus(NativeHandle handle) {
  if (is_control(handle)) change_focus(handle);
}

NativeHandle HeadlessBackend::focused_control() const { return focus_; }

void HeadlessBackend::repaint_control(NativeHandle) {}

void HeadlessBackend::capture_mouse(NativeHandle handle) {
  if (is_control(handle)) capture_ = handle;
}

void HeadlessBackend::release_mouse() { capture_ = kNoHandle; }

NativeHandle HeadlessBackend::mouse_capture() const { return capture_; }

void HeadlessBackend::set_control_cursor(NativeHandle handle, Cursor cursor) {
  if (Control* control = find_control(handle)) control->cursor = cursor;
}

void HeadlessBackend::set_editor_menu_items(NativeHandle editor,
                                            std::vector<EditorMenuItem> items) {
  if (Control* control = find_control(editor)) control->menu_items = std::move(items);
}

const std::vector<EditorMenuItem>& HeadlessBackend::editor_menu_items(NativeHandle editor) const {
  static const std::vector<EditorMenuItem> none;
  const Control* control = find_control(editor);
  return control ? control->menu_items : none;
}

bool HeadlessBackend::user_choose_editor_menu_item(NativeHandle editor, int item) {
  const Control* control = find_control(editor);
  if (!control || sink_ == nullptr) return false;
  for (const EditorMenuItem& menu_item : control->menu_items) {
    if (menu_item.number != item) continue;
    sink_->on_menu_command(control_window(editor), item);
    return true;
  }
  return false;
}

Cursor HeadlessBackend::control_cursor(NativeHandle handle) const {
  const Control* control = find_control(handle);
  return control ? control->cursor : Cursor::Arrow;
}

}  // namespace ambrel
