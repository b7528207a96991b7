// Window bounds that make the platform give the window another size than the one the open
// asked for: the content follows the size the window really has, at open and after.

#include <string>

#include "dialog/objects/dialog_object.h"
#include "dialog_fixture.h"
#include "ui/window.h"

namespace ambrel {
namespace {

using WindowBoundsTest = DialogTest;

// The rectangle the layout last gave the window's only child.
layout::Rect content_area(std::int32_t dialog) {
  const DialogObject* root = dialog_root(dialog);
  if (root == nullptr || root->children().empty()) return {};
  return root->children().front()->allocation().value_or(layout::Rect{});
}

layout::Size inner_size(std::int32_t dialog) {
  int window = dialog_window(dialog);
  return {window_inner_width(window), window_inner_height(window)};
}

// The content fills the inner area less the margins of 8.
void expect_filled(std::int32_t dialog, const std::string& where) {
  layout::Size inner = inner_size(dialog);
  layout::Rect area = content_area(dialog);
  EXPECT_EQ(area.x, 8) << where;
  EXPECT_EQ(area.y, 8) << where;
  EXPECT_EQ(area.width, inner.width - 16) << where << ": inner " << inner.width;
  EXPECT_EQ(area.height, inner.height - 16) << where << ": inner " << inner.height;
}

TEST_F(WindowBoundsTest, ContentFillsAWindowTheBoundsMadeLarger) {
  ASSERT_EQ(open(u"<window name='w' minwidth='300' minheight='99999'>"
                 u"<container name='c' width='50' height='20'/></window>"),
            1);
  // 99999 keeps its low 16 bits as a limit of the platform: 34463.
  EXPECT_EQ(inner_size(dialog).width, 300);
  EXPECT_EQ(inner_size(dialog).height, 34463);
  expect_filled(dialog, "at open");
  Rect gadget = headless->control_geometry(handle_of(u"c"));
  EXPECT_EQ(gadget.width, 284);
  EXPECT_EQ(gadget.height, 34447);
  headless->user_resize(window_handle(dialog_window(dialog)), {400, 40000});
  expect_filled(dialog, "after a resize");
}

TEST_F(WindowBoundsTest, ContentFillsUnderEveryCombinationOfBounds) {
  for (const std::u16string& bounds :
       {std::u16string(u"minheight='99999'"), std::u16string(u"minwidth='300' minheight='-7'"),
        std::u16string(u"minwidth='300'"), std::u16string(u"minwidth='auto' minheight='200'"),
        std::u16string(u"minwidth='400' maxwidth='200'")}) {
    std::string where(bounds.begin(), bounds.end());
    ASSERT_EQ(open(u"<window " + bounds + u"><empty width='50' height='20'/></window>"), 1)
        << where;
    expect_filled(dialog, where);
    headless->user_resize(window_handle(dialog_window(dialog)), {600, 700});
    expect_filled(dialog, where + ", resized");
  }
}

}  // namespace
}  // namespace ambrel
