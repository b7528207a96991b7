#pragma once

// The event queue, the current event and the binding table.
//
// The queue, the current event, the suppression counter and the binding table live while
// the event library runs and are used from the user-interface thread only; post_event is
// the way in for other threads.

#include "ui/event_codes.h"

namespace ambrel {

using EventProcedure = void (*)();
using EventDataRelease = void (*)(void* data);

// Start-up and exit; the backend must be chosen first (use_backend), else the start fails.
// The end drops the events still queued and the current one, releasing their data.
bool event_library_init();
void event_library_end();

// Queues the event (merged into the queue's last event when that one has the same code,
// object, window and type) and calls its bound procedures at once. Does nothing while
// events are suppressed or the library is not running. The data, when given, is released
// through `release` exactly once: after the next event was taken when this one was taken,
// otherwise as soon as it is clear nobody will take it (merged, suppressed, removed,
// dropped with its window or with the library).
void raise_event(int code, int object, int window, int type, void* data = nullptr,
                 EventDataRelease release = nullptr);
// The same, also while events are suppressed.
void raise_event_forced(int code, int object, int window, int type);
// Removes queued events; kAnyValue matches every value.
void remove_queued_events(int code, int object, int window, int type);

void suppress_events();
void resume_events();

// The current event: the one last taken, or inside a bound procedure the one that called it.
int event_window();
int event_object();
int event_type();
void* event_data();

// Releases the data of the event taken before and makes the queue's first event current;
// returns its code, or 0 (with type -1) when the queue is empty.
int take_event();

// Takes the next event, or else dispatches platform input (raising events and calling bound
// procedures) and returns a code that is not an event code; -1 waits without limit, 0 does
// not wait, otherwise at most that many milliseconds. 0 when nothing happened.
int window_wait_event(int milliseconds);
int window_wait_event_forever();

// Binds `procedure` to events of `code` for `window`, `object` and `type` (kAnyValue: any).
// Returns 1, or 0 when no entry can be made.
int bind_gadget_event(int code, EventProcedure procedure, int window, int object, int type);
int bind_event(int code, EventProcedure procedure, int window);
// Deactivates the newest binding of `procedure` under (code, window, any, any); 1 if found.
int unbind_event(int code, EventProcedure procedure, int window);
// Drops every binding made for `window` (its window is closing).
void drop_window_bindings(int window);

// Any thread: hands the event to the user-interface thread, which raises it forced from
// inside a later wait. Returns 0 (releasing the data) when the event library is not running.
int post_event(int code, int object, int window, int type, void* data = nullptr,
               EventDataRelease release = nullptr);

}  // namespace ambrel
