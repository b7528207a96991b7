#pragma once

// A paste from the clipboard. The input is replaced once all of the clipboard's text has come,
// which a clipboard that sends a large text in parts does while the window goes on. Nothing
// changes when the clipboard holds no text, nor when its text failed to come whole (its owner
// quit or stopped answering midway): replacing the input with nothing, or with a start that
// would be declared as if it were the whole document, would lose the input with no way back.

#include <functional>
#include <memory>

#include "support/text_stream.h"
#include "backend/backend_desktop.h"
#include "ui/owned_posts.h"

namespace ambrel {

class ClipboardPaste {
 public:
  // Takes the readers of the pasted text: the fill's and the worker's.
  using Replace = std::function<void(std::unique_ptr<TextStream::Reader> shown,
                                     std::shared_ptr<TextStream::Reader> declared)>;

  // Starts reading the clipboard; on the user-interface thread once the text has come (at once
  // when the backend had it at hand), `replace` runs with it, or `failed` when it did not come
  // whole.
  ClipboardPaste(Replace replace, std::function<void()> failed);
  // Stops the read: a text still on its way is let go.
  ~ClipboardPaste();
  ClipboardPaste(const ClipboardPaste&) = delete;
  ClipboardPaste& operator=(const ClipboardPaste&) = delete;

 private:
  void finish();

  Replace replace_;
  std::function<void()> failed_;
  std::shared_ptr<TextStream> text_ = TextStream::make();
  std::unique_ptr<ClipboardReading> reading_;
  OwnedPosts posts_;
  bool finished_ = false;
};

}  // namespace ambrel
