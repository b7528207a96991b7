#include "app/editor_feed.h"

#include <string>
#include <utility>

namespace ambrel {

EditorFeed::EditorFeed(std::unique_ptr<ControlTextReader> reader, std::function<void()> ask)
    : reader_(std::move(reader)), ask_(std::move(ask)) {
  ask_();
}

void EditorFeed::serve() {
  while (text_->has_room()) {
    std::u16string slice;
    bool more = reader_ &&
                reader_->read(kSliceUnits, [&slice](std::u16string_view piece) { slice += piece; });
    if (!text_->append(slice)) return;  // the worker went
    if (!more) return text_->close();
  }
  text_->when_room(ask_);
}

}  // namespace ambrel
