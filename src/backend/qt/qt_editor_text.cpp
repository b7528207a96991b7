#include "backend/qt/qt_editor_text.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "backend/control_text_readers.h"
#include "backend/qt/qt_text.h"
#include "backend/qt/x_clipboard_reading.h"

namespace ambrel {

namespace {

constexpr const char* kKeeperName = "ambrel_editor_text";
constexpr int kTabStopSpaces = 4;
// The characters get reads from the document at a time.
constexpr std::size_t kReadSize = std::size_t{1} << 16;

std::u16string_view view_of(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Cursor ranges of the live document: a slice costs its own length, wherever it lies. The
// document's paragraph and line separators come back as CR LF.
class EditorTextReader final : public ControlTextReader {
 public:
  explicit EditorTextReader(QPlainTextEdit& editor) : editor_(&editor) {}

  bool read(std::size_t units, const TextPieceHandler& take) override {
    if (!editor_) return false;
    QTextDocument& document = *editor_->document();
    int end = document.characterCount() - 1;  // the last block's separator is not text
    if (at_ >= end) return false;
    int count =
        static_cast<int>(std::clamp<std::size_t>(units, 1, static_cast<std::size_t>(end - at_)));
    QTextCursor range(&document);
    range.setPosition(at_);
    range.setPosition(at_ + count, QTextCursor::KeepAnchor);
    writer_.write(view_of(range.selectedText()), take);
    writer_.flush(take);
    at_ += count;
    return true;
  }

 private:
  QPointer<QPlainTextEdit> editor_;
  int at_ = 0;
  CrLfPieceWriter writer_{true};
};

// Keeps the user's caret, selection and view while the program changes the text elsewhere.
class KeptPlace {
 public:
  explicit KeptPlace(QPlainTextEdit& editor)
      : editor_(editor),
        anchor_(editor.textCursor().anchor()),
        position_(editor.textCursor().position()),
        horizontal_(editor.horizontalScrollBar()->value()),
        vertical_(editor.verticalScrollBar()->value()) {}
  KeptPlace(const KeptPlace&) = delete;
  KeptPlace& operator=(const KeptPlace&) = delete;
  ~KeptPlace() {
    QTextCursor caret = editor_.textCursor();
    if (caret.anchor() != anchor_ || caret.position() != position_) {
      caret.setPosition(anchor_);
      caret.setPosition(position_, QTextCursor::KeepAnchor);
      editor_.setTextCursor(caret);
    }
    editor_.horizontalScrollBar()->setValue(horizontal_);
    editor_.verticalScrollBar()->setValue(vertical_);
  }

 private:
  QPlainTextEdit& editor_;
  int anchor_;
  int position_;
  int horizontal_;
  int vertical_;
};

}  // namespace

QtEditorText& QtEditorText::of(QPlainTextEdit& editor) {
  QObject* keeper = editor.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly);
  return keeper ? *static_cast<QtEditorText*>(keeper) : *new QtEditorText(editor);
}

QtEditorText::QtEditorText(QPlainTextEdit& editor) : QObject(&editor), editor_(editor) {
  setObjectName(kKeeperName);
  editor.installEventFilter(this);
  fit_tab_stop();
}

QtEditorText::~QtEditorText() = default;

// A fresh document rather than the old one emptied: the old one goes in one deletion,
// without an undo step or a change signal per block.
void QtEditorText::set(std::u16string_view text) {
  QTextDocument* old = editor_.document();
  bool old_is_ours = old->parent() == &editor_;  // else the editor deletes its first one itself
  auto* document = new QTextDocument(&editor_);
  document->setDefaultFont(old->defaultFont());
  document->setDefaultTextOption(old->defaultTextOption());  // the tab stop lives there
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setUndoRedoEnabled(false);
  changing_ = true;
  editor_.setDocument(document);
  if (old_is_ours) delete old;
  appended_cr_ = false;
  if (!text.empty()) QTextCursor(document).insertText(to_qstring(text));
  changing_ = false;
  document->setUndoRedoEnabled(true);
  editor_.setTextCursor(QTextCursor(document));
  editor_.horizontalScrollBar()->setValue(0);
  editor_.verticalScrollBar()->setValue(0);
}

void QtEditorText::append(std::u16string_view text) {
  if (appended_cr_ && !text.empty() && text.front() == u'\n') text.remove_prefix(1);
  if (text.empty()) return;
  appended_cr_ = text.back() == u'\r';
  QTextDocument& document = *editor_.document();
  KeptPlace place(editor_);
  bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  changing_ = true;
  QTextCursor end(&document);
  end.movePosition(QTextCursor::End);
  end.insertText(to_qstring(text));
  changing_ = false;
  document.setUndoRedoEnabled(undo);
}

std::u16string QtEditorText::get() const {
  std::u16string text;
  EditorTextReader reader(editor_);
  while (reader.read(kReadSize, [&text](std::u16string_view piece) { text += piece; })) {}
  return text;
}

std::unique_ptr<ControlTextReader> QtEditorText::reader() const {
  return std::make_unique<EditorTextReader>(editor_);
}

void QtEditorText::fit_tab_stop() {
  editor_.setTabStopDistance(kTabStopSpaces *
                             QFontMetricsF(editor_.font()).horizontalAdvance(QChar(u' ')));
}

bool QtEditorText::paste_in_parts(const QMimeData* source) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (editor_.isReadOnly() || !clipboard || source != clipboard->mimeData() ||
      !x_clipboard_of_another_program()) {
    return false;
  }
  return take_paste_ && take_paste_();
}

namespace {

// Goes in through a cursor of its own, which the user's edits move as they move the text; the
// editor's caret, at the same place, follows what goes in. A document replaced since leaves
// the cursor null.
class CursorInsertion final : public EditorInsertion {
 public:
  static constexpr std::size_t kInsertUnits = std::size_t{1} << 16;

  explicit CursorInsertion(QPlainTextEdit& editor)
      : editor_(&editor), insertion_(editor.textCursor()) {}

  void insert(std::u16string_view text) override {
    if (!editor_ || insertion_.isNull() || insertion_.document() != editor_->document()) return;
    if (first_) {
      insertion_.beginEditBlock();
    } else {
      insertion_.joinPreviousEditBlock();
    }
    insertion_.insertText(to_qstring(text));
    insertion_.endEditBlock();
    first_ = false;
  }
  std::size_t piece_units() const override { return kInsertUnits; }

 private:
  QPointer<QPlainTextEdit> editor_;
  QTextCursor insertion_;
  bool first_ = true;  // the undo step starts with it
};

}  // namespace

std::unique_ptr<EditorInsertion> QtEditorText::insertion() {
  if (editor_.isReadOnly()) return nullptr;
  return std::make_unique<CursorInsertion>(editor_);
}

void QtEditorWidget::insertFromMimeData(const QMimeData* source) {
  if (!QtEditorText::of(*this).paste_in_parts(source)) QPlainTextEdit::insertFromMimeData(source);
}

bool QtEditorText::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FontChange && watched == &editor_) fit_tab_stop();
  return QObject::eventFilter(watched, event);
}

}  // namespace ambrel
