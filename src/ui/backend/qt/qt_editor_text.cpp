#include "ui/backend/qt/qt_editor_text.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMetaObject>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <utility>

#include "ui/backend/crlf_piece_writer.h"

namespace ambrel {

namespace {

constexpr const char* kKeeperName = "ambrel_editor_text";
// Below this many characters a document is built at once: too little work to hand off.
constexpr std::size_t kBackgroundBuildSize = std::size_t{1} << 18;
constexpr int kTabStopSpaces = 4;
// The characters read from an edited document at a time.
constexpr int kReadSize = 1 << 15;

bool is_line_break(char16_t c) {
  return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

std::u16string_view view_of(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The document's own form of a CR LF text: a line feed between lines.
QString document_lines(std::u16string_view crlf) {
  QString lines;
  lines.reserve(static_cast<qsizetype>(crlf.size()));
  std::size_t start = 0;
  for (std::size_t cr = crlf.find(u'\r'); cr != std::u16string_view::npos;
       cr = crlf.find(u'\r', start)) {
    lines.append(reinterpret_cast<const QChar*>(crlf.data() + start),
                 static_cast<qsizetype>(cr - start));
    start = cr + 1;
  }
  lines.append(reinterpret_cast<const QChar*>(crlf.data() + start),
               static_cast<qsizetype>(crlf.size() - start));
  return lines;
}

// Without undo steps and without a layout, which the editor makes when it takes the document.
QTextDocument* new_document(const QString& lines) {
  auto* document = new QTextDocument;
  document->setUndoRedoEnabled(false);
  QTextCursor(document).insertText(lines);
  return document;
}

}  // namespace

std::u16string with_crlf_line_ends(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size() + text.size() / 16);
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!is_line_break(text[i])) continue;
    result.append(text.substr(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    result.append(u"\r\n");
    start = i + 1;
  }
  result.append(text.substr(start));
  return result;
}

QtEditorText& QtEditorText::of(QPlainTextEdit& editor) {
  QObject* keeper = editor.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly);
  return keeper ? *static_cast<QtEditorText*>(keeper) : *new QtEditorText(editor);
}

QtEditorText::QtEditorText(QPlainTextEdit& editor) : QObject(&editor), editor_(editor) {
  setObjectName(kKeeperName);
  editor.installEventFilter(this);
  editor.viewport()->installEventFilter(this);
  fit_tab_stop();
  connect(&editor, &QPlainTextEdit::textChanged, this, [this] {
    if (!taking_text_) given_.reset();
  });
}

// Runs while the editor is being destroyed: touches only what is its own.
QtEditorText::~QtEditorText() {
  if (builder_.joinable()) builder_.join();
  delete built_;
}

void QtEditorText::set(std::u16string_view text) {
  std::u16string crlf = with_crlf_line_ends(text);
  QString lines = document_lines(crlf);
  given_ = std::move(crlf);
  unbuilt_.reset();
  if (builder_.joinable()) {
    builder_.join();
    delete std::exchange(built_, nullptr);
  }
  if (static_cast<std::size_t>(lines.size()) < kBackgroundBuildSize) {
    take_document(new_document(lines));
    return;
  }
  // Started from the event loop, so that the command which set the text (and goes on to
  // generate from it) has the processor to itself.
  unbuilt_ = std::move(lines);
  unsigned number = ++build_number_;
  QMetaObject::invokeMethod(
      this,
      [this, number] {
        if (number == build_number_) build_in_background(number);
      },
      Qt::QueuedConnection);
}

void QtEditorText::build_in_background(unsigned number) {
  if (!unbuilt_) return;
  builder_ =
      std::thread([this, number, lines = *std::exchange(unbuilt_, std::nullopt), home = thread()] {
        QTextDocument* document = new_document(lines);
        document->moveToThread(home);
        built_ = document;
        QMetaObject::invokeMethod(
            this,
            [this, number] {
              if (number == build_number_) take_pending_document();
            },
            Qt::QueuedConnection);
      });
}

std::u16string QtEditorText::get() const {
  if (given_) return *given_;
  return with_crlf_line_ends(view_of(editor_.document()->toRawText()));
}

void QtEditorText::read(const TextPieceHandler& take) const {
  if (given_) {
    if (!given_->empty()) take(*given_);
    return;
  }
  // Range by range: a block can hold the whole text (a document on one line).
  QTextDocument& document = *editor_.document();
  QTextCursor range(&document);
  CrLfPieceWriter writer(take, true);
  int end = document.characterCount() - 1;  // the last block's separator is not text
  for (int at = 0; at < end; at += kReadSize) {
    range.setPosition(at);
    range.setPosition(end - at > kReadSize ? at + kReadSize : end, QTextCursor::KeepAnchor);
    writer.write(view_of(range.selectedText()));
  }
  writer.finish();
}

void QtEditorText::take_pending_document() {
  if (unbuilt_) {
    take_document(new_document(*std::exchange(unbuilt_, std::nullopt)));
    return;
  }
  if (!builder_.joinable()) return;
  builder_.join();
  take_document(std::exchange(built_, nullptr));
}

void QtEditorText::take_document(QTextDocument* document) {
  QTextDocument* old = editor_.document();
  bool old_is_ours = old->parent() == &editor_;  // else the editor deletes its first one itself
  document->setDefaultFont(old->defaultFont());
  document->setDefaultTextOption(old->defaultTextOption());  // the tab stop lives there
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setParent(&editor_);
  taking_text_ = true;
  editor_.setDocument(document);
  taking_text_ = false;
  if (old_is_ours) delete old;
  document->setUndoRedoEnabled(true);
  editor_.setTextCursor(QTextCursor(document));
  editor_.horizontalScrollBar()->setValue(0);
  editor_.verticalScrollBar()->setValue(0);
}

void QtEditorText::fit_tab_stop() {
  editor_.setTabStopDistance(kTabStopSpaces *
                             QFontMetricsF(editor_.font()).horizontalAdvance(QChar(u' ')));
}

bool QtEditorText::eventFilter(QObject* watched, QEvent* event) {
  QEvent::Type type = event->type();
  bool input = type == QEvent::KeyPress || type == QEvent::ShortcutOverride ||
               type == QEvent::InputMethod || type == QEvent::MouseButtonPress ||
               type == QEvent::MouseButtonDblClick || type == QEvent::DragEnter;
  // The user's input must reach the text the program gave, not the one before it.
  if (input) take_pending_document();
  if (type == QEvent::FontChange && watched == &editor_) fit_tab_stop();
  return QObject::eventFilter(watched, event);
}

}  // namespace ambrel
