#pragma once

// A text that moves in pieces from whoever has it (a file being read, the clipboard's owner,
// an editor read a slice at a time) to whoever uses it (the editor that shows it, the worker
// that declares it, a paste), each on a thread of its own.
//
// Writers append from any thread, one call at a time, and end the text: close() when all of
// it came, fail() when it cannot come whole (what came is then only a start, and nobody reads
// it). No piece ends between a CR and its LF nor inside a surrogate pair, wherever the writer's
// parts were cut: a last unit that may join the next part's first waits for it.
//
// Any number of readers share the pieces; a piece goes once every reader has passed it (all
// are kept while no reader was made). A reader takes what is there without waiting, waits,
// is told when more comes, or stops. With a limit of pieces ahead, a writer waits while a
// reader is that far behind, so that what is held stays small however slow the reader.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "support/text_part_joiner.h"

namespace ambrel {

// The units of a piece of a text the program was given whole or in parts of any size.
inline constexpr std::size_t kTextPieceUnits = std::size_t{1} << 16;

// How many units of `rest` make its next piece: at most `limit` (at least 1), but never
// ending between a CR and its LF or inside a surrogate pair, which readers of pieces would
// take as two line ends or two broken characters.
std::size_t next_piece_units(std::u16string_view rest, std::size_t limit);

// What a reader's take() found.
enum class Taken {
  piece,     // the next piece
  none_yet,  // nothing: the next piece is on its way
  end,       // the end: the text ended (or failed), or the reader stopped
};

struct TextStreamLimits {
  std::size_t piece_units = kTextPieceUnits;
  std::size_t pieces_ahead = 0;  // 0: a writer never waits
};

class TextStream final : public std::enable_shared_from_this<TextStream> {
 public:
  using Limits = TextStreamLimits;
  class Reader;

  static std::shared_ptr<TextStream> make(Limits limits = {});

  // Writers. Appends `text`, first waiting for room; false once the text ended or stopped,
  // or every reader made has gone: nothing reads what comes next.
  bool append(std::u16string_view text);
  // All of the text came.
  void close();
  // The text cannot come whole: its pieces go, and readers see the end.
  void fail();
  // Any thread: a writer that waits for room, and every later append, returns false; the
  // pieces go, and readers see the end.
  void stop();
  // Whether an append would not wait; `wake` runs once (any thread) when it would not, or at
  // once. For a writer that must not wait, such as the user-interface thread.
  bool has_room() const;
  void when_room(std::function<void()> wake);

  // Runs `ended` once (any thread) when the text closed, failed or stopped; at once if it has.
  void when_ended(std::function<void()> ended);
  bool failed() const;
  // Whether any text came.
  bool has_text() const;
  // How many units came so far: once closed, the text's length.
  std::uint64_t units() const;

  // A reader from the first piece still held.
  std::unique_ptr<Reader> reader();

 private:
  using Piece = std::shared_ptr<const std::u16string>;
  struct Place {
    std::size_t next = 0;        // the number of the reader's next piece
    bool open = true;            // false once the reader stopped
    std::function<void()> wake;  // the reader's, waiting for more
  };

  explicit TextStream(Limits limits) : limits_(limits) {}
  void add_pieces(std::u16string_view text);
  // `drop`: the pieces not yet read go.
  void end(bool failed, bool drop);
  bool room_locked() const;
  bool nobody_reads_locked() const;
  // Lets go of the pieces every reader has passed.
  void drop_passed_locked();
  // With the mutex held: the wakes that are due now, to run once it is released.
  std::deque<std::function<void()>> due_wakes_locked();
  static void run(std::deque<std::function<void()>> wakes);

  bool take(Place& place, bool wait, Piece& piece);
  void call_when_more(Place& place, std::function<void()> wake);
  void close_place(Place& place);
  void leave(std::list<Place>::iterator place);

  const Limits limits_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Piece> pieces_;
  std::size_t first_ = 0;  // the number of pieces_.front()
  std::list<Place> places_;
  bool any_reader_ = false;
  bool ended_ = false;
  bool failed_ = false;
  std::uint64_t units_ = 0;  // that came
  std::function<void()> room_wake_;
  std::function<void()> ended_call_;
  TextPartJoiner joiner_;  // the writers' only
};

class TextStream::Reader {
 public:
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // Without waiting: points `piece` at the next piece (valid until the next call), or at
  // nothing.
  Taken take(std::u16string_view& piece);
  // Waits for the next piece; false at the end, or once stopped.
  bool wait(std::u16string_view& piece);
  // After take() gave nothing: `wake` runs once (any thread) when more or the end is there.
  void when_more(std::function<void()> wake);
  // Any thread: a wait ends, and the reader sees the end from now on.
  void stop();

 private:
  friend class TextStream;
  Reader(std::shared_ptr<TextStream> stream, std::list<Place>::iterator place)
      : stream_(std::move(stream)), place_(place) {}
  bool next(bool wait, std::u16string_view& piece);

  std::shared_ptr<TextStream> stream_;
  std::list<Place>::iterator place_;
  Piece current_;
};

}  // namespace ambrel
