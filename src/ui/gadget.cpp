#include "ui/gadget.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>

#include "support/object_registry.h"
#include "backend/control_text_readers.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget_list.h"
#include "ui/gadget_reports.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

namespace {

struct GadgetLibrary {
  ObjectRegistry<Gadget> registry;
  std::unordered_map<std::uint64_t, int> numbers;  // native control -> gadget number

  GadgetLibrary();
};

std::unique_ptr<GadgetLibrary>& library() {
  static std::unique_ptr<GadgetLibrary> instance;
  return instance;
}

void release_gadget(int number, Gadget& gadget) {
  library()->numbers.erase(gadget.handle.value);
  if (gadget.kind->free) gadget.kind->free(gadget);
  remove_queued_events(kEventGadget, number, kAnyValue, kAnyValue);
  BackendControls* controls = ui_controls();
  if (gadget.native_gone || !controls) return;
  controls->set_control_id(gadget.handle, -1);
  // Reports the control's children, whose gadgets go through gadget_control_destroyed.
  controls->destroy_control(gadget.handle);
}

GadgetLibrary::GadgetLibrary() : registry(release_gadget) {}

// The gadget and the backend it lives on, or nullptr for an unknown number.
Gadget* live_gadget(int gadget) { return ui_controls() ? find_gadget(gadget) : nullptr; }

Gadget* gadget_of_control(NativeHandle control) {
  int number = gadget_number_of(control);
  return number == -1 ? nullptr : find_gadget(number);
}

// Runs `change` with the calling thread's events suppressed.
template <class Change>
void suppressed(Change change) {
  suppress_events();
  change();
  resume_events();
}

}  // namespace

bool gadget_library_init() {
  if (!ui_controls()) return false;
  if (!library()) library() = std::make_unique<GadgetLibrary>();
  start_gadget_lists();
  return true;
}

void gadget_library_end() {
  if (!library()) return;
  library()->registry.free_all();
  library().reset();
  end_gadget_lists();
}

int create_gadget(int number, const GadgetKind& kind, ControlRequest request, int flags,
                  std::unique_ptr<GadgetExtra> extra) {
  BackendControls* controls = ui_controls();
  if (!library() || !controls || !ObjectRegistry<Gadget>::is_valid_request(number)) return 0;
  // Freed before the new control exists: the old gadget may be the container it would go into.
  if (number != kAnyNumber) library()->registry.free(number);
  request.parent = current_gadget_parent();
  request.geometry.width = std::max(request.geometry.width, 0);
  request.geometry.height = std::max(request.geometry.height, 0);
  NativeHandle handle = controls->create_control(request);
  if (!handle) return 0;

  auto gadget = std::make_unique<Gadget>();
  gadget->handle = handle;
  gadget->kind = &kind;
  gadget->flags = flags;
  gadget->extra = std::move(extra);
  Gadget* record = gadget.get();
  int assigned = library()->registry.insert(number, std::move(gadget));
  record->number = assigned;
  library()->numbers[handle.value] = assigned;
  controls->set_control_id(handle, assigned);
  return number == kAnyNumber ? assigned : 1;
}

int open_gadget_list(int container) {
  Gadget* gadget = live_gadget(container);
  if (!gadget) return 0;
  push_gadget_parent(gadget->handle);
  return 1;
}

void close_gadget_list() { pop_gadget_parent(); }

int free_gadget(int gadget) {
  if (!library()) return 0;
  return library()->registry.free(gadget) ? 1 : 0;
}

Gadget* find_gadget(int gadget) { return library() ? library()->registry.find(gadget) : nullptr; }

int is_gadget(int gadget) { return find_gadget(gadget) ? 1 : 0; }

GadgetKindCode gadget_kind(int gadget) {
  Gadget* record = find_gadget(gadget);
  return record ? record->kind->code : GadgetKindCode::None;
}

NativeHandle gadget_handle(int gadget) {
  Gadget* record = find_gadget(gadget);
  return record ? record->handle : kNoHandle;
}

int gadget_number_of(NativeHandle control) {
  if (!library()) return -1;
  auto it = library()->numbers.find(control.value);
  return it == library()->numbers.end() ? -1 : it->second;
}

int set_gadget_text(int gadget, const char16_t* text) {
  return set_gadget_text(gadget, text ? std::u16string_view(text) : std::u16string_view());
}

int set_gadget_text(int gadget, std::u16string_view text) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  if (record->kind->text_replaced) record->kind->text_replaced(*record);
  suppressed([&] {
    if (record->kind->set_text) {
      record->kind->set_text(*record, text);
    } else {
      ui_controls()->set_control_text(record->handle, text);
    }
  });
  return 1;
}

std::u16string get_gadget_text(int gadget) {
  Gadget* record = live_gadget(gadget);
  if (!record) return {};
  if (record->kind->get_text) return record->kind->get_text(*record);
  return ui_controls()->control_text(record->handle);
}

int append_gadget_text(int gadget, std::u16string_view text) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  suppressed([&] {
    if (record->kind->set_text) {
      record->kind->set_text(*record, get_gadget_text(gadget) + std::u16string(text));
    } else {
      ui_controls()->append_control_text(record->handle, text);
    }
  });
  return 1;
}

int reserve_gadget_text(int gadget, std::uint64_t units) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  ui_controls()->reserve_control_text(record->handle, units);
  return 1;
}

int set_gadget_menu_items(int gadget, std::vector<EditorMenuItem> items) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  ui_controls()->set_editor_menu_items(record->handle, std::move(items));
  return 1;
}

std::unique_ptr<ControlTextReader> read_gadget_text(int gadget) {
  Gadget* record = live_gadget(gadget);
  if (!record) return nullptr;
  if (record->kind->get_text)
    return std::make_unique<HeldTextReader>(record->kind->get_text(*record));
  return ui_controls()->read_control_text(record->handle);
}

int set_gadget_state(int gadget, int value) {
  Gadget* record = live_gadget(gadget);
  if (!record || !record->kind->set_state) return 0;
  suppressed([&] { record->kind->set_state(*record, value); });
  return 1;
}

int get_gadget_state(int gadget) {
  Gadget* record = live_gadget(gadget);
  if (!record || !record->kind->get_state) return 0;
  return record->kind->get_state(*record);
}

int add_gadget_item(int gadget, int position, const char16_t* text) {
  Gadget* record = live_gadget(gadget);
  if (!record || !record->kind->add_item) return 0;
  std::u16string_view item = text ? std::u16string_view(text) : std::u16string_view();
  int result = 0;
  suppressed([&] { result = record->kind->add_item(*record, position, item); });
  return result;
}

int get_gadget_attribute(int gadget, int attribute) {
  Gadget* record = live_gadget(gadget);
  if (!record || !record->kind->get_attribute) return 0;
  return record->kind->get_attribute(*record, attribute);
}

int set_gadget_attribute(int gadget, int attribute, int value) {
  Gadget* record = live_gadget(gadget);
  if (!record || !record->kind->set_attribute) return 0;
  record->kind->set_attribute(*record, attribute, value);
  return 1;
}

int disable_gadget(int gadget, int state) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  ui_controls()->set_control_enabled(record->handle, state == 0);
  return 1;
}

int hide_gadget(int gadget, int state) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  if (record->kind->hide) {
    record->kind->hide(*record, state != 0);
  } else {
    ui_controls()->set_control_visible(record->handle, state == 0);
  }
  return 1;
}

int resize_gadget(int gadget, int x, int y, int width, int height) {
  Gadget* record = live_gadget(gadget);
  if (!record) return 0;
  if (record->kind->resize) {
    record->kind->resize(*record, x, y, width, height);
    return 1;
  }
  BackendControls* controls = ui_controls();
  Rect geometry = controls->control_geometry(record->handle);
  if (x != kKeepValue) geometry.x = x;
  if (y != kKeepValue) geometry.y = y;
  if (width != kKeepValue) geometry.width = std::max(width, 0);
  if (height != kKeepValue) geometry.height = std::max(height, 0);
  // May report a size change whose bound procedure frees the gadget; nothing follows.
  controls->set_control_geometry(record->handle, geometry);
  return 1;
}

int gadget_width(int gadget) {
  Gadget* record = live_gadget(gadget);
  return record ? ui_controls()->control_geometry(record->handle).width : 0;
}

int gadget_height(int gadget) {
  Gadget* record = live_gadget(gadget);
  return record ? ui_controls()->control_geometry(record->handle).height : 0;
}

NativeHandle gadget_window_of(NativeHandle control) {
  BackendWindows* windows = ui_windows();
  if (!windows) return kNoHandle;
  NativeHandle window =
      windows->is_window(control) ? control : ui_controls()->control_window(control);
  return window_number_of(window) == -1 ? kNoHandle : window;
}

void raise_gadget_event(const Gadget& gadget, int type, bool forced) {
  int window = window_number_of(gadget.handle);
  if (forced) {
    raise_event_forced(kEventGadget, gadget.number, window, type);
  } else {
    raise_event(kEventGadget, gadget.number, window, type);
  }
}

bool gadget_control_command(NativeHandle control, ControlCommand command) {
  Gadget* gadget = gadget_of_control(control);
  if (!gadget) return false;
  int number = gadget->number;
  int window = window_number_of(control);
  if (gadget->kind->command && gadget->kind->command(*gadget, command)) return true;
  // The handler may have freed the gadget; an event for it would name nothing.
  if (is_gadget(number)) raise_event(kEventGadget, number, window, static_cast<int>(command));
  return true;
}

bool gadget_editor_paste(NativeHandle control) {
  Gadget* gadget = gadget_of_control(control);
  return gadget && gadget->kind->paste && gadget->kind->paste(*gadget);
}

bool gadget_control_focus(NativeHandle control, bool gained) {
  Gadget* gadget = gadget_of_control(control);
  if (!gadget) return false;
  if (gadget->kind->focus) gadget->kind->focus(*gadget, gained);
  return true;
}

bool gadget_control_resized(NativeHandle control) {
  Gadget* gadget = gadget_of_control(control);
  if (!gadget) return false;
  if (gadget->kind->resized) gadget->kind->resized(*gadget);
  return true;
}

bool gadget_control_destroyed(NativeHandle control) {
  Gadget* gadget = gadget_of_control(control);
  if (!gadget) return false;
  gadget->native_gone = true;
  library()->registry.free(gadget->number);
  return true;
}

}  // namespace ambrel
