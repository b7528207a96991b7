// Prints how long the dialog engine takes to open, show and free a window with the
// platform's real toolkit (Qt on Linux, Win32 on Windows) for wide and deep definitions: a
// panel of 1,000 to 16,000 tabs and 100 to 400 nested frames. Each count is twice the one
// before, so a linear backend prints a ratio of about 2 per doubling.
//
// Usage: bench_real_window [SCALE [tabs|frames]]; SCALE (default 1) multiplies every count,
// and the second argument runs one shape alone (default: both). Run it on a
// display (Xvfb on a server) for the figures a user sees; without one, Qt draws offscreen.
// Each line gives the time that passed and the processor time of this process: on a busy
// machine only the second says how the work grows (the display server's and Wine's server's
// share is in the first alone).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "bench_clock.h"
#include "cli/dialog_backends.h"
#include "dialog/dialog.h"
#include "services/services.h"
#include "ui/events.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

using bench::Clock;
using bench::seconds_since;

// This process's processor time, all threads, user and system (clock() is that on POSIX
// but the time passed on Windows).
double processor_seconds() {
#ifdef _WIN32
  FILETIME created, ended, system, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &system, &user)) return 0;
  auto seconds = [](const FILETIME& time) {
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                               time.dwLowDateTime) /
           1e7;
  };
  return seconds(system) + seconds(user);
#else
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

struct Took {
  double passed = -1;  // seconds; -1: the definition did not open
  double processor = 0;
};

std::u16string number(int value) {
  std::u16string text;
  for (char c : std::to_string(value)) text += static_cast<char16_t>(c);
  return text;
}

std::u16string panel_of_tabs(int count) {
  std::u16string text = u"<window name='w' text='tabs'><panel>";
  for (int i = 0; i < count; ++i) text += u"<tab text='t" + number(i) + u"'/>";
  return text + u"</panel></window>";
}

std::u16string nested_frames(int depth) {
  std::u16string text = u"<window name='w' text='frames'>";
  for (int i = 0; i < depth; ++i) text += u"<frame text='f" + number(i) + u"'>";
  text += u"<button text='x'/>";
  for (int i = 0; i < depth; ++i) text += u"</frame>";
  return text + u"</window>";
}

// Until the toolkit has nothing left to do: the shown window is drawn by then.
void settle() {
  while (window_wait_event(50) != 0) {}
}

// Opening (gadgets created, laid out, window shown and drawn) and freeing.
Took open_show_free(const std::u16string& text) {
  int document = xml_parse_text(kAnyNumber, text);
  std::int32_t dialog = dialog_create(kAnyNumber);
  Clock::time_point start = Clock::now();
  double processor_start = processor_seconds();
  if (dialog_open(dialog, document, u"w", 0, 0) == 0) {
    std::printf("  the definition did not open: %s\n", dialog_error_text(dialog).c_str());
    return {};
  }
  settle();
  dialog_free(dialog);
  settle();
  Took took{seconds_since(start), processor_seconds() - processor_start};
  xml_free_document(document);
  return took;
}

void print_doublings(const char* name, int first, int last, std::u16string (*shape)(int)) {
  Took previous;
  for (int count = first; count <= last; count *= 2) {
    Took took = open_show_free(shape(count));
    std::printf("%-14s %6d: %7.3f s (processor %7.3f s)", name, count, took.passed, took.processor);
    if (previous.passed > 0 && took.passed > 0 && previous.processor > 0) {
      std::printf(", ratios %.2f (processor %.2f) to half as many (linear: about 2)",
                  took.passed / previous.passed, took.processor / previous.processor);
    }
    std::printf("\n");
    std::fflush(stdout);
    previous = took;
  }
}

}  // namespace
}  // namespace ambrel

int main(int argc, char** argv) {
  double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
  std::string shape = argc > 2 ? argv[2] : "";
  if (scale <= 0 || argc > 3 || (shape != "" && shape != "tabs" && shape != "frames")) {
    std::fprintf(stderr, "usage: bench_real_window [SCALE [tabs|frames]]\n");
    return 2;
  }
  auto services = ambrel::Services::start(ambrel::make_dialog_backend(true));
  if (!services) return 1;
  auto count = [scale](int full) { return std::max(1, static_cast<int>(full * scale)); };
  if (shape != "frames")
    ambrel::print_doublings("panel of tabs", count(1000), count(16000), ambrel::panel_of_tabs);
  if (shape != "tabs")
    ambrel::print_doublings("nested frames", count(100), count(400), ambrel::nested_frames);
  return 0;
}
