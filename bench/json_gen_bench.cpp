// ambrel-gen on JSON as a user runs it, on a generated 200 MB document (an array of records
// with nested objects, arrays and every kind of scalar): its peak resident memory (target: at
// most 16 MiB) and its cpu against a bare pass of RapidJSON's reader over the same file read
// in 64 KiB pieces (target: at most 1.5 times). The same for the document as JSON Lines, and
// for a 200 MB dictionary (one object of a million objects under ids), which is read as a map.
// The dictionary's keys read as fields (--no-maps) cost memory in proportion to them: that is
// timed on two smaller dictionaries, one twice the other, to show the time stays linear. Both
// programs run as child processes whose cpu and peak come from wait4, kRuns times each in
// turn; each one's fastest run counts, since a shared machine only ever slows a run down. The
// files are made in a temporary folder that is removed at the end.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_run.h"

namespace {

constexpr std::uint64_t kMegabyte = 1000 * 1000;

std::string record(long i) {
  std::string n = std::to_string(i);
  return "{\"id\": " + n + ", \"title\": \"Title " + n +
         " \\u00e9t\\u00e9\", \"price\": " + std::to_string(i % 90) +
         ".95, \"in_stock\": " + (i % 3 == 0 ? "true" : "false") +
         ", \"discount\": null, \"author\": {\"name\": \"Author " + n +
         "\", \"born\": " + std::to_string(1900 + i % 100) +
         ", \"links\": [\"https://example.org/a/" + n +
         "\"]}, \"tags\": [\"a\", \"b\", \"c\"], \"ratings\": [4, 5, 3.5], "
         "\"editions\": [{\"year\": 2001, \"isbn\": \"978-0-00-" +
         n + "\"}]}";
}

// One array of records over lines, or one record per line (JSON Lines).
void write_records(const std::string& path, std::uint64_t bytes, bool lines) {
  std::ofstream out(path, std::ios::binary);
  std::uint64_t written = 0;
  if (!lines) out << "[\n";
  for (long i = 0; written < bytes; ++i) {
    std::string line = (lines || i == 0 ? "" : ",\n") + record(i);
    if (lines) line += "\n";
    out << line;
    written += line.size();
  }
  if (!lines) out << "\n]\n";
}

// One entry of a dictionary: an id as key, a small object as value, about 200 bytes.
std::string entry(long i) {
  char id[17];
  std::snprintf(id, sizeof id, "%016lx", static_cast<unsigned long>(i) * 2654435761u);
  std::string n = std::to_string(i);
  return std::string("\"") + id + "\": {\"name\": \"Item " + n + "\", \"size\": " + n +
         ", \"weight\": " + std::to_string(i % 97) +
         ".5, \"tags\": [\"a\", \"b\"], \"owner\": " + "{\"id\": " + n + ", \"mail\": \"user" + n +
         "@example.org\"}, \"note\": null, " +
         "\"active\": true, \"text\": \"a short description of the item\"}";
}

// Returns the number of entries.
long write_dictionary(const std::string& path, std::uint64_t bytes) {
  std::ofstream out(path, std::ios::binary);
  std::uint64_t written = 0;
  out << "{\n";
  long i = 0;
  for (; written < bytes; ++i) {
    std::string line = (i == 0 ? "" : ",\n") + entry(i);
    out << line;
    written += line.size();
  }
  out << "\n}\n";
  return i;
}

constexpr int kRuns = 5;

// The run with the least cpu; the largest peak of all.
void keep_fastest(ChildRun& fastest, const ChildRun& run) {
  double peak = std::max(fastest.peak_mib, run.peak_mib);
  if (fastest.status == -1 || run.cpu_seconds < fastest.cpu_seconds) fastest = run;
  fastest.peak_mib = peak;
}

void compare(const std::string& gen, const std::string& bare, const std::string& path,
             const std::string& label, const std::string& option = {}) {
  ChildRun base, ours;
  std::vector<std::string> command{gen, path};
  if (!option.empty()) command.insert(command.begin() + 1, option);
  for (int run = 0; run < kRuns; ++run) {
    keep_fastest(base, run_child({bare, path}));
    keep_fastest(ours, run_child(command));
  }
  // Keys read as fields have no target but to grow linearly.
  const char* ratio_target = option.empty() ? " (target <= 1.5)" : "";
  const char* peak_target = option.empty() ? " (target <= 16)" : "";
  std::printf(
      "%-24s bare RapidJSON %6.2f s cpu | ambrel-gen %6.2f s cpu = %4.2f x bare%s "
      "| peak %5.1f MiB%s | exit %d/%d\n",
      label.c_str(), base.cpu_seconds, ours.cpu_seconds, ours.cpu_seconds / base.cpu_seconds,
      ratio_target, ours.peak_mib, peak_target, base.status, ours.status);
}

}  // namespace

int main() {
  char pattern[] = "/tmp/ambrel_json_bench_XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  std::string folder = pattern;
  std::string line;
  std::getline(std::ifstream("/proc/loadavg"), line);
  std::printf("load average at start: %s (2 cores)\n", line.c_str());
  write_records(folder + "/200m.json", 200 * kMegabyte, false);
  write_records(folder + "/200m.jsonl", 200 * kMegabyte, true);
  compare(AMBREL_GEN_PATH, BARE_RAPIDJSON_PATH, folder + "/200m.json", "200 MB JSON document");
  compare(AMBREL_GEN_PATH, BARE_RAPIDJSON_PATH, folder + "/200m.jsonl", "200 MB of JSON Lines");
  std::filesystem::remove(folder + "/200m.json");
  std::filesystem::remove(folder + "/200m.jsonl");
  long entries = write_dictionary(folder + "/dict.json", 200 * kMegabyte);
  compare(AMBREL_GEN_PATH, BARE_RAPIDJSON_PATH, folder + "/dict.json",
          "200 MB dictionary (" + std::to_string(entries / 1000) + "k)");
  std::filesystem::remove(folder + "/dict.json");
  for (std::uint64_t megabytes : {10, 20}) {
    std::string path = folder + "/dict" + std::to_string(megabytes) + ".json";
    entries = write_dictionary(path, megabytes * kMegabyte);
    compare(AMBREL_GEN_PATH, BARE_RAPIDJSON_PATH, path,
            std::to_string(megabytes) + " MB, --no-maps (" + std::to_string(entries / 1000) + "k)",
            "--no-maps");
  }
  std::filesystem::remove_all(folder);
  std::getline(std::ifstream("/proc/loadavg"), line);
  std::printf("load average at end: %s\n", line.c_str());
  return 0;
}
