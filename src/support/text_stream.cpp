#include "support/text_stream.h"

#include <algorithm>
#include <utility>

#include "support/unicode_text.h"

namespace ambrel {

std::size_t next_piece_units(std::u16string_view rest, std::size_t limit) {
  std::size_t units = std::min(rest.size(), std::max<std::size_t>(limit, 1));
  while (units < rest.size()) {
    char16_t last = rest[units - 1];
    char16_t next = rest[units];
    bool joined =
        (last == u'\r' && next == u'\n') || (is_high_surrogate(last) && is_low_surrogate(next));
    if (!joined) break;
    units = units > 1 ? units - 1 : units + 1;
  }
  return units;
}

std::shared_ptr<TextStream> TextStream::make(Limits limits) {
  return std::shared_ptr<TextStream>(new TextStream(limits));
}

bool TextStream::append(std::u16string_view text) {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ended_ || nobody_reads_locked() || room_locked(); });
    if (ended_ || nobody_reads_locked()) return false;
  }
  add_pieces(joiner_.pass(text, false));
  return true;
}

void TextStream::add_pieces(std::u16string_view text) {
  if (text.empty()) return;
  std::deque<std::function<void()>> wakes;
  {
    std::lock_guard lock(mutex_);
    while (!text.empty()) {
      std::size_t units = next_piece_units(text, limits_.piece_units);
      pieces_.push_back(std::make_shared<const std::u16string>(text.substr(0, units)));
      text.remove_prefix(units);
      units_ += units;
    }
    wakes = due_wakes_locked();
  }
  changed_.notify_all();
  run(std::move(wakes));
}

void TextStream::close() {
  {
    std::lock_guard lock(mutex_);
    if (ended_) return;
  }
  add_pieces(joiner_.pass({}, true));
  end(false, false);
}

void TextStream::fail() { end(true, true); }

void TextStream::stop() { end(false, true); }

void TextStream::end(bool failed, bool drop) {
  std::deque<std::function<void()>> wakes;
  {
    std::lock_guard lock(mutex_);
    if (ended_) return;
    ended_ = true;
    failed_ = failed;
    if (drop) {
      first_ += pieces_.size();
      pieces_.clear();
      for (Place& place : places_) place.next = first_;
    }
    wakes = due_wakes_locked();
    if (ended_call_) wakes.push_back(std::exchange(ended_call_, nullptr));
  }
  changed_.notify_all();
  run(std::move(wakes));
}

bool TextStream::has_room() const {
  std::lock_guard lock(mutex_);
  return ended_ || nobody_reads_locked() || room_locked();
}

void TextStream::when_room(std::function<void()> wake) {
  {
    std::lock_guard lock(mutex_);
    if (!ended_ && !nobody_reads_locked() && !room_locked()) {
      room_wake_ = std::move(wake);
      return;
    }
  }
  wake();
}

void TextStream::when_ended(std::function<void()> ended) {
  {
    std::lock_guard lock(mutex_);
    if (!ended_) {
      ended_call_ = std::move(ended);
      return;
    }
  }
  ended();
}

bool TextStream::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

bool TextStream::has_text() const {
  std::lock_guard lock(mutex_);
  return units_ != 0 && !failed_;
}

std::uint64_t TextStream::units() const {
  std::lock_guard lock(mutex_);
  return units_;
}

std::unique_ptr<TextStream::Reader> TextStream::reader() {
  std::lock_guard lock(mutex_);
  any_reader_ = true;
  auto place = places_.insert(places_.end(), Place{first_, true, nullptr});
  return std::unique_ptr<Reader>(new Reader(shared_from_this(), place));
}

bool TextStream::room_locked() const {
  if (limits_.pieces_ahead == 0) return true;
  std::size_t end = first_ + pieces_.size();
  for (const Place& place : places_) {
    if (place.open && end - place.next >= limits_.pieces_ahead) return false;
  }
  return true;
}

bool TextStream::nobody_reads_locked() const {
  if (!any_reader_) return false;
  for (const Place& place : places_) {
    if (place.open) return false;
  }
  return true;
}

void TextStream::drop_passed_locked() {
  if (!any_reader_) return;
  std::size_t passed = first_ + pieces_.size();
  for (const Place& place : places_) {
    if (place.open && place.next < passed) passed = place.next;
  }
  while (first_ < passed) {
    pieces_.pop_front();
    ++first_;
  }
}

std::deque<std::function<void()>> TextStream::due_wakes_locked() {
  std::deque<std::function<void()>> wakes;
  std::size_t end = first_ + pieces_.size();
  for (Place& place : places_) {
    if (place.wake && (ended_ || place.next < end))
      wakes.push_back(std::exchange(place.wake, nullptr));
  }
  if (room_wake_ && (ended_ || nobody_reads_locked() || room_locked())) {
    wakes.push_back(std::exchange(room_wake_, nullptr));
  }
  return wakes;
}

void TextStream::run(std::deque<std::function<void()>> wakes) {
  for (const std::function<void()>& wake : wakes) wake();
}

bool TextStream::take(Place& place, bool wait, Piece& piece) {
  std::deque<std::function<void()>> wakes;
  {
    std::unique_lock lock(mutex_);
    auto there = [&] { return !place.open || ended_ || place.next < first_ + pieces_.size(); };
    if (wait) changed_.wait(lock, there);
    if (!place.open) return false;
    if (place.next >= first_ + pieces_.size()) return !ended_;
    piece = pieces_[place.next - first_];
    ++place.next;
    drop_passed_locked();
    wakes = due_wakes_locked();
  }
  changed_.notify_all();  // a writer may have room again
  run(std::move(wakes));
  return true;
}

void TextStream::call_when_more(Place& place, std::function<void()> wake) {
  {
    std::lock_guard lock(mutex_);
    if (place.open && !ended_ && place.next >= first_ + pieces_.size()) {
      place.wake = std::move(wake);
      return;
    }
  }
  wake();
}

void TextStream::close_place(Place& place) {
  std::deque<std::function<void()>> wakes;
  {
    std::lock_guard lock(mutex_);
    place.open = false;
    place.wake = nullptr;
    drop_passed_locked();
    wakes = due_wakes_locked();
  }
  changed_.notify_all();
  run(std::move(wakes));
}

void TextStream::leave(std::list<Place>::iterator place) {
  close_place(*place);
  std::lock_guard lock(mutex_);
  places_.erase(place);
}

TextStream::Reader::~Reader() { stream_->leave(place_); }

Taken TextStream::Reader::take(std::u16string_view& piece) {
  if (!next(false, piece)) return Taken::end;
  return piece.empty() ? Taken::none_yet : Taken::piece;
}

bool TextStream::Reader::wait(std::u16string_view& piece) { return next(true, piece); }

bool TextStream::Reader::next(bool wait, std::u16string_view& piece) {
  current_.reset();
  piece = {};
  if (!stream_->take(*place_, wait, current_)) return false;
  if (current_) piece = *current_;
  return true;
}

void TextStream::Reader::when_more(std::function<void()> wake) {
  stream_->call_when_more(*place_, std::move(wake));
}

void TextStream::Reader::stop() { stream_->close_place(*place_); }

}  // namespace ambrel
