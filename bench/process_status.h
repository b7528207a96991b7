#pragma once

// Figures of this process and of the machine as the kernel counts them.

#include <cstring>
#include <fstream>
#include <string>

// A number from /proc/self/status (such as "VmRSS:" or "VmHWM:"), in kB; -1 when absent.
inline long status_kilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0) return std::stol(line.substr(length + 1));
  }
  return -1;
}

// The machine's load averages over 1, 5 and 15 minutes, as "0.52 0.61 0.70".
inline std::string load_average() {
  std::ifstream loadavg("/proc/loadavg");
  std::string one, five, fifteen;
  loadavg >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}
