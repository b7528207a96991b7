#include "cli/removal_on_signal.h"

#include <unistd.h>

#include <atomic>

namespace ambrel {

namespace {

// The handler can reach nothing else: the name of the file to remove, null when none.
std::atomic<const char*> removal_path{nullptr};

extern "C" void remove_and_end(int signal) {
  const char* path = removal_path.load();
  if (path != nullptr) ::unlink(path);
  // The handler was reset on entry (SA_RESETHAND): the signal, raised again, arrives once
  // this returns and ends the process with the status it would have given.
  ::raise(signal);
}

}  // namespace

RemovalOnSignal::RemovalOnSignal(std::string path) : path_(std::move(path)) {
  removal_path.store(path_.c_str());
  struct sigaction removing {};
  removing.sa_handler = remove_and_end;
  removing.sa_flags = SA_RESETHAND;
  sigemptyset(&removing.sa_mask);
  for (int signal : kRemovalSignals) sigaddset(&removing.sa_mask, signal);  // one at a time
  for (std::size_t i = 0; i < std::size(kRemovalSignals); ++i) {
    sigaction(kRemovalSignals[i], nullptr, &previous_[i]);
    if (previous_[i].sa_handler != SIG_IGN) sigaction(kRemovalSignals[i], &removing, nullptr);
  }
}

RemovalOnSignal::~RemovalOnSignal() {
  for (std::size_t i = 0; i < std::size(kRemovalSignals); ++i)
    sigaction(kRemovalSignals[i], &previous_[i], nullptr);
  removal_path.store(nullptr);
}

HeldSignals::HeldSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (int signal : kRemovalSignals) sigaddset(&held, signal);
  sigprocmask(SIG_BLOCK, &held, &previous_);
}

HeldSignals::~HeldSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

}  // namespace ambrel
