#pragma once

#include <condition_variable>
#include <mutex>
#include <string_view>

namespace ambrel {

// Hands the pieces of a text from the thread that has them to a thread that reads them and
// asks for each next one from deep inside its reading. One piece at a time: the giver waits
// until the reader is done with it, so nothing is copied and only one of the two threads
// runs at any moment.
class PieceHandOff {
 public:
  // Giver: hands over `piece` and returns once the reader asks for the next one or has
  // stopped reading.
  void give(std::u16string_view piece);
  // Giver: no piece follows; returns once the reader has stopped.
  void end();
  // Giver: whether the reader has stopped.
  bool stopped();

  // Reader: the next piece (the one before is done with); false once the giver ended.
  bool take(std::u16string_view& piece);
  // Reader: it reads no further; a giver waiting goes on.
  void stop();

 private:
  enum class State { reading, wanted, given, ended };

  std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = State::reading;
  bool stopped_ = false;
  std::u16string_view piece_;
};

}  // namespace ambrel
