#include "dialog/definition/attribute_values.h"

#include <limits>

#include "dialog/definition/name_compare.h"
#include "dialog/definition/runtime_registry.h"
#include "support/object_registry.h"

namespace ambrel {
namespace {

bool is_white_space(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::int32_t read_decimal(std::u16string_view value) {
  std::size_t i = 0;
  while (i < value.size() && is_white_space(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  // The magnitude is clamped at 2^31: enough for the int32 minimum, and no overflow.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < value.size() && is_digit(value[i]); ++i) {
    magnitude = magnitude * 10 + (value[i] - u'0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  std::int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(result);
}

}  // namespace

std::int32_t read_number(std::u16string_view value) {
  if (runtime_is_defined(value)) return runtime_value(value);
  return read_decimal(value);
}

bool read_yes_no(std::u16string_view value) { return names_equal(value, u"yes"); }

std::int32_t read_id(std::u16string_view value, DialogError& error) {
  if (names_equal(value, u"#KV_Any")) return kAnyNumber;
  if (!value.empty() && value.front() == u'#') {
    if (runtime_is_defined(value)) return runtime_value(value);
    error.record(kConstantNotFoundError, {value, u""});
    return kAnyNumber;
  }
  return read_number(value);
}

std::int32_t read_numeric_attribute(const ElementView& element, std::u16string_view name,
                                    std::int32_t fallback) {
  std::optional<std::u16string_view> value = find_attribute(element, name);
  return value ? read_number(*value) : fallback;
}

}  // namespace ambrel
