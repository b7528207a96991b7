#include "xml/parse_result.h"

namespace ambrel {

const char16_t* XmlParseResult::description() const {
  switch (status) {
    case XmlStatus::ok:
      return nullptr;
#define AMBREL_XML_STATUS(name, code, message) \
  case XmlStatus::name:                        \
    return message;
#include "xml/parse_statuses.def"
#undef AMBREL_XML_STATUS
  }
  return nullptr;  // a code the parser in use added after the named ones
}

}  // namespace ambrel
