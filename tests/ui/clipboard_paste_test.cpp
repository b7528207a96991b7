// A paste followed as its text comes: the reader it hands out early takes the pieces while they
// come, and the whole text still reaches the paste's end from its first piece, or, when the text
// breaks or the paste ends first, that reader sees the end and nothing is taken.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "headless_fixture.h"
#include "ui/clipboard_paste.h"

namespace ambrel {
namespace {

class ClipboardPasteTest : public HeadlessTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(HeadlessTest::SetUp());
    headless->give_clipboard_to_owner();
  }

  std::unique_ptr<ClipboardPaste> start_paste() {
    return std::make_unique<ClipboardPaste>(
        TextStream::Limits{4, 0},
        [this](const std::shared_ptr<TextStream>& text) { whole = read_all(*text->reader()); },
        [this] { failed = true; },
        [this](std::shared_ptr<TextStream::Reader> text) { coming = std::move(text); });
  }

  // What the reader has now, without waiting; `ended` tells whether it saw the end.
  static std::u16string take_all(TextStream::Reader& reader, bool& ended) {
    std::u16string text;
    std::u16string_view piece;
    Taken taken;
    while ((taken = reader.take(piece)) == Taken::piece) text += piece;
    ended = taken == Taken::end;
    return text;
  }
  static std::u16string read_all(TextStream::Reader& reader) {
    bool ended = false;
    return take_all(reader, ended);
  }

  std::shared_ptr<TextStream::Reader> coming;
  std::u16string whole = u"(none)";
  bool failed = false;
};

TEST_F(ClipboardPasteTest, TheEarlyReaderTakesThePiecesAsTheyComeAndTheWholeTextStillEndsThePaste) {
  std::unique_ptr<ClipboardPaste> paste = start_paste();
  settle();
  EXPECT_EQ(coming, nullptr);  // nothing has come yet
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r><x>2</x>"));
  settle();
  ASSERT_NE(coming, nullptr);
  bool ended = false;
  EXPECT_EQ(take_all(*coming, ended), u"<r><x>2</x>");
  EXPECT_FALSE(ended);
  ASSERT_TRUE(headless->clipboard_owner_sends(u"</r>"));
  ASSERT_TRUE(headless->clipboard_owner_ends());
  settle();
  EXPECT_EQ(whole, u"<r><x>2</x></r>");
  EXPECT_EQ(take_all(*coming, ended), u"</r>");
  EXPECT_TRUE(ended);
  EXPECT_FALSE(failed);
}

TEST_F(ClipboardPasteTest, TheEarlyReaderSeesTheEndOfATextThatBreaksOrIsLetGo) {
  std::unique_ptr<ClipboardPaste> paste = start_paste();
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r>"));
  settle();
  ASSERT_NE(coming, nullptr);
  ASSERT_TRUE(headless->clipboard_owner_quits());
  settle();
  bool ended = false;
  EXPECT_EQ(take_all(*coming, ended), u"");
  EXPECT_TRUE(ended);
  EXPECT_TRUE(failed);
  EXPECT_EQ(whole, u"(none)");

  // A paste ended while its text comes.
  coming = nullptr;
  failed = false;
  paste.reset();
  paste = start_paste();
  ASSERT_TRUE(headless->clipboard_owner_sends(u"<r>"));
  settle();
  ASSERT_NE(coming, nullptr);
  paste.reset();
  EXPECT_EQ(take_all(*coming, ended), u"");
  EXPECT_TRUE(ended);
  EXPECT_FALSE(failed);
}

// A text at hand is whole at once: there is nothing to follow.
TEST_F(ClipboardPasteTest, ATextAtHandIsTakenWholeWithoutAnEarlyReader) {
  ASSERT_TRUE(headless->set_clipboard_text(u"<at-hand/>"));
  std::unique_ptr<ClipboardPaste> paste = start_paste();
  EXPECT_EQ(whole, u"<at-hand/>");
  settle();
  EXPECT_EQ(coming, nullptr);
}

}  // namespace
}  // namespace ambrel
