// The window's unresponsive time for a 20 MB paste against the generation alone. The paste
// command runs on the user-interface thread, so the window answers nothing until it returns.
// Runs the real application on Qt (offscreen without a display).

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "app/application.h"
#include "dialog/dialog.h"
#include "generator/generator.h"
#include "ui/backend/qt/qt_backend.h"
#include "ui/gadget.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// About `bytes` of a catalogue with repeated records, mixed value types and attributes.
std::u16string catalogue_of(std::size_t bytes) {
  std::u16string text = u"<catalog>\n";
  for (int i = 0; text.size() < bytes; ++i) {
    std::string digits = std::to_string(i);
    std::u16string n(digits.begin(), digits.end());
    text += u"  <book id=\"" + n + u"\"><title>Title " + n + u"</title><price>" + n +
            u".5</price><count>" + n + u"</count></book>\n";
  }
  return text + u"</catalog>\n";
}

// Runs the event loop until the editor shows a new document; returns its longest turn.
double wait_until_shown(const QPlainTextEdit& editor, const QTextDocument* before) {
  double longest_turn = 0;
  while (editor.document() == before) {
    auto turn = Clock::now();
    QApplication::processEvents();
    longest_turn = std::max(longest_turn, seconds_since(turn));
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return longest_turn;
}

}  // namespace

int main() {
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  auto backend = std::make_unique<ambrel::QtBackend>();
  ambrel::QtBackend* qt = backend.get();
  if (ambrel::application_start(std::move(backend)) != 0) return 1;
  QApplication::processEvents();

  std::u16string text = catalogue_of(20u << 20);
  auto start = Clock::now();
  std::u16string alone = ambrel::generate_declarations(text);
  double generation = seconds_since(start);

  QApplication::clipboard()->setText(QString::fromStdU16String(text));
  auto* input_editor = qobject_cast<QPlainTextEdit*>(qt->widget(
      ambrel::gadget_handle(ambrel::dialog_gadget(ambrel::application_dialog(), u"txtIn"))));
  auto* paste = qobject_cast<QPushButton*>(qt->widget(
      ambrel::gadget_handle(ambrel::dialog_gadget(ambrel::application_dialog(), u"cmdPaste"))));
  const QTextDocument* before = input_editor->document();
  start = Clock::now();
  paste->click();
  double unresponsive = seconds_since(start);
  // The input editor takes the document built in the background while the window goes on;
  // the longest single turn of the event loop until then is the longest the window stalls.
  double longest_turn = wait_until_shown(*input_editor, before);
  double shown = seconds_since(start);

  // Its parts: the clipboard read, putting the input into the editor, reading it back.
  int input = ambrel::dialog_gadget(ambrel::application_dialog(), u"txtIn");
  start = Clock::now();
  std::u16string from_clipboard = QApplication::clipboard()->text().toStdU16String();
  double clipboard_read = seconds_since(start);
  before = input_editor->document();
  start = Clock::now();
  ambrel::set_gadget_text(input, from_clipboard);
  double set_input = seconds_since(start);
  start = Clock::now();
  std::u16string read_back = ambrel::get_gadget_text(input);
  double get_input = seconds_since(start);
  // After a user's edit the text is read from the editor's document itself.
  wait_until_shown(*input_editor, before);
  input_editor->moveCursor(QTextCursor::End);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(input_editor, &key);
  start = Clock::now();
  std::u16string edited = ambrel::get_gadget_text(input);
  double get_edited = seconds_since(start);

  std::printf("paste of %zu characters (%.1f MB as UTF-8)\n", text.size(),
              static_cast<double>(text.size()) / (1 << 20));
  std::printf("generation alone:             %.3f s\n", generation);
  std::printf("paste command (window busy):  %.3f s  (%.2f x the generation)\n", unresponsive,
              unresponsive / generation);
  std::printf(
      "input shown in the editor after: %.3f s  (longest event-loop turn meanwhile %.3f s)\n",
      shown, longest_turn);
  std::printf(
      "  clipboard read %.3f s, input set %.3f s, input read back %.3f s (after an edit %.3f s)\n",
      clipboard_read, set_input, get_input, get_edited);
  std::printf("read back exact: %s\n", edited == read_back + u"x" ? "yes" : "no");
  std::printf("output characters: %zu\n", alone.size());
  ambrel::application_end();
  return 0;
}
