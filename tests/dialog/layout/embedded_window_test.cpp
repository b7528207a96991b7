// The program's own window, laid out by hand from its definition with the
// headless metrics (7 px per UTF-16 unit, 13 px lines, 2 px edges): every
// object's request and rectangle must come out as the window is designed.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "dialog/layout/box.h"
#include "dialog/layout/container_figures.h"
#include "dialog/layout/gadget_leaf.h"
#include "dialog/layout/splitter_request.h"
#include "dialog/layout/window_figures.h"
#include "geometry/splitter_geometry.h"

#include "layout_printers.h"

namespace ambrel::layout {
namespace {

constexpr int32_t kUnitWidth = 7;
constexpr int32_t kLineHeight = 13;
constexpr int32_t kEdge = 2;

int32_t text_width(std::u16string_view text) {
  return kUnitWidth * static_cast<int32_t>(text.size());
}

// A single-line text gadget: its block plus 2 each way.
Size text_natural(std::u16string_view text) { return {text_width(text) + 2, kLineHeight + 2}; }

// A push button: its extent plus padding and edges, at least 24 high.
Size button_natural(std::u16string_view caption) {
  return {text_width(caption) + 10 + 2 * kEdge, std::max(kLineHeight + 2 * kEdge, 24)};
}

ChildRequest placed(Size size) { return {size, false}; }

const BoxSettings kButtonColumn{BoxDirection::Vertical, 5, ExpandMode::No, 0, LineAlign::Start};
const BoxSettings kHalves{BoxDirection::Vertical, 5, ExpandMode::Equal, 0, LineAlign::Start};
constexpr uint32_t kLabelSplitter = geometry::kSplitterFirstFixed;
constexpr uint32_t kEditorSplitter = geometry::kSplitterVertical | geometry::kSplitterSecondFixed;

// The splitters of one frame as the open leaves them: created at 0 x 0, their
// numeric FIRSTMIN / SECONDMIN applied right after.
struct FramePanes {
  geometry::SplitterGeometry labels = geometry::splitter_create(kLabelSplitter, 0, 0);
  geometry::SplitterGeometry editor = geometry::splitter_create(kEditorSplitter, 0, 0);

  FramePanes() {
    labels.first_min = 25;
    labels.second_min = 200;
    editor.second_min = 80;
  }

  // The frame's splitter gadget got rect; its panes follow, and the editor
  // splitter, which fills the lower pane, follows that pane.
  void follow(Rect rect) {
    geometry::splitter_resize(labels, rect.width, rect.height);
    geometry::splitter_resize(editor, labels.second_pane.width, labels.second_pane.height);
  }
};

class EmbeddedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<ChildRequest> buttons = {
        placed(button_natural(u"  Open ...")),
        placed(button_natural(u"  Paste")),
        placed({0, 16}),  // empty1
        placed(button_natural(u"  Clear")),
        placed({0, 0}),  // empty4
        placed(measured_natural_size(text_natural(u"Ambrel by Mira Oskel"), {0, 60})),
    };
    vbox1_request = box_natural_size(kButtonColumn, buttons, {}, vbox1);
    const Size editor_splitter_in = splitter_natural_size(kEditorSplitter, {}, vbox1_request, {});
    lbl_in_request = measured_natural_size(text_natural(u"Source XML (CTRL + V)"), {0, 16});
    const Size label_splitter_in =
        splitter_natural_size(kLabelSplitter, lbl_in_request, editor_splitter_in, {});
    frame_in_request = frame_natural_size(frame_settings, label_splitter_in, caption, {});

    const std::vector<ChildRequest> copy_all = {placed(button_natural(u"  Copy all"))};
    const Size vbox2_request = box_natural_size(kButtonColumn, copy_all, {}, vbox2);
    const Size editor_splitter_out = splitter_natural_size(kEditorSplitter, {}, vbox2_request, {});
    const Size label_splitter_out = splitter_natural_size(
        kLabelSplitter, text_natural(u"Results (CTRL + C)"), editor_splitter_out, {});
    frame_out_request = frame_natural_size(frame_settings, label_splitter_out, caption, {});

    const std::vector<ChildRequest> frames = {placed(frame_in_request), placed(frame_out_request)};
    content_request = box_natural_size(kHalves, frames, {}, halves);
    const WindowBounds bounds{kBoundAuto, kBoundAuto, window_bound_from_number(99999),
                              window_bound_from_number(99999)};
    window = window_natural_size(window_settings, bounds, content_request, {500, 500});
  }

  // The window's allocate at inner size, down to each frame's splitter gadget.
  void allocate(Size inner) {
    content = window_child_rect(window_settings, content_request, inner);
    const std::vector<std::optional<Rect>> halves_rects = box_allocate(kHalves, halves, content);
    frame_in = *halves_rects[0];
    frame_out = *halves_rects[1];
    splitter_in = frame_child_rect(frame_settings, {}, caption, frame_in);
    splitter_out = frame_child_rect(frame_settings, {}, caption, frame_out);
    panes_in.follow(splitter_in);
    panes_out.follow(splitter_out);
  }

  const SingleChildSettings window_settings = single_child_settings(kWindowMargin);
  const SingleChildSettings frame_settings = single_child_settings(kFrameMargin);
  // An empty frame caption measures one line.
  const int32_t caption = frame_caption_height(kLineHeight);

  BoxMeasure vbox1, vbox2, halves;
  Size vbox1_request, lbl_in_request, frame_in_request, frame_out_request, content_request;
  WindowRequest window;
  Rect content, frame_in, frame_out, splitter_in, splitter_out;
  FramePanes panes_in, panes_out;
};

TEST_F(EmbeddedWindow, Requests) {
  EXPECT_EQ(vbox1_request, (Size{142, 173}));
  EXPECT_EQ(lbl_in_request, (Size{149, 16}));
  EXPECT_EQ(frame_in_request, (Size{167, 220}));
  EXPECT_EQ(frame_out_request, (Size{146, 70}));
  EXPECT_EQ(content_request, (Size{167, 445}));
  EXPECT_EQ(window.request, (Size{500, 500}));
  EXPECT_EQ(window.limits, (WindowLimits{500, 500, -31073, -31073}));
  EXPECT_EQ(window_open_size({0, 0}, window.request), (Size{500, 500}));
}

TEST_F(EmbeddedWindow, OpenAt500By500) {
  allocate({500, 500});
  EXPECT_EQ(content, (Rect{8, 8, 484, 484}));
  EXPECT_EQ(frame_in, (Rect{8, 8, 484, 239}));
  EXPECT_EQ(frame_out, (Rect{8, 252, 484, 239}));
  EXPECT_EQ(splitter_in, (Rect{17, 26, 466, 212}));
  EXPECT_EQ(splitter_out, (Rect{17, 270, 466, 212}));
  for (const FramePanes* panes : {&panes_in, &panes_out}) {
    EXPECT_EQ(panes->labels.first_pane, (Rect{0, 0, 466, 25}));
    EXPECT_EQ(panes->labels.second_pane, (Rect{0, 29, 466, 183}));
    EXPECT_EQ(panes->editor.first_pane, (Rect{0, 0, 382, 183}));
    EXPECT_EQ(panes->editor.second_pane, (Rect{386, 0, 80, 183}));
  }
  // The pane procedure allocates each pane's child at (0, 0) with the pane's size.
  const Rect label_pane = panes_in.labels.first_pane;
  EXPECT_EQ(text_gadget_rect(label_pane, std::max(16, kLineHeight + 2), false),
            (Rect{0, 2, 466, 23}));
  const Rect button_pane = panes_in.editor.second_pane;
  const std::vector<std::optional<Rect>> buttons =
      box_allocate(kButtonColumn, vbox1, {0, 0, button_pane.width, button_pane.height});
  const std::vector<Rect> expected = {{0, 0, 80, 24},  {0, 29, 80, 24}, {0, 58, 80, 16},
                                      {0, 79, 80, 24}, {0, 108, 80, 0}, {0, 113, 80, 60}};
  ASSERT_EQ(buttons.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(buttons[i], expected[i]) << i;
  }
}

TEST_F(EmbeddedWindow, ResizeTo700By600GrowsOnlyTheEditors) {
  allocate({500, 500});
  allocate({700, 600});
  EXPECT_EQ(frame_in, (Rect{8, 8, 684, 289}));
  EXPECT_EQ(frame_out, (Rect{8, 302, 684, 289}));
  EXPECT_EQ(splitter_in, (Rect{17, 26, 666, 262}));
  for (const FramePanes* panes : {&panes_in, &panes_out}) {
    EXPECT_EQ(panes->labels.first_pane.height, 25);
    EXPECT_EQ(panes->labels.second_pane.height, 233);
    EXPECT_EQ(panes->editor.first_pane, (Rect{0, 0, 582, 233}));
    EXPECT_EQ(panes->editor.second_pane, (Rect{586, 0, 80, 233}));
  }
}

TEST_F(EmbeddedWindow, SameSizeTwiceMovesNothing) {
  allocate({700, 600});
  const Rect first_splitter = splitter_in;
  const geometry::SplitterGeometry first_editor = panes_in.editor;
  allocate({700, 600});
  EXPECT_EQ(splitter_in, first_splitter);
  EXPECT_EQ(panes_in.editor.first_pane, first_editor.first_pane);
  EXPECT_EQ(panes_in.editor.second_pane, first_editor.second_pane);
}

}  // namespace
}  // namespace ambrel::layout
