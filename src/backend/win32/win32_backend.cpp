// Start-up and shutdown of the platform, the event pump and cross-thread posting on Win32.

#include "backend/win32/win32_backend.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <utility>

#include "backend/win32/win32_fonts.h"
#include "backend/win32/win32_tab_strip.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

// The wake window's timer that puts the busy pointer up.
constexpr UINT_PTR kBusyPointerTimer = 1;

}  // namespace

Win32Backend::Win32Backend() : fonts_(std::make_unique<Win32Fonts>()) {
  // OLE for the drop targets; a thread that already chose another model keeps it.
  ole_started_ = SUCCEEDED(OleInitialize(nullptr));
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                    ICC_INTERNET_CLASSES | ICC_LINK_CLASS | ICC_TAB_CLASSES |
                                    ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                    ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  register_window_classes();
  wake_message_ = RegisterWindowMessageW(L"AmbrelRunPostedTasks");
  wake_window_ = CreateWindowExW(0, kWakeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), this);
}

Win32Backend::~Win32Backend() {
  sink_ = nullptr;
  hide_busy_pointer();
  while (!windows_.empty()) destroy_window(NativeHandle{windows_.begin()->first});
  if (wake_window_) DestroyWindow(wake_window_);
  if (ole_started_) OleUninitialize();
}

void Win32Backend::set_sink(BackendSink* sink) { sink_ = sink; }

HWND Win32Backend::hwnd(NativeHandle handle) const {
  if (const WindowInfo* window = find_window(handle)) return window->hwnd;
  if (const Win32ControlRecord* control = find_control(handle)) return control->hwnd;
  return nullptr;
}

NativeHandle Win32Backend::handle_of(HWND hwnd) const {
  for (; hwnd; hwnd = GetAncestor(hwnd, GA_PARENT)) {
    auto it = handles_.find(hwnd);
    if (it != handles_.end()) return it->second;
  }
  return kNoHandle;
}

void Win32Backend::register_hwnd(HWND hwnd, NativeHandle handle) { handles_[hwnd] = handle; }

void Win32Backend::forget_hwnd(HWND hwnd) { handles_.erase(hwnd); }

void Win32Backend::show_keyboard_cues(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (is_window(handle_of(root)))
    SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

bool Win32Backend::route_tab_key(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !sink_) return false;
  if ((GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000)) return false;
  NativeHandle window = handle_of(GetAncestor(message.hwnd, GA_ROOT));
  if (!is_window(window)) return false;
  return sink_->on_tab_key(window, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
}

namespace {

// Ctrl+Tab and Ctrl+Shift+Tab within a panel's page turn the panel's pages, as they do on
// its tabs.
bool route_page_key(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (!(GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000)) return false;
  HWND strip = enclosing_tab_strip(message.hwnd);
  if (!strip || strip == message.hwnd) return false;
  SendMessageW(strip, WM_KEYDOWN, message.wParam, message.lParam);
  return true;
}

// Takes the next waiting message. Under Wine the desktop's own events (the window manager's
// ping, keys, clicks) are read from the X server only by a wait or by a look into an empty
// queue; the wait of no time first lets them in between two messages, so a run of long
// repaints is answered after each one, not only after the last.
bool take_waiting_message(MSG& message) {
  MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  return PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0;
}

}  // namespace

void Win32Backend::dispatch(MSG& message) {
  bool key_down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  if (key_down &&
      (message.wParam == VK_CONTROL || message.wParam == VK_SHIFT || message.wParam == VK_MENU))
    show_keyboard_cues(message.hwnd);
  if (route_tab_key(message) || route_page_key(message)) {
    show_keyboard_cues(message.hwnd);
    return;
  }
  // The character a consumed Tab would make is not wanted either; only a key the ui layer
  // left is translated.
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Win32Backend::pump(int timeout_ms) {
  MSG message;
  if (!idle_tasks_.empty() && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    idle_tasks_.take_first()();
    return kBackendEventsDispatched;
  }
  if (timeout_ms < 0 && idle_tasks_.empty()) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) return 0;
    dispatch(message);
  } else {
    if (timeout_ms > 0 && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      DWORD waited = MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeout_ms),
                                                 QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (waited == WAIT_TIMEOUT) return 0;
    }
    if (!take_waiting_message(message)) return 0;
    dispatch(message);
  }
  // And whatever else is already waiting, so one turn empties the queue.
  while (take_waiting_message(message)) dispatch(message);
  return kBackendEventsDispatched;
}

void Win32Backend::post(std::function<void()> task) {
  posted_.add(std::move(task));
  PostMessageW(wake_window_, wake_message_, 0, 0);
}

// A real clock runs on while posts are awaited.
void Win32Backend::set_awaiting_posts(bool) {}

// Idle tasks run in the pump once no message waits, repaints and timers included.
void Win32Backend::post_when_idle(std::function<void()> task) { idle_tasks_.add(std::move(task)); }

void Win32Backend::show_busy_pointer(int delay_ms) {
  if (busy_pointer_due_ || busy_pointer_shown_) return;
  busy_pointer_due_ =
      SetTimer(wake_window_, kBusyPointerTimer,
               static_cast<UINT>(std::max(delay_ms, USER_TIMER_MINIMUM)), nullptr) != 0;
}

void Win32Backend::hide_busy_pointer() {
  if (busy_pointer_due_) KillTimer(wake_window_, kBusyPointerTimer);
  busy_pointer_due_ = false;
  if (!busy_pointer_shown_) return;
  busy_pointer_shown_ = false;
  refresh_pointer();
}

// Asks the window under the pointer for its pointer again (our top-level windows answer the
// busy one, see top_level_message).
void Win32Backend::refresh_pointer() const {
  POINT point{};
  if (!GetCursorPos(&point)) return;
  HWND under = WindowFromPoint(point);
  if (!under || !handle_of(under)) return;
  LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

LRESULT Win32Backend::wake_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == wake_message_ && wake_message_ != 0) {
    // Only what was posted before: each post has a wake of its own, and a task that posts
    // again, turn after turn, must leave the window's own messages a turn in between.
    posted_.run();
    return 0;
  }
  if (message == WM_TIMER && wparam == kBusyPointerTimer) {
    KillTimer(hwnd, kBusyPointerTimer);
    busy_pointer_due_ = false;
    busy_pointer_shown_ = true;
    refresh_pointer();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace ambrel
