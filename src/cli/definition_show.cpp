#include "cli/definition_show.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/definition_opening.h"
#include "cli/definition_watch.h"
#include "cli/event_procedures.h"
#include "dialog/dialog.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

using Clock = std::chrono::steady_clock;

class Show {
 public:
  Show(const DialogOptions& options, std::string shown_name)
      : options_(options), shown_name_(std::move(shown_name)), printer_(stdout) {}
  Show(const Show&) = delete;
  Show& operator=(const Show&) = delete;
  ~Show() {
    if (dialog_ != 0) dialog_free(dialog_);
  }

  // Builds the window from the text; the one shown before goes once the new one is up.
  OpeningOutcome build(std::u16string_view text) {
    OpeningRequest request;
    request.window_name = options_.window_name;
    request.size = dialog_ != 0 ? current_size() : options_.open_size;
    request.warnings = options_.warnings;
    request.publish_procedures = [this](const XmlNode& element) {
      printer_.publish_event_procedures(element);
    };
    Opening opening = open_definition({shown_name_, text}, request, stderr);
    if (opening.outcome == OpeningOutcome::out_of_memory) {
      std::fputs("ambrel-dialog: out of memory\n", stderr);
    }
    if (opening.outcome == OpeningOutcome::opened) replace_dialog(opening.dialog);
    return opening.outcome;
  }

  bool has_window() const { return dialog_ != 0; }
  bool is_close_of_window(int code) const {
    return code == kEventCloseWindow && dialog_ != 0 && event_window() == dialog_window(dialog_);
  }

 private:
  InnerSize current_size() const {
    int window = dialog_window(dialog_);
    return {window_inner_width(window), window_inner_height(window)};
  }

  // The new window takes the old one's place on the screen.
  void replace_dialog(std::int32_t dialog) {
    if (dialog_ != 0) {
      NativeHandle old_window = window_handle(dialog_window(dialog_));
      Point place = ui_windows()->window_position(old_window);
      dialog_free(dialog_);
      ui_windows()->move_window(window_handle(dialog_window(dialog)), place);
    }
    dialog_ = dialog;
    printer_.follow(dialog);
  }

  const DialogOptions& options_;
  std::string shown_name_;
  EventPrinter printer_;
  std::int32_t dialog_ = 0;
};

// Waits for the window's events until the next look at the file is due; true when the
// window was closed.
bool serve_until(const Show& show, Clock::time_point due) {
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
    if (left.count() <= 0) return false;
    if (show.is_close_of_window(window_wait_event(static_cast<int>(left.count())))) return true;
  }
}

}  // namespace

int show_definition(const DialogOptions& options, const std::string& shown_name,
                    std::u16string text) {
  Show show(options, shown_name);
  OpeningOutcome first = show.build(text);
  bool watching = !options.embedded && options.file != "-";
  if (!watching && !show.has_window()) {
    return first == OpeningOutcome::out_of_memory ? kExitOutOfMemory : kExitFaulty;
  }
  std::unique_ptr<DefinitionWatch> watch;
  if (watching) watch = std::make_unique<DefinitionWatch>(options.file, std::move(text));
  for (;;) {
    if (serve_until(show, Clock::now() + DefinitionWatch::kLookInterval)) return kExitOpened;
    if (!watch) continue;
    if (std::optional<std::u16string> changed = watch->take_change()) show.build(*changed);
  }
}

}  // namespace ambrel
