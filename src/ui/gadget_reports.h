#pragma once

// What the backend reports about gadget controls, turned into kind operations and gadget
// events. The backend's sink (backend_events.h) calls these; each returns false when the
// control is no gadget.

#include "backend/backend.h"

namespace ambrel {

// A command of the control: the kind's handler first, else gadget event (13100) with the
// command's number as type (0 for a button click, 768 for a user's change to an editor).
bool gadget_control_command(NativeHandle control, ControlCommand command);
// The user pasted into an editor: the kind takes it in (see GadgetKind::paste); false for a
// control that takes no paste.
bool gadget_editor_paste(NativeHandle control);
bool gadget_control_focus(NativeHandle control, bool gained);
bool gadget_control_resized(NativeHandle control);
// The control is gone: the gadget is freed with its queued events.
bool gadget_control_destroyed(NativeHandle control);

}  // namespace ambrel
