#pragma once

// A text that one thread reads (from a file the user named) and hands to its readers: the
// fill that shows it and, for a pipe that can be read only once, the worker that declares it.
// The reading thread waits while the slower reader is kPiecesAhead pieces behind, so that
// what is held stays small however long the text is and however slow its readers are.

#include <array>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "app/shared_pieces.h"
#include "app/text_source.h"

namespace ambrel {

class PacedText final : public std::enable_shared_from_this<PacedText> {
 public:
  static constexpr std::size_t kPiecesAhead = 4;

  // The fill's reader: it never waits, and hands out an empty piece while the next one is on
  // its way. At most once.
  std::unique_ptr<TextSource> shown_reader();
  // The worker's reader: it waits for each piece. At most once; a text whose worker reads it
  // elsewhere closes it with no_declared_reader().
  std::shared_ptr<TextSource> declared_reader();
  void no_declared_reader();

  // The reading thread: hands `text` to the open readers, first waiting while one of them is
  // too far behind; false once no reader is left or the text was stopped.
  bool add(std::u16string_view text);
  // The reading thread: the text has ended.
  void end();
  // Any thread: add() returns false from now on, and the readers see the end.
  void stop();

 private:
  enum Reader { kShown, kDeclared, kReaders };
  struct Queue {
    SharedPieces pieces;
    bool open = true;            // false once its reader went or was stopped
    std::function<void()> wake;  // the reader's, waiting for more
  };
  class QueueReader;

  bool take(Reader reader, bool wait, SharedPiece& piece);
  void call_when_more(Reader reader, std::function<void()> wake);
  void close(Reader reader);
  // Wakes the readers that wait for more; with the mutex released.
  void wake_readers();
  bool any_open() const;
  bool room() const;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::array<Queue, kReaders> queues_;
  bool ended_ = false;
};

}  // namespace ambrel
