#include "gadget_fixture.h"
#include "ui/gadget_list.h"

namespace ambrel {
namespace {

using GadgetListTest = GadgetTest;

NativeHandle parent_of(int gadget, const HeadlessBackend& backend) {
  return backend.control_parent(gadget_handle(gadget));
}

TEST_F(GadgetListTest, ContainersNestAndCloseInOrder) {
  int outer = create_container_gadget(kAnyNumber, {}, {});
  int inner = create_container_gadget(kAnyNumber, {}, {});
  int deepest = create_text_gadget(kAnyNumber, {}, {u"d"});
  close_gadget_list();
  int middle = create_text_gadget(kAnyNumber, {}, {u"m"});
  close_gadget_list();
  int top = create_text_gadget(kAnyNumber, {}, {u"t"});
  EXPECT_EQ(parent_of(outer, *headless), handle);
  EXPECT_EQ(parent_of(inner, *headless), gadget_handle(outer));
  EXPECT_EQ(parent_of(deepest, *headless), gadget_handle(inner));
  EXPECT_EQ(parent_of(middle, *headless), gadget_handle(outer));
  EXPECT_EQ(parent_of(top, *headless), handle);
}

TEST_F(GadgetListTest, ClosingAtDepthZeroDoesNothing) {
  close_gadget_list();
  close_gadget_list();
  int text = create_text_gadget(kAnyNumber, {}, {u"t"});
  EXPECT_EQ(parent_of(text, *headless), handle);
}

TEST_F(GadgetListTest, OpeningAContainerAgainPushesIt) {
  int pane = create_container_gadget(kAnyNumber, {}, {});
  close_gadget_list();
  EXPECT_EQ(open_gadget_list(pane), 1);
  int inside = create_button_gadget(kAnyNumber, {}, {u"b"});
  close_gadget_list();
  int outside = create_button_gadget(kAnyNumber, {}, {u"c"});
  EXPECT_EQ(parent_of(inside, *headless), gadget_handle(pane));
  EXPECT_EQ(parent_of(outside, *headless), handle);
}

TEST_F(GadgetListTest, EachWindowResumesItsOwnList) {
  int pane = create_container_gadget(kAnyNumber, {}, {});
  int other = window_open(kAnyNumber, 0, 0, 100, 100, u"o", 0);
  int in_other = create_text_gadget(kAnyNumber, {}, {u"o"});
  use_gadget_list(handle);
  int in_pane = create_text_gadget(kAnyNumber, {}, {u"p"});
  EXPECT_EQ(parent_of(in_other, *headless), window_handle(other));
  EXPECT_EQ(parent_of(in_pane, *headless), gadget_handle(pane));
}

}  // namespace
}  // namespace ambrel
