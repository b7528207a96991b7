#include "app/arriving_text.h"

#include <utility>
#include <vector>

namespace ambrel {

class ArrivingText::QueueReader final : public TextSource {
 public:
  QueueReader(std::shared_ptr<ArrivingText> text, Reader reader, bool waits)
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
  std::shared_ptr<ArrivingText> text_;
  Reader reader_;
  bool waits_;
  SharedPiece current_;
};

ArrivingText::ArrivingText(std::size_t piece_units, std::function<void()> ended)
    : piece_units_(piece_units), ended_call_(std::move(ended)) {}

void ArrivingText::add(std::u16string_view text) { deliver(text, false); }

void ArrivingText::end() { deliver(u"", true); }

void ArrivingText::fail() {
  std::vector<std::function<void()>> wakes;
  std::function<void()> ended;
  {
    std::lock_guard lock(mutex_);
    if (ended_) return;
    for (Queue& queue : queues_) {
      queue.pieces.clear();
      queue.open = false;
      if (queue.wake) wakes.push_back(std::exchange(queue.wake, nullptr));
    }
    ended_ = true;
    failed_ = true;
    ended = std::exchange(ended_call_, nullptr);
  }
  arrived_.notify_all();
  for (const std::function<void()>& wake : wakes) wake();
  if (ended) ended();
}

bool ArrivingText::has_text() const {
  std::lock_guard lock(mutex_);
  return any_;
}

bool ArrivingText::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

std::unique_ptr<TextSource> ArrivingText::shown_reader() {
  return std::make_unique<QueueReader>(shared_from_this(), kShown, false);
}

std::shared_ptr<TextSource> ArrivingText::declared_reader() {
  return std::make_shared<QueueReader>(shared_from_this(), kDeclared, true);
}

void ArrivingText::deliver(std::u16string_view text, bool ends) {
  SharedPieces pieces = cut_into_pieces(joiner_.pass(text, ends), piece_units_);
  if (pieces.empty() && !ends) return;
  std::vector<std::function<void()>> wakes;
  std::function<void()> ended;
  {
    std::lock_guard lock(mutex_);
    if (ended_) return;
    for (Queue& queue : queues_) {
      if (!queue.open) continue;
      queue.pieces.insert(queue.pieces.end(), pieces.begin(), pieces.end());
      if (queue.wake) wakes.push_back(std::exchange(queue.wake, nullptr));
    }
    any_ = any_ || !pieces.empty();
    ended_ = ends;
    if (ends) ended = std::exchange(ended_call_, nullptr);
  }
  arrived_.notify_all();
  for (const std::function<void()>& wake : wakes) wake();
  if (ended) ended();
}

bool ArrivingText::take(Reader reader, bool wait, SharedPiece& piece) {
  std::unique_lock lock(mutex_);
  Queue& queue = queues_[reader];
  if (wait) arrived_.wait(lock, [&] { return !queue.pieces.empty() || ended_ || !queue.open; });
  if (!queue.open) return false;
  if (queue.pieces.empty()) return !ended_;
  piece = std::move(queue.pieces.front());
  queue.pieces.pop_front();
  return true;
}

void ArrivingText::call_when_more(Reader reader, std::function<void()> wake) {
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

void ArrivingText::close(Reader reader) {
  {
    std::lock_guard lock(mutex_);
    Queue& queue = queues_[reader];
    queue.open = false;
    queue.pieces.clear();
    queue.wake = nullptr;
  }
  arrived_.notify_all();
}

}  // namespace ambrel
