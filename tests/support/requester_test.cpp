#include "support/requester.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "services_fixture.h"

namespace ambrel {
namespace {

TEST(RequesterFilters, PairsDescriptionsWithPatterns) {
  EXPECT_EQ(split_filter_string(u"XML text file (*.*)|*.*"),
            (std::vector<RequesterFilter>{{u"XML text file (*.*)", u"*.*"}}));
  EXPECT_EQ(split_filter_string(u"XML|*.xml|All files|*.*"),
            (std::vector<RequesterFilter>{{u"XML", u"*.xml"}, {u"All files", u"*.*"}}));
  // A trailing bar ends the list; a description left without a pattern is no filter.
  EXPECT_EQ(split_filter_string(u"XML|*.xml|"), (std::vector<RequesterFilter>{{u"XML", u"*.xml"}}));
  EXPECT_EQ(split_filter_string(u"XML|*.xml|Orphan"),
            (std::vector<RequesterFilter>{{u"XML", u"*.xml"}}));
  EXPECT_TRUE(split_filter_string(u"").empty());
  EXPECT_TRUE(split_filter_string(u"only a description").empty());
  EXPECT_EQ(split_filter_string(u"||"), (std::vector<RequesterFilter>{{u"", u""}}));
}

TEST(RequesterDefaultFile, SplitsAtTheLastSeparator) {
  DefaultFileParts parts = split_default_file(u"C:\\data\\in.xml");
  EXPECT_EQ(parts.initial_directory, u"C:\\data");
  EXPECT_EQ(parts.proposed_name, u"in.xml");

  parts = split_default_file(u"/home/user/in.xml");
  EXPECT_EQ(parts.initial_directory, u"/home/user");
  EXPECT_EQ(parts.proposed_name, u"in.xml");

  parts = split_default_file(u"in.xml");
  EXPECT_EQ(parts.initial_directory, u"");
  EXPECT_EQ(parts.proposed_name, u"in.xml");

  // A separator in first place is no directory; the whole text is then no usable name.
  parts = split_default_file(u"\\in.xml");
  EXPECT_EQ(parts.initial_directory, u"");
  EXPECT_EQ(parts.proposed_name, u"");

  // A directory alone proposes nothing.
  parts = split_default_file(u"/home/user/");
  EXPECT_EQ(parts.initial_directory, u"/home/user");
  EXPECT_EQ(parts.proposed_name, u"");
}

TEST(RequesterDefaultFile, DropsUnusableNamesAndKeepsAtMost259Characters) {
  EXPECT_EQ(split_default_file(u"C:\\data\\a:b.xml").proposed_name, u"");
  EXPECT_EQ(split_default_file(u"C:\\data\\what?.xml").proposed_name, u"");
  EXPECT_EQ(split_default_file(u"C:\\data\\a:b.xml").initial_directory, u"C:\\data");
  EXPECT_EQ(split_default_file(u"tab\tname").proposed_name, u"");
  EXPECT_EQ(split_default_file(std::u16string(300, u'n')).proposed_name, std::u16string(259, u'n'));
  for (char16_t bad : std::u16string_view(u"\"*/:<>?\\|\x1f")) {
    EXPECT_FALSE(is_usable_file_name(std::u16string(u"a") + bad)) << static_cast<int>(bad);
  }
  EXPECT_TRUE(is_usable_file_name(u"name with blanks & (brackets).xml"));
  EXPECT_FALSE(is_usable_file_name(u""));
}

class RequesterTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    set_open_file_dialog([this](const RequesterDialogRequest& request) {
      asked_ = request;
      return answer_;
    });
  }
  std::u16string answer_;
  std::optional<RequesterDialogRequest> asked_;
};

TEST_F(RequesterTest, AsksTheInstalledDialogWithTheSplitRequest) {
  answer_ = u"/tmp/chosen.xml";
  EXPECT_EQ(open_file_requester(u"Read XML from file", u"/srv/in.xml", u"XML|*.xml|All|*.*", 1),
            u"/tmp/chosen.xml");
  ASSERT_TRUE(asked_);
  EXPECT_EQ(asked_->title, u"Read XML from file");
  EXPECT_EQ(asked_->initial_directory, u"/srv");
  EXPECT_EQ(asked_->proposed_name, u"in.xml");
  EXPECT_EQ(asked_->filters.size(), 2u);
  EXPECT_EQ(asked_->selected_filter, 1);
}

TEST_F(RequesterTest, CancelGivesTheEmptyText) {
  EXPECT_EQ(open_file_requester(u"Read XML from file", u"", u"XML text file (*.*)|*.*", 0), u"");
  ASSERT_TRUE(asked_);
  EXPECT_EQ(asked_->initial_directory, u"");
  EXPECT_EQ(asked_->proposed_name, u"");
}

TEST_F(RequesterTest, WithoutADialogNothingIsChosen) {
  answer_ = u"/tmp/chosen.xml";
  set_open_file_dialog(nullptr);
  EXPECT_EQ(open_file_requester(u"t", u"", u"All|*.*", 0), u"");
  EXPECT_FALSE(asked_);
}

}  // namespace
}  // namespace ambrel
