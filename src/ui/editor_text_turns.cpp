#include "ui/editor_text_turns.h"

#include <string>
#include <utility>

namespace ambrel {

PieceTurns::PieceTurns(std::unique_ptr<TextStream::Reader> reader, Put put,
                       std::function<void()> done)
    : reader_(std::move(reader)), put_(std::move(put)), done_(std::move(done)) {
  take_idle_turn();
}

void PieceTurns::take_turn() {
  std::u16string_view piece;
  for (Turn turn; !turn.over();) {
    switch (reader_->take(piece)) {
      case Taken::piece:
        join(piece);
        break;
      case Taken::none_yet:
        put_joined();
        return reader_->when_more(posts_.poster([this] { take_idle_turn(); }));
      case Taken::end: {
        put_joined();
        std::function<void()> done = std::move(done_);
        if (done) done();
        return;
      }
    }
  }
  put_joined();
  take_idle_turn();
}

// The next turn waits for the window's own work, however soon more text comes.
void PieceTurns::take_idle_turn() {
  posts_.post_when_idle([this] { take_turn(); });
}

// A piece that is as long on its own goes as it is, without a copy.
void PieceTurns::join(std::u16string_view piece) {
  if (joined_.empty() && piece.size() >= kJoinedUnits) return put_(piece);
  joined_ += piece;
  if (joined_.size() >= kJoinedUnits) put_joined();
}

void PieceTurns::put_joined() {
  if (joined_.empty()) return;
  put_(joined_);
  joined_.clear();
}

EditorFeed::EditorFeed(std::unique_ptr<ControlTextReader> reader, std::function<void()> ask)
    : reader_(std::move(reader)), ask_(std::move(ask)) {
  ask_();
}

void EditorFeed::serve() {
  Turn turn;
  while (text_->has_room()) {
    if (turn.over()) return ask_();
    std::u16string slice;
    bool more = reader_ &&
                reader_->read(kSliceUnits, [&slice](std::u16string_view piece) { slice += piece; });
    if (!text_->append(slice)) return;  // the worker went
    if (!more) return text_->close();
  }
  text_->when_room(ask_);
}

}  // namespace ambrel
