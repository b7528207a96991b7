#include "dialog/definition/attribute_values.h"

#include "dialog/definition/message_text.h"
#include "dialog/definition/name_compare.h"
#include "dialog/definition/runtime_registry.h"
#include "dialog/definition/attribute_words.h"
#include "dialog/layout/layout_types.h"
#include "support/object_registry.h"
#include "support/unicode_text.h"

namespace ambrel {
namespace {

// Warns when `used` is not simply the number the attribute's text spells.
void warn_about_number(const ElementView& element, int attribute,
                       const layout::DecimalReading& reading, std::int32_t used) {
  std::string name = element.written_name(attribute);
  std::string text = utf16_to_utf8(element.attribute_value(attribute));
  std::string number = std::to_string(used);
  if (!reading.whole) {
    element.warn(attribute, message_text({name, " '", text, "' is read as ", number}));
  } else if (reading.saturated || used != reading.value) {
    element.warn(attribute, message_text({name, " ", text, " is held as ", number}));
  }
}

// A decimal attribute, after `keep` has put the value in range.
template <class Keep>
std::int32_t read_decimal_attribute_kept(const ElementView& element, int attribute, Keep keep) {
  element.mark_read(attribute);
  layout::DecimalReading reading = layout::read_decimal_in_full(element.attribute_value(attribute));
  std::int32_t used = keep(reading.value);
  warn_about_number(element, attribute, reading, used);
  return used;
}

}  // namespace

std::int32_t read_number(std::u16string_view value) {
  if (runtime_is_defined(value)) return runtime_value(value);
  return layout::read_decimal(value);
}

bool read_yes_no(std::u16string_view value) { return names_equal(value, u"yes"); }

std::int32_t read_number_attribute(const ElementView& element, int attribute) {
  std::u16string_view value = element.attribute_value(attribute);
  if (runtime_is_defined(value)) {
    element.mark_read(attribute);
    return runtime_value(value);
  }
  return read_decimal_attribute(element, attribute);
}

bool read_yes_no_attribute(const ElementView& element, int attribute) {
  element.mark_read(attribute);
  std::u16string_view value = element.attribute_value(attribute);
  bool yes = read_yes_no(value);
  if (!yes && !names_equal(value, u"no")) {
    element.warn(attribute,
                 message_text({element.written_name(attribute), " '", utf16_to_utf8(value),
                               "' is read as no: only 'yes' means yes"}));
  }
  return yes;
}

std::int32_t read_decimal_attribute(const ElementView& element, int attribute) {
  return read_decimal_attribute_kept(element, attribute, [](std::int32_t value) { return value; });
}

std::int32_t read_figure_attribute(const ElementView& element, int attribute) {
  return read_decimal_attribute_kept(element, attribute, layout::clamp_figure);
}

std::int32_t read_id(const ElementView& element, int attribute, DialogError& error) {
  std::u16string_view value = element.attribute_value(attribute);
  if (value.empty() || value.front() != u'#') return read_number_attribute(element, attribute);
  element.mark_read(attribute);
  if (names_equal(value, u"#KV_Any")) return kAnyNumber;
  if (runtime_is_defined(value)) return runtime_value(value);
  error.record(kConstantNotFoundError, {value, u""}, element.place(attribute));
  return kAnyNumber;
}

std::int32_t read_numeric_attribute(const ElementView& element, std::u16string_view name,
                                    std::int32_t fallback) {
  int index = find_attribute_index(element, name);
  return index < 0 ? fallback : read_number_attribute(element, index);
}

}  // namespace ambrel
