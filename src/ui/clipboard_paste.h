#pragma once

// A paste of the clipboard, whole or not at all. The text is read apart from the window where
// the backend reads it so (a large text from another program comes slowly, in parts), and is
// handed on only once all of it has come, as the user asked for the whole clipboard. A text
// that did not come whole (its owner quit or stopped answering midway, or the clipboard could
// not be opened) is a failure: taking its start in would put a part where the user asked for
// the whole, with no way back. The user's paste into an editor and the Paste command both read
// the clipboard so.

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

  // Starts reading the clipboard into a text of `limits`; on the user-interface thread once the
  // text has come (at once when the backend had it at hand), `whole` runs with it, or `failed`
  // when it did not come whole. Without a backend, neither. Each runs last: it may destroy the
  // paste.
  ClipboardPaste(TextStream::Limits limits, Whole whole, std::function<void()> failed);
  // Stops the read: a text still on its way is let go.
  ~ClipboardPaste();
  ClipboardPaste(const ClipboardPaste&) = delete;
  ClipboardPaste& operator=(const ClipboardPaste&) = delete;

 private:
  void finish();

  Whole whole_;
  std::function<void()> failed_;
  std::shared_ptr<TextStream> text_;
  std::unique_ptr<ClipboardReading> reading_;
  OwnedPosts posts_;
  bool finished_ = false;
};

}  // namespace ambrel
