#pragma once

// The user's paste of the clipboard into an editor gadget, one per gadget. The text is read
// apart from the window where the backend reads it so (a large text from another program
// comes slowly), and goes in only once all of it has come, as the user asked for the whole
// clipboard: then at the caret over event-loop turns, as one undo step, while the user may go
// on. A text that did not come whole (its owner quit or stopped answering, or the clipboard
// could not be opened) changes nothing and is reported as the gadget's PasteIncomplete
// command.

#include <memory>

#include "support/text_stream.h"
#include "backend/backend.h"
#include "ui/owned_posts.h"
#include "ui/editor_text_turns.h"

namespace ambrel {

class EditorPaste {
 public:
  // Starts reading the clipboard for `editor`, whose text goes in through `insertion`.
  EditorPaste(NativeHandle editor, std::unique_ptr<EditorInsertion> insertion);
  // Stops where it is: a text still on its way is let go.
  ~EditorPaste();
  EditorPaste(const EditorPaste&) = delete;
  EditorPaste& operator=(const EditorPaste&) = delete;

 private:
  void text_ended();

  NativeHandle editor_;
  std::unique_ptr<EditorInsertion> insertion_;
  std::shared_ptr<TextStream> text_;
  std::unique_ptr<ClipboardReading> reading_;
  std::unique_ptr<PieceTurns> turns_;
  OwnedPosts posts_;
};

}  // namespace ambrel
