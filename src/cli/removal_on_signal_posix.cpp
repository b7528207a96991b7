#include "cli/removal_on_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>

namespace ambrel {

namespace {

// The handler can reach nothing else: the file to remove, its name null when none. The
// folder is set before the name and read after it.
std::atomic<int> removal_folder{-1};
std::atomic<const char*> removal_name{nullptr};

extern "C" void remove_and_end(int signal) {
  const char* name = removal_name.load();
  if (name != nullptr) ::unlinkat(removal_folder.load(), name, 0);
  // The handler was reset on entry (SA_RESETHAND): the signal, raised again, arrives once
  // this returns and ends the process with the status it would have given.
  ::raise(signal);
}

}  // namespace

RemovalOnSignal::RemovalOnSignal(int folder, std::string name) : name_(std::move(name)) {
  removal_folder.store(folder);
  removal_name.store(name_.c_str());
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
  removal_name.store(nullptr);
}

HeldSignals::HeldSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (int signal : kRemovalSignals) sigaddset(&held, signal);
  sigprocmask(SIG_BLOCK, &held, &previous_);
}

HeldSignals::~HeldSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

}  // namespace ambrel
