#pragma once

// What the editor probes share: their options, their main, the one line a child prints for
// its case, and the tables the parent makes of them. Plain C++, for the Linux and the Windows
// probe alike; each probe brings its cases and its way of running a child.

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace ambrel::bench {

// "a,b,c" as its items.
inline std::vector<std::string> split_list(const std::string& list) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    if (comma > start) items.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

// Every case when no names were given.
inline bool wanted(const std::vector<std::string>& names, const char* name) {
  if (names.empty()) return true;
  for (const std::string& n : names) {
    if (n == name) return true;
  }
  return false;
}

// A case's figures: the time of its own step and of showing the result, the memory beyond
// the text at the peak and afterwards, the input's size and whether the text came through.
struct CaseFigures {
  double step_seconds = 0;
  double show_seconds = 0;
  long long peak_kib = 0;
  long long held_kib = 0;
  unsigned long long input_bytes = 0;
  std::string check = "ok";
};

// The child's one line.
inline void print_case_line(const CaseFigures& figures) {
  std::printf("%.3f\t%.3f\t%lld\t%lld\t%llu\t%s\n", figures.step_seconds, figures.show_seconds,
              figures.peak_kib, figures.held_kib, figures.input_bytes, figures.check.c_str());
  std::fflush(stdout);
}

inline void print_table_header() {
  std::printf("%-20s %8s %8s %8s %9s %9s %6s %6s  %s\n", "case", "step s", "show s", "s/MB",
              "peak MiB", "held MiB", "peak/B", "held/B", "check");
}

// What a child left: its line, or what it overran ("over 300 s", "over 6144 MiB") when it was
// ended for it.
struct ChildResult {
  std::string line;
  std::string over;
};

// The row of a case from its child's line; `over` says what the child overran, when it left
// no line.
inline void print_table_row(const char* name, const std::string& line, const std::string& over) {
  CaseFigures f;
  char check[160] = "";
  if (line.empty() ||
      std::sscanf(line.c_str(), "%lf\t%lf\t%lld\t%lld\t%llu\t%159[^\n]", &f.step_seconds,
                  &f.show_seconds, &f.peak_kib, &f.held_kib, &f.input_bytes, check) < 5 ||
      f.input_bytes == 0) {
    std::printf("%-20s %s\n", name, over.empty() ? "failed" : over.c_str());
    std::fflush(stdout);
    return;
  }
  double megabytes = static_cast<double>(f.input_bytes) / 1e6;
  double kib_per_byte = 1024 / static_cast<double>(f.input_bytes);
  std::printf("%-20s %8.3f %8.3f %8.3f %9.1f %9.1f %6.1f %6.1f  %s\n", name, f.step_seconds,
              f.show_seconds, (f.step_seconds + f.show_seconds) / megabytes,
              static_cast<double>(f.peak_kib) / 1024, static_cast<double>(f.held_kib) / 1024,
              static_cast<double>(f.peak_kib) * kib_per_byte,
              static_cast<double>(f.held_kib) * kib_per_byte, check);
  std::fflush(stdout);
}

struct ProbeOptions {
  std::vector<std::size_t> sizes;
  std::vector<std::string> cases;  // empty: all
  double limit_seconds = 0;
  long memory_cap_mib = 0;
};

inline constexpr const char* kProbeUsage =
    "[--limit SECONDS] [--memory-cap MIB] [--sizes N,...] [--cases NAME,...]";

// The options of kProbeUsage over the defaults in `options`; false on anything else.
inline bool parse_probe_options(int argc, char** argv, ProbeOptions& options) {
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 == argc) return false;
    std::string option = argv[i];
    if (option == "--limit") {
      options.limit_seconds = std::atof(argv[i + 1]);
    } else if (option == "--memory-cap") {
      options.memory_cap_mib = std::atol(argv[i + 1]);
    } else if (option == "--sizes") {
      options.sizes.clear();
      for (const std::string& size : split_list(argv[i + 1]))
        options.sizes.push_back(std::strtoul(size.c_str(), nullptr, 10));
    } else if (option == "--cases") {
      options.cases = split_list(argv[i + 1]);
    } else {
      return false;
    }
  }
  return options.limit_seconds > 0 && options.memory_cap_mib > 0 && !options.sizes.empty();
}

// Every wanted case at every size, one table per size, each row from a child that `run_child`
// (case name, size) runs; `load` says how busy the machine is.
template <class Case>
void print_tables(const std::vector<Case>& cases, const ProbeOptions& options, const char* unit,
                  const std::function<std::string()>& load,
                  const std::function<ChildResult(const char*, std::size_t)>& run_child) {
  for (const Case& probe_case : cases) {
    if (wanted(options.cases, probe_case.name))
      std::printf("  %-20s %s\n", probe_case.name, probe_case.what);
  }
  for (std::size_t size : options.sizes) {
    std::printf("\n%zu %s  (load %s)\n", size, unit, load().c_str());
    print_table_header();
    for (const Case& probe_case : cases) {
      if (!wanted(options.cases, probe_case.name)) continue;
      ChildResult child = run_child(probe_case.name, size);
      print_table_row(probe_case.name, child.line, child.over);
    }
  }
}

// A probe's main: with "--case NAME SIZE" it runs that case here (`run_one`); otherwise the
// options over `options` choose what `run_tables` prints.
template <class Case>
int probe_main(int argc, char** argv, const std::vector<Case>& cases, ProbeOptions options,
               const char* unit, const std::function<int(const Case&, std::size_t)>& run_one,
               const std::function<void(const ProbeOptions&)>& run_tables) {
  if (argc == 4 && std::string(argv[1]) == "--case") {
    for (const Case& probe_case : cases) {
      if (probe_case.name == std::string(argv[2]))
        return run_one(probe_case, std::strtoul(argv[3], nullptr, 10));
    }
    return 2;
  }
  if (!parse_probe_options(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s %s (sizes in %s)\n", argv[0], kProbeUsage, unit);
    return 2;
  }
  run_tables(options);
  return 0;
}

}  // namespace ambrel::bench
