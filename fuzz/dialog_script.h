#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "backend/headless/headless_backend.h"

namespace ambrel {

// A fuzzer-chosen sequence of user input and library calls played against one open
// dialog on the headless backend. Every unit of the script picks the next step or one of
// its arguments; past its end every pick is 0. Runtime procedures the definition binds
// (see register_script_procedures) read their own steps from the same script, so input
// and the library calls made from inside event procedures interleave as the fuzzer
// chooses: resizing, hiding and freeing gadgets, closing the window, freeing the dialog
// or reopening it while its own event is being dispatched.
class DialogScript {
 public:
  DialogScript(HeadlessBackend& backend, int document, std::u16string_view units);
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  // Opens the document's first window; false when the definition is refused.
  bool open();
  // Plays the script to its end (or the step budget) and checks the dialog after each step.
  void play();

  // What a bound runtime procedure does: one step read from the script, at bounded depth.
  void procedure_step();

 private:
  unsigned pick(unsigned choices);
  int pick_size();
  Point pick_point(NativeHandle control);
  NativeHandle window() const;
  NativeHandle pick_control();
  NativeHandle pick_control_of(ControlKind kind);
  int pick_gadget();

  void user_step();
  void drag_splitter();
  void type_text();
  void drop_files();
  void change_window_state();
  void library_step(int gadget);
  void reopen();
  void free_dialog();
  void drain_events();
  void check() const;

  HeadlessBackend& backend_;
  int document_;
  std::u16string_view units_;
  std::size_t at_ = 0;
  std::int32_t dialog_ = 0;
  int depth_ = 0;
  int procedure_steps_ = 0;
};

// Registers the runtime procedures the dictionary and the seed definitions use; each runs
// procedure_step on the script being played (none while no script plays).
void register_script_procedures();

}  // namespace ambrel
