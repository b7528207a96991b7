#include "services/services.h"

#include <atomic>
#include <utility>

#include "dialog/definition/runtime_registry.h"
#include "dialog/dialog.h"
#include "support/requester.h"
#include "ui/drop.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {

namespace {

// The services are process-wide, so two owners would end each other's.
std::atomic<bool> owner_alive{false};

void remove_backend() { use_backend(nullptr); }

}  // namespace

std::unique_ptr<Services> Services::start(std::unique_ptr<Backend> backend) {
  if (owner_alive.exchange(true)) return nullptr;
  std::unique_ptr<Services> services;
  try {
    services.reset(new Services());
  } catch (...) {
    owner_alive.store(false);
    throw;
  }
  // A refused start ends through the destructor, like any other.
  if (!services->start_all(std::move(backend))) services.reset();
  return services;
}

Services::~Services() {
  while (started_count_ > 0) ends_[--started_count_]();
  owner_alive.store(false);
}

bool Services::start_all(std::unique_ptr<Backend> backend) {
  if (!note_start(xml_library_init(), xml_library_end)) return false;
  if (!note_start(requester_library_init(), requester_library_end)) return false;
  if (backend && !start_user_interface(std::move(backend))) return false;
  return note_start(runtime_registry_init(), runtime_registry_end);
}

bool Services::start_user_interface(std::unique_ptr<Backend> backend) {
  if (!note_start(use_backend(std::move(backend)), remove_backend)) return false;
  if (!note_start(event_library_init(), event_library_end)) return false;
  if (!note_start(window_library_init(), window_library_end)) return false;
  if (!note_start(gadget_library_init(), gadget_library_end)) return false;
  if (!note_start(drop_library_init(), drop_library_end)) return false;
  return note_start(dialog_library_init(), dialog_library_end);
}

bool Services::note_start(bool started, End end) {
  if (started) ends_[started_count_++] = end;
  return started;
}

}  // namespace ambrel
