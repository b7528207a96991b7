// The editor as a plain-text editor of the desktop: no margins, no styles, the widget's own
// font, the keys and the menu Qt's text editors have, and its pastes through the ui layer.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <chrono>

#include "backend/qt/qt_editor_accessibility.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/x_clipboard_reading.h"

namespace ambrel {

namespace {

constexpr int kTabStopSpaces = 4;

int scintilla_key(int key, int modifiers) { return key | (modifiers << 16); }

// Scintilla's own line and case commands, which a plain editor does not have: Ctrl+D, Ctrl+L,
// Ctrl+T and Ctrl+U would change lines the user did not mean to touch.
void unbind_line_commands(ScintillaEditBase& editor) {
  const int control = SCMOD_CTRL;
  const int control_shift = SCMOD_CTRL | SCMOD_SHIFT;
  for (int key : {scintilla_key('D', control), scintilla_key('L', control),
                  scintilla_key('L', control_shift), scintilla_key('T', control),
                  scintilla_key('U', control), scintilla_key('U', control_shift)}) {
    editor.send(SCI_CLEARCMDKEY, static_cast<uptr_t>(key));
  }
  // Redo as Qt's editors have it besides Ctrl+Y.
  editor.send(SCI_ASSIGNCMDKEY, static_cast<uptr_t>(scintilla_key('Z', control_shift)), SCI_REDO);
}

// A blinking caret has its line drawn again at every blink, and a line is laid out in time
// that grows with its length: on a line of megabytes the caret stays, or the window would do
// little else.
void steady_caret_on_long_lines(ScintillaEditBase& editor) {
  constexpr sptr_t kLongLine = sptr_t{1} << 20;
  sptr_t line =
      editor.send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(editor.send(SCI_GETCURRENTPOS)));
  bool long_line = editor.send(SCI_LINELENGTH, static_cast<uptr_t>(line)) > kLongLine;
  sptr_t period = long_line ? 0 : QApplication::cursorFlashTime() / 2;
  if (editor.send(SCI_GETCARETPERIOD) != period)
    editor.send(SCI_SETCARETPERIOD, static_cast<uptr_t>(period));
}

// What is copied or cut: with LF line ends, as text is on this desktop.
void use_desktop_line_ends(QMimeData* data) {
  QString text = data->text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  data->setText(text);
}

}  // namespace

QtEditorWidget::QtEditorWidget(QWidget* parent) : ScintillaEditBase(parent) {
  use_plain_document();
  hear_changes();
  send(SCI_SETMARGINS, 0);
  // Drawn straight into Qt's backing store, at the screen's density.
  send(SCI_SETBUFFEREDDRAW, 0);
  // The horizontal scroll bar as wide as the longest line shown, not a fixed width.
  send(SCI_SETSCROLLWIDTH, 1);
  send(SCI_SETSCROLLWIDTHTRACKING, 1);
  send(SCI_SETTABWIDTH, kTabStopSpaces);
  use_desktop_keys();
  fit_to_font();
  QObject::connect(this, &ScintillaEditBase::aboutToCopy, this, use_desktop_line_ends);
  use_editor_accessibility();
  paint_held_.setSingleShot(true);
  QObject::connect(&paint_held_, &QTimer::timeout, this, [this] { release_paints(); });
}

void QtEditorWidget::paintEvent(QPaintEvent* event) {
  auto start = std::chrono::steady_clock::now();
  ScintillaEditBase::paintEvent(event);
  pacing_.painted(std::chrono::steady_clock::now() - start);
}

void QtEditorWidget::hold_costly_paints() {
  std::chrono::milliseconds wait = pacing_.wait_after_text();
  if (wait.count() == 0) return;
  viewport()->setUpdatesEnabled(false);
  paint_held_.start(wait);
}

void QtEditorWidget::release_paints() {
  if (!pacing_.waiting()) return;
  paint_held_.stop();
  pacing_.released();
  viewport()->setUpdatesEnabled(true);  // which paints what changed meanwhile
}

// A document without a style byte per byte of text (a plain editor styles nothing), in UTF-8,
// whose typed line ends are CR LF. Code page and line ends belong to the document.
void QtEditorWidget::use_plain_document() {
  sptr_t document = send(SCI_CREATEDOCUMENT, 0, SC_DOCUMENTOPTION_STYLES_NONE);
  send(SCI_SETDOCPOINTER, 0, document);
  send(SCI_RELEASEDOCUMENT, 0, document);  // the editor holds it
  send(SCI_SETCODEPAGE, SC_CP_UTF8);
  send(SCI_SETEOLMODE, SC_EOL_CRLF);
}

// Changes are reported before they are made; the user's are edits. The caret's moves tell
// whether it may blink.
void QtEditorWidget::hear_changes() {
  send(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
  QObject::connect(this, &ScintillaEditBase::notify, this,
                   [this](Scintilla::NotificationData* note) {
                     if (note->nmhdr.code == Scintilla::Notification::UpdateUI)
                       steady_caret_on_long_lines(*this);
                     if (note->nmhdr.code != Scintilla::Notification::Modified) return;
                     if (changing_) return;
                     auto change = static_cast<int>(note->modificationType);
                     follow_user_change(static_cast<long>(note->position), change,
                                        static_cast<long>(note->length));
                     if (user_edit_) user_edit_();
                   });
}

void QtEditorWidget::use_desktop_keys() {
  unbind_line_commands(*this);
  // Scintilla's own pop-up menu reads the clipboard past the ui layer; the menu is the
  // backend's (see QtEditorMenu).
  send(SCI_USEPOPUP, SC_POPUP_NEVER);
}

// The widget's font as the text's: every style is the default one. Text of one byte per
// character is measured by counting in a fixed-width font (Scintilla checks that it is one).
void QtEditorWidget::fit_to_font() {
  QFont shown = font();
  QByteArray family = shown.family().toUtf8();
  sends(SCI_STYLESETFONT, STYLE_DEFAULT, family.constData());
  send(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT,
       static_cast<sptr_t>(QFontInfo(shown).pointSizeF() * SC_FONT_SIZE_MULTIPLIER));
  send(SCI_STYLESETWEIGHT, STYLE_DEFAULT, shown.weight());
  send(SCI_STYLESETITALIC, STYLE_DEFAULT, shown.italic());
  send(SCI_STYLESETCHECKMONOSPACED, STYLE_DEFAULT, 1);
  send(SCI_STYLECLEARALL);
}

bool QtEditorWidget::read_only() const { return send(SCI_GETREADONLY) != 0; }

void QtEditorWidget::set_read_only(bool read_only) { send(SCI_SETREADONLY, read_only); }

void QtEditorWidget::set_word_wrap(bool wrap) {
  send(SCI_SETWRAPMODE, wrap ? SC_WRAP_WORD : SC_WRAP_NONE);
}

void QtEditorWidget::changeEvent(QEvent* event) {
  ScintillaEditBase::changeEvent(event);
  if (event->type() == QEvent::FontChange) fit_to_font();
}

// Ctrl+V and Shift+Insert would reach Scintilla's own paste, which reads the clipboard whole
// on this thread.
void QtEditorWidget::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    paste();
    event->accept();
    return;
  }
  ScintillaEditBase::keyPressEvent(event);
}

void QtEditorWidget::paste() {
  if (!read_only() && !paste_in_parts()) send(SCI_PASTE);
}

bool QtEditorWidget::paste_in_parts() {
  if (!x_clipboard_of_another_program()) return false;
  return take_paste_ && take_paste_();
}

QMenu* QtEditorWidget::editing_menu() {
  bool writable = !read_only();
  bool selected = send(SCI_GETSELECTIONEMPTY) == 0;
  auto* menu = new QMenu(this);
  auto add = [&](const char* caption, QKeySequence::StandardKey keys, bool enabled, auto act) {
    QAction* action = menu->addAction(QString::fromLatin1(caption), this, act);
    action->setShortcut(keys);
    action->setEnabled(enabled);
  };
  add("&Undo", QKeySequence::Undo, writable && send(SCI_CANUNDO) != 0, [this] { send(SCI_UNDO); });
  add("&Redo", QKeySequence::Redo, writable && send(SCI_CANREDO) != 0, [this] { send(SCI_REDO); });
  menu->addSeparator();
  add("Cu&t", QKeySequence::Cut, writable && selected, [this] { send(SCI_CUT); });
  add("&Copy", QKeySequence::Copy, selected, [this] { send(SCI_COPY); });
  const QMimeData* clipboard = QApplication::clipboard()->mimeData();
  add("&Paste", QKeySequence::Paste, writable && clipboard && clipboard->hasText(),
      [this] { paste(); });
  add("Delete", QKeySequence::Delete, writable && selected, [this] { send(SCI_CLEAR); });
  menu->addSeparator();
  add("Select All", QKeySequence::SelectAll, send(SCI_GETLENGTH) > 0,
      [this] { send(SCI_SELECTALL); });
  return menu;
}

}  // namespace ambrel
