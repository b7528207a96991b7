// Sets and reads back a 10 MB text in a real editor gadget (offscreen Qt) and prints the
// times, against the time to build the same text, so a slow editor shows as a ratio.

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include <QApplication>

#include "services/services.h"
#include "ui/backend/qt/qt_backend.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/window.h"

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Declaration-like lines, as the output pane shows them.
std::u16string ten_megabytes() {
  std::u16string line = u"  field_name_of_some_length.XML_FIELD_NAME_OF_SOME_LENGTH[]\r\n";
  std::u16string text;
  text.reserve(10 * 1024 * 1024 / 2 + line.size());
  while (text.size() * 2 < 10 * 1024 * 1024) text += line;
  return text;
}

}  // namespace

int main() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  using namespace ambrel;
  std::unique_ptr<Services> services = Services::start(std::make_unique<QtBackend>());
  if (!services) return 1;
  int window = window_open(kAnyNumber, 0, 0, 800, 600, u"bench", kWindowSizeGadget);
  int editor = create_editor_gadget(kAnyNumber, {0, 0, 800, 600}, {.flags = kEditorReadOnly});

  Clock::time_point start = Clock::now();
  std::u16string text = ten_megabytes();
  double build = milliseconds_since(start);

  start = Clock::now();
  set_gadget_text(editor, text);
  QApplication::processEvents();
  double set = milliseconds_since(start);

  start = Clock::now();
  std::u16string back = get_gadget_text(editor);
  double get = milliseconds_since(start);

  std::printf("editor text: %zu UTF-16 units (%zu bytes)\n", text.size(), text.size() * 2);
  std::printf("build %.1f ms, set and show %.1f ms, read back %.1f ms\n", build, set, get);
  std::printf("set / build ratio %.1f, read back identical: %s\n", set / build, back == text ? "yes" : "no");

  window_close(window);
  return back == text ? 0 : 1;
}
