#include "xml/parse_result.h"

#include "support/unicode_text.h"

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

std::string XmlParseResult::message() const {
  const char16_t* text = description();
  return text != nullptr ? utf16_to_utf8(text)
                         : "error " + std::to_string(static_cast<int>(status));
}

}  // namespace ambrel
