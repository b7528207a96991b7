#pragma once

// The tasks other threads hand to the user-interface thread (BackendEventPump::post), kept
// until the backend's pump runs them, in posting order.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace ambrel {

class PostedTasks {
 public:
  // Any thread.
  void add(std::function<void()> task);
  // Runs the tasks added so far, in order; true when there were any. What they add runs
  // next time.
  bool run();
  // Blocks until a task is there to run.
  void wait();

 private:
  std::mutex mutex_;
  std::condition_variable added_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace ambrel
