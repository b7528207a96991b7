// A 20 MB paste into the real application on Qt (offscreen without a display): the time of
// the paste command, until the output shows the declarations (against the generation alone)
// and until the input editor holds the whole text, and the longest turn of the event loop
// meanwhile, which is the longest the window stalls.

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "bench_clock.h"
#include "catalogue_text.h"
#include "app/application.h"
#include "dialog/dialog.h"
#include "whole_text_generator.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "support/unicode_text.h"
#include "ui/events.h"
#include "ui/gadget.h"

namespace {

using ambrel::bench::Clock;
using ambrel::bench::record_lines_text;
using ambrel::bench::seconds_since;

// The bytes of UTF-8 the editor's document holds.
std::size_t held(const ambrel::QtEditorWidget& editor) {
  return static_cast<std::size_t>(editor.send(SCI_GETLENGTH));
}

}  // namespace

int main() {
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  auto backend = std::make_unique<ambrel::QtBackend>();
  ambrel::QtBackend* qt = backend.get();
  if (ambrel::application_start(std::move(backend)) != 0) return 1;
  QApplication::processEvents();

  std::u16string text = record_lines_text(20u << 20);
  auto start = Clock::now();
  std::u16string alone = ambrel::generate_declarations(text);
  double generation = seconds_since(start);

  QApplication::clipboard()->setText(QString::fromStdU16String(text));
  std::size_t text_bytes = ambrel::utf16_to_utf8(text).size();
  auto* input_editor = dynamic_cast<ambrel::QtEditorWidget*>(qt->widget(
      ambrel::gadget_handle(ambrel::dialog_gadget(ambrel::application_dialog(), u"txtIn"))));
  auto* paste = qobject_cast<QPushButton*>(qt->widget(
      ambrel::gadget_handle(ambrel::dialog_gadget(ambrel::application_dialog(), u"cmdPaste"))));
  auto* output_editor = dynamic_cast<ambrel::QtEditorWidget*>(qt->widget(
      ambrel::gadget_handle(ambrel::dialog_gadget(ambrel::application_dialog(), u"txtOut"))));
  start = Clock::now();
  paste->click();
  double command = seconds_since(start);
  // The declarations come from the worker and the input fills over idle turns while the window
  // goes on; the longest single turn of the event loop meanwhile is the longest it stalls.
  double longest_turn = 0, output_after = 0, input_after = 0;
  while (output_after == 0 || input_after == 0) {
    auto turn = Clock::now();
    QApplication::processEvents(QEventLoop::AllEvents);
    ambrel::application_handle_event(ambrel::window_wait_event(0));
    longest_turn = std::max(longest_turn, seconds_since(turn));
    if (output_after == 0 && held(*output_editor) > 0) output_after = seconds_since(start);
    if (input_after == 0 && held(*input_editor) == text_bytes) input_after = seconds_since(start);
  }

  std::printf("paste of %zu characters (%.1f MB as UTF-8)\n", text.size(),
              static_cast<double>(text.size()) / (1 << 20));
  std::printf("generation alone:          %.3f s\n", generation);
  std::printf("paste command:             %.3f s\n", command);
  std::printf("output shown after:        %.3f s  (%.2f x the generation)\n", output_after,
              output_after / generation);
  std::printf("whole input shown after:   %.3f s\n", input_after);
  std::printf("longest event-loop turn:   %.3f s\n", longest_turn);
  std::printf("output exact: %s\n", ambrel::get_gadget_text(ambrel::dialog_gadget(
                                        ambrel::application_dialog(), u"txtOut")) == alone
                                        ? "yes"
                                        : "no");
  ambrel::application_end();
  return 0;
}
