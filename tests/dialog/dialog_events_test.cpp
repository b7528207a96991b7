// Event attributes of opened definitions: what is bound, what is refused, and when a
// bound procedure runs.

#include <vector>

#include "dialog_fixture.h"

namespace ambrel {
namespace {

struct Call {
  int object;
  int type;
  bool inside_wait;
};

std::vector<Call> calls;
bool inside_wait = false;

void record_call() { calls.push_back({event_object(), event_type(), inside_wait}); }

class DialogEventsTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    calls.clear();
    inside_wait = false;
    runtime_register_procedure(u"events_txtIn()", record_call);
    runtime_register_procedure(u"events_cmdPaste()", record_call);
  }
};

TEST_F(DialogEventsTest, OnEventOnAnEditorBindsEveryTypeAndIgnoresCase) {
  ASSERT_EQ(open(u"<window><editor name='txtIn' OnEvent='EVENTS_TXTIN()'/></window>"), 1);
  headless->user_type(handle_of(u"txtIn"), u"ab");
  int editor = dialog_gadget(dialog, u"txtIn");
  ASSERT_GE(calls.size(), 2u);
  // Focus first, then one change per typed unit.
  EXPECT_EQ(calls.front().type, kGadgetFocus);
  EXPECT_EQ(calls.back().object, editor);
  EXPECT_EQ(calls.back().type, kGadgetChange);
}

TEST_F(DialogEventsTest, SettingTheEditorTextAtOpenCallsNothing) {
  ASSERT_EQ(open(u"<window><editor name='txtIn' text='start' OnEvent='events_txtIn()'/></window>"),
            1);
  EXPECT_EQ(text_of(u"txtIn"), u"start");
  EXPECT_TRUE(calls.empty());
}

TEST_F(DialogEventsTest, OnChangeOnAnEditorIsRefusedAsWritten) {
  EXPECT_EQ(open(u"<window><Editor name='txtIn' OnChange='events_txtIn()'/></window>"), 0);
  EXPECT_EQ(dialog_error_text(dialog),
            "'OnChange' is not supported for the following gadget: Editor");
  EXPECT_EQ(dialog_window(dialog), -1);
}

TEST_F(DialogEventsTest, ANameWithoutItsParenthesesIsNoProcedure) {
  EXPECT_EQ(open(u"<window><editor OnEvent='events_txtIn'/></window>"), 0);
  EXPECT_EQ(dialog_error_text(dialog), "'events_txtIn' is not a runtime procedure.");
}

TEST_F(DialogEventsTest, AnIntegerConstantIsNeverCalled) {
  runtime_register_integer(u"events_fake()", 0x1234);
  EXPECT_EQ(open(u"<window><button OnEvent='events_fake()'/></window>"), 0);
  EXPECT_EQ(dialog_error_text(dialog), "'events_fake()' is not a runtime procedure.");
}

TEST_F(DialogEventsTest, EventAttributesOnLayoutObjectsAreIgnored) {
  EXPECT_EQ(open(u"<window OnEvent='nothing'><vbox OnEvent='nothing'>"
                 u"<frame OnChange='nothing'><empty OnEvent='nothing'/></frame></vbox></window>"),
            1);
  EXPECT_EQ(dialog_error_text(dialog), "");
}

TEST_F(DialogEventsTest, AClickCallsTheBoundProcedureBeforeTheWaitReturns) {
  ASSERT_EQ(open(u"<window><button name='cmdPaste' text='Paste' OnEvent='events_cmdPaste()'/>"
                 u"</window>"),
            1);
  NativeHandle button = handle_of(u"cmdPaste");
  while (take_event() != 0) {}
  headless->schedule(5, [&] { headless->user_click(button, MouseButton::Left, {2, 2}); });
  inside_wait = true;
  window_wait_event(-1);
  inside_wait = false;
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].object, dialog_gadget(dialog, u"cmdPaste"));
  EXPECT_EQ(calls[0].type, kGadgetLeftClick);
  EXPECT_TRUE(calls[0].inside_wait);
  // The event itself reaches the loop through a later wait.
  EXPECT_EQ(window_wait_event(0), kEventGadget);
}

}  // namespace
}  // namespace ambrel
