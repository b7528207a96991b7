// What every control shares on Win32: creation through its family, the place in the tree,
// geometry, text, state, z-order, focus and the parent's notifications.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "backend/control_text_readers.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_dpi.h"
#include "backend/win32/win32_editor.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_fonts.h"
#include "backend/win32/win32_text.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

bool is_editor(ControlKind kind) {
  return kind == ControlKind::Editor || kind == ControlKind::CodeEditor;
}

// Where a control is in its parent, in pixels.
Rect placed_rect(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// A moved control leaves its old place to the parent and what lies beneath it there, and a
// group frame, which paints only its border, would keep the old border inside its new one:
// both places are drawn again, with whatever overlaps them.
void repaint_moved(HWND control, Rect old, Rect now) {
  HWND parent = GetParent(control);
  for (Rect area : {old, now}) {
    RECT rect{area.x, area.y, area.x + area.width, area.y + area.height};
    RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

}  // namespace

DpiScale Win32Backend::scale_of(NativeHandle handle) const {
  const WindowInfo* window = find_window(is_window(handle) ? handle : tree_.window_of(handle));
  return DpiScale(window ? window->dpi : system_dpi());
}

// The editors hold code, whose columns line up in the fixed-width font.
HFONT Win32Backend::control_font(ControlKind kind, int dpi) const {
  return is_editor(kind) ? fonts_->fixed(dpi) : fonts_->gui(dpi);
}

HWND Win32Backend::container_hwnd(NativeHandle parent) const {
  if (const Win32ControlRecord* control = find_control(parent)) {
    if (tree_.kind(parent) == ControlKind::ScrollArea && control->inner) return control->inner;
    return control->hwnd;
  }
  return hwnd(parent);
}

NativeHandle Win32Backend::create_control(const ControlRequest& request) {
  HWND parent = container_hwnd(request.parent);
  if (!parent || !tree_.is_parent(request.parent) || request.kind == ControlKind::PanelPage)
    return kNoHandle;
  Win32ControlRecord info;
  info.style = request.style;
  HWND control = visit_control_family(
      request.kind, [&](auto kind) { return make_window(kind, request, parent, info, *this); });
  if (!control) return kNoHandle;
  info.hwnd = control;
  DpiScale scale = scale_of(request.parent);
  SendMessageW(control, WM_SETFONT,
               reinterpret_cast<WPARAM>(control_font(request.kind, scale.dpi())), FALSE);
  subclass_control(control, *this);
  Rect geometry = scale.to_pixels(request.geometry);
  MoveWindow(control, geometry.x, geometry.y, geometry.width, geometry.height, FALSE);
  place_new_control(control, request);
  ShowWindow(control, SW_SHOWNA);
  NativeHandle handle = tree_.add_control(request.kind, request.parent);
  register_hwnd(control, handle);
  if (info.inner) register_hwnd(info.inner, handle);
  controls_.emplace(handle.value, std::move(info));
  return handle;
}

// Controls keep their creation order in the z-order (option groups and the focus order
// follow it), but a group frame lies below them all, as it would hide what it surrounds.
void Win32Backend::place_new_control(HWND control, const ControlRequest& request) {
  HWND after = HWND_TOP;
  if (request.kind == ControlKind::Frame) {
    after = HWND_BOTTOM;
  } else if (NativeHandle sibling = tree_.last_child_except(request.parent, ControlKind::Frame)) {
    after = find_control(sibling)->hwnd;
  }
  SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Children first, each reported.
void Win32Backend::destroy_children(std::vector<NativeHandle> children) {
  tree_.destroy_children_first(std::move(children), [this](NativeHandle handle) {
    if (sink_) sink_->on_control_destroyed(handle);
    Win32ControlRecord* control = find_control(handle);
    if (!control) return;
    HWND hwnd = control->hwnd;
    HWND inner = control->inner;
    if (GetCapture() == hwnd) ReleaseCapture();
    controls_.erase(handle.value);
    tree_.remove(handle);
    drop_enabled_.erase(handle.value);
    forget_hwnd(hwnd);
    if (inner) forget_hwnd(inner);
    DestroyWindow(hwnd);
  });
}

void Win32Backend::destroy_control(NativeHandle handle) {
  if (!is_control(handle)) return;
  NativeHandle window = tree_.window_of(handle);
  tree_.detach(handle);
  destroy_children({handle});
  update_drop_registration(window);
}

bool Win32Backend::is_control(NativeHandle handle) const { return find_control(handle) != nullptr; }

void Win32Backend::set_control_parent(NativeHandle handle, NativeHandle parent) {
  Win32ControlRecord* control = find_control(handle);
  HWND parent_hwnd = container_hwnd(parent);
  if (!control || !parent_hwnd) return;
  NativeHandle old_window = tree_.window_of(handle);
  if (!tree_.set_parent(handle, parent)) return;
  SetParent(control->hwnd, parent_hwnd);
  update_drop_registration(old_window);
  update_drop_registration(tree_.window_of(handle));
}

Rect Win32Backend::control_geometry(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  if (!control) return {};
  return scale_of(handle).to_units(placed_rect(control->hwnd));
}

void Win32Backend::set_control_geometry(NativeHandle handle, Rect geometry) {
  Win32ControlRecord* control = find_control(handle);
  if (!control) return;
  Rect old = placed_rect(control->hwnd);
  Rect wanted = scale_of(handle).to_pixels(geometry);
  MoveWindow(control->hwnd, wanted.x, wanted.y, wanted.width, wanted.height, TRUE);
  visit_control_family(tree_.kind(handle),
                       [&](auto kind) { after_geometry(kind, *this, handle, *control); });
  Rect now = placed_rect(control->hwnd);
  if (now != old) repaint_moved(control->hwnd, old, now);
  if ((old.width != now.width || old.height != now.height) && sink_)
    sink_->on_control_resized(handle);
}

std::u16string Win32Backend::control_text(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  if (!control) return {};
  return visit_control_family(tree_.kind(handle),
                              [&](auto kind) { return family_text(kind, *control); });
}

std::unique_ptr<ControlTextReader> Win32Backend::read_control_text(NativeHandle handle) const {
  if (find_control(handle) && is_editor(tree_.kind(handle)))
    return editor_reader([this, handle] { return hwnd(handle); });
  // Other kinds hold short texts.
  return std::make_unique<HeldTextReader>(control_text(handle));
}

void Win32Backend::append_control_text(NativeHandle handle, std::u16string_view text) {
  Win32ControlRecord* control = find_control(handle);
  if (!control) return;
  if (!is_editor(tree_.kind(handle))) {
    set_control_text(handle, control_text(handle) + std::u16string(text));
    return;
  }
  setting_text_ = true;
  append_editor_text(*control, text);
  setting_text_ = false;
}

void Win32Backend::reserve_control_text(NativeHandle handle, std::uint64_t units) {
  Win32ControlRecord* control = find_control(handle);
  if (control && is_editor(tree_.kind(handle))) reserve_editor_text(*control, units);
}

void Win32Backend::set_control_text(NativeHandle handle, std::u16string_view text) {
  Win32ControlRecord* control = find_control(handle);
  if (!control) return;
  setting_text_ = true;
  bool own = visit_control_family(tree_.kind(handle),
                                  [&](auto kind) { return set_family_text(kind, *control, text); });
  if (!own) SetWindowTextW(control->hwnd, to_wide(text).c_str());
  setting_text_ = false;
}

void Win32Backend::set_control_enabled(NativeHandle handle, bool enabled) {
  if (Win32ControlRecord* control = find_control(handle)) EnableWindow(control->hwnd, enabled);
}

bool Win32Backend::control_enabled(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  return control && IsWindowEnabled(control->hwnd);
}

void Win32Backend::set_control_visible(NativeHandle handle, bool visible) {
  if (Win32ControlRecord* control = find_control(handle))
    ShowWindow(control->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Backend::control_visible(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  return control && (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

ControlStyle Win32Backend::control_style(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  return control ? control->style : ControlStyle{};
}

void Win32Backend::place_control_below(NativeHandle handle, NativeHandle above) {
  Win32ControlRecord* control = find_control(handle);
  const Win32ControlRecord* sibling = find_control(above);
  if (!control || !sibling || handle == above || control_parent(above) != control_parent(handle))
    return;
  SetWindowPos(control->hwnd, sibling->hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Backend::set_focus(NativeHandle handle) {
  if (Win32ControlRecord* control = find_control(handle)) SetFocus(control->hwnd);
}

NativeHandle Win32Backend::focused_control() const {
  NativeHandle handle = handle_of(GetFocus());
  return is_control(handle) ? handle : kNoHandle;
}

void Win32Backend::repaint_control(NativeHandle handle) {
  if (Win32ControlRecord* control = find_control(handle))
    InvalidateRect(control->hwnd, nullptr, TRUE);
}

NativeHandle Win32Backend::control_of_own(HWND hwnd) const {
  auto it = handles_.find(hwnd);
  if (it == handles_.end()) return kNoHandle;
  const Win32ControlRecord* control = find_control(it->second);
  return control && control->hwnd == hwnd ? it->second : kNoHandle;
}

void Win32Backend::control_focus(HWND hwnd, bool gained) {
  NativeHandle control = control_of_own(hwnd);
  if (!control) return;
  if (tree_.kind(control) == ControlKind::Editor)
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  if (sink_) sink_->on_control_focus(control, gained);
}

// The editor's sunken edge in the selection colour: a read-only editor need not show a caret,
// and so would not show that it has the focus.
void Win32Backend::control_border_painted(HWND hwnd) {
  NativeHandle control = control_of_own(hwnd);
  if (!control || tree_.kind(control) != ControlKind::Editor || GetFocus() != hwnd) return;
  HDC dc = GetWindowDC(hwnd);
  RECT edge{};
  GetWindowRect(hwnd, &edge);
  OffsetRect(&edge, -edge.left, -edge.top);
  HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
  for (int line = 0; line < 2; ++line) {
    FrameRect(dc, &edge, brush);
    InflateRect(&edge, -1, -1);
  }
  ReleaseDC(hwnd, dc);
}

NativeHandle Win32Backend::last_label_in(NativeHandle handle) const {
  std::vector<NativeHandle> children = tree_.children(handle);
  for (auto child = children.rbegin(); child != children.rend(); ++child) {
    if (tree_.kind(*child) == ControlKind::Text) return *child;
    if (NativeHandle label = last_label_in(*child)) return label;
  }
  return kNoHandle;
}

std::u16string Win32Backend::label_before(HWND hwnd) const {
  for (NativeHandle control = control_of_own(hwnd); is_control(control);
       control = tree_.parent(control)) {
    std::vector<NativeHandle> siblings = tree_.children(tree_.parent(control));
    auto at = std::find(siblings.begin(), siblings.end(), control);
    for (auto before = std::make_reverse_iterator(at); before != siblings.rend(); ++before) {
      if (tree_.kind(*before) == ControlKind::Text) return control_text(*before);
      if (NativeHandle label = last_label_in(*before)) return control_text(label);
    }
  }
  return {};
}

void Win32Backend::report_command(HWND source, ControlCommand command) {
  NativeHandle control = control_of_own(source);
  if (control && sink_) sink_->on_control_command(control, command);
}

// Notifications while the program changes a control are its own and ignored; a scroll
// action always comes from the user.
bool Win32Backend::control_notification(UINT message, WPARAM wparam, LPARAM lparam,
                                        LRESULT& result) {
  result = 0;
  if (explorer_notification(message, lparam)) return true;
  ControlNotice notice;
  notice.message = message;
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    notice.source = header->hwndFrom;
    notice.code = header->code;
    notice.detail = lparam;
  } else if (message == WM_COMMAND) {
    notice.source = reinterpret_cast<HWND>(lparam);
    notice.code = HIWORD(wparam);
  } else if (message == WM_HSCROLL || message == WM_VSCROLL) {
    notice.source = reinterpret_cast<HWND>(lparam);
    notice.code = LOWORD(wparam);
  } else {
    return false;
  }
  bool scroll = message == WM_HSCROLL || message == WM_VSCROLL;
  auto it = handles_.find(notice.source);
  if (!notice.source || it == handles_.end() || (setting_text_ && !scroll)) return false;
  notice.control = it->second;
  return visit_control_family(tree_.kind(it->second),
                              [&](auto kind) { return family_notice(kind, notice, *this); });
}

LRESULT Win32Backend::container_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (control_notification(message, wparam, lparam, result)) return result;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace ambrel
