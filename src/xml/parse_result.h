#pragma once

#include <cstdint>
#include <string>

namespace ambrel {

// How a parse ended: well-formed, or the parser's error code. The parser in use may report
// codes past the last one named here; they have no description.
enum class XmlStatus : std::int32_t {
  ok = 0,
#define AMBREL_XML_STATUS(name, code, message) name = code,
#include "xml/parse_statuses.def"
#undef AMBREL_XML_STATUS
};

// What a parse left behind: status ok, line and column 0 after a well-formed text.
struct XmlParseResult {
  XmlStatus status = XmlStatus::ok;
  int line = 0;    // from 1
  int column = 0;  // from 1

  bool ok() const { return status == XmlStatus::ok; }
  // The parser's message for the status ("mismatched tag", ...), a static text; null when
  // well-formed or for a code past the named ones.
  const char16_t* description() const;
  // The description in UTF-8 for a message, or "error N" for a code past the named ones.
  std::string message() const;
};

}  // namespace ambrel
