// Drops through the OLE drop target of a window: a drag reaches the smallest drop-enabled
// target under the point, in that target's coordinates, with the files of its CF_HDROP;
// the sink's choice goes back to OLE as the effect, and leaving a target is reported.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "file_list_data.h"
#include "ignoring_sink.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_drop_target.h"

namespace ambrel {
namespace {

class DragSink final : public IgnoringSink {
 public:
  bool on_tab_key(NativeHandle, bool) override { return true; }
  int on_drag(NativeHandle target, const DragInput& input) override {
    targets.push_back(target);
    drags.push_back(input);
    return choice;
  }

  std::vector<NativeHandle> targets;
  std::vector<DragInput> drags;
  int choice = kDropCopy;
};

class Win32DropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.client_size = {400, 300};
    request.platform_position = false;
    request.position = {50, 50};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
    backend.show_window(window, false);
    frame = add(ControlKind::Frame, {10, 10, 200, 150});
    editor = add(ControlKind::Editor, {20, 30, 100, 100});
    ASSERT_TRUE(backend.enable_drops(frame, true));
    target = new Win32DropTarget(backend, window);
  }
  void TearDown() override { target->Release(); }

  NativeHandle add(ControlKind kind, Rect geometry) {
    ControlRequest request;
    request.kind = kind;
    request.parent = window;
    request.geometry = geometry;
    return backend.create_control(request);
  }

  // A point of the window's client area, in screen coordinates.
  POINTL screen(int x, int y) {
    POINT at{x, y};
    ClientToScreen(backend.hwnd(window), &at);
    return {at.x, at.y};
  }

  DragSink sink;
  Win32Backend backend;
  NativeHandle window;
  NativeHandle frame;
  NativeHandle editor;
  Win32DropTarget* target = nullptr;
};

TEST_F(Win32DropTest, FilesOverTheEditorReachTheFrameAroundIt) {
  FileListData data({L"C:\\data\\first.xml", L"C:\\data\\second.xml"});
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(target->DragEnter(&data, MK_CONTROL, screen(50, 60), &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  ASSERT_EQ(sink.drags.size(), 1u);
  EXPECT_EQ(sink.targets[0], frame);
  EXPECT_EQ(sink.drags[0].phase, DragPhase::Enter);
  EXPECT_EQ(sink.drags[0].position, (Point{40, 50}));
  EXPECT_EQ(sink.drags[0].offered_actions, kDropCopy | kDropMove);
  EXPECT_EQ(sink.drags[0].modifiers, kModifierControl);
  EXPECT_EQ(sink.drags[0].files,
            (std::vector<std::u16string>{u"C:\\data\\first.xml", u"C:\\data\\second.xml"}));

  sink.choice = kDropMove;
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->Drop(&data, 0, screen(60, 60), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  ASSERT_EQ(sink.drags.size(), 2u);
  EXPECT_EQ(sink.drags[1].phase, DragPhase::Drop);
  EXPECT_EQ(sink.drags[1].files.size(), 2u);
}

TEST_F(Win32DropTest, OutsideEveryTargetNothingIsTakenAndTheTargetLeft) {
  FileListData data({L"C:\\a.xml"});
  DWORD effect = DROPEFFECT_COPY;
  target->DragEnter(&data, 0, screen(50, 60), &effect);
  effect = DROPEFFECT_COPY;
  target->DragOver(0, screen(300, 250), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_EQ(sink.drags.size(), 2u);
  EXPECT_EQ(sink.drags[1].phase, DragPhase::Leave);
  EXPECT_EQ(sink.targets[1], frame);
  // A refusing sink gives no effect.
  sink.choice = 0;
  effect = DROPEFFECT_COPY;
  target->DragOver(0, screen(50, 60), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(sink.drags.back().phase, DragPhase::Enter);
}

}  // namespace
}  // namespace ambrel
