// JSON against XML of the same shape: objects as elements, keys as child elements, an array
// as its key's element repeated, scalars as texts. On random shapes the two give the same
// declarations but for the prefix, the path comments and the columns the prefix shifts.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

#include "whole_text_generator.h"
#include "generator_test_support.h"

namespace ambrel {
namespace {

// One random shape written both ways.
class TwinDocuments {
 public:
  explicit TwinDocuments(std::uint32_t seed) : random_(seed) {}

  void make() {
    json_ = u"{";
    xml_.clear();
    value(u"r", 0);
    json_ += u"}";
  }
  const std::u16string& json() const { return json_; }
  const std::u16string& xml() const { return xml_; }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // Few names, so that they repeat among siblings' children and cousins.
  std::u16string name() {
    static const char16_t* const kNames[] = {u"a", u"b", u"item", u"x-y", u"n.1", u"\u00e9"};
    return kNames[pick(6)];
  }

  std::u16string scalar() {
    static const char16_t* const kScalars[] = {u"12", u"-3", u"0", u"1.5", u"-0.25", u"\"t\""};
    return kScalars[pick(6)];
  }

  // The member `key` with a random value: for "item" and "\u00e9" an array of two or three
  // objects or scalars, for other keys a scalar or an object. (An XML element is marked a
  // list by its count in the last parent that has it, a JSON key by any array: the shapes
  // correspond where a key is an array everywhere or nowhere.)
  void value(const std::u16string& key, int depth) {
    json_ += u"\"" + key + u"\":";
    bool leaf = depth >= 4 || (depth > 0 && pick(3) == 0);
    if (key != u"item" && key != u"\u00e9") {
      if (leaf) {
        write_scalar_value(key);
      } else {
        write_object_value(key, depth);
      }
      return;
    }
    json_ += u"[";
    int count = 2 + pick(2);
    for (int i = 0; i < count; ++i) {
      if (i != 0) json_ += u",";
      if (leaf) {
        write_scalar_value(key);
      } else {
        write_object_value(key, depth);
      }
    }
    json_ += u"]";
  }

  void write_scalar_value(const std::u16string& key) {
    std::u16string s = scalar();
    json_ += s;
    std::u16string text = s[0] == u'"' ? s.substr(1, s.size() - 2) : s;
    xml_ += u"<" + key + u">" + text + u"</" + key + u">";
  }
  void write_object_value(const std::u16string& key, int depth) {
    json_ += u"{";
    xml_ += u"<" + key + u">";
    // Distinct keys in one object: a repeated key would be a list in XML.
    std::u16string used;
    int members = 1 + pick(3);
    for (int i = 0; i < members; ++i) {
      std::u16string member = name();
      if (used.find(u"|" + member + u"|") != std::u16string::npos) continue;
      if (!used.empty()) json_ += u",";
      used += u"|" + member + u"|";
      value(member, depth + 1);
    }
    json_ += u"}";
    xml_ += u"</" + key + u">";
  }

  std::mt19937 random_;
  std::u16string json_;
  std::u16string xml_;
};

// The declarations without path comments, with JSON_ for XML_ and one blank before each
// field comment.
std::string comparable(std::u16string declarations, bool xml) {
  std::string text = shown(declarations);
  if (xml) text = std::regex_replace(text, std::regex("XML_"), "JSON_");
  text = std::regex_replace(text, std::regex("(^|\r\n); /[^\r]*\r\n"), "$1");
  return std::regex_replace(text, std::regex(" +;"), " ;");
}

TEST(JsonXmlDifferential, RandomShapesGiveTheSameDeclarationsBothWays) {
  for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
    TwinDocuments twins(seed);
    twins.make();
    std::string json = comparable(generate_declarations(twins.json()), false);
    std::string xml = comparable(generate_declarations(twins.xml()), true);
    ASSERT_EQ(json, xml) << "seed " << seed << "\n"
                         << shown(twins.json()) << "\n"
                         << shown(twins.xml());
  }
}

}  // namespace
}  // namespace ambrel
