// ambrel-gen as a user runs it, from one run: its cpu on generated catalogue-like files of
// 20 MB and 200 MB and on 200,000 same-named siblings against a bare parse of the same file
// by the ordinary 8-bit expat with no handlers (target: at most 1.5 times); its peak
// resident memory on 20 MB, 200 MB and a 4 GB file, the last under a 256 MiB address-space
// limit (target: at most 64 MiB); its cpu against trang making an XSD of the 20 MB file
// (target: at least 10 times less); and 100 files of 2 MB merged against one of 200 MB.
// Every program runs as a child process whose own cpu and peak come from wait4. The files
// are made in a temporary folder that is removed at the end.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_run.h"

extern char** environ;

namespace {

constexpr std::uint64_t kMegabyte = 1000 * 1000;

// A catalogue of records with attributes, mixed value types, comments and CDATA.
void write_catalogue(const std::string& path, std::uint64_t bytes, long first_record = 0) {
  std::ofstream out(path, std::ios::binary);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalog>\n";
  std::uint64_t written = 0;
  std::string record;
  for (long i = first_record; written < bytes; ++i) {
    std::string n = std::to_string(i);
    record = "  <book id=\"bk" + n + "\" lang=\"en\">\n    <author>Author " + n +
             "</author>\n    <title>Title " + n + "</title>\n    <price>" + std::to_string(i % 90) +
             ".95</price>\n    <stock>" + std::to_string(i % 17) +
             "</stock>\n    <!-- checked -->\n    <tags><tag>a</tag><tag>b</tag></tags>\n"
             "    <blurb><![CDATA[<b>Stra\xc3\x9f"
             "e</b>]]></blurb>\n  </book>\n";
    out << record;
    written += record.size();
  }
  out << "</catalog>\n";
}

void write_siblings(const std::string& path, int count) {
  std::ofstream out(path, std::ios::binary);
  out << "<root>\n";
  for (int i = 0; i < count; ++i) out << "<item id=\"" << i << "\"><v>" << i << "</v></item>\n";
  out << "</root>\n";
}

std::string file_size(const std::string& path) {
  return std::to_string(std::filesystem::file_size(path) / kMegabyte) + " MB";
}

void compare_with_expat(const std::string& gen, const std::string& expat, const std::string& path,
                        const std::string& label) {
  ChildRun bare = run_child({expat, path});
  ChildRun ours = run_child({gen, path});
  std::printf(
      "%-28s bare expat %7.2f s cpu | ambrel-gen %7.2f s cpu = %4.2f x bare (target <= 1.5) | "
      "peak %6.1f MiB (target <= 64) | exit %d/%d\n",
      label.c_str(), bare.cpu_seconds, ours.cpu_seconds, ours.cpu_seconds / bare.cpu_seconds,
      ours.peak_mib, bare.status, ours.status);
}

void compare_with_trang(const std::string& gen, const std::string& path,
                        const std::string& folder) {
  if (std::system("command -v trang >/dev/null 2>&1") != 0) {
    std::printf("trang: skipped, trang is not installed\n");
    return;
  }
  ChildRun ours = run_child({gen, path});
  ChildRun trang = run_child({"trang", "-I", "xml", "-O", "xsd", path, folder + "/out.xsd"});
  std::printf(
      "trang XSD of the 20 MB file  trang %7.2f s cpu, peak %6.1f MiB (exit %d) | ambrel-gen %5.2f "
      "s cpu "
      "= %5.1f x less (target >= 10)\n",
      trang.cpu_seconds, trang.peak_mib, trang.status, ours.cpu_seconds,
      trang.cpu_seconds / ours.cpu_seconds);
}

void four_gigabytes(const std::string& gen, const std::string& folder) {
  std::string path = folder + "/4g.xml";
  write_catalogue(path, 4000 * kMegabyte);
  ChildRun limited = run_child({gen, path}, rlim_t{256} << 20);
  std::printf(
      "%-28s under ulimit -v 256 MiB: exit %d, %7.2f s cpu, peak %6.1f MiB (target <= 64)\n",
      ("4 GB file (" + file_size(path) + ")").c_str(), limited.status, limited.cpu_seconds,
      limited.peak_mib);
  std::filesystem::remove(path);
}

void merge_against_one(const std::string& gen, const std::string& folder) {
  std::vector<std::string> argv{gen};
  for (int i = 0; i < 100; ++i) {
    argv.push_back(folder + "/part" + std::to_string(i) + ".xml");
    write_catalogue(argv.back(), 2 * kMegabyte, i * 100000L);
  }
  ChildRun merged = run_child(argv);
  ChildRun one = run_child({gen, folder + "/200m.xml"});
  std::printf(
      "100 files of 2 MB merged      %7.2f s cpu, peak %6.1f MiB | one 200 MB file %7.2f s cpu, "
      "peak %6.1f MiB "
      "(exit %d/%d)\n",
      merged.cpu_seconds, merged.peak_mib, one.cpu_seconds, one.peak_mib, merged.status,
      one.status);
  for (std::size_t i = 1; i < argv.size(); ++i) std::filesystem::remove(argv[i]);
}

}  // namespace

int main(int argc, char** argv) {
  bool skip_huge = argc > 1 && std::string(argv[1]) == "--no-4g";
  char pattern[] = "/tmp/ambrel_gen_bench_XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  std::string folder = pattern;
  std::string gen = AMBREL_GEN_PATH;
  std::string expat = BARE_EXPAT_PATH;
  std::ifstream load("/proc/loadavg");
  std::string line;
  std::getline(load, line);
  std::printf("load average at start: %s (2 cores)\n", line.c_str());

  write_catalogue(folder + "/20m.xml", 20 * kMegabyte);
  write_catalogue(folder + "/200m.xml", 200 * kMegabyte);
  write_siblings(folder + "/siblings.xml", 200000);
  compare_with_expat(gen, expat, folder + "/20m.xml", "20 MB catalogue");
  compare_with_expat(gen, expat, folder + "/200m.xml", "200 MB catalogue");
  compare_with_expat(gen, expat, folder + "/siblings.xml",
                     "200,000 siblings (" + file_size(folder + "/siblings.xml") + ")");
  compare_with_trang(gen, folder + "/20m.xml", folder);
  merge_against_one(gen, folder);
  if (!skip_huge) four_gigabytes(gen, folder);
  std::filesystem::remove_all(folder);
  std::getline(std::ifstream("/proc/loadavg"), line);
  std::printf("load average at end: %s\n", line.c_str());
  return 0;
}
