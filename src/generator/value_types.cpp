#include "generator/value_types.h"

namespace ambrel {

void ValueTypeScan::add(std::u16string_view chars) {
  std::size_t i = 0;
  if (!invalid_ && !started_ && !chars.empty()) {
    started_ = true;
    if (chars[0] == u'-') {
      digits_ = true;
      i = 1;
    }
  }
  for (; i < chars.size() && !invalid_; ++i) {
    char16_t unit = chars[i];
    if (unit >= u'0' && unit <= u'9') {
      digits_ = true;
    } else if ((unit == u'.' || unit == u',') && digits_ && !separator_) {
      separator_ = true;
    } else {
      invalid_ = true;
    }
  }
}

ValueType ValueTypeScan::type() const {
  if (invalid_ || !digits_) return ValueType::text;
  return separator_ ? ValueType::decimal : ValueType::integer;
}

ValueType infer_value_type(std::u16string_view value) {
  ValueTypeScan scan;
  scan.add(value);
  return scan.type();
}

std::u16string_view type_suffix(ValueType type) {
  switch (type) {
    case ValueType::integer:
      return u".q";
    case ValueType::decimal:
      return u".f";
    case ValueType::text:
      return u".s";
  }
  return u".s";
}

}  // namespace ambrel
