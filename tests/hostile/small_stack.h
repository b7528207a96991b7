#pragma once

#include <pthread.h>

#include <cstddef>
#include <functional>

namespace ambrel {

// Runs `work` on a thread with a stack of `bytes`, so that code recursing over a
// document's depth overflows at once instead of only on some machine. True when the
// thread could be started and joined.
inline bool run_on_small_stack(std::size_t bytes, const std::function<void()>& work) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  pthread_attr_setstacksize(&attributes, bytes);
  pthread_t thread;
  auto body = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  bool started =
      pthread_create(&thread, &attributes, body, const_cast<std::function<void()>*>(&work)) == 0;
  pthread_attr_destroy(&attributes);
  return started && pthread_join(thread, nullptr) == 0;
}

}  // namespace ambrel
