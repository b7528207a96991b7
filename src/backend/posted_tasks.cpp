#include "backend/posted_tasks.h"

#include <utility>

namespace ambrel {

void PostedTasks::add(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  added_.notify_all();
}

bool PostedTasks::run() {
  std::deque<std::function<void()>> due;
  {
    std::lock_guard lock(mutex_);
    due.swap(tasks_);
  }
  for (auto& task : due) task();
  return !due.empty();
}

void PostedTasks::wait() {
  std::unique_lock lock(mutex_);
  added_.wait(lock, [this] { return !tasks_.empty(); });
}

}  // namespace ambrel
