#include "dialog/definition/attribute_values.h"

#include <gtest/gtest.h>

#include "dialog/definition/common_attributes.h"
#include "dialog/definition/gadget_attributes.h"
#include "dialog/definition/runtime_registry.h"
#include "services_fixture.h"
#include "test_element.h"

namespace ambrel {
namespace {

class AttributeValuesTest : public ServicesTest {
 protected:
  std::int32_t id(std::u16string value) {
    TestElement element(u"button", {{u"id", value}});
    return read_id(element.view(), 0, error);
  }

  DialogError error;
};

TEST_F(AttributeValuesTest, NumbersReadAsFarAsTheyGo) {
  EXPECT_EQ(read_number(u"16"), 16);
  EXPECT_EQ(read_number(u"12px"), 12);
  EXPECT_EQ(read_number(u"auto"), 0);
  EXPECT_EQ(read_number(u""), 0);
  EXPECT_EQ(read_number(u" \t-42"), -42);
  EXPECT_EQ(read_number(u"+8"), 8);
  EXPECT_EQ(read_number(u"- 8"), 0);
  EXPECT_EQ(read_number(u"99999999999"), INT32_MAX);
  EXPECT_EQ(read_number(u"-2147483648"), INT32_MIN);
  EXPECT_EQ(read_number(u"-99999999999"), INT32_MIN);
}

TEST_F(AttributeValuesTest, ARegisteredNameIsReadAsItsValue) {
  runtime_register_integer(u"auto", 33);
  EXPECT_EQ(read_number(u"AUTO"), 33);
  EXPECT_EQ(read_number(u"auto "), 0);  // the whole value must be the name
}

TEST_F(AttributeValuesTest, YesNo) {
  EXPECT_TRUE(read_yes_no(u"yes"));
  EXPECT_TRUE(read_yes_no(u"YES"));
  EXPECT_FALSE(read_yes_no(u"no"));
  EXPECT_FALSE(read_yes_no(u"yes "));
  EXPECT_FALSE(read_yes_no(u"1"));
}

TEST_F(AttributeValuesTest, IdForms) {
  runtime_register_integer(u"seven", 7);
  runtime_register_integer(u"#KV_Mine", 12);
  EXPECT_EQ(id(u"#kv_any"), -1);
  EXPECT_EQ(id(u"#KV_ANY"), -1);
  EXPECT_EQ(id(u"7"), 7);
  EXPECT_EQ(id(u"Seven"), 7);
  EXPECT_EQ(id(u"#kv_mine"), 12);
  EXPECT_FALSE(error.has_error());
}

TEST_F(AttributeValuesTest, UnregisteredHashIdRecordsTheConstantError) {
  runtime_register_integer(u"seven", 7);
  EXPECT_EQ(id(u"#seven"), -1);  // the "#" is part of the name looked up
  EXPECT_EQ(error.text(), "'#seven' constant is not found or not declared as runtime.");
}

TEST_F(AttributeValuesTest, CommonAttributesLaterOverwritesAndFlagsAccumulate) {
  TestElement button(u"Button", {{u"width", u"5"},
                                 {u"FLAGS", u"#KV_Button_Left"},
                                 {u"Width", u"12px"},
                                 {u"name", u"first"},
                                 {u"Name", u"second"},
                                 {u"flags", u"#KV_Button_Default"},
                                 {u"height", u"-1"},
                                 {u"folded", u"Yes"},
                                 {u"unknown", u"whatever"}});
  CommonAttributes attributes = read_common_attributes(button.view(), DialogKind::Button, error);
  EXPECT_EQ(attributes.width, 12);
  EXPECT_EQ(attributes.height, -1);
  EXPECT_EQ(attributes.flags, 257u);
  EXPECT_EQ(attributes.name, u"second");
  EXPECT_FALSE(attributes.text.has_value());
  EXPECT_TRUE(attributes.folded);
  EXPECT_EQ(attributes.requested_id, -1);
  EXPECT_FALSE(error.has_error());
}

TEST_F(AttributeValuesTest, DisabledAndInvisible) {
  TestElement a(u"button", {{u"disabled", u"no"}, {u"invisible", u"maybe"}});
  TestElement b(u"button", {{u"DISABLED", u"YES"}, {u"Invisible", u"yes"}});
  EXPECT_FALSE(read_gadget_state_attributes(a.view()).disabled);
  EXPECT_FALSE(read_gadget_state_attributes(a.view()).invisible);
  EXPECT_TRUE(read_gadget_state_attributes(b.view()).disabled);
  EXPECT_TRUE(read_gadget_state_attributes(b.view()).invisible);
}

TEST_F(AttributeValuesTest, GadgetAttributeDefaultsPerKind) {
  TestElement plain(u"trackbar", {});
  GadgetAttributes track = read_gadget_attributes(plain.view(), DialogKind::TrackBar);
  GadgetAttributes scroll = read_gadget_attributes(plain.view(), DialogKind::ScrollBar);
  EXPECT_EQ(track.maximum, 10);
  EXPECT_EQ(scroll.maximum, 100);
  EXPECT_EQ(scroll.page, 10);
  EXPECT_EQ(scroll.value, 0);
  EXPECT_EQ(scroll.color, 16711680);
  EXPECT_EQ(scroll.group, -1);
}

TEST_F(AttributeValuesTest, GadgetValueDefaultsToMinAndFirstOccurrenceWins) {
  runtime_register_integer(u"low", 3);
  TestElement spin(u"spin", {{u"min", u"low"}, {u"MAX", u"50"}, {u"max", u"60"}, {u"group", u"2"}});
  GadgetAttributes attributes = read_gadget_attributes(spin.view(), DialogKind::Spin);
  EXPECT_EQ(attributes.minimum, 3);
  EXPECT_EQ(attributes.value, 3);
  EXPECT_EQ(attributes.maximum, 50);
  EXPECT_EQ(attributes.group, -1);  // only an option has a group
}

}  // namespace
}  // namespace ambrel
