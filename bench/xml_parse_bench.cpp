// Parses 100 MB (of UTF-16) documents with xml_parse_text and prints, per document:
// the time against a bare expat parse of the same bytes with no handlers, and the
// memory the parse needs per byte of UTF-16 input.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "expat_baseline.h"
#include "services/services.h"
#include "xml/xml_document.h"

namespace {

using ambrel::kAnyNumber;
using ambrel::bench::bare_expat_seconds;
using ambrel::bench::seconds_since;

constexpr std::size_t kDocumentBytes = 100u * 1000 * 1000;
constexpr std::size_t kDocumentUnits = kDocumentBytes / sizeof(char16_t);
constexpr int kRounds = 5;

void append_ascii(std::u16string& out, const std::string& text) {
  for (char c : text) out += static_cast<char16_t>(c);
}

// Many shallow records with attributes, short texts and indentation, like a catalogue.
std::u16string wide_document() {
  std::u16string doc;
  doc.reserve(kDocumentUnits + 1024);
  append_ascii(doc, "<?xml version=\"1.0\"?>\n<catalog>\n");
  for (long i = 0; doc.size() < kDocumentUnits; ++i) {
    std::string n = std::to_string(i);
    append_ascii(doc, "  <book id=\"bk" + n + "\" lang=\"en\">\n    <author>Author " +
                          std::to_string(i % 1000) + "</author>\n    <title>The title of book " +
                          n + "</title>\n    <price>" + std::to_string(i % 100) +
                          ".95</price>\n    <date>2024-01-" + std::to_string(i % 28 + 1) +
                          "</date>\n  </book>\n");
  }
  append_ascii(doc, "</catalog>\n");
  return doc;
}

// Sections nested 500 deep, each with an attribute, a heading and a paragraph.
std::u16string deep_document() {
  constexpr int kDepth = 500;
  std::u16string doc;
  doc.reserve(kDocumentUnits + 1024);
  append_ascii(doc, "<document>\n");
  for (long i = 0; doc.size() < kDocumentUnits; ++i) {
    for (int level = 0; level < kDepth; ++level) {
      append_ascii(doc, "<section level=\"" + std::to_string(level) + "\"><h>Heading " +
                            std::to_string(i) + "</h>Some text at this level.\n");
    }
    for (int level = 0; level < kDepth; ++level) append_ascii(doc, "</section>");
    doc += u'\n';
  }
  append_ascii(doc, "</document>\n");
  return doc;
}

double model_seconds(const std::u16string& doc) {
  auto start = std::chrono::steady_clock::now();
  int handle = ambrel::xml_parse_text(kAnyNumber, doc);
  double seconds = seconds_since(start);
  if (!ambrel::xml_parse_result(handle).ok()) std::printf("  (model parse failed)\n");
  ambrel::xml_free_document(handle);
  return seconds;
}

// Resident-set figures of this process in bytes: "VmRSS" now, "VmHWM" the peak.
long status_bytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size())) * 1024;
  }
  return -1;
}

void reset_peak_memory() { std::ofstream("/proc/self/clear_refs") << "5"; }

void measure_memory(const std::u16string& doc) {
  double input_bytes = static_cast<double>(doc.size() * sizeof(char16_t));
  reset_peak_memory();
  long before = status_bytes("VmRSS");
  int handle = ambrel::xml_parse_text(kAnyNumber, doc);
  long peak = status_bytes("VmHWM");
  long after = status_bytes("VmRSS");
  std::printf(
      "  peak memory during the parse: %.2f bytes per input byte "
      "(includes expat's own copy of the input)\n",
      static_cast<double>(peak - before) / input_bytes);
  std::printf("  parsed tree kept afterwards:  %.2f bytes per input byte\n",
              static_cast<double>(after - before) / input_bytes);
  ambrel::xml_free_document(handle);
}

void measure_time(const std::u16string& doc) {
  double bare = 1e30;
  double model = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    bare = std::min(bare, bare_expat_seconds(doc));
    model = std::min(model, model_seconds(doc));
  }
  std::printf("  bare expat %.3f s, xml_parse_text %.3f s: time ratio %.2f (best of %d)\n", bare,
              model, model / bare, kRounds);
}

void run(const char* name, const std::u16string& doc) {
  std::printf("%s document: %zu UTF-16 bytes\n", name, doc.size() * sizeof(char16_t));
  measure_memory(doc);
  measure_time(doc);
}

}  // namespace

int main() {
  std::unique_ptr<ambrel::Services> services = ambrel::Services::start();
  if (!services) return 1;
  run("wide", wide_document());
  run("deep", deep_document());
  return 0;
}
