#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// Each test starts with a fresh library and frees every document it leaves behind.
class XmlTest : public ::testing::Test {
 protected:
  void SetUp() override { xml_library_init(); }
  void TearDown() override { xml_library_end(); }

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
