#pragma once

// The output kept to the newest input. Declarations are computed on one worker thread while
// the window goes on; a new input (a paste, a clear, a load, the user's edit) stops the
// generation that runs, and a result reaches the output only while its input is the newest,
// on the user-interface thread, as a call posted there and checked against the newest job. A
// pasted or loaded text fills the input editor over idle turns meanwhile. The pointer shows the
// program busy while either runs for more than kBusyDelay.

#include <memory>
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
  // How the declarations of the jobs from now on are written.
  void set_style(const DeclarationStyle& style) { style_ = style; }
  // Removes the timer and empties the input and the output at once.
  void clear();
  // Whether a new input is on its way (a file being opened): meanwhile the program counts
  // as working, and awaits what the opening posts.
  void set_opening(bool opening);
  // Whether a generation, a fill or an opening runs.
  bool working() const { return running_job_ != 0 || fill_ != nullptr || opening_; }

 private:
  // The number of the next job (never 0).
  int next_job();
  // Starts job `job` on `source`; none runs before.
  void run_job(int job, std::shared_ptr<TextStream::Reader> source);
  // Stops the generation that runs, if any: its result will not be shown.
  void stop_job();
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
  int running_job_ = 0;               // 0 when no generation runs
  std::unique_ptr<EditorFeed> feed_;  // the running job's, when it reads the input editor
  bool feed_asked_ = false;           // and it asked while the fill ran
  std::unique_ptr<PieceTurns> fill_;  // fills the input editor
  bool opening_ = false;
  bool busy_ = false;
  DeclarationStyle style_;
  OwnedPosts posts_;
  DeclarationWorker worker_;  // last: it stops before the rest goes
};

}  // namespace ambrel
