#include "json/piece_hand_off.h"

namespace ambrel {

void PieceHandOff::give(std::u16string_view piece) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return state_ == State::wanted || stopped_; });
  if (stopped_) return;
  piece_ = piece;
  state_ = State::given;
  changed_.notify_all();
  changed_.wait(lock, [this] { return state_ != State::given || stopped_; });
}

void PieceHandOff::end() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return state_ == State::wanted || stopped_; });
  state_ = State::ended;
  changed_.notify_all();
  changed_.wait(lock, [this] { return stopped_; });
}

bool PieceHandOff::stopped() {
  std::lock_guard lock(mutex_);
  return stopped_;
}

bool PieceHandOff::take(std::u16string_view& piece) {
  std::unique_lock lock(mutex_);
  if (state_ == State::ended) return false;
  state_ = State::wanted;
  changed_.notify_all();
  changed_.wait(lock, [this] { return state_ == State::given || state_ == State::ended; });
  if (state_ == State::ended) return false;
  piece = piece_;
  return true;
}

void PieceHandOff::stop() {
  std::lock_guard lock(mutex_);
  stopped_ = true;
  changed_.notify_all();
}

}  // namespace ambrel
