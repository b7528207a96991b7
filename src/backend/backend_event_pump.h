#pragma once

// Dispatching platform events and running work on the user-interface thread.

#include <functional>

#include "backend/backend_sink.h"

namespace ambrel {

// What the pump returns after dispatching platform events; never an event code.
inline constexpr int kBackendEventsDispatched = 1;

class BackendEventPump {
 public:
  virtual ~BackendEventPump() = default;

  // Its operations, in the list of every backend's operations.
#define AMBREL_EVENT_PUMP_OPERATION(Result, name, parameters, qualifier) \
  virtual Result name parameters qualifier = 0;
#include "backend/backend_operations.def"
};

}  // namespace ambrel
