// The rewriting of \u escapes of unpaired surrogates, whole and cut anywhere.
#include "json/escape_repair.h"

#include <gtest/gtest.h>

#include <string>

#include "support/unicode_text.h"

namespace ambrel {
namespace {

std::string repaired(std::u16string_view text, std::size_t piece) {
  EscapeRepair repair;
  std::u16string out;
  for (std::size_t at = 0; at < text.size(); at += piece) {
    out += repair.pass(text.substr(at, piece), false);
  }
  out += repair.pass({}, true);
  return utf16_to_utf8(out);
}

TEST(EscapeRepair, RewritesOnlyUnpairedSurrogateEscapesWhereverTheTextIsCut) {
  struct Case {
    std::u16string_view text;
    std::string expected;
  } cases[] = {
      {uR"("\uD800")", R"("\uFFFD")"},
      {uR"("\udc00x")", R"("\uFFFDx")"},
      {uR"("\uD83D\uDE00")", R"("\uD83D\uDE00")"},  // a pair stays
      {uR"("\uD83D\u0041")", R"("\uFFFD\u0041")"},
      {uR"("\uDE00\uD83D")", R"("\uFFFD\uFFFD")"},  // low before high: no pair
      {uR"("\\uD800")", R"("\\uD800")"},            // an escaped backslash, then text
      {uR"("\\\uD800")", R"("\\\uFFFD")"},
      {uR"("\u0000\"\uD8")", R"("\u0000\"\uD8")"},  // too short: the reader's fault
      {uR"("\uD800)", R"("\uFFFD)"},
  };
  for (const Case& c : cases) {
    for (std::size_t piece : {1, 2, 5, 7, 100}) {
      EXPECT_EQ(repaired(c.text, piece), c.expected) << utf16_to_utf8(c.text) << " in " << piece;
    }
  }
}

}  // namespace
}  // namespace ambrel
