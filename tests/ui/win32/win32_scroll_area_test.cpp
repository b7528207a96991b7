// The scroll area on Win32: its controls live in the inner area at the ui layer's
// coordinates, the bars show only while the inner area does not fit, and the bars and the
// wheel move the inner area within its range.

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "command_sink.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {
namespace {

class Win32ScrollAreaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.client_size = {400, 300};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
    area = add(ControlKind::ScrollArea, window, {10, 10, 200, 150});
    ASSERT_TRUE(area);
    backend.set_scroll_inner_size(area, {500, 600});
    button = add(ControlKind::Button, area, {300, 500, 80, 24});
    ASSERT_TRUE(button);
  }

  NativeHandle add(ControlKind kind, NativeHandle parent, Rect geometry) {
    ControlRequest request;
    request.kind = kind;
    request.parent = parent;
    request.geometry = geometry;
    request.text = u"Go";
    return backend.create_control(request);
  }

  HWND area_hwnd() { return backend.hwnd(area); }
  HWND inner_hwnd() { return GetParent(backend.hwnd(button)); }

  // Where the inner area's origin is in the scroll area's client area.
  POINT inner_origin() {
    POINT origin{0, 0};
    MapWindowPoints(inner_hwnd(), area_hwnd(), &origin, 1);
    return origin;
  }

  SCROLLINFO bar(int which) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(area_hwnd(), which, &info)) info.nPage = 0;
    return info;
  }

  bool bar_in_use(int which) {
    SCROLLINFO info = bar(which);
    return (GetWindowLongW(area_hwnd(), GWL_STYLE) &
            (which == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0 &&
           static_cast<int>(info.nPage) <= info.nMax - info.nMin;
  }

  void scroll(UINT message, int action) {
    SendMessageW(area_hwnd(), message, MAKEWPARAM(action, 0), 0);
  }

  CommandSink sink;
  Win32Backend backend;
  NativeHandle window;
  NativeHandle area;
  NativeHandle button;
};

TEST_F(Win32ScrollAreaTest, ControlsLiveInTheInnerAreaAtTheirOwnCoordinates) {
  EXPECT_NE(inner_hwnd(), area_hwnd());
  EXPECT_EQ(GetParent(inner_hwnd()), area_hwnd());
  EXPECT_EQ(backend.scroll_inner_size(area), (Size{500, 600}));
  EXPECT_EQ(backend.control_parent(button), area);
  EXPECT_EQ(backend.child_controls(area), std::vector<NativeHandle>{button});
  scroll(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(backend.control_geometry(button), (Rect{300, 500, 80, 24}));
}

TEST_F(Win32ScrollAreaTest, TheBarsMoveTheInnerAreaWithinItsRange) {
  RECT client{};
  GetClientRect(area_hwnd(), &client);
  ASSERT_TRUE(bar_in_use(SB_VERT));
  ASSERT_TRUE(bar_in_use(SB_HORZ));
  EXPECT_EQ(bar(SB_VERT).nMax, 599);
  EXPECT_EQ(static_cast<int>(bar(SB_VERT).nPage), client.bottom);
  EXPECT_EQ(static_cast<int>(bar(SB_HORZ).nPage), client.right);

  scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(inner_origin().y, -20);
  scroll(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(inner_origin().y, -20 - client.bottom);
  scroll(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(inner_origin().y, client.bottom - 600);  // the inner area's bottom edge shows, no more
  scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(inner_origin().y, client.bottom - 600);
  scroll(WM_HSCROLL, SB_RIGHT);
  EXPECT_EQ(inner_origin().x, client.right - 500);
  scroll(WM_HSCROLL, SB_LINELEFT);
  EXPECT_EQ(inner_origin().x, client.right - 500 + 20);
  scroll(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(inner_origin().y, 0);
  scroll(WM_VSCROLL, SB_LINEUP);
  EXPECT_EQ(inner_origin().y, 0);

  // The button at the bottom right is in view once scrolled to the end.
  scroll(WM_VSCROLL, SB_BOTTOM);
  RECT shown{};
  GetWindowRect(backend.hwnd(button), &shown);
  MapWindowPoints(nullptr, area_hwnd(), reinterpret_cast<POINT*>(&shown), 2);
  EXPECT_GE(shown.left, 0);
  EXPECT_LE(shown.right, client.right);
  EXPECT_LE(shown.bottom, client.bottom);
  EXPECT_TRUE(sink.codes.empty());
}

TEST_F(Win32ScrollAreaTest, TheWheelOverAControlScrollsTheArea) {
  // The system hands the wheel to the control under the focus, which passes it up.
  SendMessageW(backend.hwnd(button), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(inner_origin().y, -60);
  SendMessageW(backend.hwnd(button), WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0);
  EXPECT_EQ(inner_origin().y, 0);
}

TEST_F(Win32ScrollAreaTest, AnAreaThatHoldsItsInnerAreaShowsNoBarsAndStaysAtTheStart) {
  scroll(WM_VSCROLL, SB_BOTTOM);
  scroll(WM_HSCROLL, SB_RIGHT);
  backend.set_control_geometry(area, {0, 0, 390, 290});
  backend.set_scroll_inner_size(area, {300, 200});
  EXPECT_FALSE(bar_in_use(SB_VERT));
  EXPECT_FALSE(bar_in_use(SB_HORZ));
  EXPECT_EQ(inner_origin().x, 0);
  EXPECT_EQ(inner_origin().y, 0);
  scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(inner_origin().y, 0);

  // Growing the inner area again brings the bar back; growing the area keeps the bottom
  // edge of the inner area where it was, at the area's bottom.
  backend.set_scroll_inner_size(area, {300, 1000});
  EXPECT_TRUE(bar_in_use(SB_VERT));
  EXPECT_FALSE(bar_in_use(SB_HORZ));
  backend.set_control_geometry(area, {0, 0, 390, 100});
  scroll(WM_VSCROLL, SB_BOTTOM);
  backend.set_control_geometry(area, {0, 0, 390, 290});
  RECT client{};
  GetClientRect(area_hwnd(), &client);
  EXPECT_EQ(inner_origin().y, client.bottom - 1000);
}

}  // namespace
}  // namespace ambrel
