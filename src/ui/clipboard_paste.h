#pragma once

// A paste of the clipboard, whole or not at all. The text is read apart from the window where
// the backend reads it so (a large text from another program comes slowly, in parts), and is
// handed on only once all of it has come, as the user asked for the whole clipboard. A text
// that did not come whole (its owner quit or stopped answering midway, or the clipboard could
// not be opened) is a failure: taking its start in would put a part where the user asked for
// the whole, with no way back. The user's paste into an editor and the Paste command both read
// the clipboard so. A reader may follow the text as it comes, for work whose result waits for
// the whole (the Paste command declares it meanwhile).

#include <functional>
#include <memory>

#include "support/text_stream.h"
#include "backend/backend_desktop.h"
#include "ui/owned_posts.h"

namespace ambrel {

class ClipboardPaste {
 public:
  // Takes the whole text, closed (it may be empty: the clipboard held no text).
  using Whole = std::function<void(const std::shared_ptr<TextStream>& text)>;
  // Takes a reader of the text from its first piece, once some has come and before it is
  // whole; the reader sees the end also when the text breaks, which only `failed` tells.
  using Coming = std::function<void(std::shared_ptr<TextStream::Reader> text)>;

  // Starts reading the clipboard into a text of `limits`; on the user-interface thread once the
  // text has come (at once when the backend had it at hand), `whole` runs with it, or `failed`
  // when it did not come whole. Without a backend, neither. Each runs last: it may destroy the
  // paste. With `coming`, which runs before them when the text comes in parts, every piece is
  // kept for `whole`, so `limits` must not hold the writer back (no pieces ahead).
  ClipboardPaste(TextStream::Limits limits, Whole whole, std::function<void()> failed,
                 Coming coming = nullptr);
  // Stops the read: a text still on its way is let go, and its readers see its end.
  ~ClipboardPaste();
  ClipboardPaste(const ClipboardPaste&) = delete;
  ClipboardPaste& operator=(const ClipboardPaste&) = delete;

 private:
  void first_text();
  void finish();

  Whole whole_;
  std::function<void()> failed_;
  Coming coming_;
  std::shared_ptr<TextStream> text_;
  std::unique_ptr<TextStream::Reader> keeper_;  // with `coming`, until the end: holds every piece
  std::unique_ptr<ClipboardReading> reading_;
  OwnedPosts posts_;
  bool finished_ = false;
};

}  // namespace ambrel
