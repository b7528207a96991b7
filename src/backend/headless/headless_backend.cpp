#include "backend/headless/headless_backend.h"

#include <algorithm>
#include <utility>

namespace ambrel {

HeadlessBackend::HeadlessBackend(Rect screen) : screen_(screen) {}

void HeadlessBackend::set_sink(BackendSink* sink) { sink_ = sink; }

NativeHandle HeadlessBackend::create_window(const WindowRequest& request) {
  if (request.client_size.width < 0 || request.client_size.height < 0) return kNoHandle;
  Window window;
  window.title = request.title;
  window.style = request.style;
  // The platform's own choice of position: a cascade origin near the screen's corner.
  window.position =
      request.platform_position ? Point{screen_.x + 32, screen_.y + 32} : request.position;
  window.client_size = request.client_size;
  window.normal_size = request.client_size;
  window.owner = is_window(request.owner) ? request.owner : kNoHandle;
  NativeHandle handle = tree_.add_window();
  windows_.emplace(handle.value, std::move(window));
  return handle;
}

void HeadlessBackend::destroy_window(NativeHandle handle) {
  Window* window = find_window(handle);
  if (!window) return;
  destroy_children(tree_.children(handle));
  std::erase_if(timers_, [handle](const Timer& timer) { return timer.window == handle; });
  if (focus_ && control_window(focus_) == handle) focus_ = kNoHandle;
  if (active_ == handle) active_ = kNoHandle;
  windows_.erase(handle.value);
  tree_.remove(handle);
}

bool HeadlessBackend::is_window(NativeHandle handle) const {
  return find_window(handle) != nullptr;
}

void HeadlessBackend::set_window_title(NativeHandle handle, std::u16string_view title) {
  if (Window* window = find_window(handle)) window->title = title;
}

std::u16string HeadlessBackend::window_title(NativeHandle handle) const {
  const Window* window = find_window(handle);
  return window ? window->title : std::u16string();
}

Point HeadlessBackend::window_position(NativeHandle handle) const {
  const Window* window = find_window(handle);
  return window ? window->position : Point{};
}

void HeadlessBackend::move_window(NativeHandle handle, Point position) {
  Window* window = find_window(handle);
  if (!window || window->position == position) return;
  window->position = position;
  if (sink_) sink_->on_window_moved(handle);
}

Size HeadlessBackend::window_client_size(NativeHandle handle) const {
  const Window* window = find_window(handle);
  return window ? window->client_size : Size{};
}

Size HeadlessBackend::clamp_to_limits(const Window& window, Size size) const {
  if (window.minimum.width > 0) size.width = std::max(size.width, window.minimum.width);
  if (window.minimum.height > 0) size.height = std::max(size.height, window.minimum.height);
  if (window.maximum.width > 0) size.width = std::min(size.width, window.maximum.width);
  if (window.maximum.height > 0) size.height = std::min(size.height, window.maximum.height);
  return size;
}

void HeadlessBackend::change_size(NativeHandle handle, Size client_size) {
  Window* window = find_window(handle);
  if (!window) return;
  client_size.width = std::max(client_size.width, 0);
  client_size.height = std::max(client_size.height, 0);
  if (window->client_size == client_size) return;
  window->client_size = client_size;
  if (window->state == WindowState::Normal) window->normal_size = client_size;
  if (sink_) sink_->on_window_resized(handle, window->state);
}

void HeadlessBackend::resize_window(NativeHandle handle, Size client_size) {
  // As on a desktop, the size limits bind the program's resizing too.
  if (const Window* window = find_window(handle))
    change_size(handle, clamp_to_limits(*window, client_size));
}

Size HeadlessBackend::window_frame_size(NativeHandle handle) const {
  return window_client_size(handle);
}

void HeadlessBackend::set_window_size_limits(NativeHandle handle, Size minimum, Size maximum) {
  Window* window = find_window(handle);
  if (!window) return;
  window->minimum = minimum;
  window->maximum = maximum;
}

WindowState HeadlessBackend::window_state(NativeHandle handle) const {
  const Window* window = find_window(handle);
  return window ? window->state : WindowState::Normal;
}

void HeadlessBackend::set_window_state(NativeHandle handle, WindowState state) {
  Window* window = find_window(handle);
  if (!window || window->state == state) return;
  window->state = state;
  Size size = window->normal_size;
  if (state == WindowState::Maximized) size = {screen_.width, screen_.height};
  if (state == WindowState::Minimized) size = {0, 0};
  window->client_size = size;
  if (sink_) sink_->on_window_resized(handle, state);
}

void HeadlessBackend::show_window(NativeHandle handle, bool activate) {
  Window* window = find_window(handle);
  if (!window) return;
  window->visible = true;
  if (activate) change_activation(handle);
}

void HeadlessBackend::hide_window(NativeHandle handle) {
  Window* window = find_window(handle);
  if (!window) return;
  window->visible = false;
  if (active_ == handle) change_activation(kNoHandle);
}

bool HeadlessBackend::window_visible(NativeHandle handle) const {
  const Window* window = find_window(handle);
  return window && window->visible;
}

void HeadlessBackend::change_activation(NativeHandle handle) {
  if (active_ == handle) return;
  NativeHandle previous = active_;
  active_ = handle;
  if (previous && sink_) sink_->on_window_activation(previous, false);
  if (handle && sink_) sink_->on_window_activation(handle, true);
}

void HeadlessBackend::activate_window(NativeHandle handle) {
  if (is_window(handle)) change_activation(handle);
}

NativeHandle HeadlessBackend::active_window() const { return active_; }

NativeHandle HeadlessBackend::window_owner(NativeHandle handle) const {
  const Window* window = find_window(handle);
  return window ? window->owner : kNoHandle;
}

Rect HeadlessBackend::screen_area() const { return screen_; }

// Any size: no screen holds the windows back.
Size HeadlessBackend::largest_client_size() const { return {}; }

// Nothing here is drawn, so there is no picture to save.
bool HeadlessBackend::save_window_image(NativeHandle, const std::string&) { return false; }

bool HeadlessBackend::start_timer(NativeHandle window, int timer, int milliseconds) {
  if (!is_window(window) || milliseconds <= 0) return false;
  stop_timer(window, timer);
  timers_.push_back({window, timer, milliseconds, now_ + milliseconds, ++sequence_});
  return true;
}

bool HeadlessBackend::stop_timer(NativeHandle window, int timer) {
  return std::erase_if(
             timers_, [&](const Timer& t) { return t.window == window && t.number == timer; }) != 0;
}

void HeadlessBackend::schedule(std::int64_t delay, std::function<void()> input) {
  scripted_.push_back({now_ + std::max<std::int64_t>(delay, 0), ++sequence_, std::move(input)});
}

std::optional<std::int64_t> HeadlessBackend::next_due() const {
  std::optional<std::int64_t> due;
  for (const Timer& timer : timers_) due = due ? std::min(*due, timer.due) : timer.due;
  for (const ScriptedInput& input : scripted_) due = due ? std::min(*due, input.due) : input.due;
  return due;
}

// Fires the earliest timer or scripted input due at or before `limit` (ties in the order
// they were set up). Searched afresh each time: what fires may add or remove others.
bool HeadlessBackend::fire_next_due(std::int64_t limit) {
  auto timer = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
    return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
  });
  auto input =
      std::min_element(scripted_.begin(), scripted_.end(), [](const auto& a, const auto& b) {
        return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
      });
  bool timer_ready = timer != timers_.end() && timer->due <= limit;
  bool input_ready = input != scripted_.end() && input->due <= limit;
  if (timer_ready && input_ready) {
    bool timer_first =
        timer->due != input->due ? timer->due < input->due : timer->sequence < input->sequence;
    (timer_first ? input_ready : timer_ready) = false;
  }
  if (timer_ready) {
    now_ = std::max(now_, timer->due);
    timer->due += timer->interval;
    timer->sequence = ++sequence_;
    NativeHandle window = timer->window;
    int number = timer->number;
    if (sink_) sink_->on_timer(window, number);
    return true;
  }
  if (input_ready) {
    now_ = std::max(now_, input->due);
    std::function<void()> run = std::move(input->input);
    scripted_.erase(input);
    run();
    return true;
  }
  return false;
}

void HeadlessBackend::advance_clock(std::int64_t milliseconds) {
  std::int64_t target = now_ + std::max<std::int64_t>(milliseconds, 0);
  while (fire_next_due(target)) {}
  now_ = target;
}

void HeadlessBackend::show_busy_pointer(int delay_ms) {
  if (!busy_pointer_due_) busy_pointer_due_ = now_ + std::max(delay_ms, 0);
}

void HeadlessBackend::hide_busy_pointer() { busy_pointer_due_.reset(); }

bool HeadlessBackend::run_idle_task() {
  std::function<void()> task = idle_tasks_.take_first();
  if (!task) return false;
  task();
  return true;
}

void HeadlessBackend::settle() {
  for (;;) {
    if (posted_.run() || run_idle_task()) continue;
    if (!awaiting_posts_) return;
    posted_.wait();
  }
}

int HeadlessBackend::pump(int timeout_ms) {
  if (posted_.run() || run_idle_task()) return kBackendEventsDispatched;
  if (timeout_ms == 0) return 0;
  if (awaiting_posts_) {
    posted_.wait();
    posted_.run();
    return kBackendEventsDispatched;
  }
  std::optional<std::int64_t> due = next_due();
  if (timeout_ms > 0) {
    std::int64_t limit = now_ + timeout_ms;
    if (due && *due <= limit) {
      advance_clock(*due - now_);
      return kBackendEventsDispatched;
    }
    now_ = limit;
    return posted_.run() ? kBackendEventsDispatched : 0;
  }
  if (due) {
    advance_clock(*due - now_);
    return kBackendEventsDispatched;
  }
  // Nothing can happen on the virtual clock: only another thread can wake us.
  posted_.wait();
  posted_.run();
  return kBackendEventsDispatched;
}

void HeadlessBackend::post(std::function<void()> task) { posted_.add(std::move(task)); }

void HeadlessBackend::set_awaiting_posts(bool awaiting) { awaiting_posts_ = awaiting; }

void HeadlessBackend::post_when_idle(std::function<void()> task) {
  idle_tasks_.add(std::move(task));
}

}  // namespace ambrel
