#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/regex.h"
#include "support/unicode_text.h"
#include "xml/xml_document.h"

namespace ambrel {

class GeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    xml_library_init();
    regex_library_init();
  }
  void TearDown() override {
    regex_library_end();
    xml_library_end();
  }
};

// The expected text from lines written without their CR LF.
inline std::u16string lines(const std::vector<std::u16string>& each) {
  std::u16string out;
  for (const std::u16string& line : each) out += line + u"\r\n";
  return out;
}

// Readable failure output.
inline std::string shown(std::u16string_view text) { return utf16_to_utf8(text); }

}  // namespace ambrel
