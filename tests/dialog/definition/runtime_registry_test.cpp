#include "dialog/definition/runtime_registry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "services_fixture.h"

namespace ambrel {
namespace {

namespace vt = runtime_variable_type;

using RuntimeRegistryTest = ServicesTest;

void do_nothing() {}

TEST_F(RuntimeRegistryTest, AbsentNameIsUndefinedAndZero) {
  EXPECT_EQ(runtime_is_defined(u"missing"), 0);
  EXPECT_EQ(runtime_value(u"missing"), 0);
  EXPECT_EQ(runtime_procedure(u"missing"), nullptr);
}

TEST_F(RuntimeRegistryTest, ValuesOfEachEntryKind) {
  int data = 42;
  runtime_register_integer(u"seven", 7);
  runtime_register_double(u"pi", 3.99);
  runtime_register_double(u"minus", -3.99);
  runtime_register_address(u"data", &data);
  runtime_register_procedure(u"events_x()", do_nothing);
  EXPECT_EQ(runtime_value(u"seven"), 7);
  EXPECT_EQ(runtime_value(u"pi"), 3);
  EXPECT_EQ(runtime_value(u"minus"), -3);
  EXPECT_EQ(runtime_value(u"data"), 0);
  EXPECT_EQ(runtime_is_defined(u"data"), 1);
  EXPECT_EQ(runtime_value(u"events_x()"), 0);
  EXPECT_EQ(runtime_procedure(u"events_x()"), &do_nothing);
}

TEST_F(RuntimeRegistryTest, OnlyProcedureEntriesAreProcedures) {
  runtime_register_integer(u"constant", 1234);
  EXPECT_EQ(runtime_procedure(u"constant"), nullptr);
  // Re-registering a procedure's name as a constant removes the procedure.
  runtime_register_procedure(u"p()", do_nothing);
  runtime_register_integer(u"P()", 5);
  EXPECT_EQ(runtime_procedure(u"p()"), nullptr);
  EXPECT_EQ(runtime_value(u"p()"), 5);
}

TEST_F(RuntimeRegistryTest, FloatingValuesSaturateAndNanIsZero) {
  runtime_register_double(u"huge", 1e12);
  runtime_register_double(u"tiny", -1e12);
  runtime_register_double(u"nan", std::nan(""));
  EXPECT_EQ(runtime_value(u"huge"), INT32_MAX);
  EXPECT_EQ(runtime_value(u"tiny"), INT32_MIN);
  EXPECT_EQ(runtime_value(u"nan"), 0);
}

TEST_F(RuntimeRegistryTest, VariablesAreReadWithTheirTypeAtLookupTime) {
  std::int8_t s8 = -5;
  std::int16_t s16 = -300;
  std::int32_t s32 = -70000;
  std::int32_t i32 = 123456;
  float f32 = 2.9f;
  std::uint8_t u8 = 250;
  double f64 = 2.9;
  std::uint16_t u16 = 65000;
  runtime_register_variable(u"s8", &s8, vt::kSigned8);
  runtime_register_variable(u"s16", &s16, vt::kSigned16);
  runtime_register_variable(u"s32", &s32, vt::kSigned32);
  runtime_register_variable(u"i32", &i32, vt::kInteger32);
  runtime_register_variable(u"f32", &f32, vt::kFloat32);
  runtime_register_variable(u"u8", &u8, vt::kUnsigned8);
  runtime_register_variable(u"f64", &f64, vt::kFloat64);
  runtime_register_variable(u"u16", &u16, vt::kUnsigned16);
  EXPECT_EQ(runtime_value(u"s8"), -5);
  EXPECT_EQ(runtime_value(u"s16"), -300);
  EXPECT_EQ(runtime_value(u"s32"), -70000);
  EXPECT_EQ(runtime_value(u"i32"), 123456);
  EXPECT_EQ(runtime_value(u"f32"), 2);
  EXPECT_EQ(runtime_value(u"u8"), 250);
  EXPECT_EQ(runtime_value(u"f64"), 2);
  EXPECT_EQ(runtime_value(u"u16"), 65000);

  s8 = 100;
  f64 = -2.9;
  u16 = 7;
  EXPECT_EQ(runtime_value(u"s8"), 100);
  EXPECT_EQ(runtime_value(u"f64"), -2);
  EXPECT_EQ(runtime_value(u"u16"), 7);
}

TEST_F(RuntimeRegistryTest, UnlistedVariableTypeAndNullVariableReadZero) {
  std::int32_t value = 99;
  runtime_register_variable(u"odd", &value, 2);
  runtime_register_variable(u"null", nullptr, vt::kSigned32);
  EXPECT_EQ(runtime_value(u"odd"), 0);
  EXPECT_EQ(runtime_value(u"null"), 0);
  EXPECT_EQ(runtime_is_defined(u"null"), 1);
}

TEST_F(RuntimeRegistryTest, NamesDifferingInCaseShareOneEntry) {
  runtime_register_integer(u"x", 1);
  runtime_register_integer(u"X", 2);
  EXPECT_EQ(runtime_entry_count(), 1u);
  EXPECT_EQ(runtime_value(u"x"), 2);
  runtime_register_integer(u"Größe", 3);
  EXPECT_EQ(runtime_value(u"GRÖSSE"), 0);  // no expansion of ß
  EXPECT_EQ(runtime_value(u"gröSSe"), 0);
  EXPECT_EQ(runtime_value(u"GRÖße"), 3);
}

// One case rule for every name: beyond Latin-1 too, as the platform's case tables map a
// letter to one code unit.
TEST_F(RuntimeRegistryTest, NamesBeyondLatin1DifferingInCaseShareOneEntry) {
  runtime_register_integer(u"\u0420\u0430\u0437\u043c\u0435\u0440", 4);  // Cyrillic
  EXPECT_EQ(runtime_value(u"\u0420\u0410\u0417\u041c\u0415\u0420"), 4);
  runtime_register_integer(u"\u00ff", 5);  // y with diaeresis, whose capital lies beyond Latin-1
  EXPECT_EQ(runtime_value(u"\u0178"), 5);
  EXPECT_EQ(runtime_entry_count(), 2u);
}

TEST_F(RuntimeRegistryTest, ManyMoreNamesThanBucketsStayDistinct) {
  constexpr int kCount = 5000;
  for (int i = 0; i < kCount; ++i) {
    std::string name = "name_" + std::to_string(i);
    runtime_register_integer(std::u16string(name.begin(), name.end()), i);
  }
  EXPECT_EQ(runtime_entry_count(), static_cast<std::size_t>(kCount));
  for (int i = 0; i < kCount; ++i) {
    std::string name = "NAME_" + std::to_string(i);
    std::u16string wide(name.begin(), name.end());
    ASSERT_EQ(runtime_value(wide), i) << name;
    runtime_register_integer(wide, -i);
  }
  EXPECT_EQ(runtime_entry_count(), static_cast<std::size_t>(kCount));
  EXPECT_EQ(runtime_value(u"name_4321"), -4321);
}

TEST_F(RuntimeRegistryTest, TheEndOfTheServicesEmptiesTheRegistry) {
  runtime_register_integer(u"a", 1);
  end_services();
  EXPECT_EQ(runtime_is_defined(u"a"), 0);
  EXPECT_EQ(runtime_entry_count(), 0u);
  ASSERT_NO_FATAL_FAILURE(start_services());
  EXPECT_EQ(runtime_is_defined(u"a"), 0);
  EXPECT_EQ(runtime_entry_count(), 0u);
}

}  // namespace
}  // namespace ambrel
