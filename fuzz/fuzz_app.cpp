// Runs the desktop tool on the headless backend with a fuzzer-chosen session: typing into
// the editors, its buttons (the file requester answered with a real file, a missing one,
// a directory or a cancel), pasting, drops on the input frame, Tab, focus, resizes and the
// passing of time, all through the tool's real event loop. The input is the script, a NUL,
// the text of the file the requester and drops offer, a NUL and the clipboard's text.
// Once the regeneration timer has had its second, the output must be the declarations of
// the input and "Copy all" enabled exactly when there are some.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/regeneration.h"
#include "dialog/dialog.h"
#include "fuzz_text.h"
#include "whole_text_generator.h"
#include "support/unicode_text.h"
#include "backend/headless/headless_backend.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {
namespace {

constexpr int kMostSteps = 60;

std::string& file_path() {
  static std::string path;
  return path;
}

void remove_file() { unlink(file_path().c_str()); }

int gadget(std::u16string_view name) { return dialog_gadget(application_dialog(), name); }
NativeHandle handle(std::u16string_view name) { return gadget_handle(gadget(name)); }
NativeHandle main_window() { return window_handle(dialog_window(application_dialog())); }

class Session {
 public:
  Session(HeadlessBackend& backend, std::u16string_view script, std::u16string_view file_text)
      : backend_(backend), script_(script), file_text_(file_text) {}

  // Schedules every step of the script, then the check and the close.
  void schedule() {
    std::int64_t time = 0;
    for (int step = 0; step < kMostSteps && at_ < script_.size(); ++step) {
      time += pick(1500);
      unsigned what = pick(11);
      unsigned a = pick(0x10000);
      unsigned b = pick(0x10000);
      backend_.schedule(time, [this, what, a, b] { run(what, a, b); });
    }
    backend_.schedule(time + kRegenerationDelay + 500, [this] { check_and_close(); });
  }

 private:
  unsigned pick(unsigned choices) { return at_ < script_.size() ? script_[at_++] % choices : 0; }

  std::u16string offered_path(unsigned choice) const {
    switch (choice % 5) {
      case 0:
        return u"";
      case 1:
        return u"/nonexistent/ambrel.xml";
      case 2:
        return u"/tmp";
      default:
        return std::u16string(file_path().begin(), file_path().end());
    }
  }

  std::u16string piece_of_file(unsigned a, unsigned b) const {
    std::size_t from = file_text_.empty() ? 0 : a % file_text_.size();
    return std::u16string(file_text_.substr(from, b % 64));
  }

  void run(unsigned what, unsigned a, unsigned b) {
    static const char16_t* const kButtons[] = {u"cmdFile", u"cmdPaste", u"cmdClear", u"cmdCopyAll"};
    static const char16_t* const kTargets[] = {u"frameIn", u"txtIn", u"lblIn", u"cmdFile",
                                               u"txtOut"};
    switch (what) {
      case 0:
        backend_.user_type(handle(a % 2 == 0 ? u"txtIn" : u"txtOut"), piece_of_file(a / 2, b));
        break;
      case 1:
        backend_.user_click(handle(kButtons[a % 4]), MouseButton::Left, {1, 1});
        break;
      case 2:
        backend_.answer_open_file(offered_path(a));
        break;
      case 3: {
        std::vector<std::u16string> files;
        for (unsigned n = b % 4; n > 0; --n, a /= 5) files.push_back(offered_path(a));
        backend_.user_drop_files(handle(kTargets[b / 4 % 5]), files, {2, 2},
                                 static_cast<int>(a % 8), static_cast<int>(b / 32 % 64));
        break;
      }
      case 4:
        backend_.user_press_tab(main_window(), a % 2 == 1);
        break;
      case 5:
        backend_.user_focus(handle(kTargets[a % 5]));
        break;
      case 6:
        backend_.user_resize(main_window(),
                             {static_cast<int>(a % 2000), static_cast<int>(b % 2000)});
        break;
      case 7:
        backend_.set_clipboard_text(piece_of_file(a, b));
        break;
      case 8:
        backend_.user_click(handle(kTargets[a % 5]), MouseButton::Right, {1, 1});
        break;
      case 9:
        backend_.user_double_click(handle(kTargets[a % 5]), {1, 1});
        break;
      default:
        backend_.user_minimize(main_window());
        backend_.user_restore(main_window());
        break;
    }
  }

  void check_and_close() {
    std::u16string input = get_gadget_text(gadget(u"txtIn"));
    std::u16string output = get_gadget_text(gadget(u"txtOut"));
    fuzz_require(output == generate_declarations(input), "the output declares the input");
    fuzz_require(backend_.control_enabled(handle(u"cmdCopyAll")) == !output.empty(),
                 "Copy all enabled exactly when there is output");
    backend_.user_close(main_window());
  }

  HeadlessBackend& backend_;
  std::u16string_view script_;
  std::u16string_view file_text_;
  std::size_t at_ = 0;
};

void write_file(std::u16string_view text) {
  std::string bytes = utf16_to_utf8(text);
  FILE* file = std::fopen(file_path().c_str(), "wb");
  fuzz_require(file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(),
               "write the offered file");
  std::fclose(file);
}

}  // namespace
}  // namespace ambrel

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ambrel::file_path() = "/tmp/ambrel_fuzz_app_" + std::to_string(getpid()) + ".xml";
  std::atexit(ambrel::remove_file);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::vector<std::u16string> parts = split_at_nul(fuzz_text(data, size), 3);
  write_file(parts[1]);
  auto backend = std::make_unique<HeadlessBackend>();
  HeadlessBackend* headless = backend.get();
  fuzz_require(application_start(std::move(backend)) == 0, "the application starts");
  headless->set_clipboard_text(parts[2]);
  Session session(*headless, parts[0], parts[1]);
  session.schedule();
  application_run_loop();
  application_end();
  return 0;
}
