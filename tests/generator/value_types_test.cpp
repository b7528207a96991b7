#include "generator/value_types.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "generator/name_set.h"

namespace ambrel {
namespace {

void expect_type(ValueType expected, std::initializer_list<std::u16string_view> values) {
  for (std::u16string_view value : values) {
    EXPECT_EQ(infer_value_type(value), expected) << std::string(value.begin(), value.end());
  }
}

TEST(ValueTypes, ClassifiesEachTextOnItsOwn) {
  expect_type(ValueType::integer, {u"0", u"123", u"-5", u"007", u"-"});
  expect_type(ValueType::decimal, {u"1.5", u"1,5", u"1.", u"-2,5", u"-."});
  expect_type(ValueType::text, {u"", u".5", u",5", u"1.2.3", u"1,2.5", u"1-2", u"--1", u"+1", u" 1",
                                u"1 ", u"1e5", u"0x1F", u"\u0661"});
}

TEST(ValueTypes, MergedTypeIsTheWidest) {
  EXPECT_EQ(merge_value_types(ValueType::integer, ValueType::decimal), ValueType::decimal);
  EXPECT_EQ(merge_value_types(ValueType::decimal, ValueType::integer), ValueType::decimal);
  EXPECT_EQ(merge_value_types(ValueType::text, ValueType::integer), ValueType::text);
  EXPECT_EQ(type_suffix(ValueType::integer), u".q");
  EXPECT_EQ(type_suffix(ValueType::decimal), u".f");
  EXPECT_EQ(type_suffix(ValueType::text), u".s");
}

// Every split of a text into two pieces classifies as the whole text does.
TEST(ValueTypes, ScanInPiecesMatchesTheWholeText) {
  for (std::u16string_view value :
       {u"", u"-", u"-5", u"-.", u"1.5", u"1,5,", u"1-2", u"--1", u".5", u"007", u"a1"}) {
    for (std::size_t cut = 0; cut <= value.size(); ++cut) {
      ValueTypeScan scan;
      scan.add(value.substr(0, cut));
      scan.add(u"");
      scan.add(value.substr(cut));
      EXPECT_EQ(scan.type(), infer_value_type(value))
          << std::string(value.begin(), value.end()) << " cut " << cut;
    }
  }
}

TEST(NameSet, IteratesByBucketThenNewestFirst) {
  EXPECT_EQ(NameSet::bucket_of(u"id"), 59u);
  EXPECT_EQ(NameSet::bucket_of(u"type"), 122u);
  EXPECT_EQ(NameSet::bucket_of(u"name"), 299u);
  NameSet set;
  for (std::u16string_view name : {u"name", u"id", u"type", u"id"}) set.add(name);
  std::vector<std::u16string_view> order = set.in_iteration_order();
  EXPECT_EQ(order, (std::vector<std::u16string_view>{u"id", u"type", u"name"}));

  // "" and a text of 512 NULs share bucket 0; the later one comes first.
  NameSet same_bucket;
  std::u16string nuls(512, u'\0');
  same_bucket.add(u"");
  same_bucket.add(nuls);
  EXPECT_EQ(NameSet::bucket_of(nuls), 0u);
  EXPECT_EQ(same_bucket.in_iteration_order(), (std::vector<std::u16string_view>{nuls, u""}));
  EXPECT_TRUE(same_bucket.contains(u""));
  EXPECT_FALSE(same_bucket.contains(u"ID"));
}

}  // namespace
}  // namespace ambrel
