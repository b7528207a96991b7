#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "services_fixture.h"
#include "support/unicode_text.h"
#include "xml/xml_document.h"

namespace ambrel {

// The generator itself needs no services; the reference walk it is compared with parses
// documents.
using GeneratorTest = ServicesTest;

// The expected text from lines written without their CR LF.
inline std::u16string lines(const std::vector<std::u16string>& each) {
  std::u16string out;
  for (const std::u16string& line : each) out += line + u"\r\n";
  return out;
}

// Readable failure output.
inline std::string shown(std::u16string_view text) { return utf16_to_utf8(text); }

}  // namespace ambrel
