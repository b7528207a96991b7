#include "json/json_parse_result.h"

#include <rapidjson/error/en.h>

#include <cstdio>
#include <string>

namespace ambrel {

namespace {

// A character as a message shows it: printable ASCII quoted, anything else by its number,
// so that no message carries a control character or a byte a terminal would act on.
std::string shown_character(char32_t found) {
  if (found == kFoundTheEnd) return "the end of the text";
  if (found >= 0x20 && found < 0x7F) return std::string("'") + static_cast<char>(found) + "'";
  char number[16];
  std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(found));
  return number;
}

std::string fault_message(int fault) {
  if (fault == kJsonFaultTooDeep)
    return "Objects nested more than " + std::to_string(kMostNestedObjects) + " deep.";
  if (fault == kJsonFaultControlCharacter) return "Unescaped control character in string.";
  return rapidjson::GetParseError_En(static_cast<rapidjson::ParseErrorCode>(fault));
}

}  // namespace

std::string JsonParseResult::message() const {
  switch (status) {
    case JsonStatus::ok:
      return {};
    case JsonStatus::malformed: {
      if (fault == kJsonFaultAfterValue)
        return "Unexpected " + shown_character(found) + " after the end of a value.";
      std::string message = fault_message(fault);
      if (found == kFoundUntold || fault == kJsonFaultTooDeep) return message;
      message.pop_back();  // its full stop
      return message + ", found " + shown_character(found) + ".";
    }
    case JsonStatus::out_of_memory:
      return "out of memory";
  }
  return {};
}

}  // namespace ambrel
