#pragma once

// The output kept to the newest input. Declarations are computed on one worker thread while
// the window goes on; a new input (a paste, a clear, a load, the user's edit) stops the
// generation that runs, and a result reaches the output only while its input is the newest,
// on the user-interface thread, as a call posted there and checked against the newest job. A
// pasted or loaded text fills the input editor over idle turns meanwhile. The pointer shows the
// program busy while either runs for more than kBusyDelay.
//
// A paste is declared ahead, as its text comes: the declarations are held until the text is
// whole and then shown at once, or dropped if it breaks. The job ahead counts as no work while
// the text is not whole, since it waits on the clipboard's owner, as the paste does.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/declaration_worker.h"
#include "app/input_text.h"
#include "app/tool_gadgets.h"
#include "ui/editor_text_turns.h"
#include "ui/owned_posts.h"

namespace ambrel {

// The regeneration timer of the main window.
inline constexpr int kRegenerationTimer = 117;
inline constexpr int kRegenerationDelay = 1000;
inline constexpr int kBusyDelay = 300;

class Regeneration {
 public:
  explicit Regeneration(const ToolGadgets& gadgets);
  // Stops the generation and the fill.
  ~Regeneration();
  Regeneration(const Regeneration&) = delete;
  Regeneration& operator=(const Regeneration&) = delete;

  // The user changed the input: the running generation stops, and the timer starts again.
  void input_edited();
  // Removes the timer and declares the input editor's text.
  void from_input();
  // Removes the timer, replaces the input with a text and declares it at once.
  void replace_input(InputText text);
  // Declares a text on its way to replace the input, the one job ahead: nothing shown changes
  // until take_ahead() or drop_ahead(). The user's edits meanwhile do not stop it; declaring
  // the input does, and the text is then declared again once whole.
  void declare_ahead(std::shared_ptr<TextStream::Reader> source);
  // The text declared ahead came whole: as replace_input(), with the job ahead's declarations,
  // shown at once if they came; `text.declared` is read only when that job was stopped.
  void take_ahead(InputText text);
  // The text declared ahead will not replace the input: its job and declarations go, and the
  // input is declared again if that job stopped the input's own.
  void drop_ahead();
  // How the declarations of the jobs from now on are written; declarations held in another go.
  void set_style(const DeclarationStyle& style);
  // Removes the timer and empties the input and the output at once.
  void clear();
  // Whether a new input is on its way (a file being opened): meanwhile the program counts
  // as working, and awaits what the opening posts.
  void set_opening(bool opening);
  // Whether a generation, a fill or an opening runs.
  bool working() const {
    return (running_job_ != 0 && running_job_ != ahead_job_) || fill_ != nullptr || opening_;
  }

 private:
  // The number of the next job (never 0).
  int next_job();
  // Starts job `job` on `source`; none runs before.
  void run_job(int job, std::shared_ptr<TextStream::Reader> source);
  // Stops the generation that runs, if any: its result will not be shown.
  void stop_job();
  // The same, unless it is the job ahead.
  void stop_input_job();
  // Lets go of the job ahead and what it declared.
  void forget_ahead();
  // Empties the input editor and fills it with `shown` over idle turns, with room made at once
  // for the units expected (0: none).
  void fill_input(std::unique_ptr<TextStream::Reader> shown, std::uint64_t expected_units);
  // What the worker posts for job `job`; a job no longer running gets nothing.
  void take_declarations(int job, const std::u16string& declarations);
  void input_wanted(int job);
  void show_declarations(const std::u16string& declarations);
  void fill_done();
  void serve_input();
  // The busy pointer and the backend's wait for posts follow what runs.
  void follow_work();

  ToolGadgets gadgets_;
  int last_job_ = 0;
  int running_job_ = 0;                 // 0 when no generation runs
  int ahead_job_ = 0;                   // the job ahead, running or with its declarations held
  std::optional<std::u16string> held_;  // the job ahead's, once it has ended
  bool input_stopped_ = false;          // the job ahead stopped the input's, not declared since
  std::unique_ptr<EditorFeed> feed_;    // the running job's, when it reads the input editor
  bool feed_asked_ = false;             // and it asked while the fill ran
  std::unique_ptr<PieceTurns> fill_;    // fills the input editor
  bool opening_ = false;
  bool busy_ = false;
  DeclarationStyle style_;
  OwnedPosts posts_;
  DeclarationWorker worker_;  // last: it stops before the rest goes
};

}  // namespace ambrel
