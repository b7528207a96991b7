// Multi-line editor: every change the user makes raises gadget event type 768 (through the
// common command path), focus changes raise 14000 and 14001. Text the program sets raises
// nothing.

#include <utility>

#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

namespace {

void editor_focus(Gadget& gadget, bool gained) {
  raise_gadget_event(gadget, gained ? kGadgetFocus : kGadgetLostFocus);
}

constexpr GadgetKind kEditorKind{.code = GadgetKindCode::Editor, .focus = editor_focus};

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
  int result = create_gadget(number, kEditorKind, std::move(request), arguments.flags);
  resume_events();
  return result;
}

}  // namespace ambrel
