#include "ui/editor_text_turns.h"

#include <string>
#include <utility>

namespace ambrel {

PieceTurns::PieceTurns(std::unique_ptr<TextStream::Reader> reader, Put put,
                       std::function<void()> done)
    : reader_(std::move(reader)), put_(std::move(put)), done_(std::move(done)) {
  posts_.post_when_idle([this] { take_turn(); });
}

void PieceTurns::take_turn() {
  std::u16string_view piece;
  for (Turn turn; !turn.over();) {
    switch (reader_->take(piece)) {
      case Taken::piece:
        put_(piece);
        break;
      case Taken::none_yet:
        return reader_->when_more(posts_.poster([this] { take_turn(); }));
      case Taken::end: {
        std::function<void()> done = std::move(done_);
        if (done) done();
        return;
      }
    }
  }
  posts_.post_when_idle([this] { take_turn(); });
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
