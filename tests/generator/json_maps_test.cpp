// JSON objects read as maps: the rule that tells them from records, their declarations, the
// overrides, and that a map declares the same however its text is cut or sampled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/declaration_generator.h"
#include "generator_test_support.h"

namespace ambrel {
namespace {

struct Fed {
  std::vector<std::u16string> documents;
  std::size_t piece = 1 << 20;
};

std::string declared(const Fed& fed, const MapChoice& maps = {}, bool identifiers = false) {
  DeclarationGenerator generator(FormatChoice::json, maps);
  for (const std::u16string& document : fed.documents) {
    for (std::size_t at = 0; at < document.size(); at += fed.piece)
      generator.feed(std::u16string_view(document).substr(at, fed.piece));
    generator.end_document();
  }
  return shown(generator.declarations({identifiers, true}));
}

std::string declared(const std::u16string& document, const MapChoice& maps = {}) {
  return declared(Fed{{document}}, maps);
}

// The field line of `key` in the declarations, or empty.
std::string field_line(const std::string& declarations, const std::string& key) {
  std::size_t at = declarations.find("\n\t" + key + ".");
  if (at == std::string::npos) return {};
  std::string line = declarations.substr(at + 2, declarations.find('\n', at + 2) - at - 2);
  std::size_t comment = line.find(" ; ");
  if (comment == std::string::npos) return line;
  return line.substr(0, line.find(' ')) + line.substr(comment);  // without the column's spaces
}

std::u16string object_of(const std::vector<std::string>& keys, const std::string& value) {
  std::string text = "{";
  for (const std::string& key : keys)
    text += (text.size() > 1 ? ",\"" : "\"") + key + "\":" + value;
  return utf8_to_utf16(text + "}");
}

std::vector<std::string> numbered(const std::string& stem, int count, int first = 0) {
  std::vector<std::string> keys;
  for (int i = first; i < first + count; ++i) keys.push_back(stem + std::to_string(i));
  return keys;
}

TEST(JsonMaps, KeysThatAreDataDecideWithTwoKeysAndOnlyForValuesOfOneShape) {
  struct Keys {
    const char16_t* first;
    const char16_t* second;
  };
  for (Keys keys : {Keys{u"1.0", u"2.0"}, Keys{u"2020-01-01", u"2020-01-02"}, Keys{u"a b", u"c+d"},
                    Keys{u"x@y.org", u"/usr/bin"}, Keys{u"us-east-1", u"eu-west-1"},
                    Keys{u"0f3a9c7e5b21", u"9d0e44a1b2c3"}, Keys{u"", u"12:30"}}) {
    std::u16string text = std::u16string(u"{\"v\":{\"") + keys.first + u"\":{\"a\":1},\"" +
                          keys.second + u"\":{\"b\":\"x\"}}}";
    EXPECT_EQ(field_line(declared(text), "v"), "v.JSON_V ; {}") << shown(text);
  }
  EXPECT_EQ(field_line(declared(u"{\"v\":{\"1.0\":{\"a\":1}}}"), "v"), "v.JSON_V");
  EXPECT_EQ(field_line(declared(u"{\"v\":{\"1.0\":{\"a\":1},\"2.0\":\"x\"}}"), "v"), "v.JSON_V");
  // Plain words and three quarters of data: "name" does not spoil the ids.
  EXPECT_EQ(field_line(declared(u"{\"v\":{\"kind\":1,\"name\":2}}"), "v"), "v.JSON_V");
  EXPECT_EQ(field_line(declared(u"{\"v\":{\"1\":1,\"2\":2,\"3\":3,\"name\":4}}"), "v"), "v.q ; {}");
}

TEST(JsonMaps, PlainKeysDecideByVaryingBetweenInstancesOrByTheirNumber) {
  auto twice = [](const std::vector<std::string>& first, const std::vector<std::string>& second) {
    return u"[{\"o\":" + object_of(first, "1") + u"},{\"o\":" + object_of(second, "1") + u"}]";
  };
  EXPECT_EQ(field_line(declared(twice(numbered("k", 4), numbered("k", 4, 4))), "o"), "o.q ; {}");
  EXPECT_EQ(field_line(declared(twice(numbered("k", 4), numbered("k", 3, 4))), "o"), "o.JSON_O");
  std::vector<std::string> shared = numbered("k", 4, 4);
  shared[0] = "k0";
  EXPECT_EQ(field_line(declared(twice(numbered("k", 4), shared)), "o"), "o.JSON_O");
  // Objects alike under plain keys, seen once: five decide, and only when they share fields.
  auto alike = [](int count, bool share) {
    std::string text = "{\"ops\":{";
    for (int i = 0; i < count; ++i) {
      std::string field = share ? "name" : "f" + std::to_string(i);
      text +=
          (i == 0 ? "\"Op" : ",\"Op") + std::to_string(i) + "\":{\"" + field + "\":1,\"http\":{}}";
    }
    return utf8_to_utf16(text + "}}");
  };
  EXPECT_EQ(field_line(declared(alike(5, true)), "ops"), "ops.JSON_OPS ; {}");
  EXPECT_EQ(field_line(declared(alike(4, true)), "ops"), "ops.JSON_OPS");
  EXPECT_EQ(field_line(declared(alike(6, false)), "ops"), "ops.JSON_OPS");
  // A record of many fields that every instance repeats stays one, whatever their types.
  std::u16string strings = object_of(numbered("f", 25), "\"s\"");
  EXPECT_EQ(field_line(declared(u"[{\"r\":" + strings + u"},{\"r\":" + strings + u"}]"), "r"),
            "r.JSON_R");
  std::u16string mixed = object_of(numbered("f", 70), "1");
  mixed.insert(1, u"\"n\":\"s\",\"o\":{\"p\":1},");
  EXPECT_EQ(field_line(declared(u"{\"r\":" + mixed + u"}"), "r"), "r.JSON_R");
  EXPECT_EQ(field_line(declared(u"{\"d\":" + object_of(numbered("f", 63), "1") + u"}"), "d"),
            "d.JSON_D");
  EXPECT_EQ(field_line(declared(u"{\"d\":" + object_of(numbered("f", 64), "1") + u"}"), "d"),
            "d.q ; {}");
}

TEST(JsonMaps, EachMarkAndNestingWithItsColumns) {
  EXPECT_EQ(
      declared(uR"({"fonts":{"A.TTF":{"by":["x"]},"B.TTF":{"by":[]}},"deps":{"@a/b":"1",)"
               uR"("c.d":2},"m":{"1":[1],"2":[2.5]},"l":[{"9":{"q":1},"8":{"q":2}}],)"
               uR"("p":[{"s":{"x.y":{"e":{"1.1":{"h":"a"}}},"z.w":{"e":{"1.2":{"h":"b"}}}}}]})"),
      "\n; /p[]/s{}/e{}\nStructure JSON_E\n\th.s\nEndStructure\n"
      "\n; /p[]/s{}\nStructure JSON_S\n\te.JSON_E         ; {}\nEndStructure\n"
      "\n; /p[]\nStructure JSON_P\n\ts.JSON_S         ; {}\nEndStructure\n"
      "; /l[]{}\nStructure JSON_L\n\tq.q\nEndStructure\n"
      "; /fonts{}\nStructure JSON_FONTS\n\tby.s             ; []\nEndStructure\n"
      "\n; /\nStructure JSON_MAIN\n\tdeps.s           ; {}\n\tfonts.JSON_FONTS ; {}\n"
      "\tl.JSON_L         ; [] {}\n\tm.f              ; {} []\n\tp.JSON_P         ; []\n"
      "EndStructure\n");
  // A top map declares its values as the top structure.
  EXPECT_EQ(declared(uR"({"1":{"a":1},"2":{"b":"x"}})"),
            "; /{}\nStructure JSON_MAIN\n\ta.q\n\tb.s\nEndStructure\n");
  EXPECT_EQ(declared(uR"({"1":"a","2":"b"})"),
            "; /\nStructure JSON_MAIN\n\t1.s\n\t2.s\nEndStructure\n");
}

// Keys filed before the kind was known to be a map merge into its values, their own child
// kinds by key, and paths written before then name the map.
TEST(JsonMaps, WhatWasFiledBeforeTheMapWasKnownMergesIntoItsValues) {
  std::u16string text =
      uR"([{"o":{"ka":{"x":1,"s":{"y":1}},"kb":{"x":2},"kc":{"x":3},"kd":{"x":4}}},)"
      uR"({"o":{"ke":{"s":{"w":[2]}},"kf":{"x":1.5},"kg":{"x":1},"kh":{"z":"a"}}}])";
  std::string expected =
      "\n; /o{}/s\nStructure JSON_S\n\tw.q      ; []\n\ty.q\nEndStructure\n"
      "\n; /o{}\nStructure JSON_O\n\ts.JSON_S\n\tx.f\n\tz.s\nEndStructure\n"
      "\n; /\nStructure JSON_MAIN\n\to.JSON_O ; {}\nEndStructure\n";
  EXPECT_EQ(declared(text), expected);
  // The same instances as JSON Lines, as two samples, and cut at every place.
  std::size_t between = text.find(u"},{") + 1;
  std::u16string first = text.substr(1, between - 1);
  std::u16string second = text.substr(between + 1, text.size() - between - 2);
  EXPECT_EQ(declared(Fed{{first + u"\n" + second}}), expected);
  EXPECT_EQ(declared(Fed{{first, second}}), expected);
  for (std::size_t piece = 1; piece < 12; ++piece) {
    EXPECT_EQ(declared(Fed{{text}, piece}), expected) << piece;
  }
  // Names for --identifiers come from the key that holds the map, once.
  EXPECT_NE(declared(Fed{{text}}, {}, true).find("Structure JSON_O\n"), std::string::npos);
}

TEST(JsonMaps, AFaultInTheMiddleOfAMapDeclaresWhatWasRead) {
  DeclarationGenerator generator(FormatChoice::json);
  generator.feed(uR"({"m":{"1":{"a":1},"2":{"b":2},"3":{"c")");
  DocumentResult result = generator.end_document();
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.line(), 1);
  EXPECT_EQ(shown(generator.declarations({false, true})),
            "\n; /m{}\nStructure JSON_M\n\ta.q\n\tb.q\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tm.JSON_M ; {}\nEndStructure\n");
}

TEST(JsonMaps, OverridesForceEitherWayAndNameWhatMatchedNothing) {
  std::u16string text = uR"({"s":{"a":{"members":{"x":1,"y":2}},"b":{"members":{"z":3}}}})";
  EXPECT_EQ(field_line(declared(text), "s"), "s.JSON_S");
  std::string forced = declared(text, {true, {u"/s", u"/s{}/members"}, {}});
  EXPECT_NE(forced.find("; /s{}\nStructure JSON_S\n\tmembers.q ; {}\n"), std::string::npos);
  std::u16string ids = uR"({"s":{"1":{"x":1},"2":{"x":2}}})";
  EXPECT_EQ(field_line(declared(ids, {true, {}, {u"/s"}}), "s"), "s.JSON_S");
  EXPECT_EQ(declared(ids, {false, {}, {}}), declared(ids, {true, {}, {u"/s"}}));
  // List marks may be left out of a path.
  std::u16string listed = uR"({"p":[{"q":{"a":1}}]})";
  EXPECT_EQ(field_line(declared(listed, {true, {u"/p/q"}, {}}), "q"), "q.q ; {}");
  EXPECT_EQ(field_line(declared(listed, {true, {u"/p[]/q"}, {}}), "q"), "q.q ; {}");
  DeclarationGenerator generator(FormatChoice::json, {true, {u"/p[]/q", u"/nowhere"}, {u"/p{}"}});
  generator.feed(listed);
  generator.end_document();
  EXPECT_EQ(generator.unmatched_forced_paths(),
            (std::vector<std::u16string>{u"/nowhere", u"/p{}"}));
}

}  // namespace
}  // namespace ambrel
