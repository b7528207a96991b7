// Multi-line editor: every change the user makes raises gadget event type 768 (through the
// common command path), focus changes raise 14000 and 14001. Text the program sets raises
// nothing. The user's paste goes in whole or not at all (see ClipboardPaste): at the caret over
// event-loop turns, as one undo step, while the user may go on; a paste that did not come whole
// changes nothing and is reported as the gadget's PasteIncomplete command.

#include <memory>
#include <utility>

#include "ui/clipboard_paste.h"
#include "ui/editor_text_turns.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/gadget_reports.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

// One paste into the editor, from the read of the clipboard to the last piece put in.
class EditorPaste {
 public:
  EditorPaste(NativeHandle editor, std::unique_ptr<EditorInsertion> insertion)
      : editor_(editor),
        insertion_(std::move(insertion)),
        read_(
            {insertion_->piece_units(), 0}, [this](const auto& text) { put_in(text); },
            [this] { failed(); }) {}

 private:
  void put_in(const std::shared_ptr<TextStream>& text) {
    turns_ = std::make_unique<PieceTurns>(
        text->reader(), [this](std::u16string_view piece) { insertion_->insert(piece); }, [] {});
  }
  // The report may free the gadget, and this paste with it.
  void failed() { gadget_control_command(editor_, ControlCommand::PasteIncomplete); }

  NativeHandle editor_;
  std::unique_ptr<EditorInsertion> insertion_;
  std::unique_ptr<PieceTurns> turns_;
  ClipboardPaste read_;  // last: its end may come at once, and it stops first
};

// The editor's own slot: its newest paste, while its text may still come.
struct EditorSlot : GadgetExtra {
  std::unique_ptr<EditorPaste> paste;
};

EditorSlot& slot_of(Gadget& gadget) { return static_cast<EditorSlot&>(*gadget.extra); }

// Before the control goes, and when its text is replaced: a paste into the old text ends.
void end_paste(Gadget& gadget) { slot_of(gadget).paste.reset(); }

void editor_focus(Gadget& gadget, bool gained) {
  raise_gadget_event(gadget, gained ? kGadgetFocus : kGadgetLostFocus);
}

// A new paste ends the one before.
bool editor_paste(Gadget& gadget) {
  std::unique_ptr<EditorInsertion> insertion = ui_controls()->insert_at_caret(gadget.handle);
  if (!insertion) return false;
  end_paste(gadget);
  slot_of(gadget).paste = std::make_unique<EditorPaste>(gadget.handle, std::move(insertion));
  return true;
}

constexpr GadgetKind kEditorKind{.code = GadgetKindCode::Editor,
                                 .free = end_paste,
                                 .paste = editor_paste,
                                 .text_replaced = end_paste,
                                 .focus = editor_focus};

}  // namespace

// Created with events suppressed throughout; its content is set with set_gadget_text.
int create_editor_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request;
  request.kind = ControlKind::Editor;
  request.geometry = geometry;
  request.style.tab_stop = true;
  request.style.read_only = (arguments.flags & kEditorReadOnly) != 0;
  request.style.word_wrap = (arguments.flags & kEditorWordWrap) != 0;
  // Editors hold code whose columns are aligned with spaces.
  request.style.fixed_pitch = true;
  suppress_events();
  int result = create_gadget(number, kEditorKind, std::move(request), arguments.flags,
                             std::make_unique<EditorSlot>());
  resume_events();
  return result;
}

}  // namespace ambrel
