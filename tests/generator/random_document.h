#pragma once

#include <random>
#include <string>
#include <vector>

namespace ambrel {

// Random documents rich in what the generator must get right: names repeated among
// siblings and cousins, names differing only in case (also on parents), non-ASCII names,
// names with "-" and "." that sort below "/", kinds childless only sometimes, comments,
// CDATA, attributes in mixed case, and documents cut off in the middle. With `varied`
// markup also: processing instructions, a document type declaration with entities and
// defaulted attributes, entity and character references, CR/LF mixtures, text outside
// the Basic Multilingual Plane, unpaired surrogates and stray markup that breaks the
// document.
class RandomDocument {
 public:
  explicit RandomDocument(std::uint32_t seed, bool varied = false)
      : random_(seed), varied_(varied) {}

  std::u16string make() {
    std::u16string text;
    if (varied_) text += prolog();
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
      int what = pick(varied_ ? 14 : 10);
      if (what == 0) {
        text += u"<!--c-->";
      } else if (what == 1) {
        text += u"<![CDATA[" + value() + u"]]>";
      } else if (what == 2) {
        text += value();
      } else if (what >= 10) {
        text += varied_markup();
      } else {
        open_element(text, open, depth_limit);
      }
    }
    if (varied_ && pick(8) == 0) text += u"\r\n<?after?><!--tail-->\n";
    if (pick(6) == 0)
      text.resize(static_cast<std::size_t>(pick(static_cast<int>(text.size()) + 1)));
    return text;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::u16string prolog() {
    std::u16string out;
    if (pick(3) == 0)
      out += pick(2) == 0 ? u"<?xml version=\"1.0\"?>\r\n"
                          : u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n";
    if (pick(3) == 0) {
      out +=
          u"<!DOCTYPE r [\n<!ENTITY e \"5\">\r\n<!ENTITY t \"text\"><!ATTLIST item dflt CDATA "
          u"\"d\">"
          u"<!ATTLIST A Dflt CDATA \"x\">]>\n";
    } else if (pick(6) == 0) {
      out += u"<!DOCTYPE r SYSTEM \"r.dtd\">";
    }
    return out;
  }

  std::u16string varied_markup() {
    static const std::u16string kMarkup[] = {u"<?pi some data?>",
                                             u"<?pi?>",
                                             u"&e;",
                                             u"&t;",
                                             u"&amp;",
                                             u"&#49;",
                                             u"&#x1F600;",
                                             u"\r\n",
                                             u"\r",
                                             u"1\r\n2",
                                             u"\U0001F600",
                                             u"\xD800x",
                                             u"x\xDC00",
                                             u"&undeclared;",
                                             u"<",
                                             u"&",
                                             u"</zz>",
                                             u"]]>",
                                             u"<!--",
                                             u"<\U00010400/>"};
    return kMarkup[pick(static_cast<int>(std::size(kMarkup)))];
  }

  std::u16string name() {
    static const std::u16string kNames[] = {
        u"a",   u"A",   u"b", u"B",   u"item", u"Item", u"ITEM",         u"\u00e4", u"\u00c4",
        u"x-y", u"x.y", u"x", u"p:q", u"b-c",  u"b.c",  u"\u65e5\u672c", u"Val"};
    return kNames[pick(static_cast<int>(std::size(kNames)))];
  }

  std::u16string value() {
    static const std::u16string kValues[] = {u"",    u"1",  u"-5",  u"2.5", u"1,5",
                                             u"abc", u" 1", u"007", u"\n"};
    static const std::u16string kVariedValues[] = {u"&e;", u"1&#48;",     u"\r\n",
                                                   u"3\r", u"\U0001F600", u"-&#46;5"};
    if (varied_ && pick(4) == 0)
      return kVariedValues[pick(static_cast<int>(std::size(kVariedValues)))];
    return kValues[pick(static_cast<int>(std::size(kValues)))];
  }

  std::u16string attributes() {
    static const std::u16string kAttributes[] = {u"id", u"ID", u"Id",     u"name",  u"type",
                                                 u"x",  u"X",  u"\u00fc", u"\u00dc"};
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
  bool varied_;
};

}  // namespace ambrel
