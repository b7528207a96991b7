// A panel's tab strip driven as the user drives it: a click on a tab, the keys on the strip
// and Ctrl+Tab inside a page each turn to the tab's page and report one change; the arrows
// scroll a row of more tabs than fit, and a click after scrolling takes the tab under it.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "command_sink.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {
namespace {

constexpr int kChange = static_cast<int>(ControlCommand::Change);

class Win32TabStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.client_size = {500, 400};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
  }

  void TearDown() override {
    BYTE keys[256] = {};
    SetKeyboardState(keys);
  }

  // A panel of `count` tabs named t0, t1, ...
  NativeHandle add_panel(int count, int width = 300) {
    ControlRequest request;
    request.kind = ControlKind::Panel;
    request.parent = window;
    request.geometry = {10, 10, width, 200};
    request.style.tab_stop = true;
    NativeHandle panel = backend.create_control(request);
    for (int i = 0; i < count; ++i) {
      std::string digits = std::to_string(i);
      std::u16string name = u"t";
      name.append(digits.begin(), digits.end());
      pages.push_back(backend.add_panel_page(panel, -1, name));
    }
    return panel;
  }

  RECT tab_rect(NativeHandle panel, int index) {
    RECT rect{};
    SendMessageW(backend.hwnd(panel), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  void click(NativeHandle panel, POINT point) {
    HWND strip = backend.hwnd(panel);
    SendMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }

  void click_tab(NativeHandle panel, int index) {
    RECT rect = tab_rect(panel, index);
    click(panel, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  }

  void key(NativeHandle panel, WPARAM virtual_key) {
    SendMessageW(backend.hwnd(panel), WM_KEYDOWN, virtual_key, 0);
  }

  // Holds Control (and Shift) for the keys that follow, as GetKeyState reads them.
  void hold(bool control, bool shift) {
    BYTE keys[256] = {};
    if (control) keys[VK_CONTROL] = 0x80;
    if (shift) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
  }

  // Which page shows; -1 for none, -2 for more than one.
  int shown_page() const {
    int shown = -1;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (!backend.control_visible(pages[i])) continue;
      shown = shown == -1 ? static_cast<int>(i) : -2;
    }
    return shown;
  }

  void settle() {
    while (backend.pump(0) != 0) {}
  }

  CommandSink sink;
  Win32Backend backend;
  NativeHandle window;
  std::vector<NativeHandle> pages;
};

TEST_F(Win32TabStripTest, AClickOnATabShowsItsPageAndReportsOneChange) {
  NativeHandle panel = add_panel(3);
  EXPECT_EQ(backend.control_value(panel), 0);
  EXPECT_EQ(shown_page(), 0);
  click_tab(panel, 2);
  EXPECT_EQ(backend.control_value(panel), 2);
  EXPECT_EQ(shown_page(), 2);
  EXPECT_EQ(GetFocus(), backend.hwnd(panel));
  // The current tab again, and the empty row beyond the tabs, change nothing.
  click_tab(panel, 2);
  RECT last = tab_rect(panel, 2);
  click(panel, {last.right + 20, (last.top + last.bottom) / 2});
  // Nor does a click on the page below the row.
  click(panel, {last.left, last.bottom + 40});
  EXPECT_EQ(backend.control_value(panel), 2);
  EXPECT_EQ(sink.codes, std::vector<int>{kChange});
}

TEST_F(Win32TabStripTest, KeysOnTheStripStepAndCtrlTabGoesRound) {
  NativeHandle panel = add_panel(3);
  key(panel, VK_RIGHT);
  EXPECT_EQ(backend.control_value(panel), 1);
  key(panel, VK_END);
  EXPECT_EQ(backend.control_value(panel), 2);
  key(panel, VK_RIGHT);  // the arrows stop at the ends
  EXPECT_EQ(backend.control_value(panel), 2);
  hold(true, false);
  key(panel, VK_TAB);  // Ctrl+Tab goes round to the first
  EXPECT_EQ(backend.control_value(panel), 0);
  hold(true, true);
  key(panel, VK_TAB);  // Ctrl+Shift+Tab round to the last
  EXPECT_EQ(backend.control_value(panel), 2);
  hold(false, false);
  key(panel, VK_HOME);
  EXPECT_EQ(backend.control_value(panel), 0);
  key(panel, VK_LEFT);
  EXPECT_EQ(backend.control_value(panel), 0);
  EXPECT_EQ(shown_page(), 0);
  EXPECT_EQ(sink.codes, std::vector<int>(5, kChange));
}

TEST_F(Win32TabStripTest, CtrlTabInsideAPageTurnsItsPanel) {
  NativeHandle panel = add_panel(2);
  ControlRequest request;
  request.kind = ControlKind::String;
  request.parent = pages[0];
  request.geometry = {5, 5, 100, 20};
  NativeHandle field = backend.create_control(request);
  ASSERT_TRUE(field);
  hold(true, false);
  PostMessageW(backend.hwnd(field), WM_KEYDOWN, VK_TAB, 0);
  settle();
  EXPECT_EQ(backend.control_value(panel), 1);
  EXPECT_EQ(shown_page(), 1);
  EXPECT_EQ(backend.control_text(field), u"");  // the key went to the panel alone
  EXPECT_EQ(sink.codes, std::vector<int>{kChange});
}

TEST_F(Win32TabStripTest, ARowOfMoreTabsThanFitScrollsByItsArrows) {
  NativeHandle panel = add_panel(50, 200);
  HWND strip = backend.hwnd(panel);
  RECT client{};
  GetClientRect(strip, &client);
  RECT first = tab_rect(panel, 0);
  // The forward arrow is the rightmost part of the row.
  POINT forward{client.right - 3, first.top + 3};
  click(panel, forward);
  click(panel, forward);
  EXPECT_EQ(tab_rect(panel, 2).left, first.left);
  EXPECT_LT(tab_rect(panel, 0).right, 0);
  // A click now takes the tab under the pointer, not the one that was there before.
  click(panel, {first.left + 3, first.top + 3});
  EXPECT_EQ(backend.control_value(panel), 2);
  EXPECT_EQ(shown_page(), 2);
  // The last tab comes on view when it becomes current, before the arrows.
  key(panel, VK_END);
  RECT last = tab_rect(panel, 49);
  EXPECT_GT(last.left, 0);
  EXPECT_LE(last.right, client.right);
  click(panel, {(last.left + last.right) / 2, last.top + 3});
  EXPECT_EQ(backend.control_value(panel), 49);
  // The back arrow, left of the forward one, brings the tabs before it back.
  int shown_before = 0;
  while (tab_rect(panel, shown_before).left < first.left) ++shown_before;
  click(panel, {forward.x - GetSystemMetrics(SM_CXHSCROLL), forward.y});
  EXPECT_EQ(tab_rect(panel, shown_before - 1).left, first.left);
  // Scrolling is no change of page.
  EXPECT_EQ(sink.codes, (std::vector<int>{kChange, kChange}));
}

TEST_F(Win32TabStripTest, APageInsertedBeforeTheCurrentOneLeavesItCurrent) {
  NativeHandle panel = add_panel(3);
  backend.set_control_value(panel, 1);
  NativeHandle inserted = backend.add_panel_page(panel, 0, u"new");
  pages.insert(pages.begin(), inserted);
  EXPECT_EQ(backend.control_value(panel), 2);
  EXPECT_EQ(shown_page(), 2);
  EXPECT_EQ(backend.control_item_count(panel), 4);
  // The page lies below the tabs, within the strip.
  Size page = backend.panel_page_size(panel);
  EXPECT_EQ(page.height, 200 - backend.panel_tab_height(panel) - 6);
  EXPECT_EQ(page.width, 300 - 8);
  EXPECT_TRUE(sink.codes.empty());
}

// At a higher density the window's fonts grow, and every tab is measured again with them.
TEST_F(Win32TabStripTest, TabsAreMeasuredAgainAtAnotherDensity) {
  NativeHandle panel = add_panel(2);
  backend.add_panel_page(panel, -1, u"A much longer caption");
  RECT before = tab_rect(panel, 2);
  int height_before = backend.panel_tab_height(panel);
  HWND hwnd = backend.hwnd(window);
  RECT suggested{0, 0, 750, 600};
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  settle();
  RECT after = tab_rect(panel, 2);
  EXPECT_GT(after.right - after.left, (before.right - before.left) * 5 / 4);
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
  // The ui layer's units: about the same height as before.
  EXPECT_NEAR(backend.panel_tab_height(panel), height_before, 2);
}

}  // namespace
}  // namespace ambrel
