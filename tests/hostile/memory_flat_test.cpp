// Regenerating the same document again and again, as the tool does after every pause in
// typing, must not hold on to memory: no leak, no cache that grows per call.

#include <gtest/gtest.h>

#include <string>

#include "whole_text_generator.h"
#include "hostile_text.h"
#include "live_heap.h"

namespace ambrel {
namespace {

std::u16string catalogue_document() {
  std::u16string document = u"<?xml version='1.0'?>\r\n<catalog>\r\n";
  for (int i = 0; i < 200; ++i) {
    std::u16string n = utf8_to_utf16(std::to_string(i));
    document += u"  <book id='b" + n + u"' lang='en'>\r\n    <title>Title " + n +
                u"</title>\r\n"
                u"    <price>" +
                n +
                u".95</price>\r\n    <tags><tag>x</tag><tag>y</tag></tags>\r\n"
                u"    <!-- note " +
                n + u" --><stock>" + n + u"</stock>\r\n  </book>\r\n";
  }
  return document + u"</catalog>\r\n";
}

TEST(MemoryFlatTest, AThousandRegenerationsHoldNoMoreMemoryThanTheFirstFew) {
  const std::u16string document = catalogue_document();
  const std::u16string expected = generate_declarations(document);
  for (int i = 0; i < 20; ++i) generate_declarations(document);
  const std::size_t before = live_heap_bytes();
  bool same = true;
  for (int i = 0; i < 1000; ++i) same = same && generate_declarations(document) == expected;
  const std::size_t after = live_heap_bytes();
  EXPECT_TRUE(same);
  // The document is ~50 KB and its tree far more: a leak of even a tenth of one
  // generation per round would pass this bound a hundred times over.
  EXPECT_LT(after, before + 256 * 1024) << "before " << before << ", after " << after;
}

}  // namespace
}  // namespace ambrel
