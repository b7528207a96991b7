// A pasted text cut into the pieces that the worker and the input's fill share.

#include <gtest/gtest.h>

#include <string>

#include "app/shared_pieces.h"

namespace ambrel {
namespace {

std::u16string joined(SharedPiecesSource& source, std::size_t& count) {
  std::u16string text;
  std::u16string_view piece;
  count = 0;
  while (source.next(piece)) {
    text += piece;
    ++count;
  }
  return text;
}

TEST(SharedPiecesTest, PiecesNeverSplitALineEndOrASurrogatePair) {
  const std::u16string text = u"ab\r\ncd\U0001F600e\r\n\r\nf\U0001F601";
  for (std::size_t size : {1, 2, 3, 4, 5, 64}) {
    SharedPieces pieces = cut_into_pieces(text, size);
    std::u16string whole;
    for (const SharedPiece& piece : pieces) {
      ASSERT_FALSE(piece->empty()) << size;
      EXPECT_LE(piece->size(), std::max<std::size_t>(size, 2)) << size;
      char16_t last = piece->back();
      EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << size;
      if (whole.size() + piece->size() < text.size()) {
        EXPECT_FALSE(last == u'\r' && text[whole.size() + piece->size()] == u'\n') << size;
      }
      whole += *piece;
    }
    EXPECT_EQ(whole, text) << size;
  }
  EXPECT_TRUE(cut_into_pieces(u"", 4).empty());
}

TEST(SharedPiecesTest, EachReaderPassesOverAllPiecesAndLetsGoBehindIt) {
  SharedPieces pieces = cut_into_pieces(u"<a>1</a><b>2</b>", 4);
  SharedPiece first = pieces.front();
  SharedPiecesSource shown(pieces);
  SharedPiecesSource declared(std::move(pieces));
  std::size_t count = 0;
  EXPECT_EQ(joined(shown, count), u"<a>1</a><b>2</b>");
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(first.use_count(), 2);  // the test's and the second reader's
  EXPECT_EQ(joined(declared, count), u"<a>1</a><b>2</b>");
  EXPECT_EQ(first.use_count(), 1);
}

}  // namespace
}  // namespace ambrel
