#pragma once

#include <string>

namespace ambrel {

// Objects nested deeper than this end the reading as malformed (with kJsonFaultTooDeep), at the
// "{" one level too deep. No real document comes near, and every level of objects is a kind
// of its own to its reader, whose paths make the declarations grow with the square of the depth.
inline constexpr int kMostNestedObjects = 1000;
// The fault codes of objects nested too deep and of a control character written raw in a
// string (which the parser calls an invalid escape); the other codes are the parser's own.
inline constexpr int kJsonFaultTooDeep = -1;
inline constexpr int kJsonFaultControlCharacter = -2;

// How reading a JSON text ended.
enum class JsonStatus { ok, malformed, out_of_memory };

// Where and why: line and column 0 when ok; a column counts characters from 1.
struct JsonParseResult {
  JsonStatus status = JsonStatus::ok;
  int line = 0;
  int column = 0;
  int fault = 0;  // the reader's code for the fault (or one of ours above), when malformed

  bool ok() const { return status == JsonStatus::ok; }
  // What is wrong, in English ("Missing a comma or ']' after an array element."); empty when ok.
  std::string message() const;
};

}  // namespace ambrel
