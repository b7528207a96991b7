// A paste from another program that sends its text in parts: the input changes only once all
// of it has come, and a paste cut short by its owner leaves the input and the output as they
// were and says so in the caption until the input next changes. The text is declared as it
// comes, and nothing of that is seen before it is whole.

#include <string>

#include "app/tool_window.h"
#include "app_fixture.h"
#include "large_catalogue.h"
#include "whole_text_generator.h"
#include "ui/event_codes.h"

namespace ambrel {
namespace {

constexpr std::u16string_view kTitle = u"Ambrel v.1.0.0.7";
constexpr std::u16string_view kBefore = u"<kept><x>1</x></kept>";

class AppPasteTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    set_gadget_text(gadget(u"txtIn"), kBefore);
    application_window()->regenerate();
    settle();
    headless->give_clipboard_to_owner();
  }

  std::u16string title() const { return headless->window_title(main_window()); }

  void expect_as_before() const {
    EXPECT_EQ(text(u"txtIn"), kBefore);
    EXPECT_EQ(text(u"txtOut"), generate_declarations(kBefore));
    EXPECT_TRUE(enabled(u"cmdCopyAll"));
  }
};

TEST_F(AppPasteTest, APasteInPartsReplacesTheInputOnceWhole) {
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r><x>2</x>"));
  settle();
  expect_as_before();
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<y>t</y></r>"));
  ASSERT_TRUE(headless->clipboard_owner_ends());
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<r><x>2</x><y>t</y></r>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<r><x>2</x><y>t</y></r>"));
  EXPECT_EQ(title(), kTitle);
}

TEST_F(AppPasteTest, APasteWhoseOwnerQuitsMidwayKeepsTheInputAndSaysSoUntilTheInputChanges) {
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r><x>2</x><y>t</y></r"));
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  expect_as_before();
  EXPECT_EQ(title(), std::u16string(kTitle) + u" - the paste did not complete");
  EXPECT_FALSE(application_window()->working());
  // A paste that fails again says it once.
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  expect_as_before();
  EXPECT_EQ(title(), std::u16string(kTitle) + u" - the paste did not complete");
  headless->user_type(handle(u"txtIn"), u" ");
  EXPECT_EQ(title(), kTitle);
}

TEST_F(AppPasteTest, TheNoticeGoesWithAPasteThatCompletesAndWithClear) {
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  ASSERT_NE(title(), kTitle);
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<a/>"));
  ASSERT_TRUE(headless->clipboard_owner_ends());
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<a/>");
  EXPECT_EQ(title(), kTitle);
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  ASSERT_NE(title(), kTitle);
  click(u"cmdClear");
  settle();
  EXPECT_EQ(title(), kTitle);
}

// The owner quits once the declaring of its text has begun, in the middle of a document.
TEST_F(AppPasteTest, APasteCutShortWhileItsTextIsDeclaredKeepsTheInputAndTheOutput) {
  const std::u16string large = large_catalogue();
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_sends(std::u16string_view(large).substr(0, 600000)));
  settle();
  expect_as_before();
  ASSERT_TRUE(headless->clipboard_owner_sends(std::u16string_view(large).substr(600000, 600000)));
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  expect_as_before();
  EXPECT_EQ(title(), std::u16string(kTitle) + u" - the paste did not complete");
  EXPECT_FALSE(application_window()->working());
}

// The paste's declaring stops the declaring of the input; once the paste fails, the input is
// declared after all.
TEST_F(AppPasteTest, APasteCutShortAfterItStoppedTheInputsDeclaringHasTheInputDeclared) {
  const std::u16string large = large_catalogue();
  set_gadget_text(gadget(u"txtIn"), large);
  application_window()->regenerate();
  click(u"cmdPaste");
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r><x>2</x>"));
  // Once the part that came is taken, while the input's declaring runs.
  headless->post([this] { EXPECT_TRUE(headless->clipboard_owner_quits()); });
  settle();
  EXPECT_EQ(text(u"txtIn"), large);
  EXPECT_EQ(text(u"txtOut"), generate_declarations(large));
}

// Typing during a paste: its timer declares the input as edited, and the paste, once whole,
// replaces it and is declared.
TEST_F(AppPasteTest, AnEditDuringAPasteIsDeclaredUntilThePasteIsWhole) {
  const std::u16string edited = std::u16string(kBefore) + u"<tail/>";
  const std::u16string pasted = u"<r><x>2</x><y>t</y></r>";
  at(0, [this] {
    click(u"cmdPaste");
    ASSERT_TRUE(headless->clipboard_owner_sends(u"<r><x>2</x>"));
  });
  at(1, [this] { headless->user_type(handle(u"txtIn"), u"<tail/>"); });
  at(1002, [this, &edited] {
    EXPECT_EQ(text(u"txtIn"), edited);
    EXPECT_EQ(text(u"txtOut"), generate_declarations(edited));
    ASSERT_TRUE(headless->clipboard_owner_sends(u"<y>t</y></r>"));
    ASSERT_TRUE(headless->clipboard_owner_ends());
  });
  at(1003, [this, &pasted] {
    EXPECT_EQ(text(u"txtIn"), pasted);
    EXPECT_EQ(text(u"txtOut"), generate_declarations(pasted));
  });
  run_until_closed_at(1004);
}

// A paste typed into the editor (the toolkit's own, which the backend reads in parts) that
// its owner cut short reaches the input's procedure as its own event type.
TEST_F(AppPasteTest, AnEditorsPasteCutShortIsToldInTheCaption) {
  headless->user_paste(handle(u"txtIn"));
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r>"));
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  expect_as_before();
  EXPECT_EQ(title(), std::u16string(kTitle) + u" - the paste did not complete");
}

}  // namespace
}  // namespace ambrel
