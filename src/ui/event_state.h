#pragma once

// The event state behind events.h, owned by the running event library.

#include <cstdint>
#include <deque>
#include <memory>

#include "ui/events.h"

namespace ambrel {

// An event's data with its release procedure. Shared by whoever may still read it (the
// queue, the taken event, a running dispatch): released when the last of them lets go.
class EventPayload {
 public:
  EventPayload(void* data, EventDataRelease release) : data_(data), release_(release) {}
  EventPayload(const EventPayload&) = delete;
  EventPayload& operator=(const EventPayload&) = delete;
  ~EventPayload() {
    if (data_ && release_) release_(data_);
  }
  void* data() const { return data_; }

 private:
  void* data_;
  EventDataRelease release_;
};

using SharedPayload = std::shared_ptr<EventPayload>;

inline constexpr std::uint32_t kEventForced = 1;

struct EventNode {
  int code = 0;
  std::uint32_t flags = 0;
  int object = 0;
  int window = 0;
  int type = 0;
  SharedPayload payload;
};

struct CurrentEvent {
  int code = 0;
  int window = 0;
  int object = 0;
  int type = -1;
  SharedPayload payload;
};

struct EventState {
  std::deque<EventNode> queue;
  int suppression = 0;
  CurrentEvent current;
  std::uint64_t takes = 0;  // counts take_event calls, to notice takes inside a dispatch
};

// Creates the state (the event library's start) / drops it with the data of every event
// still queued or current (its end). Ending inside a dispatch is safe: the dispatch keeps
// the state it runs on until it returns.
void start_event_state();
void end_event_state();

// The code of the current event; 0 when there is none or the library is not running.
int current_event_code();

// Raises with an already shared payload (the posted events' path).
void raise_event_with(int code, int object, int window, int type, std::uint32_t flags,
                      SharedPayload payload);

// Calls the procedures bound to the event that is current now, in the five-key order.
void dispatch_bound_procedures(int code, int window, int object, int type);

bool event_library_running();

void create_binding_table();
void destroy_binding_table();

}  // namespace ambrel
