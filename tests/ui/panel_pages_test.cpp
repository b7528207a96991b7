// A panel's pages as the headless backend keeps them: each fills the panel less its frame
// and tab strip, and only the first shows.

#include <vector>

#include "gadget_fixture.h"

namespace ambrel {
namespace {

using PanelPagesTest = GadgetTest;

Rect page_area(int width, int height) {
  constexpr int kTabHeight = HeadlessBackend::kTabHeight;
  return {2, kTabHeight, width - 4, height - kTabHeight - 2};
}

TEST_F(PanelPagesTest, EveryPageFillsThePanelAddedBeforeOrAfterItsResize) {
  int panel = create_panel_gadget(kAnyNumber, {0, 0, 200, 100}, {});
  ASSERT_NE(panel, 0);
  add_gadget_item(panel, -1, u"one");
  add_gadget_item(panel, -1, u"two");
  std::vector<NativeHandle> pages = headless->child_controls(gadget_handle(panel));
  ASSERT_EQ(pages.size(), 2u);
  for (NativeHandle page : pages) EXPECT_EQ(headless->control_geometry(page), page_area(200, 100));

  resize_gadget(panel, 0, 0, 300, 150);
  add_gadget_item(panel, -1, u"three");
  pages = headless->child_controls(gadget_handle(panel));
  ASSERT_EQ(pages.size(), 3u);
  for (NativeHandle page : pages) EXPECT_EQ(headless->control_geometry(page), page_area(300, 150));
  EXPECT_TRUE(headless->control_visible(pages[0]));
  EXPECT_FALSE(headless->control_visible(pages[1]));
  EXPECT_FALSE(headless->control_visible(pages[2]));
  close_gadget_list();
}

}  // namespace
}  // namespace ambrel
