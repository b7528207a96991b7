#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "generator/generator.h"
#include "generator_test_support.h"
#include "literal_generator.h"
#include "support/object_registry.h"

namespace ambrel {
namespace {

// Random documents rich in what the fast walk must get right: names repeated among
// siblings and cousins, names differing only in case (also on parents), non-ASCII names,
// names with "-" and "." that sort below "/", kinds childless only sometimes, comments,
// CDATA, attributes in mixed case, and documents cut off in the middle.
class RandomDocument {
 public:
  explicit RandomDocument(std::uint32_t seed) : random_(seed) {}

  std::u16string make() {
    std::u16string text;
    if (pick(4) == 0) text += u"<!--lead-->";
    int depth_limit = 1 + pick(6);
    struct Open {
      std::u16string name;
      int children_left;
    };
    std::vector<Open> open;
    open_element(text, open, depth_limit);
    while (!open.empty()) {
      Open& top = open.back();
      if (top.children_left == 0) {
        text += u"</" + top.name + u">";
        open.pop_back();
        continue;
      }
      --top.children_left;
      int what = pick(10);
      if (what == 0) {
        text += u"<!--c-->";
      } else if (what == 1) {
        text += u"<![CDATA[" + value() + u"]]>";
      } else if (what == 2) {
        text += value();
      } else {
        open_element(text, open, depth_limit);
      }
    }
    if (pick(6) == 0) text.resize(static_cast<std::size_t>(pick(static_cast<int>(text.size()) + 1)));
    return text;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::u16string name() {
    static const std::u16string kNames[] = {u"a",   u"A",    u"b",  u"B",   u"item", u"Item",
                                            u"ITEM", u"\u00e4", u"\u00c4", u"x-y", u"x.y", u"x",
                                            u"p:q", u"b-c",  u"b.c", u"\u65e5\u672c", u"Val"};
    return kNames[pick(static_cast<int>(std::size(kNames)))];
  }

  std::u16string value() {
    static const std::u16string kValues[] = {u"", u"1", u"-5", u"2.5", u"1,5", u"abc", u" 1", u"007", u"\n"};
    return kValues[pick(static_cast<int>(std::size(kValues)))];
  }

  std::u16string attributes() {
    static const std::u16string kAttributes[] = {u"id", u"ID", u"Id", u"name", u"type", u"x", u"X",
                                                 u"\u00fc", u"\u00dc"};
    std::u16string out;
    for (const std::u16string& attribute : kAttributes) {
      if (pick(5) == 0) out += u" " + attribute + u"=\"v\"";
    }
    return out;
  }

  template <class OpenList>
  void open_element(std::u16string& text, OpenList& open, int depth_limit) {
    std::u16string n = name();
    text += u"<" + n + attributes();
    int children = static_cast<int>(open.size()) >= depth_limit || pick(4) == 0 ? 0 : pick(7);
    if (children == 0 && pick(2) == 0) {
      text += u"/>";
      return;
    }
    text += u">";
    if (children == 0) text += value();
    open.push_back({n, children});
  }

  std::mt19937 random_;
};

class Differential : public GeneratorTest {};

TEST_F(Differential, FastWalkMatchesTheLiteralOneOnRandomDocuments) {
  int index_pattern = regex_create(kAnyNumber, u"\\[.*?\\]");
  ASSERT_NE(index_pattern, 0);
  int non_empty = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    std::u16string document = RandomDocument(seed).make();
    std::u16string expected = literal_declarations(document, index_pattern);
    std::u16string actual = generate_declarations(document);
    ASSERT_EQ(shown(actual), shown(expected)) << "seed " << seed << ": " << shown(document);
    if (!expected.empty()) ++non_empty;
  }
  EXPECT_GT(non_empty, 2500);  // the documents do exercise the walk
}

}  // namespace
}  // namespace ambrel
