// Generates declarations for documents of several shapes (10 and 40 million UTF-16 units,
// and 200,000 same-named siblings) and prints, per document and from one run, the cpu
// time of the event-driven generation (fed in 64 Ki-unit pieces) and of the tree path
// (parse into a document, walk, print), each divided by a bare parse of the same text by
// the UTF-16 expat with no handlers (equal ratios at both sizes show linear cost), and
// the peak memory each needs beyond the text. Each measurement runs in a child process so
// that its peak is its own. Then ambrel-gen's throughput and peak memory on a 100 MB
// UTF-8 file.

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "expat_baseline.h"
#include "generator/catalogue.h"
#include "generator/declaration_generator.h"
#include "tree_catalogue.h"
#include "whole_text_generator.h"
#include "generator/declarations.h"
#include "process_status.h"
#include "services/services.h"
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
std::u16string document(std::size_t units,
                        const std::function<void(std::u16string&, long)>& piece) {
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
  append(doc, "  <item id=\"" + n + "\" kind=\"part\">\n    <name>Part " + n +
                  "</name>\n    <qty>" + std::to_string(i % 50) + "</qty>\n    <price>" +
                  std::to_string(i % 90) + ".5</price>\n  </item>\n");
}

// Chains 2000 levels deep: long marked paths and a long path comment for every level.
void deep_piece(std::u16string& doc, long i) {
  constexpr int kDepth = 2000;
  for (int level = 0; level < kDepth; ++level)
    append(doc, "<s n=\"" + std::to_string(i) + "\"><t>x</t>");
  for (int level = 0; level < kDepth; ++level) append(doc, "</s>");
  doc += u'\n';
}

// Thirty attributes per element, in mixed case.
void attribute_piece(std::u16string& doc, long i) {
  append(doc, "<rec");
  for (int a = 0; a < 30; ++a) {
    append(doc, (a % 3 == 0 ? " Attr" : " attr") + std::to_string(a) + "=\"" +
                    std::to_string(i + a) + "\"");
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

// Two hundred thousand records of one name under the root, each with child elements.
void sibling_piece(std::u16string& doc, long i) {
  std::string n = std::to_string(i);
  append(doc, "<item id=\"" + n + "\"><v>" + n + "</v></item>\n");
}

double cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Cost {
  double cpu_seconds;
  double peak_megabytes;  // beyond what the process held before
  std::size_t output_units;
};

// Runs `work` in a child process, with the peak resident size reset at its start.
Cost in_child(const std::function<std::size_t()>& work) {
  malloc_trim(0);
  int channel[2];
  if (pipe(channel) != 0) return {};
  pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    std::ofstream("/proc/self/clear_refs") << "5";  // resets the peak to the current size
    long before = status_kilobytes("VmRSS:");
    double start = cpu_seconds();
    std::size_t units = work();
    Cost cost{cpu_seconds() - start,
              static_cast<double>(status_kilobytes("VmHWM:") - before) / 1024, units};
    ssize_t written = write(channel[1], &cost, sizeof cost);
    _exit(written == sizeof cost ? 0 : 1);
  }
  close(channel[1]);
  Cost cost{};
  if (read(channel[0], &cost, sizeof cost) != sizeof cost) std::printf("  (measurement failed)\n");
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return cost;
}

std::size_t bare_parse(const std::u16string& doc) {
  bare_expat_seconds(doc);
  return 0;
}

std::size_t event_generation(const std::u16string& doc) {
  constexpr std::size_t kPieceUnits = 64 * 1024;
  ambrel::DeclarationGenerator generator;
  for (std::size_t at = 0; at < doc.size(); at += kPieceUnits) {
    generator.feed(std::u16string_view(doc).substr(at, kPieceUnits));
  }
  return finish_generation(generator).text.size();
}

std::size_t tree_generation(const std::u16string& doc) {
  std::unique_ptr<ambrel::Services> services = ambrel::Services::start();
  if (!services) return 0;
  int document = ambrel::xml_parse_text(ambrel::kAnyNumber, doc);
  ambrel::ElementCatalogue catalogue;
  ambrel::catalogue_elements(ambrel::xml_main_node(document), catalogue);
  ambrel::xml_free_document(document);
  return ambrel::print_declarations(catalogue).size();
}

void measure(const char* shape, const std::u16string& doc) {
  Cost bare = in_child([&] { return bare_parse(doc); });
  Cost events = in_child([&] { return event_generation(doc); });
  Cost tree = in_child([&] { return tree_generation(doc); });
  std::printf(
      "%-10s %5.1f M units: bare parse %6.3f s | events %6.3f s = %4.2f x bare, peak +%6.1f MB |"
      " tree %6.3f s = %4.2f x bare, peak +%7.1f MB | %s output\n",
      shape, static_cast<double>(doc.size()) / 1e6, bare.cpu_seconds, events.cpu_seconds,
      events.cpu_seconds / bare.cpu_seconds, events.peak_megabytes, tree.cpu_seconds,
      tree.cpu_seconds / bare.cpu_seconds, tree.peak_megabytes,
      events.output_units == tree.output_units ? "same" : "DIFFERENT");
}

void measure_shape(const char* shape, std::size_t units, void (*piece)(std::u16string&, long)) {
  measure(shape, document(units, piece));
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
  std::printf(
      "ambrel-gen on a %.0f MB UTF-8 file: exit %d, %.2f s, %.1f MB/s, peak %.0f MB = %.2f x file "
      "size\n",
      file_bytes / 1e6, WEXITSTATUS(status), seconds, file_bytes / 1e6 / seconds, peak / 1e6,
      peak / file_bytes);
}

}  // namespace

int main() {
  measure_command(AMBREL_GEN_PATH);  // first, while this process is still small
  std::printf("load average at start: %s",
              [] {
                std::ifstream load("/proc/loadavg");
                std::string line;
                std::getline(load, line);
                return line + "\n";
              }()
                  .c_str());
  for (std::size_t millions : {10, 40}) {
    measure_shape("wide", millions * kMegabyte, wide_piece);
    measure_shape("deep", millions * kMegabyte, deep_piece);
    measure_shape("attributes", millions * kMegabyte, attribute_piece);
    measure_shape("mixed", millions * kMegabyte, mixed_piece);
  }
  std::u16string siblings;
  append(siblings, "<root>\n");
  for (long i = 0; i < 200000; ++i) sibling_piece(siblings, i);
  append(siblings, "</root>\n");
  measure("siblings", siblings);
  return 0;
}
