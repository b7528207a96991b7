#pragma once

// The tasks that wait for the user-interface thread's idle turns
// (BackendEventPump::post_when_idle), in posting order, one a turn. User-interface thread
// only; when a turn comes is the backend's.

#include <deque>
#include <functional>
#include <utility>

namespace ambrel {

class IdleTasks {
 public:
  void add(std::function<void()> task) { tasks_.push_back(std::move(task)); }
  bool empty() const { return tasks_.empty(); }
  // The first task, taken out; an empty function when none waits.
  std::function<void()> take_first() {
    if (tasks_.empty()) return {};
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    return task;
  }

 private:
  std::deque<std::function<void()>> tasks_;
};

}  // namespace ambrel
