// Sets and reads back a 10 MB text in a real editor gadget (offscreen Qt) and prints the
// times, against the time to build the same text, so a slow editor shows as a ratio; then
// the time and extra peak memory of reading it whole and in slices, as the program gave it
// and once the user has edited it.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include <QApplication>
#include <QTextCursor>

#include "bench_clock.h"
#include "process_status.h"
#include "services/services.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/window.h"

namespace {

using ambrel::bench::Clock;
using ambrel::bench::milliseconds_since;

// Declaration-like lines, as the output pane shows them.
std::u16string ten_megabytes() {
  std::u16string line = u"  field_name_of_some_length.XML_FIELD_NAME_OF_SOME_LENGTH[]\r\n";
  std::u16string text;
  text.reserve(10 * 1024 * 1024 / 2 + line.size());
  while (text.size() * 2 < 10 * 1024 * 1024) text += line;
  return text;
}

struct Cost {
  double milliseconds = 0;
  double extra_mib = 0;
};

// The time `work` takes and the peak memory it adds to this process.
Cost cost_of(const std::function<void()>& work) {
  std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts at the current size
  long before = status_kilobytes("VmRSS:");
  Clock::time_point start = Clock::now();
  work();
  return {milliseconds_since(start),
          static_cast<double>(status_kilobytes("VmHWM:") - before) / 1024};
}

// Reading the editor's text whole and in pieces; false when the two differ.
bool compare_reads(int editor, const char* state) {
  std::size_t whole_size = 0;
  Cost whole = cost_of([&] { whole_size = ambrel::get_gadget_text(editor).size(); });
  std::size_t pieces_size = 0;
  Cost pieces = cost_of([&] {
    std::unique_ptr<ambrel::ControlTextReader> reader = ambrel::read_gadget_text(editor);
    while (reader->read(1 << 17, [&](std::u16string_view piece) { pieces_size += piece.size(); })) {
    }
  });
  std::printf("%s: read whole %.1f ms, +%.1f MiB | in slices %.1f ms, +%.1f MiB\n", state,
              whole.milliseconds, whole.extra_mib, pieces.milliseconds, pieces.extra_mib);
  return whole_size == pieces_size;
}

}  // namespace

int main() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  using namespace ambrel;
  auto backend = std::make_unique<QtBackend>();
  QtBackend* qt = backend.get();
  std::unique_ptr<Services> services = Services::start(std::move(backend));
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
  std::printf("set / build ratio %.1f, read back identical: %s\n", set / build,
              back == text ? "yes" : "no");
  bool same = back == text;
  back.clear();
  back.shrink_to_fit();

  same = compare_reads(editor, "as given") && same;
  auto* widget = dynamic_cast<QtEditorWidget*>(qt->widget(gadget_handle(editor)));
  widget->sends(SCI_INSERTTEXT, 0, "x");  // an edit
  same = compare_reads(editor, "edited") && same;

  window_close(window);
  return same ? 0 : 1;
}
