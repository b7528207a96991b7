// The controls of the gadget families on the common controls: each is the real control of
// its class, holds its value within its range, takes items and pages, and reports only the
// user's actions.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "command_sink.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {
namespace {

bool has_class(HWND hwnd, const wchar_t* expected) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return lstrcmpiW(name, expected) == 0;
}

class Win32FamilyControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.client_size = {500, 400};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
  }

  NativeHandle add(ControlKind kind, ControlStyle style = {}, ControlRange range = {}) {
    ControlRequest request;
    request.kind = kind;
    request.parent = window;
    request.geometry = {10, 10, 300, 200};
    request.text = u"caption";
    request.style = style;
    request.range = range;
    return backend.create_control(request);
  }

  CommandSink sink;
  Win32Backend backend;
  NativeHandle window;
};

TEST_F(Win32FamilyControlsTest, EachKindIsTheCommonControlOfItsClass) {
  struct Expected {
    ControlKind kind;
    const wchar_t* window_class;
  };
  const Expected kinds[] = {
      {ControlKind::CheckBox, L"Button"},
      {ControlKind::Option, L"Button"},
      {ControlKind::String, L"Edit"},
      {ControlKind::ComboBox, L"ComboBox"},
      {ControlKind::ListView, L"ListBox"},
      {ControlKind::ListIcon, L"SysListView32"},
      {ControlKind::Tree, L"SysTreeView32"},
      {ControlKind::Panel, L"AmbrelTabStrip"},
      {ControlKind::TrackBar, L"msctls_trackbar32"},
      {ControlKind::ProgressBar, L"msctls_progress32"},
      {ControlKind::ScrollBar, L"ScrollBar"},
      {ControlKind::Date, L"SysDateTimePick32"},
      {ControlKind::Calendar, L"SysMonthCal32"},
      {ControlKind::Shortcut, L"msctls_hotkey32"},
      {ControlKind::IpAddress, L"SysIPAddress32"},
      {ControlKind::HyperLink, L"SysLink"},
      {ControlKind::Image, L"Static"},
      {ControlKind::Spin, L"Edit"},
  };
  for (const Expected& expected : kinds) {
    NativeHandle control = add(expected.kind);
    ASSERT_TRUE(control) << static_cast<int>(expected.kind);
    EXPECT_TRUE(has_class(backend.hwnd(control), expected.window_class))
        << static_cast<int>(expected.kind);
    EXPECT_EQ(backend.control_kind(control), expected.kind);
  }
}

TEST_F(Win32FamilyControlsTest, PositionsStayWithinTheirRange) {
  NativeHandle progress = add(ControlKind::ProgressBar, {}, {0, 50, 0});
  backend.set_control_value(progress, 80);
  EXPECT_EQ(backend.control_value(progress), 50);
  NativeHandle bar = add(ControlKind::ScrollBar, {}, {0, 100, 10});
  backend.set_control_value(bar, -5);
  EXPECT_EQ(backend.control_value(bar), 0);
  backend.set_control_value(bar, 40);
  EXPECT_EQ(backend.control_value(bar), 40);
  NativeHandle spin = add(ControlKind::Spin, {}, {1, 9, 0});
  backend.set_control_value(spin, 4);
  EXPECT_EQ(backend.control_value(spin), 4);
  EXPECT_TRUE(sink.codes.empty());
}

TEST_F(Win32FamilyControlsTest, ItemsAndPages) {
  NativeHandle combo = add(ControlKind::ComboBox);
  EXPECT_EQ(backend.add_control_item(combo, -1, u"b"), 0);
  EXPECT_EQ(backend.add_control_item(combo, 0, u"a"), 0);
  EXPECT_EQ(backend.add_control_item(combo, 9, u"c"), 2);
  EXPECT_EQ(backend.control_item_count(combo), 3);
  backend.set_control_value(combo, 1);
  EXPECT_EQ(backend.control_value(combo), 1);
  NativeHandle tree = add(ControlKind::Tree);
  backend.add_control_item(tree, -1, u"one");
  backend.add_control_item(tree, -1, u"two");
  backend.set_control_value(tree, 1);
  EXPECT_EQ(backend.control_value(tree), 1);
  EXPECT_EQ(backend.add_control_item(add(ControlKind::ProgressBar), -1, u"x"), -1);

  NativeHandle panel = add(ControlKind::Panel);
  NativeHandle first = backend.add_panel_page(panel, -1, u"First");
  NativeHandle second = backend.add_panel_page(panel, -1, u"Second");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(backend.control_item_count(panel), 2);
  EXPECT_GT(backend.panel_tab_height(panel), 0);
  Size page = backend.panel_page_size(panel);
  EXPECT_GT(page.width, 250);
  EXPECT_LT(page.height, 200);
  backend.set_control_value(panel, 1);
  EXPECT_FALSE(backend.control_visible(first));
  EXPECT_TRUE(backend.control_visible(second));
  EXPECT_EQ(backend.add_panel_page(combo, -1, u"no"), kNoHandle);
  EXPECT_TRUE(sink.codes.empty());
}

TEST_F(Win32FamilyControlsTest, UserActionsAreReported) {
  NativeHandle box = add(ControlKind::CheckBox, ControlStyle{.three_state = true});
  SendMessageW(backend.hwnd(box), BM_CLICK, 0, 0);
  EXPECT_EQ(backend.control_value(box), 1);
  backend.set_control_value(box, 2);
  EXPECT_EQ(backend.control_value(box), 2);
  NativeHandle field = add(ControlKind::String);
  backend.set_control_text(field, u"set");
  EXPECT_EQ(backend.control_text(field), u"set");
  SendMessageW(backend.hwnd(field), WM_CHAR, L'x', 0);
  EXPECT_EQ(sink.codes, (std::vector<int>{0, 768}));
  NativeHandle link = add(ControlKind::HyperLink);
  backend.set_control_text(link, u"a <b> link");
  EXPECT_EQ(backend.control_text(link), u"a <b> link");
}

// What each family's controls tell their parent, as the controls send it.
TEST_F(Win32FamilyControlsTest, FamilyNotificationsBecomeTheirCommands) {
  HWND parent = backend.hwnd(window);
  auto command = [&](NativeHandle control, WORD code) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(0, code),
                 reinterpret_cast<LPARAM>(backend.hwnd(control)));
  };
  auto notify = [&](NativeHandle control, UINT code) {
    NMHDR header{backend.hwnd(control), 0, code};
    SendMessageW(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  };
  NativeHandle list = add(ControlKind::ListView);
  command(list, LBN_SELCHANGE);
  command(list, LBN_DBLCLK);
  NativeHandle tree = add(ControlKind::Tree);
  notify(tree, NM_CLICK);
  notify(tree, NM_DBLCLK);
  command(add(ControlKind::ComboBox), CBN_SELCHANGE);
  notify(add(ControlKind::Date), DTN_DATETIMECHANGE);
  command(add(ControlKind::ButtonImage), BN_CLICKED);
  notify(add(ControlKind::HyperLink), NM_RETURN);
  NativeHandle panel = add(ControlKind::Panel);
  backend.add_panel_page(panel, -1, u"First");
  notify(panel, TCN_SELCHANGE);
  EXPECT_EQ(sink.codes, (std::vector<int>{0, 2, 0, 2, 768, 768, 0, 0, 768}));

  // A scroll bar moves only as its parent is told, and each action is reported.
  sink.codes.clear();
  NativeHandle bar = add(ControlKind::ScrollBar, ControlStyle{.vertical = true}, {0, 100, 10});
  SendMessageW(parent, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0),
               reinterpret_cast<LPARAM>(backend.hwnd(bar)));
  SendMessageW(parent, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
               reinterpret_cast<LPARAM>(backend.hwnd(bar)));
  EXPECT_EQ(backend.control_value(bar), 11);
  // Another kind's notification code is no command.
  notify(list, NM_CLICK);
  command(tree, LBN_DBLCLK);
  EXPECT_EQ(sink.codes, (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace ambrel
