#include "app/editor_feed.h"

#include <utility>

namespace ambrel {

EditorFeed::EditorFeed(std::unique_ptr<ControlTextReader> reader, std::function<void()> ask)
    : reader_(std::move(reader)), ask_(std::move(ask)) {}

bool EditorFeed::next(std::u16string_view& piece) {
  std::unique_lock lock(mutex_);
  if (!asked_ && !ended_ && slices_.size() < kSlicesAhead) {
    asked_ = true;
    lock.unlock();
    ask_();
    lock.lock();
  }
  served_.wait(lock, [this] { return stopped_ || ended_ || !slices_.empty(); });
  if (stopped_ || slices_.empty()) return false;
  current_ = std::move(slices_.front());
  slices_.pop_front();
  piece = current_;
  return true;
}

void EditorFeed::stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  served_.notify_all();
}

void EditorFeed::serve() {
  std::size_t waiting = 0;
  {
    std::lock_guard lock(mutex_);
    if (ended_ || stopped_) return;
    waiting = slices_.size();
  }
  std::deque<std::u16string> read;
  bool ended = false;
  while (!ended && waiting + read.size() < kSlicesAhead) {
    std::u16string slice;
    ended = !reader_ ||
            !reader_->read(kSliceUnits, [&slice](std::u16string_view piece) { slice += piece; });
    if (!slice.empty()) read.push_back(std::move(slice));
  }
  {
    std::lock_guard lock(mutex_);
    for (std::u16string& slice : read) slices_.push_back(std::move(slice));
    ended_ = ended;
    asked_ = false;
  }
  served_.notify_all();
}

}  // namespace ambrel
