// The user's paste into an editor, taken in by the gadget it belongs to: each editor has a
// paste of its own, so that a paste into one leaves a paste into another going.

#include <gtest/gtest.h>

#include <string>

#include "gadget_fixture.h"

namespace ambrel {
namespace {

class EditorPasteTest : public GadgetTest {
 protected:
  int editor(int y, std::u16string_view text) {
    int number = create_editor_gadget(kAnyNumber, {0, y, 200, 100}, {});
    set_gadget_text(number, text);
    return number;
  }
};

TEST_F(EditorPasteTest, APasteIntoASecondEditorLeavesThePasteIntoTheFirstGoing) {
  int first = editor(0, u"1");
  int second = editor(100, u"2");
  ASSERT_TRUE(headless->set_clipboard_text(u"<pasted/>"));
  headless->user_paste(gadget_handle(first));
  headless->user_paste(gadget_handle(second));
  settle();
  EXPECT_EQ(get_gadget_text(first), u"1<pasted/>");
  EXPECT_EQ(get_gadget_text(second), u"2<pasted/>");
}

}  // namespace
}  // namespace ambrel
