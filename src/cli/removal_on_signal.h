#pragma once

// POSIX systems: a file that SIGINT, SIGTERM and SIGHUP remove before they end the process,
// so that an interrupted run leaves no temporary file behind.

#include <csignal>
#include <iterator>
#include <string>

namespace ambrel {

inline constexpr int kRemovalSignals[] = {SIGINT, SIGTERM, SIGHUP};

// While it lives, SIGINT, SIGTERM and SIGHUP remove the file and then end the process as
// they would have without it. Signals the process ignores stay ignored. One lives at a
// time.
class RemovalOnSignal {
 public:
  // The file `name` in the open folder `folder`, which must stay open while this lives.
  RemovalOnSignal(int folder, std::string name);
  ~RemovalOnSignal();  // the signals are handled as before again
  RemovalOnSignal(const RemovalOnSignal&) = delete;
  RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;

 private:
  std::string name_;
  struct sigaction previous_[std::size(kRemovalSignals)];
};

// While it lives, those signals wait; they arrive when it ends. Making a file and guarding
// it under one keeps a signal from falling between the two.
class HeldSignals {
 public:
  HeldSignals();
  ~HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace ambrel
