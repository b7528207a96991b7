#pragma once

// A text that another thread hands over as it arrives (a paste whose owner sends it in parts),
// read by the fill that shows it and by the worker that declares it, each from a queue of its
// own: a piece goes once both have passed it. A text that failed midway is let go: what came
// of it is only a start, and nothing reads it.

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
#include "support/text_part_joiner.h"
#include "ui/backend/backend_desktop.h"

namespace ambrel {

class ArrivingText final : public ClipboardTextSink,
                           public std::enable_shared_from_this<ArrivingText> {
 public:
  // `ended` runs once, on the thread that hands the text over, when the text has ended or
  // failed.
  ArrivingText(std::size_t piece_units, std::function<void()> ended);

  void add(std::u16string_view text) override;
  void end() override;
  void fail() override;

  // Whether any text has come.
  bool has_text() const;
  // Whether the text failed to come whole.
  bool failed() const;

  // The fill's reader: it never waits, and hands out an empty piece while the next one is on
  // its way.
  std::unique_ptr<TextSource> shown_reader();
  // The worker's reader: it waits for each piece.
  std::shared_ptr<TextSource> declared_reader();

 private:
  enum Reader { kShown, kDeclared, kReaders };
  struct Queue {
    SharedPieces pieces;
    bool open = true;            // false once its reader went or was stopped
    std::function<void()> wake;  // the reader's, waiting for more
  };
  class QueueReader;

  // Hands `text` to every open queue and wakes their readers.
  void deliver(std::u16string_view text, bool ends);
  bool take(Reader reader, bool wait, SharedPiece& piece);
  void call_when_more(Reader reader, std::function<void()> wake);
  void close(Reader reader);

  std::size_t piece_units_;
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  std::array<Queue, kReaders> queues_;
  bool any_ = false;
  bool ended_ = false;
  bool failed_ = false;
  TextPartJoiner joiner_;  // the handing thread's only
  std::function<void()> ended_call_;
};

}  // namespace ambrel
