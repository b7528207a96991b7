#include "backend/control_tree.h"

#include <gtest/gtest.h>

#include <vector>

namespace ambrel {
namespace {

using Handles = std::vector<NativeHandle>;

TEST(ControlTree, ControlsNeedAKnownParentAndFindTheirWindowThroughContainers) {
  ControlTree tree;
  EXPECT_EQ(tree.add_control(ControlKind::Button, NativeHandle{42}), kNoHandle);
  NativeHandle window = tree.add_window();
  NativeHandle frame = tree.add_control(ControlKind::Frame, window);
  NativeHandle inner = tree.add_control(ControlKind::Container, frame);
  NativeHandle button = tree.add_control(ControlKind::Button, inner);
  EXPECT_EQ(tree.window_of(button), window);
  EXPECT_EQ(tree.parent(button), inner);
  EXPECT_EQ(tree.kind(button), ControlKind::Button);
  EXPECT_EQ(tree.id(button), -1);
  tree.set_id(button, 7);
  EXPECT_EQ(tree.id(button), 7);
  EXPECT_EQ(tree.children(window), Handles{frame});
  EXPECT_EQ(tree.window_of(window), kNoHandle);
  EXPECT_TRUE(tree.children(NativeHandle{99}).empty());
}

TEST(ControlTree, OptionsCreatedInARowShareAGroupPerParent) {
  ControlTree tree;
  NativeHandle window = tree.add_window();
  NativeHandle frame = tree.add_control(ControlKind::Frame, window);
  NativeHandle first = tree.add_control(ControlKind::Option, window);
  // An option elsewhere does not break the row; another kind in the same parent does.
  NativeHandle elsewhere = tree.add_control(ControlKind::Option, frame);
  NativeHandle second = tree.add_control(ControlKind::Option, window);
  tree.add_control(ControlKind::Button, window);
  EXPECT_EQ(tree.option_group_for_new(window), tree.option_group(second) + 2);
  NativeHandle third = tree.add_control(ControlKind::Option, window);
  EXPECT_NE(tree.option_group(first), 0);
  EXPECT_EQ(tree.option_group(second), tree.option_group(first));
  EXPECT_NE(tree.option_group(elsewhere), tree.option_group(first));
  EXPECT_NE(tree.option_group(third), tree.option_group(first));
  EXPECT_NE(tree.option_group(third), tree.option_group(elsewhere));
  EXPECT_EQ(tree.option_group(frame), 0);
  EXPECT_EQ(tree.option_group_for_new(window), tree.option_group(third));
}

TEST(ControlTree, ReParentingRefusesCyclesAndUnknownParents) {
  ControlTree tree;
  NativeHandle first = tree.add_window();
  NativeHandle second = tree.add_window();
  NativeHandle outer = tree.add_control(ControlKind::Container, first);
  NativeHandle inner = tree.add_control(ControlKind::Container, outer);
  NativeHandle leaf = tree.add_control(ControlKind::Text, inner);

  EXPECT_FALSE(tree.set_parent(outer, outer));
  EXPECT_FALSE(tree.set_parent(leaf, leaf));
  EXPECT_FALSE(tree.set_parent(outer, leaf));
  EXPECT_FALSE(tree.set_parent(outer, NativeHandle{99}));
  EXPECT_FALSE(tree.set_parent(first, second));
  EXPECT_EQ(tree.parent(outer), first);

  EXPECT_TRUE(tree.set_parent(inner, second));
  EXPECT_TRUE(tree.children(outer).empty());
  EXPECT_EQ(tree.children(second), Handles{inner});
  EXPECT_EQ(tree.window_of(leaf), second);
}

TEST(ControlTree, SiblingsKeepTheOrderTheyAreMovedTo) {
  ControlTree tree;
  NativeHandle window = tree.add_window();
  NativeHandle a = tree.add_control(ControlKind::Text, window);
  NativeHandle b = tree.add_control(ControlKind::Text, window);
  NativeHandle c = tree.add_control(ControlKind::Text, window);
  NativeHandle other = tree.add_control(ControlKind::Text, a);

  EXPECT_TRUE(tree.place_after(a, c));
  EXPECT_EQ(tree.children(window), (Handles{b, c, a}));
  EXPECT_FALSE(tree.place_after(a, a));
  EXPECT_FALSE(tree.place_after(a, other));
  tree.move_child(a, 0);
  EXPECT_EQ(tree.children(window), (Handles{a, b, c}));
  tree.move_child(a, 100);
  EXPECT_EQ(tree.children(window), (Handles{b, c, a}));
  tree.move_child(a, 2);  // where it is already
  EXPECT_EQ(tree.children(window), (Handles{b, c, a}));
  tree.detach(b);
  EXPECT_EQ(tree.children(window), (Handles{c, a}));
  tree.detach(a);  // the newest
  EXPECT_EQ(tree.children(window), (Handles{c}));
}

TEST(ControlTree, TheLastChildOfAnotherKindIsFoundFromTheEnd) {
  ControlTree tree;
  NativeHandle window = tree.add_window();
  EXPECT_EQ(tree.last_child_except(window, ControlKind::Frame), kNoHandle);
  NativeHandle first = tree.add_control(ControlKind::Frame, window);
  EXPECT_EQ(tree.last_child_except(window, ControlKind::Frame), kNoHandle);
  NativeHandle text = tree.add_control(ControlKind::Text, window);
  tree.add_control(ControlKind::Frame, window);
  tree.add_control(ControlKind::Frame, window);
  EXPECT_EQ(tree.last_child_except(window, ControlKind::Frame), text);
  EXPECT_EQ(tree.last_child_except(window, ControlKind::Text), tree.children(window).back());
  EXPECT_NE(tree.last_child_except(window, ControlKind::Text), first);
  EXPECT_EQ(tree.last_child_except(NativeHandle{99}, ControlKind::Frame), kNoHandle);
}

TEST(ControlTree, DestroysChildrenBeforeParentsAndSkipsWhatAVisitAlreadyRemoved) {
  ControlTree tree;
  NativeHandle window = tree.add_window();
  NativeHandle left = tree.add_control(ControlKind::Container, window);
  NativeHandle left_child = tree.add_control(ControlKind::Text, left);
  NativeHandle right = tree.add_control(ControlKind::Container, window);
  NativeHandle right_child = tree.add_control(ControlKind::Text, right);

  Handles order;
  tree.destroy_children_first(tree.children(window), [&](NativeHandle handle) {
    order.push_back(handle);
    tree.remove(handle);
    // A report may destroy another control on the way; the walk must not visit it again.
    if (handle == left) tree.remove(right_child);
  });
  EXPECT_EQ(order, (Handles{left_child, left, right}));
  EXPECT_FALSE(tree.is_control(right_child));
  EXPECT_TRUE(tree.is_window(window));
}

TEST(ControlTree, DeepNestingIsWalkedWithoutRecursion) {
  ControlTree tree;
  NativeHandle window = tree.add_window();
  NativeHandle parent = window;
  for (int depth = 0; depth < 100000; ++depth)
    parent = tree.add_control(ControlKind::Container, parent);
  EXPECT_EQ(tree.window_of(parent), window);
  int destroyed = 0;
  tree.destroy_children_first(tree.children(window), [&](NativeHandle handle) {
    ++destroyed;
    tree.remove(handle);
  });
  EXPECT_EQ(destroyed, 100000);
}

}  // namespace
}  // namespace ambrel
