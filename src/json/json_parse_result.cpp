#include "json/json_parse_result.h"

#include <rapidjson/error/en.h>

namespace ambrel {

std::string JsonParseResult::message() const {
  switch (status) {
    case JsonStatus::ok:
      return {};
    case JsonStatus::malformed:
      return rapidjson::GetParseError_En(static_cast<rapidjson::ParseErrorCode>(fault));
    case JsonStatus::out_of_memory:
      return "out of memory";
  }
  return {};
}

}  // namespace ambrel
