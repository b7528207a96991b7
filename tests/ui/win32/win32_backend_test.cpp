// The Win32 backend's own reports and services, driven with real messages: an editor reports
// the user's edits and never the program's, Tab reaches the ui layer first, timers and posted
// tasks wake the pump, the clipboard keeps Unicode text, and the window keeps its limits.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ignoring_sink.h"
#include "shown_pixels.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {
namespace {

Rect placed(const Win32Backend& backend, NativeHandle control) {
  HWND hwnd = backend.hwnd(control);
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW font_of(const Win32Backend& backend, NativeHandle control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(backend.hwnd(control), WM_GETFONT, 0, 0)),
             sizeof(font), &font);
  return font;
}

SIZE extent_in_font(HWND control, const wchar_t* text) {
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return extent;
}

class RecordingSink final : public IgnoringSink {
 public:
  void on_close_request(NativeHandle) override { ++close_requests; }
  void on_window_resized(NativeHandle, WindowState) override { ++resizes; }
  void on_timer(NativeHandle, int timer) override { timers.push_back(timer); }
  bool on_tab_key(NativeHandle, bool backward) override {
    tabs.push_back(backward);
    return take_tab;
  }
  void on_control_command(NativeHandle control, ControlCommand command) override {
    commands.push_back({control, static_cast<int>(command)});
  }
  void on_control_destroyed(NativeHandle control) override { destroyed.push_back(control); }

  struct Command {
    NativeHandle control;
    int code;
  };
  int close_requests = 0;
  int resizes = 0;
  std::vector<int> timers;
  std::vector<bool> tabs;
  bool take_tab = false;
  std::vector<Command> commands;
  std::vector<NativeHandle> destroyed;
};

class Win32BackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.title = u"test";
    request.style = {true, true, true, true, true, false, false};
    request.client_size = {400, 300};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
    backend.show_window(window, true);
    settle();
  }

  void settle() {
    while (backend.pump(0) != 0) {}
  }
  // Settles, and lets the editors' timers run: after a paint that showed a line wider than the
  // scroll width, Scintilla widens its scroll bar on a timer.
  void settle_timers() {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < until) backend.pump(20);
    settle();
  }

  Rect placed(NativeHandle control) const { return ambrel::placed(backend, control); }
  LOGFONTW font_of(NativeHandle control) const { return ambrel::font_of(backend, control); }

  NativeHandle add(ControlKind kind, std::u16string text = {}, ControlStyle style = {}) {
    ControlRequest request;
    request.kind = kind;
    request.parent = window;
    request.geometry = {10, 10, 200, 100};
    request.text = std::move(text);
    request.style = style;
    return backend.create_control(request);
  }

  RecordingSink sink;
  Win32Backend backend;
  NativeHandle window;
};

TEST_F(Win32BackendTest, AnEditorReportsTheUsersEditsOnly) {
  NativeHandle editor = add(ControlKind::Editor);
  backend.set_control_text(editor, u"one\ntwo\rthree");
  settle();
  EXPECT_TRUE(sink.commands.empty());
  EXPECT_EQ(backend.control_text(editor), u"one\r\ntwo\r\nthree");
  SendMessageW(backend.hwnd(editor), WM_CHAR, L'x', 0);
  settle();
  ASSERT_EQ(sink.commands.size(), 1u);
  EXPECT_EQ(sink.commands[0].control, editor);
  EXPECT_EQ(sink.commands[0].code, 768);
  EXPECT_EQ(backend.control_text(editor), u"xone\r\ntwo\r\nthree");
}

TEST_F(Win32BackendTest, TextReadInPiecesIsTheWholeText) {
  // Slices of an odd size, so that their ends fall within line ends and surrogate pairs.
  auto read = [this](NativeHandle control) {
    std::u16string joined;
    std::unique_ptr<ControlTextReader> reader = backend.read_control_text(control);
    while (reader->read(997, [&joined](std::u16string_view piece) {
      EXPECT_FALSE(piece.empty());
      joined += piece;
    })) {}
    return joined;
  };
  NativeHandle editor = add(ControlKind::Editor);
  EXPECT_EQ(read(editor), u"");
  std::u16string text;
  for (int i = 0; text.size() < 100000; ++i) {
    text += u"<x a=\"\U0001F600\">" + std::u16string(i % 7, u'y') + u"</x>\r\n";
  }
  backend.set_control_text(editor, text + u"\rend\n");
  EXPECT_EQ(read(editor), backend.control_text(editor));
  EXPECT_EQ(read(editor), text + u"\r\nend\r\n");
  SendMessageW(backend.hwnd(editor), WM_CHAR, L'x', 0);
  EXPECT_EQ(read(editor), backend.control_text(editor));
  EXPECT_EQ(read(add(ControlKind::Button, u"caption")), u"caption");
}

TEST_F(Win32BackendTest, AppendedTextIsTheProgramsAndKeepsTheUsersPlace) {
  NativeHandle editor = add(ControlKind::Editor);
  HWND hwnd = backend.hwnd(editor);
  backend.set_control_text(editor, u"ab");
  SendMessageW(hwnd, EM_SETSEL, 1, 2);
  backend.reserve_control_text(editor, 1000);  // room made ahead changes nothing shown
  settle();
  // A CR at the end of one addition and an LF at the start of the next make one line end.
  backend.append_control_text(editor, u"c\r");
  backend.append_control_text(editor, u"\nd\ne");
  settle();
  EXPECT_TRUE(sink.commands.empty());
  EXPECT_EQ(backend.control_text(editor), u"abc\r\nd\r\ne");
  DWORD start = 0, end = 0;
  SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 2u);
  // The user cannot undo what the program added.
  SendMessageW(hwnd, WM_UNDO, 0, 0);
  EXPECT_EQ(backend.control_text(editor), u"abc\r\nd\r\ne");
  // Nor can a surrogate pair split between two additions come apart.
  backend.append_control_text(editor, u"\xD83D");
  backend.append_control_text(editor, std::u16string_view(u"\xDE00\0f", 3));
  EXPECT_EQ(backend.control_text(editor),
            u"abc\r\nd\r\ne\U0001F600" + std::u16string(1, u'\0') + u"f");
}

// What the user types at the end of a text still arriving stays at its end, after a caret
// put there (Ctrl+End) has followed the text; an edit before the program's text moves where
// the rest goes. A caret at the start of a text that began empty stays there.
TEST_F(Win32BackendTest, TypingAtTheEndOfATextStillArrivingStaysAtItsEnd) {
  NativeHandle editor = add(ControlKind::Editor);
  HWND hwnd = backend.hwnd(editor);
  backend.set_control_text(editor, u"");
  backend.append_control_text(editor, u"{\"price\": 1");
  EXPECT_EQ(SendMessageW(hwnd, SCI_GETCURRENTPOS, 0, 0), 0);
  SendMessageW(hwnd, SCI_DOCUMENTEND, 0, 0);  // what Ctrl+End does
  backend.append_control_text(editor, u"0");
  SendMessageW(hwnd, WM_CHAR, L' ', 0);
  backend.append_control_text(editor, u"}\r");
  backend.append_control_text(editor, u"\n");
  SendMessageW(hwnd, WM_CHAR, L'x', 0);
  EXPECT_EQ(backend.control_text(editor), u"{\"price\": 10}\r\n x");
  SendMessageW(hwnd, SCI_GOTOPOS, 0, 0);
  SendMessageW(hwnd, WM_CHAR, L'[', 0);
  SendMessageW(hwnd, SCI_DELETERANGE, 3, 2);
  backend.append_control_text(editor, u"]");
  EXPECT_EQ(backend.control_text(editor), u"[{\"ice\": 10}\r\n] x");
  EXPECT_EQ(SendMessageW(hwnd, SCI_GETCURRENTPOS, 0, 0), 1);
  // The user's steps after the place were dropped with the insertion before them.
  SendMessageW(hwnd, WM_UNDO, 0, 0);
  EXPECT_EQ(backend.control_text(editor), u"[{\"ice\": 10}\r\n] x");
}

// A read-only editor takes the program's text and not the user's; a writable one wraps long
// lines at its width when asked to.
TEST_F(Win32BackendTest, ReadOnlyAndWordWrapHoldForTheEditorsOwnBehaviour) {
  ControlStyle read_only;
  read_only.read_only = true;
  NativeHandle output = add(ControlKind::Editor, u"first", read_only);
  backend.set_control_text(output, u"set");
  backend.append_control_text(output, u" and added");
  SendMessageW(backend.hwnd(output), WM_CHAR, L'x', 0);
  EXPECT_EQ(backend.control_text(output), u"set and added");

  std::u16string words;
  for (int i = 0; i < 100; ++i) words += u"word ";
  ControlStyle wrapped;
  wrapped.word_wrap = true;
  for (bool wrap : {false, true}) {
    HWND hwnd = backend.hwnd(add(ControlKind::CodeEditor, words, wrap ? wrapped : ControlStyle{}));
    settle();
    LRESULT shown_lines = SendMessageW(hwnd, SCI_WRAPCOUNT, 0, 0);
    if (wrap) {
      EXPECT_GT(shown_lines, 5);
    } else {
      EXPECT_EQ(shown_lines, 1);
    }
  }
}

TEST_F(Win32BackendTest, TabGoesToTheUiLayerBeforeTheEditor) {
  NativeHandle editor = add(ControlKind::Editor);
  HWND hwnd = backend.hwnd(editor);
  backend.set_focus(editor);
  sink.take_tab = true;
  PostMessageW(hwnd, WM_KEYDOWN, VK_TAB, 1);
  settle();
  EXPECT_EQ(sink.tabs, std::vector<bool>{false});
  EXPECT_EQ(backend.control_text(editor), u"");
  // A key the ui layer leaves reaches the editor, which types it.
  sink.take_tab = false;
  PostMessageW(hwnd, WM_KEYDOWN, VK_TAB, 1);
  settle();
  EXPECT_EQ(sink.tabs.size(), 2u);
  EXPECT_EQ(backend.control_text(editor), u"\t");
}

// What a window is asked of its keyboard cues (WM_CHANGEUISTATE: UIS_SET hides, UIS_CLEAR
// shows), as long as it lives; Wine keeps no such state to ask for.
class CueRequests {
 public:
  explicit CueRequests(HWND window) : window_(window) {
    SetWindowSubclass(window_, record, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~CueRequests() { RemoveWindowSubclass(window_, record, 1); }
  CueRequests(const CueRequests&) = delete;
  CueRequests& operator=(const CueRequests&) = delete;

  // The last request: UIS_SET, UIS_CLEAR, or 0 for none yet.
  int last = 0;

 private:
  static LRESULT CALLBACK record(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                 DWORD_PTR self) {
    if (message == WM_CHANGEUISTATE && (HIWORD(wparam) & UISF_HIDEFOCUS))
      reinterpret_cast<CueRequests*>(self)->last = LOWORD(wparam);
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
  HWND window_;
};

// The focus frames show while the keyboard is in use: while Control, Shift or Alt is held
// and after a Tab that moved the focus, until the window is left.
TEST_F(Win32BackendTest, KeyboardCuesShowWhileTheKeyboardIsInUse) {
  HWND hwnd = backend.hwnd(window);
  CueRequests cues(hwnd);
  NativeHandle button = add(ControlKind::Button, u"Go");
  backend.set_focus(button);
  settle();
  for (UINT key : {VK_CONTROL, VK_SHIFT, VK_MENU}) {
    SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(cues.last, UIS_SET) << key;
    PostMessageW(backend.hwnd(button), key == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    settle();
    EXPECT_EQ(cues.last, UIS_CLEAR) << key;
  }
  SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
  PostMessageW(backend.hwnd(button), WM_KEYDOWN, 'A', 1);
  settle();
  EXPECT_EQ(cues.last, UIS_SET);
  sink.take_tab = true;
  PostMessageW(backend.hwnd(button), WM_KEYDOWN, VK_TAB, 1);
  settle();
  EXPECT_EQ(cues.last, UIS_CLEAR);
}

// An editor shows in its border that it has the focus, read-only or not.
TEST_F(Win32BackendTest, AnEditorShowsTheFocusInItsBorder) {
  ControlStyle read_only;
  read_only.read_only = true;
  read_only.tab_stop = true;
  NativeHandle editor = add(ControlKind::Editor, u"text", read_only);
  NativeHandle button = add(ControlKind::Button, u"Go");
  backend.set_control_geometry(button, {250, 10, 80, 24});
  backend.set_focus(button);
  settle_timers();
  std::vector<std::uint32_t> unfocused = shown_pixels(backend.hwnd(window));
  backend.set_focus(editor);
  settle();
  std::vector<std::uint32_t> focused = shown_pixels(backend.hwnd(window));
  EXPECT_GT(pixels_differing(unfocused, focused), 2u * (200 + 100));
  backend.set_focus(button);
  settle();
  EXPECT_EQ(pixels_differing(unfocused, shown_pixels(backend.hwnd(window))), 0u);
}

TEST_F(Win32BackendTest, AButtonClickIsCommandZero) {
  NativeHandle button = add(ControlKind::Button, u"Go");
  SendMessageW(backend.hwnd(button), BM_CLICK, 0, 0);
  settle();
  ASSERT_EQ(sink.commands.size(), 1u);
  EXPECT_EQ(sink.commands[0].code, 0);
  backend.set_control_text(button, u"Stop");
  EXPECT_EQ(backend.control_text(button), u"Stop");
}

TEST_F(Win32BackendTest, TimersAndPostedTasksWakeThePump) {
  ASSERT_TRUE(backend.start_timer(window, 7, 10));
  while (sink.timers.empty()) backend.pump(-1);
  EXPECT_EQ(sink.timers.front(), 7);
  EXPECT_TRUE(backend.stop_timer(window, 7));
  EXPECT_FALSE(backend.stop_timer(window, 7));
  settle();
  // Nothing queued: a timed wait gives up.
  EXPECT_EQ(backend.pump(30), 0);

  std::vector<int> ran;
  std::thread poster([&] {
    backend.post([&] { ran.push_back(1); });
    backend.post([&] { ran.push_back(2); });
  });
  poster.join();
  while (ran.size() < 2) backend.pump(-1);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

// A task that posts itself again, as a text still arriving wakes its reader, must not hold the
// window: what reached the window meanwhile is handled before the next of its tasks.
TEST_F(Win32BackendTest, ATaskPostingItselfLetsTheWindowsMessagesIn) {
  constexpr int kMostTasks = 1000;
  int tasks = 0;
  std::function<void()> again = [&] {
    if (++tasks < kMostTasks && sink.close_requests == 0) backend.post(again);
  };
  backend.post(again);
  PostMessageW(backend.hwnd(window), WM_CLOSE, 0, 0);
  while (tasks < kMostTasks && sink.close_requests == 0) backend.pump(-1);
  settle();
  EXPECT_EQ(sink.close_requests, 1);
  EXPECT_LE(tasks, 3);
}

TEST_F(Win32BackendTest, TheClipboardKeepsUnicodeText) {
  ASSERT_TRUE(backend.set_clipboard_text(u"Grüße \u4e16\u754c\r\n"));
  EXPECT_EQ(backend.clipboard_text(), u"Grüße \u4e16\u754c\r\n");
}

TEST_F(Win32BackendTest, SizeLimitsHoldForTheProgramAndTheUser) {
  backend.set_window_size_limits(window, {300, 200}, {600, 500});
  backend.resize_window(window, {100, 100});
  EXPECT_EQ(backend.window_client_size(window), (Size{300, 200}));
  backend.resize_window(window, {900, 900});
  EXPECT_EQ(backend.window_client_size(window), (Size{600, 500}));
  backend.resize_window(window, {450, 350});
  EXPECT_EQ(backend.window_client_size(window), (Size{450, 350}));
}

// Asked for more, by a new window, a resize or a minimum, a window keeps within the work
// area, and says how large that is, so that the engine can warn.
TEST_F(Win32BackendTest, AWindowIsNeverLargerThanTheWorkArea) {
  Size largest = backend.largest_client_size();
  Rect area = backend.screen_area();
  ASSERT_GT(largest.width, 0);
  EXPECT_LT(largest.height, area.height);  // the caption's room
  WindowRequest request;
  request.title = u"huge";
  request.style = {true, true, true, true, true, false, false};
  request.client_size = {40000, 30000};
  NativeHandle huge = backend.create_window(request);
  ASSERT_TRUE(huge);
  EXPECT_EQ(backend.window_client_size(huge), largest);
  backend.resize_window(window, {200, largest.height + 1});
  EXPECT_EQ(backend.window_client_size(window), (Size{200, largest.height}));
  backend.set_window_size_limits(window, {32000, 10}, {});
  EXPECT_EQ(backend.window_client_size(window), largest);
  backend.destroy_window(huge);
}

TEST_F(Win32BackendTest, TheCloseBoxAsksAndClosesNothing) {
  SendMessageW(backend.hwnd(window), WM_SYSCOMMAND, SC_CLOSE, 0);
  settle();
  EXPECT_EQ(sink.close_requests, 1);
  EXPECT_TRUE(backend.is_window(window));
}

TEST_F(Win32BackendTest, DestroyingAWindowReportsEachControlChildrenFirst) {
  NativeHandle container = add(ControlKind::Container);
  ControlRequest request;
  request.kind = ControlKind::Text;
  request.parent = container;
  request.text = u"inside";
  NativeHandle inner = backend.create_control(request);
  ASSERT_TRUE(inner);
  HWND inner_hwnd = backend.hwnd(inner);
  backend.destroy_window(window);
  EXPECT_EQ(sink.destroyed, (std::vector<NativeHandle>{inner, container}));
  EXPECT_FALSE(IsWindow(inner_hwnd));
  EXPECT_EQ(backend.control_text(inner), u"");
}

TEST_F(Win32BackendTest, OptionsGroupByRunsOfOptions) {
  NativeHandle first = add(ControlKind::Option, u"a");
  NativeHandle second = add(ControlKind::Option, u"b");
  add(ControlKind::CheckBox, u"c");
  NativeHandle third = add(ControlKind::Option, u"d");
  EXPECT_NE(GetWindowLongW(backend.hwnd(first), GWL_STYLE) & WS_GROUP, 0);
  EXPECT_EQ(GetWindowLongW(backend.hwnd(second), GWL_STYLE) & WS_GROUP, 0);
  EXPECT_NE(GetWindowLongW(backend.hwnd(third), GWL_STYLE) & WS_GROUP, 0);
  backend.set_control_value(first, 1);
  SendMessageW(backend.hwnd(second), BM_CLICK, 0, 0);
  settle();
  EXPECT_EQ(backend.control_value(first), 0);
  EXPECT_EQ(backend.control_value(second), 1);
}

// Moved to a monitor of 144 DPI, a window keeps its units in 1.5 times the pixels and in the
// fonts of that density, so that a caption measured before still fits its button.
TEST_F(Win32BackendTest, AtAnotherDensityTheSameUnitsTakeMorePixelsAndFonts) {
  NativeHandle button = add(ControlKind::Button, u"  Copy all");
  Size caption = backend.text_extent(button, u"  Copy all");
  Rect button_units{10, 10, caption.width + 2 * GetSystemMetrics(SM_CXEDGE), 24};
  backend.set_control_geometry(button, button_units);
  NativeHandle editor = add(ControlKind::Editor);
  backend.set_control_geometry(editor, {10, 40, 201, 100});
  LONG editor_height = font_of(editor).lfHeight;
  HWND hwnd = backend.hwnd(window);
  RECT suggested{0, 0, 600, 450};
  AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)));
  int resizes = sink.resizes;
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  settle();

  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 600);
  EXPECT_EQ(client.bottom, 450);
  EXPECT_EQ(backend.window_client_size(window), (Size{400, 300}));
  EXPECT_GT(sink.resizes, resizes);
  EXPECT_EQ(placed(button), DpiScale(144).to_pixels(button_units));
  EXPECT_EQ(backend.control_geometry(button), button_units);
  EXPECT_EQ(placed(editor), (Rect{15, 60, 302, 150}));
  EXPECT_EQ(backend.control_geometry(editor), (Rect{10, 40, 201, 100}));

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW message_font = metrics.lfMessageFont;
  EXPECT_EQ(font_of(button).lfHeight, MulDiv(message_font.lfHeight, 144, 96));
  EXPECT_NEAR(font_of(editor).lfHeight, MulDiv(editor_height, 144, 96), 1);
  EXPECT_EQ(std::wstring(font_of(editor).lfFaceName), L"Consolas");
  RECT inside{};
  GetClientRect(backend.hwnd(button), &inside);
  EXPECT_LE(
      extent_in_font(backend.hwnd(button), L"  Copy all").cx + 2 * GetSystemMetrics(SM_CXEDGE),
      inside.right);
  // What the ui layer measures stays in units, about as it was.
  EXPECT_NEAR(backend.text_extent(button, u"  Copy all").width, caption.width, 2);
}

}  // namespace
}  // namespace ambrel
