// Line ends of text read piece by piece: however the text is split, the pieces handed on
// join to the same CR LF text, and none grows with the text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backend/control_text_readers.h"

namespace ambrel {
namespace {

struct Written {
  std::u16string joined;
  std::vector<std::size_t> sizes;
};

Written write_split(const std::vector<std::u16string_view>& reads, bool separators) {
  Written written;
  TextPieceHandler take = [&written](std::u16string_view piece) {
    written.joined += piece;
    written.sizes.push_back(piece.size());
  };
  CrLfPieceWriter writer(separators);
  for (std::u16string_view read : reads) writer.write(read, take);
  writer.flush(take);
  return written;
}

constexpr std::u16string_view kMixed = u"a\r\nb\rc\nd\u2028e\u2029\r\r\n\n\nf\r";

TEST(CrLfPieceWriterTest, EverySplitIntoThreeReadsGivesTheSameLineEnds) {
  const std::u16string with_separators = u"a\r\nb\r\nc\r\nd\r\ne\r\n\r\n\r\n\r\n\r\nf\r\n";
  const std::u16string without_separators = u"a\r\nb\r\nc\r\nd\u2028e\u2029\r\n\r\n\r\n\r\nf\r\n";
  for (std::size_t first = 0; first <= kMixed.size(); ++first) {
    for (std::size_t second = first; second <= kMixed.size(); ++second) {
      std::vector<std::u16string_view> reads{
          kMixed.substr(0, first), kMixed.substr(first, second - first), kMixed.substr(second)};
      EXPECT_EQ(write_split(reads, true).joined, with_separators) << first << ' ' << second;
      EXPECT_EQ(write_split(reads, false).joined, without_separators) << first << ' ' << second;
    }
  }
}

TEST(CrLfPieceWriterTest, PiecesStaySmallEvenForOneLongLineAndNoneIsEmpty) {
  constexpr std::size_t kSize = CrLfPieceWriter::kPieceSize;
  std::u16string line(3 * kSize + 5, u'x');
  Written one_line = write_split({line}, true);
  EXPECT_EQ(one_line.joined, line);
  EXPECT_EQ(one_line.sizes, (std::vector<std::size_t>{kSize, kSize, kSize, 5}));

  // Small reads are gathered; a line end may overrun a piece by one unit.
  std::u16string lines;
  for (std::size_t i = 0; lines.size() < 2 * kSize; ++i) lines += u"ab\n";
  std::vector<std::u16string_view> reads;
  for (std::size_t at = 0; at < lines.size(); at += 7)
    reads.push_back(std::u16string_view(lines).substr(at, 7));
  Written gathered = write_split(reads, false);
  ASSERT_GE(gathered.sizes.size(), 2u);
  for (std::size_t i = 0; i + 1 < gathered.sizes.size(); ++i) {
    EXPECT_GE(gathered.sizes[i], kSize);
    EXPECT_LE(gathered.sizes[i], kSize + 1);
  }
  EXPECT_EQ(gathered.joined.size(), lines.size() / 3 * 4);

  EXPECT_TRUE(write_split({u"", u""}, true).sizes.empty());
}

}  // namespace
}  // namespace ambrel
