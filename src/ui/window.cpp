#include "ui/window.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "support/object_registry.h"
#include "ui/event_state.h"
#include "ui/gadget_list.h"
#include "ui/ui_backend.h"
#include "ui/window_flags.h"
#include "ui/window_registry.h"

namespace ambrel {

namespace {

constexpr int kMinimumTimerInterval = 10;  // as the desktop's own timers

struct WindowLibrary {
  ObjectRegistry<WindowRecord> registry;
  std::unordered_map<std::uint64_t, int> numbers;  // native window -> number

  WindowLibrary();
};

std::unique_ptr<WindowLibrary>& library() {
  static std::unique_ptr<WindowLibrary> instance;
  return instance;
}

void release_window(int number, WindowRecord& record) {
  BackendWindows* windows = ui_windows();
  drop_window_bindings(number);
  // From here on the backend's reports about this window raise nothing.
  library()->numbers.erase(record.handle.value);
  if (windows->is_window(record.owner) && windows->window_visible(record.owner)) {
    windows->activate_window(record.owner);
  }
  windows->destroy_window(record.handle);
  forget_gadget_list(record.handle);
  remove_queued_events(kAnyValue, kAnyValue, number, kAnyValue);
}

WindowLibrary::WindowLibrary() : registry(release_window) {}

// A size limit as the platform keeps it: 16 bits, 0 for none.
int track_size(int value, int current, bool maximum) {
  if (value == kKeepValue) return current;
  if (value == -1) return 0;
  if (maximum && value > kLargestWindowMaximum) value = kLargestWindowMaximum;
  return value & 0xFFFF;
}

void apply_size_limits(const WindowRecord& record) {
  Size minimum = record.minimum;
  if ((record.flags & kWindowTool) != 0 && minimum.width == 0) minimum.width = 1;
  ui_windows()->set_window_size_limits(record.handle, minimum, record.maximum);
}

Point centred_in(Rect area, Size size) {
  return {area.x + (area.width - size.width) / 2, area.y + (area.height - size.height) / 2};
}

}  // namespace

WindowRecord* find_window_record(int window) {
  return library() ? library()->registry.find(window) : nullptr;
}

bool window_library_running() { return library() != nullptr; }

bool window_library_init() {
  if (!ui_windows()) return false;
  if (!library()) library() = std::make_unique<WindowLibrary>();
  return true;
}

void window_library_end() {
  if (!library()) return;
  library()->registry.free_all();
  library().reset();
}

NativeHandle window_handle(int window) {
  WindowRecord* record = find_window_record(window);
  return record ? record->handle : kNoHandle;
}

int window_number_of(NativeHandle handle) {
  BackendControls* controls = ui_controls();
  if (!library() || !controls) return -1;
  if (controls->is_control(handle)) handle = controls->control_window(handle);
  auto it = library()->numbers.find(handle.value);
  return it == library()->numbers.end() ? -1 : it->second;
}

int window_open(int number, int x, int y, int inner_width, int inner_height, const char16_t* title,
                int flags, NativeHandle owner) {
  BackendWindows* windows = ui_windows();
  if (!library() || !windows || !ObjectRegistry<WindowRecord>::is_valid_request(number)) return 0;
  if (number != kAnyNumber) window_close(number);

  WindowOpenPlan plan = plan_window_open(flags);
  WindowRequest request;
  request.title = title ? title : u"";
  request.style = plan.style;
  request.platform_position = x == kKeepValue || (y == kKeepValue && plan.centring == 0);
  request.position = {x, y == kKeepValue ? 0 : y};
  request.client_size = {std::max(inner_width, 0), std::max(inner_height, 0)};
  request.owner = owner;
  NativeHandle handle = windows->create_window(request);
  if (!handle) return 0;

  bool automatic = number == kAnyNumber;
  auto record = std::make_unique<WindowRecord>();
  record->handle = handle;
  record->title = request.title;
  record->flags = flags;
  record->owner = windows->window_owner(handle);
  NativeHandle owner_window = record->owner;
  apply_size_limits(*record);
  number = library()->registry.insert(number, std::move(record));
  library()->numbers[handle.value] = number;

  if (plan.centring != 0) window_center(handle, plan.centring, owner_window);
  if (!plan.invisible) {
    windows->set_window_state(handle, plan.start_state);
    windows->show_window(handle, !plan.no_activate);
  }
  if (plan.becomes_gadget_list) use_gadget_list(handle);
  // A window the platform destroyed while it was shown (a procedure closed it) is gone.
  if (WindowRecord* opened = find_window_record(number); opened && opened->handle == handle) {
    opened->creation_finished = true;
  }
  return automatic ? number : 1;
}

int window_close(int window) {
  if (!library()) return 0;
  return library()->registry.free(window) ? 1 : 0;
}

int window_exists(int window) { return find_window_record(window) ? 1 : 0; }

int window_set_title(int window, const char16_t* title) {
  WindowRecord* record = find_window_record(window);
  if (!record || !title) return 0;
  record->title = title;
  ui_windows()->set_window_title(record->handle, title);
  return 1;
}

std::u16string window_title(int window) {
  WindowRecord* record = find_window_record(window);
  return record ? record->title : std::u16string();
}

int window_resize(int window, int x, int y, int inner_width, int inner_height) {
  WindowRecord* record = find_window_record(window);
  if (!record) return 0;
  BackendWindows* windows = ui_windows();
  NativeHandle handle = record->handle;
  if (windows->window_state(handle) == WindowState::Maximized)
    windows->set_window_state(handle, WindowState::Normal);
  if (!windows->is_window(handle)) return 1;
  Point position = windows->window_position(handle);
  if (x != kKeepValue || y != kKeepValue) {
    windows->move_window(handle,
                         {x == kKeepValue ? position.x : x, y == kKeepValue ? position.y : y});
  }
  if (!windows->is_window(handle)) return 1;
  Size size = windows->window_client_size(handle);
  if (inner_width != kKeepValue) size.width = std::max(inner_width, 0);
  if (inner_height != kKeepValue) size.height = std::max(inner_height, 0);
  windows->resize_window(handle, size);
  return 1;
}

int window_bounds(int window, int min_width, int min_height, int max_width, int max_height) {
  WindowRecord* record = find_window_record(window);
  if (!record) return 0;
  record->minimum = {track_size(min_width, record->minimum.width, false),
                     track_size(min_height, record->minimum.height, false)};
  record->maximum = {track_size(max_width, record->maximum.width, true),
                     track_size(max_height, record->maximum.height, true)};
  apply_size_limits(*record);
  BackendWindows* windows = ui_windows();
  if (windows->window_state(record->handle) == WindowState::Normal) {
    windows->resize_window(record->handle, windows->window_client_size(record->handle));
  }
  return 1;
}

Size largest_window_inner_size() {
  BackendWindows* windows = ui_windows();
  return windows ? windows->largest_client_size() : Size{};
}

int window_center(NativeHandle window, int flags, NativeHandle other) {
  BackendWindows* windows = ui_windows();
  if (!windows || !windows->is_window(window)) return 0;
  Rect screen = windows->screen_area();
  Size size = windows->window_frame_size(window);
  if ((flags & kWindowScreenCentered) != 0) {
    size = {std::min(size.width, screen.width), std::min(size.height, screen.height)};
    windows->move_window(window, centred_in(screen, size));
    return 1;
  }
  if ((flags & kWindowWindowCentered) == 0) return 0;
  NativeHandle reference = windows->is_window(other) ? other : windows->active_window();
  if (!reference || reference == window) return 0;
  Point origin = windows->window_position(reference);
  Size extent = windows->window_frame_size(reference);
  Point position = centred_in({origin.x, origin.y, extent.width, extent.height}, size);
  windows->move_window(window, {std::max(position.x, 0), std::max(position.y, 0)});
  return 1;
}

int window_show(int window, int hidden, int flags) {
  WindowRecord* record = find_window_record(window);
  if (!record) return 0;
  BackendWindows* windows = ui_windows();
  NativeHandle handle = record->handle;
  NativeHandle owner = record->owner;
  if (hidden != 0) {
    windows->hide_window(handle);
    if (windows->is_window(owner)) windows->activate_window(owner);
    return 1;
  }
  int centring = flags & (kWindowScreenCentered | kWindowWindowCentered);
  if (centring != 0) window_center(handle, centring, owner);
  windows->show_window(handle, (flags & kWindowNoActivate) == 0);
  return 1;
}

int window_inner_width(int window) {
  WindowRecord* record = find_window_record(window);
  return record ? ui_windows()->window_client_size(record->handle).width : 0;
}

int window_inner_height(int window) {
  WindowRecord* record = find_window_record(window);
  return record ? ui_windows()->window_client_size(record->handle).height : 0;
}

int window_add_timer(int window, int timer, int milliseconds) {
  WindowRecord* record = find_window_record(window);
  if (!record) return 0;
  return ui_windows()->start_timer(record->handle, timer,
                                   std::max(milliseconds, kMinimumTimerInterval))
             ? 1
             : 0;
}

int window_remove_timer(int window, int timer) {
  WindowRecord* record = find_window_record(window);
  if (!record) return 0;
  return ui_windows()->stop_timer(record->handle, timer) ? 1 : 0;
}

}  // namespace ambrel
