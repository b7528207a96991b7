#include "app/regeneration.h"

#include <string>
#include <utility>

#include "dialog/dialog.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

namespace {

void release_declarations(void* data) { delete static_cast<std::u16string*>(data); }

void post_declarations(int job, std::u16string declarations) {
  auto* data = new std::u16string(std::move(declarations));
  post_event(kEventDeclarationsReady, job, 0, 0, data, release_declarations);
}

}  // namespace

Regeneration::Regeneration(std::int32_t dialog) : dialog_(dialog), worker_(post_declarations) {}

Regeneration::~Regeneration() {
  worker_.stop();
  fill_.reset();
  running_job_ = 0;
  follow_work();
}

int Regeneration::gadget(std::u16string_view name) const { return dialog_gadget(dialog_, name); }

int Regeneration::main_window() const { return dialog_window(dialog_); }

void Regeneration::input_edited() {
  stop_job();
  window_remove_timer(main_window(), kRegenerationTimer);
  window_add_timer(main_window(), kRegenerationTimer, kRegenerationDelay);
}

void Regeneration::from_input() {
  window_remove_timer(main_window(), kRegenerationTimer);
  stop_job();
  int job = next_job();
  feed_ = std::make_unique<EditorFeed>(read_gadget_text(gadget(u"txtIn")),
                                       [job] { post_event(kEventInputWanted, job, 0, 0); });
  run_job(job, feed_->take_reader());
}

void Regeneration::replace_input(std::unique_ptr<TextStream::Reader> shown,
                                 std::shared_ptr<TextStream::Reader> declared) {
  window_remove_timer(main_window(), kRegenerationTimer);
  stop_job();
  fill_.reset();
  set_gadget_text(gadget(u"txtIn"), u"");
  fill_ = std::make_unique<PieceTurns>(
      std::move(shown),
      [input = gadget(u"txtIn")](std::u16string_view piece) { append_gadget_text(input, piece); },
      [this] { fill_done(); });
  run_job(next_job(), std::move(declared));
}

void Regeneration::clear() {
  window_remove_timer(main_window(), kRegenerationTimer);
  stop_job();
  fill_.reset();
  set_gadget_text(gadget(u"txtIn"), u"");
  show_declarations(u"");
}

void Regeneration::set_opening(bool opening) {
  opening_ = opening;
  follow_work();
}

bool Regeneration::take_event(int code) {
  if (code != kEventDeclarationsReady && code != kEventInputWanted) return false;
  if (event_object() != running_job_ || running_job_ == 0) return true;
  if (code == kEventInputWanted) {
    serve_input();
    return true;
  }
  running_job_ = 0;
  feed_.reset();
  show_declarations(*static_cast<const std::u16string*>(event_data()));
  return true;
}

int Regeneration::next_job() {
  if (++last_job_ <= 0) last_job_ = 1;
  return last_job_;
}

void Regeneration::run_job(int job, std::shared_ptr<TextStream::Reader> source) {
  running_job_ = job;
  worker_.start(job, std::move(source), style_);
  follow_work();
}

void Regeneration::stop_job() {
  if (running_job_ == 0) return;
  worker_.stop();
  running_job_ = 0;
  feed_.reset();
  feed_asked_ = false;
  follow_work();
}

void Regeneration::show_declarations(const std::u16string& declarations) {
  set_gadget_text(gadget(u"txtOut"), declarations);
  disable_gadget(gadget(u"cmdCopyAll"), declarations.empty() ? 1 : 0);
  follow_work();
}

// The editor is read only once the fill has put the whole text there.
void Regeneration::serve_input() {
  if (!feed_) return;
  if (fill_) {
    feed_asked_ = true;
    return;
  }
  feed_->serve();
}

void Regeneration::fill_done() {
  fill_.reset();
  if (feed_asked_) {
    feed_asked_ = false;
    serve_input();
  }
  follow_work();
}

void Regeneration::follow_work() {
  bool busy = working();
  if (BackendEventPump* pump = ui_event_pump()) pump->set_awaiting_posts(busy);
  if (busy == busy_) return;
  busy_ = busy;
  BackendWindows* windows = ui_windows();
  if (!windows) return;
  if (busy) {
    windows->show_busy_pointer(kBusyDelay);
  } else {
    windows->hide_busy_pointer();
  }
}

}  // namespace ambrel
