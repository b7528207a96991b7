#pragma once

// Memory figures of this process as the kernel counts them.

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
