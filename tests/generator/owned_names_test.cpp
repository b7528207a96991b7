// The numbering of names per owner, and the comparison of a name with a numbered one, which
// reads whole words: every length, a difference at every place.
#include "generator/owned_names.h"

#include <gtest/gtest.h>

#include <string>

namespace ambrel {
namespace {

TEST(OwnedNamesTest, TellsANameFromEveryOneDifferingInOneUnitOrInLength) {
  OwnedNames names;
  for (std::size_t length = 0; length <= 13; ++length) {
    std::u16string name;
    for (std::size_t i = 0; i < length; ++i) name += static_cast<char16_t>(u'a' + i);
    OwnedNames::Found found = names.find_or_add(7, name);
    ASSERT_TRUE(found.added) << length;
    EXPECT_EQ(names.find_or_add(7, name).number, found.number);
    EXPECT_TRUE(names.find_or_add(8, name).added) << "another owner's";
    EXPECT_TRUE(names.has_text(found.number, name)) << length;
    EXPECT_FALSE(names.has_text(found.number, name + u"x")) << length;
    EXPECT_FALSE(length > 0 && names.has_text(found.number, name.substr(1))) << length;
    for (std::size_t at = 0; at < length; ++at) {
      std::u16string other = name;
      other[at] = u'\xFF41';  // a wide unit: both bytes of it differ
      EXPECT_FALSE(names.has_text(found.number, other)) << length << " at " << at;
      other[at] = static_cast<char16_t>(name[at] ^ 0x0100);  // the high byte alone
      EXPECT_FALSE(names.has_text(found.number, other)) << length << " at " << at;
    }
  }
}

}  // namespace
}  // namespace ambrel
