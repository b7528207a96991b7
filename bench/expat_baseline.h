#pragma once

// The baseline the parse and generation benchmarks measure against: expat alone over the
// same UTF-16 bytes, with no handlers.

#include <expat.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench_clock.h"

namespace ambrel::bench {

inline double bare_expat_seconds(const std::u16string& doc) {
  auto start = std::chrono::steady_clock::now();
  XML_Parser parser = XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"));
  int ok = XML_Parse(parser, reinterpret_cast<const char*>(doc.data()),
                     static_cast<int>(doc.size() * sizeof(char16_t)), XML_TRUE);
  XML_ParserFree(parser);
  double seconds = seconds_since(start);
  if (ok != XML_STATUS_OK) std::printf("  (bare parse failed)\n");
  return seconds;
}

}  // namespace ambrel::bench
