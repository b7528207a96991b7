#pragma once

// The one owner of the process-wide services: its start brings them up in the order they
// build on each other and its end takes them down in reverse, so no program or test has
// its own list to keep in step.
//
// Always started: XML documents, the file requester and
// the runtime registry, none of which needs a window. Given a backend, the user interface
// comes between them and the runtime registry: the backend is installed, then the event,
// window, gadget, drop and dialog services start. The generator needs none of them.

#include <array>
#include <cstddef>
#include <memory>

#include "backend/backend.h"

namespace ambrel {

class Services {
 public:
  // Starts the services, with the user interface on `backend` when one is given. Null while
  // another Services is alive (that one keeps running untouched) or when a service refuses
  // to start (a backend the window layer will not take); whatever had started is ended.
  [[nodiscard]] static std::unique_ptr<Services> start(std::unique_ptr<Backend> backend = nullptr);

  // Ends every service in reverse order of its start. The event service ends last of the
  // user interface; the events still queued are dropped (releasing their data) and the
  // backend is removed after it.
  ~Services();

  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;
  Services(Services&&) = delete;
  Services& operator=(Services&&) = delete;

 private:
  using End = void (*)();
  static constexpr std::size_t kMaxServices = 16;

  Services() = default;
  bool start_all(std::unique_ptr<Backend> backend);
  bool start_user_interface(std::unique_ptr<Backend> backend);
  // Keeps `end` when `started`, so that the destructor undoes exactly what ran.
  bool note_start(bool started, End end);

  // A fixed array: recording an end that has started must not be able to fail.
  std::array<End, kMaxServices> ends_{};
  std::size_t started_count_ = 0;
};

}  // namespace ambrel
