// Generates declarations for 25 MB and 100 MB documents of several shapes and prints,
// per document and from one run, generate_declarations time divided by a bare expat
// parse of the same text (equal ratios at both sizes show linear cost); then ambrel-gen's
// throughput and peak memory on a 100 MB UTF-8 file.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "expat_baseline.h"
#include "generator/generator.h"
#include "support/unicode_text.h"
#include "xml/xml_document.h"

extern char** environ;

namespace {

using ambrel::bench::bare_expat_seconds;
using ambrel::bench::seconds_since;

constexpr std::size_t kMegabyte = 1000 * 1000;

void append(std::u16string& out, const std::string& ascii) {
  for (char c : ascii) out += static_cast<char16_t>(c);
}

// Repeats `piece(i)` until the text has `units` code units, inside one root element.
std::u16string document(std::size_t units, const std::function<void(std::u16string&, long)>& piece) {
  std::u16string doc;
  doc.reserve(units + 4096);
  append(doc, "<?xml version=\"1.0\"?>\n<root>\n");
  for (long i = 0; doc.size() < units; ++i) piece(doc, i);
  append(doc, "</root>\n");
  return doc;
}

// A million-odd sibling records under one parent.
void wide_piece(std::u16string& doc, long i) {
  std::string n = std::to_string(i);
  append(doc, "  <item id=\"" + n + "\" kind=\"part\">\n    <name>Part " + n + "</name>\n    <qty>" +
                  std::to_string(i % 50) + "</qty>\n    <price>" + std::to_string(i % 90) +
                  ".5</price>\n  </item>\n");
}

// Chains 2000 levels deep: long marked paths and a long path comment for every level.
void deep_piece(std::u16string& doc, long i) {
  constexpr int kDepth = 2000;
  for (int level = 0; level < kDepth; ++level) append(doc, "<s n=\"" + std::to_string(i) + "\"><t>x</t>");
  for (int level = 0; level < kDepth; ++level) append(doc, "</s>");
  doc += u'\n';
}

// Thirty attributes per element, in mixed case.
void attribute_piece(std::u16string& doc, long i) {
  append(doc, "<rec");
  for (int a = 0; a < 30; ++a) {
    append(doc, (a % 3 == 0 ? " Attr" : " attr") + std::to_string(a) + "=\"" + std::to_string(i + a) + "\"");
  }
  append(doc, "/>\n");
}

// Mixed-case and non-ASCII names, comments, CDATA, kinds childless only sometimes.
void mixed_piece(std::u16string& doc, long i) {
  std::string n = std::to_string(i);
  append(doc, i % 2 == 0 ? "<Entry" : "<entry");
  append(doc, " Id=\"" + n + "\"><Title>T " + n + "</Title><!-- note --><Stra");
  doc += u'\u00df';
  append(doc, "e>1,5</Stra");
  doc += u'\u00df';
  append(doc, "e><data><![CDATA[<raw>]]></data>");
  append(doc, i % 3 == 0 ? "<opt/>" : "<opt><v>" + n + "</v><v>2</v></opt>");
  append(doc, i % 2 == 0 ? "</Entry>\n" : "</entry>\n");
}

void measure(const char* shape, std::size_t megabytes, void (*piece)(std::u16string&, long)) {
  std::u16string doc = document(megabytes * kMegabyte, piece);
  double bare = bare_expat_seconds(doc);
  auto start = std::chrono::steady_clock::now();
  std::u16string declarations = ambrel::generate_declarations(doc);
  double generate = seconds_since(start);
  std::printf("%-10s %4zu M units: generate %7.3f s, bare expat %6.3f s, ratio %5.2f, output %zu units\n",
              shape, megabytes, generate, bare, generate / bare, declarations.size());
}

// Writes a mixed document of about `bytes` bytes as UTF-8, a slice at a time, so that this
// process stays small and the child's peak memory is its own.
double write_utf8_document(const std::string& path, std::size_t bytes) {
  std::ofstream out(path, std::ios::binary);
  std::u16string slice;
  std::size_t written = 0;
  auto flush = [&] {
    std::string utf8 = ambrel::utf16_to_utf8(slice);
    out << utf8;
    written += utf8.size();
    slice.clear();
  };
  append(slice, "<?xml version=\"1.0\"?>\n<root>\n");
  for (long i = 0; written + slice.size() < bytes; ++i) {
    mixed_piece(slice, i);
    if (slice.size() > 1 << 20) flush();
  }
  append(slice, "</root>\n");
  flush();
  return static_cast<double>(written);
}

void measure_command(const char* command_path) {
  std::string path = "/tmp/ambrel_bench_generate.xml";
  double file_bytes = write_utf8_document(path, 100 * kMegabyte);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(command_path), path.data(), nullptr};
  auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, command_path, &actions, nullptr, argv, environ) != 0) {
    std::printf("ambrel-gen could not be started\n");
    return;
  }
  int status = 0;
  struct rusage usage {};
  wait4(child, &status, 0, &usage);
  double seconds = seconds_since(start);
  posix_spawn_file_actions_destroy(&actions);
  std::remove(path.c_str());
  double peak = static_cast<double>(usage.ru_maxrss) * 1024;
  std::printf("ambrel-gen on a %.0f MB UTF-8 file: exit %d, %.2f s, %.1f MB/s, peak %.0f MB = %.2f x file size\n",
              file_bytes / 1e6, WEXITSTATUS(status), seconds, file_bytes / 1e6 / seconds, peak / 1e6,
              peak / file_bytes);
}

}  // namespace

int main() {
  measure_command(AMBREL_GEN_PATH);  // first, while this process is still small
  ambrel::xml_library_init();
  for (std::size_t megabytes : {25, 100}) {
    measure("wide", megabytes, wide_piece);
    measure("deep", megabytes, deep_piece);
    measure("attributes", megabytes, attribute_piece);
    measure("mixed", megabytes, mixed_piece);
  }
  ambrel::xml_library_end();
  return 0;
}
