#include "ui/owned_posts.h"

#include <utility>

#include "ui/ui_backend.h"

namespace ambrel {

OwnedPosts::OwnedPosts() : pump_(ui_event_pump()) {}

// The owner goes on the user-interface thread, where the guarded call runs: no race between
// the check and the call.
std::function<void()> OwnedPosts::guarded(std::function<void()> call) const {
  return [alive = std::weak_ptr<const bool>(alive_), call = std::move(call)] {
    if (alive.lock()) call();
  };
}

void OwnedPosts::post(std::function<void()> call) const {
  if (pump_) pump_->post(guarded(std::move(call)));
}

void OwnedPosts::post_when_idle(std::function<void()> call) const {
  if (pump_) pump_->post_when_idle(guarded(std::move(call)));
}

std::function<void()> OwnedPosts::poster(std::function<void()> call) const {
  return [pump = pump_, call = guarded(std::move(call))] {
    if (pump) pump->post(call);
  };
}

}  // namespace ambrel
