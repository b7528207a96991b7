#include "xml/expat_status.h"

#include <expat.h>

#include <climits>

namespace ambrel {

namespace {

int clamp_to_int(XML_Size value) {
  return value > static_cast<XML_Size>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

}  // namespace

static_assert(static_cast<int>(XmlStatus::out_of_memory) == XML_ERROR_NO_MEMORY &&
                  static_cast<int>(XmlStatus::reserved_namespace_name) ==
                      XML_ERROR_RESERVED_NAMESPACE_URI,
              "the statuses are numbered as the parser numbers its errors");

XmlPosition expat_current_position(XML_ParserStruct* parser) {
  return {clamp_to_int(XML_GetCurrentLineNumber(parser)),
          clamp_to_int(XML_GetCurrentColumnNumber(parser) + 1)};
}

XmlParseResult expat_failure_result(XML_ParserStruct* parser, bool out_of_memory) {
  XmlParseResult result;
  result.status =
      out_of_memory ? XmlStatus::out_of_memory : static_cast<XmlStatus>(XML_GetErrorCode(parser));
  XmlPosition position = expat_current_position(parser);
  result.line = position.line;
  result.column = position.column;
  return result;
}

}  // namespace ambrel
