#pragma once

#include <string>

namespace ambrel {

// How reading a JSON text ended.
enum class JsonStatus { ok, malformed, out_of_memory };

// Where and why: line and column 0 when ok; a column counts characters from 1.
struct JsonParseResult {
  JsonStatus status = JsonStatus::ok;
  int line = 0;
  int column = 0;
  int fault = 0;  // the reader's code for the fault, when malformed

  bool ok() const { return status == JsonStatus::ok; }
  // What is wrong, in English ("Missing a comma or ']' after an array element."); empty when ok.
  std::string message() const;
};

}  // namespace ambrel
