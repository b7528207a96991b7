// The editor as a plain-text editor of the desktop: no margins, no styles, the widget's own
// font, the keys Qt's text editors take, and its pastes through the ui layer.

#include <QEvent>
#include <QFontInfo>
#include <QKeyEvent>

#include "backend/qt/qt_editor_accessibility.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/x_clipboard_reading.h"

namespace ambrel {

namespace {

constexpr int kTabStopSpaces = 4;
constexpr int kMargins = 5;  // line numbers, symbols and folding, of which a plain editor has none

int scintilla_key(int key, int modifiers) { return key | (modifiers << 16); }

// Scintilla's own line and case commands, which a plain editor does not have: Ctrl+D, Ctrl+L,
// Ctrl+T and Ctrl+U would change lines the user did not mean to touch.
void unbind_line_commands(QsciScintilla& editor) {
  using Base = QsciScintillaBase;
  const int control = Base::SCMOD_CTRL;
  const int control_shift = Base::SCMOD_CTRL | Base::SCMOD_SHIFT;
  for (int key : {scintilla_key('D', control), scintilla_key('L', control),
                  scintilla_key('L', control_shift), scintilla_key('T', control),
                  scintilla_key('U', control), scintilla_key('U', control_shift)}) {
    editor.SendScintilla(Base::SCI_CLEARCMDKEY, static_cast<unsigned long>(key));
  }
  // Redo as Qt's editors have it besides Ctrl+Y.
  editor.SendScintilla(Base::SCI_ASSIGNCMDKEY,
                       static_cast<unsigned long>(scintilla_key('Z', control_shift)),
                       long{Base::SCI_REDO});
}

}  // namespace

QtEditorWidget::QtEditorWidget(QWidget* parent) : QsciScintilla(parent) {
  use_editor_accessibility();
  use_plain_document();
  SendScintilla(SCI_SETMODEVENTMASK,
                static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
  QObject::connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
                   [this](int position, int change, const char*, int length) {
                     if (changing_) return;
                     follow_user_change(position, change, length);
                     if (user_edit_) user_edit_();
                   });
  for (int margin = 0; margin < kMargins; ++margin) setMarginWidth(margin, 0);
  // Drawn straight into Qt's backing store, at the screen's density.
  SendScintilla(SCI_SETBUFFEREDDRAW, 0UL);
  // The horizontal scroll bar as wide as the longest line shown, not a fixed width.
  SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
  setTabWidth(kTabStopSpaces);
  unbind_line_commands(*this);
  fit_to_font();
}

// A document without a style byte per byte of text (a plain editor styles nothing), in UTF-8,
// whose typed line ends are CR LF. Code page and line ends belong to the document.
void QtEditorWidget::use_plain_document() {
  long document = SendScintilla(SCI_CREATEDOCUMENT, 0UL, long{SC_DOCUMENTOPTION_STYLES_NONE});
  SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
  SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);  // the editor holds it
  setUtf8(true);
  SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(SC_EOL_CRLF));
}

// The widget's font as the text's: every style is the default one.
void QtEditorWidget::fit_to_font() {
  QFont shown = font();
  QByteArray family = shown.family().toUtf8();
  SendScintilla(SCI_STYLESETFONT, static_cast<unsigned long>(STYLE_DEFAULT), family.constData());
  SendScintilla(SCI_STYLESETSIZEFRACTIONAL, static_cast<unsigned long>(STYLE_DEFAULT),
                static_cast<long>(QFontInfo(shown).pointSizeF() * int{SC_FONT_SIZE_MULTIPLIER}));
  SendScintilla(SCI_STYLESETWEIGHT, static_cast<unsigned long>(STYLE_DEFAULT),
                static_cast<long>(shown.weight()));
  SendScintilla(SCI_STYLESETITALIC, static_cast<unsigned long>(STYLE_DEFAULT),
                static_cast<long>(shown.italic()));
  SendScintilla(SCI_STYLECLEARALL);
}

void QtEditorWidget::changeEvent(QEvent* event) {
  QsciScintilla::changeEvent(event);
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
  QsciScintilla::keyPressEvent(event);
}

QMimeData* QtEditorWidget::toMimeData(const QByteArray& text, bool rectangular) const {
  QByteArray lines = text;
  lines.replace("\r\n", "\n").replace('\r', '\n');
  return QsciScintilla::toMimeData(lines, rectangular);
}

void QtEditorWidget::paste() {
  if (!paste_in_parts()) QsciScintilla::paste();
}

bool QtEditorWidget::paste_in_parts() {
  if (isReadOnly() || !x_clipboard_of_another_program()) return false;
  return take_paste_ && take_paste_();
}

}  // namespace ambrel
