#pragma once

// A paste from the clipboard. The input is replaced once the clipboard's text begins to come,
// which a clipboard that sends a large text in parts does while the window goes on, and not
// at all when the clipboard holds no text: replacing the input with nothing would lose it, with
// no way back.

#include <functional>
#include <memory>

#include "app/arriving_text.h"
#include "app/text_source.h"
#include "ui/backend/backend_desktop.h"

namespace ambrel {

class ClipboardPaste {
 public:
  // Takes the readers of the pasted text: the fill's and the worker's.
  using Replace =
      std::function<void(std::unique_ptr<TextSource> shown, std::shared_ptr<TextSource> declared)>;

  // Starts reading the clipboard; `replace` runs on the user-interface thread once text comes
  // (at once when the backend had it at hand).
  explicit ClipboardPaste(Replace replace);
  // Stops the read: a text still on its way ends where it is.
  ~ClipboardPaste();
  ClipboardPaste(const ClipboardPaste&) = delete;
  ClipboardPaste& operator=(const ClipboardPaste&) = delete;

 private:
  void begin();

  Replace replace_;
  std::shared_ptr<ArrivingText> text_;
  std::unique_ptr<ClipboardReading> reading_;
  std::shared_ptr<ClipboardPaste*> self_;  // what a posted begin finds, emptied on destruction
  bool begun_ = false;
};

}  // namespace ambrel
