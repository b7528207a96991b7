#include "generator/value_types.h"

#include <cstdint>

namespace ambrel {

ValueType infer_value_type(std::u16string_view value) {
  std::int32_t digits = 0;
  std::int32_t separators = 0;
  std::int32_t invalid = 0;
  bool separator_seen = false;
  bool minus_seen = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    char16_t unit = value[i];
    if (unit >= u'0' && unit <= u'9') {
      ++digits;
    } else if (unit == u'.' || unit == u',') {
      if (digits > 0 && !separator_seen) {
        ++separators;
        separator_seen = true;
      } else {
        ++invalid;
      }
    } else if (unit == u'-' && i == 0 && !minus_seen) {
      ++digits;
      minus_seen = true;
    } else {
      ++invalid;
    }
  }
  if (invalid > 0) return ValueType::text;
  if (digits > 0 && separators == 1) return ValueType::decimal;
  if (digits > 0) return ValueType::integer;
  return ValueType::text;
}

std::u16string_view type_suffix(ValueType type) {
  switch (type) {
    case ValueType::integer: return u".q";
    case ValueType::decimal: return u".f";
    case ValueType::text: return u".s";
  }
  return u".s";
}

}  // namespace ambrel
