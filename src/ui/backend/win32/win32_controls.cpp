// Child controls on Win32: creation of the five kinds the tool's window uses, and what every
// control shares (geometry, text, state, z-order, focus, the parent's notifications).

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_fonts.h"
#include "ui/backend/win32/win32_text.h"
#include "ui/backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

constexpr int kClick = 0;
constexpr int kChange = 768;

DWORD static_alignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Center:
      return SS_CENTER;
    case TextAlignment::Right:
      return SS_RIGHT;
    case TextAlignment::Left:
      break;
  }
  return SS_LEFT;
}

DWORD button_alignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Left:
      return BS_LEFT;
    case TextAlignment::Right:
      return BS_RIGHT;
    case TextAlignment::Center:
      break;
  }
  return BS_CENTER;
}

// The border bits of a text or container: {style, extended style}.
std::pair<DWORD, DWORD> border_bits(BorderStyle border) {
  switch (border) {
    case BorderStyle::Flat:
      return {WS_BORDER, 0};
    case BorderStyle::Raised:
      return {WS_DLGFRAME, 0};
    case BorderStyle::Single:
      return {0, WS_EX_STATICEDGE};
    case BorderStyle::Sunken:
      return {0, WS_EX_CLIENTEDGE};
    case BorderStyle::None:
      break;
  }
  return {0, 0};
}

DWORD editor_style(const ControlStyle& style) {
  DWORD bits =
      WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | ES_NOOLEDRAGDROP;
  if (!style.word_wrap) bits |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (style.read_only) bits |= ES_READONLY;
  return bits;
}

HWND create_child(const wchar_t* window_class, std::u16string_view text, DWORD style,
                  DWORD ex_style, HWND parent, void* data = nullptr) {
  std::wstring caption = to_wide(text);
  return CreateWindowExW(ex_style, window_class, caption.c_str(),
                         WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), data);
}

}  // namespace

Win32Backend::ControlInfo* Win32Backend::find_control(NativeHandle handle) {
  auto it = controls_.find(handle.value);
  return it == controls_.end() ? nullptr : &it->second;
}

const Win32Backend::ControlInfo* Win32Backend::find_control(NativeHandle handle) const {
  auto it = controls_.find(handle.value);
  return it == controls_.end() ? nullptr : &it->second;
}

HWND Win32Backend::container_hwnd(NativeHandle parent) const {
  if (const ControlInfo* control = find_control(parent)) {
    if (tree_.kind(parent) == ControlKind::ScrollArea && control->inner) return control->inner;
    return control->hwnd;
  }
  return hwnd(parent);
}

HWND Win32Backend::make_control_window(const ControlRequest& request, HWND parent,
                                       ControlInfo& info) {
  const ControlStyle& style = request.style;
  DWORD tab_stop = style.tab_stop ? WS_TABSTOP : 0;
  switch (request.kind) {
    case ControlKind::Text: {
      auto [bits, ex_bits] = border_bits(style.border);
      return create_child(L"Static", request.text,
                          SS_NOPREFIX | static_alignment(style.alignment) | bits, ex_bits, parent);
    }
    case ControlKind::Button: {
      DWORD kind = style.toggle           ? BS_AUTOCHECKBOX | BS_PUSHLIKE
                   : style.default_button ? BS_DEFPUSHBUTTON
                                          : BS_PUSHBUTTON;
      DWORD bits = kind | button_alignment(style.alignment) |
                   (style.multi_line ? BS_MULTILINE : 0) | tab_stop;
      return create_child(L"Button", request.text, bits, 0, parent);
    }
    case ControlKind::Editor:
    case ControlKind::CodeEditor: {
      HWND editor = create_child(MSFTEDIT_CLASS, u"", editor_style(style) | tab_stop,
                                 WS_EX_CLIENTEDGE, parent);
      if (!editor) return nullptr;
      SendMessageW(editor, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
      SendMessageW(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
      SendMessageW(editor, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->fixed()), FALSE);
      // Wrap at the control's width, or never.
      SendMessageW(editor, EM_SETTARGETDEVICE, 0, style.word_wrap ? 0 : 1);
      set_editor_text(editor, request.text);
      SendMessageW(editor, EM_SETEVENTMASK, 0, ENM_CHANGE);
      return editor;
    }
    case ControlKind::Frame:
      return create_child(L"Button", request.text, BS_GROUPBOX, 0, parent);
    case ControlKind::Container: {
      auto [bits, ex_bits] = border_bits(style.border);
      return create_child(kContainerClass, request.text, bits, ex_bits | WS_EX_CONTROLPARENT,
                          parent, this);
    }
    case ControlKind::Splitter:
      return create_child(kSplitterClass, u"", 0, WS_EX_CONTROLPARENT, parent, this);
    case ControlKind::CheckBox:
    case ControlKind::Option:
      return make_choice_window(request, parent, info);
    case ControlKind::String:
    case ControlKind::Spin:
    case ControlKind::IpAddress:
    case ControlKind::Shortcut:
    case ControlKind::Date:
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return make_field_window(request, parent, info);
    case ControlKind::ListView:
    case ControlKind::ListIcon:
    case ControlKind::Tree:
    case ControlKind::ExplorerList:
    case ControlKind::ExplorerTree:
      return make_list_window(request, parent, info);
    case ControlKind::Panel:
    case ControlKind::ScrollArea:
      return make_page_window(request, parent, info);
    case ControlKind::Image:
    case ControlKind::ButtonImage:
    case ControlKind::Canvas:
      return make_picture_window(request, parent, info);
    case ControlKind::ScrollBar:
    case ControlKind::ProgressBar:
    case ControlKind::TrackBar:
      return make_range_window(request, parent, info);
    case ControlKind::Web:
    case ControlKind::Calendar:
    case ControlKind::HyperLink:
      return make_view_window(request, parent, info);
    case ControlKind::PanelPage:  // made by add_panel_page
      return nullptr;
  }
  return nullptr;
}

NativeHandle Win32Backend::create_control(const ControlRequest& request) {
  HWND parent = container_hwnd(request.parent);
  if (!parent || !tree_.is_parent(request.parent) || request.kind == ControlKind::PanelPage)
    return kNoHandle;
  ControlInfo info;
  info.style = request.style;
  HWND control = make_control_window(request, parent, info);
  if (!control) return kNoHandle;
  info.hwnd = control;
  show_explorer_folder(request.kind, info, request.text);
  if (request.kind != ControlKind::Editor && request.kind != ControlKind::CodeEditor) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->gui()), FALSE);
  }
  subclass_control(control, *this);
  MoveWindow(control, request.geometry.x, request.geometry.y, request.geometry.width,
             request.geometry.height, FALSE);
  place_new_control(control, request);
  ShowWindow(control, SW_SHOWNA);
  last_created_[request.parent.value] = request.kind;
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
    ControlInfo* control = find_control(handle);
    if (!control) return;
    HWND hwnd = control->hwnd;
    HWND inner = control->inner;
    if (GetCapture() == hwnd) ReleaseCapture();
    controls_.erase(handle.value);
    tree_.remove(handle);
    last_created_.erase(handle.value);
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

ControlKind Win32Backend::control_kind(NativeHandle handle) const { return tree_.kind(handle); }

void Win32Backend::set_control_id(NativeHandle handle, int id) { tree_.set_id(handle, id); }

NativeHandle Win32Backend::control_parent(NativeHandle handle) const {
  return tree_.parent(handle);
}

NativeHandle Win32Backend::control_window(NativeHandle handle) const {
  return tree_.window_of(handle);
}

void Win32Backend::set_control_parent(NativeHandle handle, NativeHandle parent) {
  ControlInfo* control = find_control(handle);
  HWND parent_hwnd = container_hwnd(parent);
  if (!control || !parent_hwnd) return;
  NativeHandle old_window = tree_.window_of(handle);
  if (!tree_.set_parent(handle, parent)) return;
  SetParent(control->hwnd, parent_hwnd);
  update_drop_registration(old_window);
  update_drop_registration(tree_.window_of(handle));
}

std::vector<NativeHandle> Win32Backend::child_controls(NativeHandle parent) const {
  return tree_.children(parent);
}

Rect Win32Backend::control_geometry(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  RECT rect{};
  GetWindowRect(control->hwnd, &rect);
  MapWindowPoints(nullptr, GetParent(control->hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Win32Backend::set_control_geometry(NativeHandle handle, Rect geometry) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  Rect old = control_geometry(handle);
  MoveWindow(control->hwnd, geometry.x, geometry.y, geometry.width, geometry.height, TRUE);
  after_geometry(handle);
  Rect now = control_geometry(handle);
  if ((old.width != now.width || old.height != now.height) && sink_)
    sink_->on_control_resized(handle);
}

std::u16string Win32Backend::control_text(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  ControlKind kind = tree_.kind(handle);
  switch (kind) {
    case ControlKind::Editor:
    case ControlKind::CodeEditor:
      return editor_text(control->hwnd);
    case ControlKind::Text:
    case ControlKind::Button:
    case ControlKind::Frame:
    case ControlKind::Container:
    case ControlKind::Splitter:
      return window_text(control->hwnd);
    default:
      return family_text(*control, kind);
  }
}

void Win32Backend::read_control_text(NativeHandle handle, const TextPieceHandler& take) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return;
  ControlKind kind = tree_.kind(handle);
  if (kind == ControlKind::Editor || kind == ControlKind::CodeEditor) {
    read_editor_text(control->hwnd, take);
    return;
  }
  // Other kinds hold short texts.
  std::u16string text = control_text(handle);
  if (!text.empty()) take(text);
}

void Win32Backend::set_control_text(NativeHandle handle, std::u16string_view text) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  ControlKind kind = tree_.kind(handle);
  if (kind == ControlKind::Editor || kind == ControlKind::CodeEditor) {
    set_editor_text(control->hwnd, text);
    return;
  }
  setting_text_ = true;
  if (!set_family_text(*control, kind, text)) SetWindowTextW(control->hwnd, to_wide(text).c_str());
  setting_text_ = false;
}

void Win32Backend::set_control_enabled(NativeHandle handle, bool enabled) {
  if (ControlInfo* control = find_control(handle)) EnableWindow(control->hwnd, enabled);
}

bool Win32Backend::control_enabled(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control && IsWindowEnabled(control->hwnd);
}

void Win32Backend::set_control_visible(NativeHandle handle, bool visible) {
  if (ControlInfo* control = find_control(handle))
    ShowWindow(control->hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Backend::control_visible(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control && (GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

ControlStyle Win32Backend::control_style(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  return control ? control->style : ControlStyle{};
}

void Win32Backend::place_control_below(NativeHandle handle, NativeHandle above) {
  ControlInfo* control = find_control(handle);
  const ControlInfo* sibling = find_control(above);
  if (!control || !sibling || handle == above || control_parent(above) != control_parent(handle))
    return;
  SetWindowPos(control->hwnd, sibling->hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Backend::set_focus(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) SetFocus(control->hwnd);
}

NativeHandle Win32Backend::focused_control() const {
  NativeHandle handle = handle_of(GetFocus());
  return is_control(handle) ? handle : kNoHandle;
}

void Win32Backend::repaint_control(NativeHandle handle) {
  if (ControlInfo* control = find_control(handle)) InvalidateRect(control->hwnd, nullptr, TRUE);
}

void Win32Backend::control_focus(HWND hwnd, bool gained) {
  auto it = handles_.find(hwnd);
  if (it == handles_.end() || !sink_) return;
  const ControlInfo* control = find_control(it->second);
  if (control && control->hwnd == hwnd) sink_->on_control_focus(it->second, gained);
}

void Win32Backend::report_command(HWND source, int code) {
  auto it = handles_.find(source);
  if (it == handles_.end() || !sink_) return;
  const ControlInfo* control = find_control(it->second);
  if (control && control->hwnd == source) sink_->on_control_command(it->second, code);
}

bool Win32Backend::control_notification(UINT message, WPARAM wparam, LPARAM lparam,
                                        LRESULT& result) {
  result = 0;
  if (explorer_notification(message, lparam)) return true;
  if (message != WM_COMMAND || lparam == 0)
    return family_notification(message, wparam, lparam, result);
  auto source = reinterpret_cast<HWND>(lparam);
  auto it = handles_.find(source);
  if (it == handles_.end()) return false;
  ControlKind kind = tree_.kind(it->second);
  int code = HIWORD(wparam);
  if (kind == ControlKind::Button && code == BN_CLICKED) report_command(source, kClick);
  if ((kind == ControlKind::Editor || kind == ControlKind::CodeEditor) && code == EN_CHANGE &&
      !setting_text_) {
    report_command(source, kChange);
  }
  if (kind == ControlKind::Button || kind == ControlKind::Editor || kind == ControlKind::CodeEditor)
    return true;
  return family_notification(message, wparam, lparam, result);
}

// Notifications while the program changes a control are its own and ignored; a scroll
// action always comes from the user.
bool Win32Backend::family_notification(UINT message, WPARAM wparam, LPARAM lparam,
                                       LRESULT& result) {
  result = 0;
  ControlNotice notice;
  notice.message = message;
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    notice.source = header->hwndFrom;
    notice.code = header->code;
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
  notice.kind = tree_.kind(it->second);
  return choice_notice(notice) || field_notice(notice) || list_notice(notice) ||
         page_notice(notice) || picture_notice(notice) || range_notice(notice) ||
         view_notice(notice);
}

LRESULT Win32Backend::container_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (control_notification(message, wparam, lparam, result)) return result;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace ambrel
