#include "app/paced_text.h"

#include <utility>
#include <vector>

namespace ambrel {

class PacedText::QueueReader final : public TextSource {
 public:
  QueueReader(std::shared_ptr<PacedText> text, Reader reader, bool waits)
      : text_(std::move(text)), reader_(reader), waits_(waits) {}
  ~QueueReader() override { text_->close(reader_); }
  QueueReader(const QueueReader&) = delete;
  QueueReader& operator=(const QueueReader&) = delete;

  bool next(std::u16string_view& piece) override {
    current_.reset();
    if (!text_->take(reader_, waits_, current_)) return false;
    piece = current_ ? std::u16string_view(*current_) : std::u16string_view();
    return true;
  }
  void stop() override { text_->close(reader_); }
  void when_more(std::function<void()> wake) override {
    text_->call_when_more(reader_, std::move(wake));
  }

 private:
  std::shared_ptr<PacedText> text_;
  Reader reader_;
  bool waits_;
  SharedPiece current_;
};

std::unique_ptr<TextSource> PacedText::shown_reader() {
  return std::make_unique<QueueReader>(shared_from_this(), kShown, false);
}

std::shared_ptr<TextSource> PacedText::declared_reader() {
  return std::make_shared<QueueReader>(shared_from_this(), kDeclared, true);
}

void PacedText::no_declared_reader() { close(kDeclared); }

bool PacedText::any_open() const {
  for (const Queue& queue : queues_) {
    if (queue.open) return true;
  }
  return false;
}

bool PacedText::room() const {
  for (const Queue& queue : queues_) {
    if (queue.open && queue.pieces.size() >= kPiecesAhead) return false;
  }
  return true;
}

bool PacedText::add(std::u16string_view text) {
  if (text.empty()) return true;
  auto piece = std::make_shared<const std::u16string>(text);
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ended_ || !any_open() || room(); });
    if (ended_ || !any_open()) return false;
    for (Queue& queue : queues_) {
      if (queue.open) queue.pieces.push_back(piece);
    }
  }
  wake_readers();
  return true;
}

void PacedText::end() {
  {
    std::lock_guard lock(mutex_);
    ended_ = true;
  }
  wake_readers();
}

void PacedText::stop() {
  {
    std::lock_guard lock(mutex_);
    ended_ = true;
    for (Queue& queue : queues_) queue.pieces.clear();
  }
  wake_readers();
}

void PacedText::wake_readers() {
  std::vector<std::function<void()>> wakes;
  {
    std::lock_guard lock(mutex_);
    for (Queue& queue : queues_) {
      if (queue.wake) wakes.push_back(std::exchange(queue.wake, nullptr));
    }
  }
  changed_.notify_all();
  for (const std::function<void()>& wake : wakes) wake();
}

bool PacedText::take(Reader reader, bool wait, SharedPiece& piece) {
  {
    std::unique_lock lock(mutex_);
    Queue& queue = queues_[reader];
    if (wait) changed_.wait(lock, [&] { return !queue.pieces.empty() || ended_ || !queue.open; });
    if (!queue.open) return false;
    if (queue.pieces.empty()) return !ended_;
    piece = std::move(queue.pieces.front());
    queue.pieces.pop_front();
  }
  changed_.notify_all();  // the reading thread may have room again
  return true;
}

void PacedText::call_when_more(Reader reader, std::function<void()> wake) {
  {
    std::lock_guard lock(mutex_);
    Queue& queue = queues_[reader];
    if (queue.pieces.empty() && !ended_ && queue.open) {
      queue.wake = std::move(wake);
      return;
    }
  }
  wake();
}

void PacedText::close(Reader reader) {
  {
    std::lock_guard lock(mutex_);
    Queue& queue = queues_[reader];
    queue.open = false;
    queue.pieces.clear();
    queue.wake = nullptr;
  }
  changed_.notify_all();
}

}  // namespace ambrel
