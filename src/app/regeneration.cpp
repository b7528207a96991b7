#include "app/regeneration.h"

#include <string>
#include <utility>

#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

Regeneration::Regeneration(const ToolGadgets& gadgets)
    : gadgets_(gadgets), worker_([this](int job, std::u16string declarations) {
        posts_.post([this, job, declarations = std::move(declarations)] {
          take_declarations(job, declarations);
        });
      }) {}

Regeneration::~Regeneration() {
  worker_.stop();
  fill_.reset();
  running_job_ = 0;
  opening_ = false;
  follow_work();
}

// The timer declares the input again: nothing stopped stays undeclared.
void Regeneration::input_edited() {
  stop_input_job();
  input_stopped_ = false;
  window_remove_timer(gadgets_.window, kRegenerationTimer);
  window_add_timer(gadgets_.window, kRegenerationTimer, kRegenerationDelay);
}

void Regeneration::from_input() {
  window_remove_timer(gadgets_.window, kRegenerationTimer);
  stop_job();
  input_stopped_ = false;
  int job = next_job();
  feed_ = std::make_unique<EditorFeed>(read_gadget_text(gadgets_.input), [this, job] {
    posts_.post([this, job] { input_wanted(job); });
  });
  run_job(job, feed_->take_reader());
}

void Regeneration::replace_input(InputText text) {
  window_remove_timer(gadgets_.window, kRegenerationTimer);
  forget_ahead();
  stop_job();
  fill_input(std::move(text.shown), text.expected_units);
  run_job(next_job(), std::move(text.declared));
}

// The job the ahead job stops is of the input that stays shown until the text is whole.
void Regeneration::declare_ahead(std::shared_ptr<TextStream::Reader> source) {
  forget_ahead();
  input_stopped_ = input_stopped_ || running_job_ != 0;
  stop_job();
  ahead_job_ = next_job();
  run_job(ahead_job_, std::move(source));
}

void Regeneration::take_ahead(InputText text) {
  window_remove_timer(gadgets_.window, kRegenerationTimer);
  stop_input_job();
  fill_input(std::move(text.shown), text.expected_units);
  int job = std::exchange(ahead_job_, 0);
  if (held_) {
    std::u16string declarations = std::move(*held_);
    held_.reset();
    show_declarations(declarations);
  } else if (job == 0) {
    run_job(next_job(), std::move(text.declared));
  } else {
    follow_work();  // the job ahead is now the input's
  }
}

void Regeneration::drop_ahead() {
  forget_ahead();
  if (input_stopped_) from_input();
}

void Regeneration::set_style(const DeclarationStyle& style) {
  forget_ahead();
  style_ = style;
}

void Regeneration::clear() {
  window_remove_timer(gadgets_.window, kRegenerationTimer);
  forget_ahead();
  stop_job();
  input_stopped_ = false;
  fill_.reset();
  set_gadget_text(gadgets_.input, u"");
  show_declarations(u"");
}

void Regeneration::set_opening(bool opening) {
  opening_ = opening;
  follow_work();
}

void Regeneration::take_declarations(int job, const std::u16string& declarations) {
  if (job != running_job_ || running_job_ == 0) return;
  running_job_ = 0;
  feed_.reset();
  if (job == ahead_job_) {
    held_ = declarations;
  } else {
    show_declarations(declarations);
  }
}

void Regeneration::input_wanted(int job) {
  if (job == running_job_ && running_job_ != 0) serve_input();
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
  if (running_job_ == ahead_job_) ahead_job_ = 0;
  running_job_ = 0;
  feed_.reset();
  feed_asked_ = false;
  follow_work();
}

void Regeneration::stop_input_job() {
  if (running_job_ != ahead_job_) stop_job();
}

void Regeneration::forget_ahead() {
  if (ahead_job_ != 0 && running_job_ == ahead_job_) stop_job();
  ahead_job_ = 0;
  held_.reset();
}

// A new input: nothing of the old one waits to be declared.
void Regeneration::fill_input(std::unique_ptr<TextStream::Reader> shown,
                              std::uint64_t expected_units) {
  input_stopped_ = false;
  fill_.reset();
  set_gadget_text(gadgets_.input, u"");
  reserve_gadget_text(gadgets_.input, expected_units);
  fill_ = std::make_unique<PieceTurns>(
      std::move(shown),
      [input = gadgets_.input](std::u16string_view piece) { append_gadget_text(input, piece); },
      [this] { fill_done(); });
}

void Regeneration::show_declarations(const std::u16string& declarations) {
  set_gadget_text(gadgets_.output, declarations);
  disable_gadget(gadgets_.copy_all, declarations.empty() ? 1 : 0);
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
