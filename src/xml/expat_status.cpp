#include "xml/expat_status.h"

#include <expat.h>

#include <climits>

#include "xml/error_messages.h"

namespace ambrel {

namespace {

int clamp_to_int(XML_Size value) {
  return value > static_cast<XML_Size>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}

}  // namespace

XmlParseStatus expat_failure_status(XML_ParserStruct* parser, bool out_of_memory) {
  XmlParseStatus status{};
  status.status = out_of_memory ? XML_ERROR_NO_MEMORY : static_cast<int>(XML_GetErrorCode(parser));
  status.line = clamp_to_int(XML_GetCurrentLineNumber(parser));
  status.column = clamp_to_int(XML_GetCurrentColumnNumber(parser) + 1);
  status.message = xml_error_message(status.status);
  return status;
}

}  // namespace ambrel
