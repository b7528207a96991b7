#pragma once

#include <string>

namespace ambrel {

// Objects nested deeper than this end the reading as malformed (with kJsonFaultTooDeep), at the
// "{" one level too deep. No real document comes near, and every level of objects is a kind
// of its own to its reader, whose paths make the declarations grow with the square of the depth.
inline constexpr int kMostNestedObjects = 1000;
// The fault codes of objects nested too deep, of a control character written raw in a
// string (which the parser calls an invalid escape), and of a value followed by what can
// start no value (which the parser calls an empty document); the other codes are the
// parser's own.
inline constexpr int kJsonFaultTooDeep = -1;
inline constexpr int kJsonFaultControlCharacter = -2;
inline constexpr int kJsonFaultAfterValue = -3;

// What a fault's place holds, when it is not a character: the end of the text, or nothing
// told (a fault in an escape is placed at its backslash, which is not what is wrong).
inline constexpr char32_t kFoundTheEnd = 0x110000;
inline constexpr char32_t kFoundUntold = 0x110001;

// How reading a JSON text ended.
enum class JsonStatus { ok, malformed, out_of_memory };

// Where and why: line and column 0 when ok; a column counts characters from 1.
struct JsonParseResult {
  JsonStatus status = JsonStatus::ok;
  int line = 0;
  int column = 0;
  int fault = 0;  // the reader's code for the fault (or one of ours above), when malformed
  char32_t found = kFoundUntold;  // the character at the fault's place, or one of the above

  bool ok() const { return status == JsonStatus::ok; }
  // What is wrong and what was found instead, in English ("Missing a comma or ']' after an
  // array element, found 'x'."); empty when ok.
  std::string message() const;
};

}  // namespace ambrel
