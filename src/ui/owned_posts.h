#pragma once

// Calls posted to the user-interface thread that run only while their owner lives: the owner
// keeps an OwnedPosts, and a call that comes due after it went does nothing. This is how a
// reading thread, a stream's wake or a turn of work reaches an object that may be gone.

#include <functional>
#include <memory>

#include "backend/backend_event_pump.h"

namespace ambrel {

class OwnedPosts {
 public:
  // Through the event pump of the backend in use; without one, nothing is posted.
  OwnedPosts();
  OwnedPosts(const OwnedPosts&) = delete;
  OwnedPosts& operator=(const OwnedPosts&) = delete;

  // Any thread: `call` runs on the user-interface thread, unless the owner went first.
  void post(std::function<void()> call) const;
  // User-interface thread: the same, once the platform has nothing else waiting.
  void post_when_idle(std::function<void()> call) const;
  // A call for any thread that posts `call`: what a text stream's wake is given.
  std::function<void()> poster(std::function<void()> call) const;

 private:
  std::function<void()> guarded(std::function<void()> call) const;

  BackendEventPump* pump_;
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace ambrel
