// The tool's window on the real Win32 backend (under Wine in the cross build): real controls
// of the right classes, natural sizes measured in the controls' fonts, the minimum size held
// through the tracking sizes, the worked layout at 700 x 600, a splitter dragged with real
// mouse messages, and the editors as a screen reader reads them.

#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <Scintilla.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "dialog/dialog.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_text.h"
#include "ui/gadget.h"
#include "ui/measure.h"
#include "ui/window.h"
#include "shown_pixels.h"

namespace ambrel {
namespace {

// Class names compare without case, as the system compares them.
bool has_class(HWND hwnd, const wchar_t* expected) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return lstrcmpiW(name, expected) == 0;
}

SIZE extent_in_font(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return extent;
}

Rect child_rect(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Size client_of(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

// What a screen reader reads of a window's client area through MSAA.
struct AccessibleReading {
  std::wstring name;
  std::wstring value;
  long role = 0;
};

AccessibleReading read_accessible(HWND hwnd) {
  AccessibleReading reading;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible))))
    return reading;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  // A string the object gave, freed.
  auto take = [](HRESULT result, BSTR text) {
    std::wstring taken = SUCCEEDED(result) && text ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return taken;
  };
  BSTR name = nullptr;
  HRESULT result = accessible->get_accName(self, &name);
  reading.name = take(result, name);
  BSTR value = nullptr;
  result = accessible->get_accValue(self, &value);
  reading.value = take(result, value);
  VARIANT role{};
  if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) reading.role = role.lVal;
  accessible->Release();
  return reading;
}

class Win32ToolWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<Win32Backend>();
    win32 = backend.get();
    ASSERT_EQ(application_start(std::move(backend)), 0);
    settle();
    window = win32->hwnd(window_handle(dialog_window(application_dialog())));
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override { application_end(); }

  void settle() {
    while (win32->pump(0) != 0) {}
  }
  int gadget(std::u16string_view name) { return dialog_gadget(application_dialog(), name); }
  HWND control(std::u16string_view name) { return win32->hwnd(gadget_handle(gadget(name))); }
  Rect rect(std::u16string_view name) { return child_rect(control(name)); }

  // Resizes the frame as the user's drag does: the system asks the window for its limits.
  void user_resize(Size client) {
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    settle();
  }

  // The real pointer goes to the same place first: while the bar holds the capture, a
  // move that the X server reports for the pointer reaches it too.
  void mouse(HWND target, UINT message, WPARAM keys, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(target, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(target, message, keys, MAKELPARAM(x, y));
    settle();
  }

  Win32Backend* win32 = nullptr;
  HWND window = nullptr;
};

TEST_F(Win32ToolWindowTest, OpensAt500By500WithRealControls) {
  EXPECT_EQ(client_of(window), (Size{500, 500}));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(has_class(control(u"txtIn"), L"Scintilla"));
  EXPECT_TRUE(has_class(control(u"txtOut"), L"Scintilla"));
  EXPECT_TRUE(has_class(control(u"cmdFile"), L"Button"));
  EXPECT_TRUE(has_class(control(u"frameIn"), L"Button"));
  EXPECT_EQ(GetWindowLongW(control(u"frameIn"), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_TRUE(has_class(control(u"lblIn"), L"Static"));
  EXPECT_TRUE(has_class(control(u"splitter1"), L"AmbrelSplitter"));
  EXPECT_NE(SendMessageW(control(u"txtOut"), SCI_GETREADONLY, 0, 0), 0);
  EXPECT_FALSE(IsWindowEnabled(control(u"cmdCopyAll")));
  EXPECT_EQ(win32->window_title(window_handle(dialog_window(application_dialog()))),
            u"Ambrel v.1.0.0.7");
}

TEST_F(Win32ToolWindowTest, NaturalSizesComeFromTheControlsFontsAndTheSystemMetrics) {
  int edge_width = GetSystemMetrics(SM_CXEDGE);
  int edge_height = GetSystemMetrics(SM_CYEDGE);
  SIZE open = extent_in_font(control(u"cmdFile"), L"  Open ...");
  ASSERT_GT(open.cx, 0);
  EXPECT_EQ(gadget_natural_size(gadget(u"cmdFile")),
            (Size{open.cx + 10 + 2 * edge_width, std::max<int>(open.cy + 2 * edge_height, 24)}));
  // The worked button: "  Open ..." measuring 52 x 13 with 2-pixel edges.
  EXPECT_EQ(button_natural_size({52, 13}, SystemMetrics{2, 2, 1, 1, 17, 17}), (Size{66, 24}));
  // A label's block is as the platform's text drawing computes it.
  HWND label = control(u"lblIn");
  HDC dc = GetDC(label);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT block{0, 0, 0, 0};
  DrawTextW(dc, L"Source XML (CTRL + V)", -1, &block, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  EXPECT_EQ(gadget_natural_size(gadget(u"lblIn")), (Size{block.right + 2, block.bottom + 2}));
  SystemMetrics metrics = ui_system_metrics();
  EXPECT_EQ(metrics.vertical_scroll_width, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(metrics.horizontal_scroll_height, GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(metrics.border_width, GetSystemMetrics(SM_CXBORDER));
}

TEST_F(Win32ToolWindowTest, TheMinimumSizeIsHeldThroughTheTrackingSizes) {
  MINMAXINFO limits{};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  Size minimum{limits.ptMinTrackSize.x - (frame.right - frame.left),
               limits.ptMinTrackSize.y - (frame.bottom - frame.top)};
  EXPECT_GT(minimum.width, 300);
  EXPECT_GT(minimum.height, 200);
  user_resize({300, 200});
  EXPECT_EQ(client_of(window), minimum);
}

TEST_F(Win32ToolWindowTest, At700By600TheFramesAndEditorsFollowTheWorkedLayout) {
  user_resize({700, 600});
  EXPECT_EQ(client_of(window), (Size{700, 600}));
  EXPECT_EQ(rect(u"frameIn"), (Rect{8, 8, 684, 289}));
  EXPECT_EQ(rect(u"frameOut"), (Rect{8, 302, 684, 289}));
  // The button column keeps its 80 pixels and a 4-pixel bar; the editors take the growth.
  Rect splitter = rect(u"splitter3");
  EXPECT_EQ(splitter.width, 666);
  EXPECT_EQ(rect(u"txtIn").width, 582);
  EXPECT_EQ(rect(u"txtOut").width, 582);
  EXPECT_EQ(rect(u"cmdFile"), (Rect{0, 0, 80, 24}));
  EXPECT_EQ(rect(u"cmdPaste"), (Rect{0, 29, 80, 24}));
  EXPECT_EQ(rect(u"cmdCopyAll"), (Rect{0, 0, 80, 24}));
}

TEST_F(Win32ToolWindowTest, DraggingASplitterBarMovesItsPanes) {
  HWND bar = control(u"splitter3");
  int editor_width = rect(u"txtIn").width;
  mouse(bar, WM_LBUTTONDOWN, MK_LBUTTON, editor_width + 1, 50);
  EXPECT_EQ(GetCapture(), bar);
  mouse(bar, WM_MOUSEMOVE, MK_LBUTTON, editor_width - 99, 50);
  mouse(bar, WM_LBUTTONUP, 0, editor_width - 99, 50);
  EXPECT_EQ(rect(u"txtIn").width, editor_width - 100);
  EXPECT_EQ(rect(u"cmdFile").width, 180);
  EXPECT_EQ(GetCapture(), nullptr);
}

// Enlarging the window leaves nothing of the old layout on the screen (group frames paint
// only their border): what is shown equals what a full repaint draws.
TEST_F(Win32ToolWindowTest, EnlargingLeavesNothingOfTheOldLayoutOnTheScreen) {
  user_resize({620, 560});
  user_resize({700, 600});
  std::vector<std::uint32_t> shown = shown_pixels(window);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(pixels_differing(shown, shown_pixels(window)), 0u);
}

// Each editor is named by the label before it, and gives its whole text as its value.
TEST_F(Win32ToolWindowTest, AScreenReaderReadsEachEditorByItsLabelWithItsText) {
  set_gadget_text(gadget(u"txtIn"), u"<a>\n\U0001F600</a>");
  settle();
  AccessibleReading input = read_accessible(control(u"txtIn"));
  EXPECT_EQ(input.name, L"Source XML (CTRL + V)");
  EXPECT_EQ(input.value, L"<a>\r\n\U0001F600</a>");
  EXPECT_EQ(input.role, ROLE_SYSTEM_TEXT);
  AccessibleReading output = read_accessible(control(u"txtOut"));
  EXPECT_EQ(output.name, L"Results (CTRL + C)");
  EXPECT_EQ(output.value, to_wide(win32->control_text(gadget_handle(gadget(u"txtOut")))));
}

}  // namespace
}  // namespace ambrel
