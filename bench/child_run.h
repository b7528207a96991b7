#pragma once

// A program run as a child process, its own processor time and peak memory as wait4 counts
// them.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

struct ChildRun {
  int status = -1;
  double cpu_seconds = 0;
  double peak_mib = 0;
};

inline double timeval_seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
}

// Runs `argv` with its output to /dev/null; `address_limit` bytes of address space when not 0.
inline ChildRun run_child(const std::vector<std::string>& argv, rlim_t address_limit = 0) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::fflush(stdout);  // else the child's copy of the buffer is written once more
  pid_t child = fork();
  if (child == 0) {
    if (address_limit != 0) {
      rlimit limit{address_limit, address_limit};
      setrlimit(RLIMIT_AS, &limit);
    }
    if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(126);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
          timeval_seconds(usage.ru_utime) + timeval_seconds(usage.ru_stime),
          static_cast<double>(usage.ru_maxrss) / 1024};
}
