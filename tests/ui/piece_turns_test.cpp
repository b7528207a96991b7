// A text handed to an editor over idle turns: each put costs the editor more than its text,
// so small pieces go joined, and what came is shown before the turns wait for more.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "ui/editor_text_turns.h"

namespace ambrel {
namespace {

class PieceTurnsTest : public HeadlessTest {
 protected:
  PieceTurns turns_of(std::shared_ptr<TextStream> text) {
    return {text->reader(), [this](std::u16string_view piece) { puts.emplace_back(piece); },
            [this] { done = true; }};
  }
  std::u16string joined() const {
    std::u16string all;
    for (const auto& piece : puts) all += piece;
    return all;
  }

  std::vector<std::u16string> puts;
  bool done = false;
};

TEST_F(PieceTurnsTest, SmallPiecesArePutJoinedInOrder) {
  constexpr std::size_t kPieceUnits = std::size_t{1} << 12;
  auto text = TextStream::make({kPieceUnits, 0});
  std::u16string whole;
  for (std::size_t i = 0; whole.size() < 3 * PieceTurns::kJoinedUnits + 5; ++i)
    whole += u"<v>" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"</v>\r\n";
  text->append(whole);
  text->close();

  PieceTurns turns = turns_of(text);
  settle();
  ASSERT_TRUE(done);
  EXPECT_EQ(joined(), whole);
  // Hundreds of pieces in a few puts (a busy machine may end a turn early, and its put with it).
  std::size_t pieces = whole.size() / kPieceUnits;
  EXPECT_LT(puts.size(), pieces / 8);
  for (const auto& piece : puts) EXPECT_LT(piece.size(), PieceTurns::kJoinedUnits + kPieceUnits);
}

TEST_F(PieceTurnsTest, WhatCameIsPutBeforeTheTurnsWaitForMore) {
  auto text = TextStream::make();
  text->append(u"<a>");
  PieceTurns turns = turns_of(text);
  settle();
  EXPECT_EQ(puts, (std::vector<std::u16string>{u"<a>"}));

  text->append(u"</a>");
  settle();
  EXPECT_EQ(puts, (std::vector<std::u16string>{u"<a>", u"</a>"}));
  EXPECT_FALSE(done);
  text->close();
  settle();
  EXPECT_TRUE(done);
}

}  // namespace
}  // namespace ambrel
