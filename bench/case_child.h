#pragma once

// Runs one measurement of a probe in a child process of its own (this same program with
// other arguments), so that its peak memory is its own and a case that runs away, in time or
// in memory (the machine is shared), is ended: the child's one line of standard output is the
// result, or nothing when it overran or failed (its standard error, the toolkit's chatter, is
// dropped).

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "probe_table.h"

extern char** environ;

namespace ambrel::bench {

inline long resident_mib(pid_t process) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6)) / 1024;
  }
  return 0;
}

inline ChildResult run_case_child(std::vector<std::string> arguments, double limit_seconds,
                                  long memory_cap_mib) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  int spawned = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  if (spawned != 0) {
    close(pipe_ends[0]);
    return {};
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit_seconds);
  ChildResult result;
  for (;;) {
    if (std::chrono::steady_clock::now() >= deadline) {
      result.over = "over " + std::to_string(static_cast<long>(limit_seconds)) + " s";
      break;
    }
    if (resident_mib(child) > memory_cap_mib) {
      result.over = "over " + std::to_string(memory_cap_mib) + " MiB";
      break;
    }
    pollfd ready{pipe_ends[0], POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) continue;
    char buffer[4096];
    ssize_t got = read(pipe_ends[0], buffer, sizeof buffer);
    if (got <= 0) break;
    result.line.append(buffer, static_cast<std::size_t>(got));
  }
  if (!result.over.empty()) {
    kill(child, SIGKILL);
    result.line.clear();
  }
  waitpid(child, nullptr, 0);
  close(pipe_ends[0]);
  return result;
}

}  // namespace ambrel::bench
