#include "json/json_parse_result.h"

#include <rapidjson/error/en.h>

#include <string>

namespace ambrel {

std::string JsonParseResult::message() const {
  switch (status) {
    case JsonStatus::ok:
      return {};
    case JsonStatus::malformed:
      if (fault == kJsonFaultTooDeep)
        return "Objects nested more than " + std::to_string(kMostNestedObjects) + " deep.";
      if (fault == kJsonFaultControlCharacter) return "Unescaped control character in string.";
      return rapidjson::GetParseError_En(static_cast<rapidjson::ParseErrorCode>(fault));
    case JsonStatus::out_of_memory:
      return "out of memory";
  }
  return {};
}

}  // namespace ambrel
