#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "services_fixture.h"
#include "xml/xml_document.h"

namespace ambrel {

// Each test starts with fresh services, whose end frees every document it leaves behind.
class XmlTest : public ServicesTest {
 protected:
  static int parse(std::u16string_view text) { return xml_parse_text(kAnyNumber, text); }
  static const XmlNode* root_of(int handle) { return xml_find_document(handle)->root; }
};

// Readable failure output for UTF-16 texts.
inline std::string utf8(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += "\\u" + std::to_string(static_cast<int>(c));
    }
  }
  return out;
}

}  // namespace ambrel
