#include "backend/qt/qt_editor_text.h"

#include <QPointer>
#include <algorithm>
#include <string>

#include "backend/control_text_readers.h"
#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

// The bytes get reads from the document at a time.
constexpr std::size_t kReadSize = std::size_t{1} << 16;

// The bytes of the UTF-8 sequence that `lead` starts.
long sequence_bytes(char lead) {
  auto byte = static_cast<unsigned char>(lead);
  return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}

// Byte ranges of the live document, each ended on a character's first byte: a slice costs its
// own length, wherever it lies, and leaves the gap where the user edits.
class EditorTextReader final : public ControlTextReader {
 public:
  explicit EditorTextReader(const QtEditorWidget& editor) : editor_(&editor) {}

  bool read(std::size_t units, const TextPieceHandler& take) override {
    if (!editor_) return false;
    long length = editor_->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (at_ >= length) return false;
    long end = at_ + static_cast<long>(std::min<std::size_t>(units, length - at_));
    while (end > at_ && end < length && is_utf8_continuation(character_at(end))) --end;
    if (end == at_) end = std::min(length, at_ + sequence_bytes(character_at(at_)));
    bytes_.resize(static_cast<std::size_t>(end - at_) + 1);  // the range ends with a NUL
    editor_->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, at_, end, bytes_.data());
    bytes_.pop_back();
    writer_.write(utf8_to_utf16(bytes_), take);
    writer_.flush(take);
    at_ = end;
    return true;
  }

 private:
  char character_at(long position) const {
    return static_cast<char>(editor_->SendScintilla(QsciScintillaBase::SCI_GETCHARAT,
                                                    static_cast<unsigned long>(position)));
  }

  QPointer<const QtEditorWidget> editor_;
  long at_ = 0;
  std::string bytes_;
  CrLfPieceWriter writer_{true};
};

void append_bytes(QsciScintilla& editor, std::string_view bytes) {
  editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
                       bytes.data());
}

}  // namespace

void QtEditorWidget::change_quietly(const std::function<void()>& change) {
  bool read_only = isReadOnly();  // a read-only document refuses the program's changes too
  changing_ = true;
  ++quiet_changes_;
  SendScintilla(SCI_SETREADONLY, 0UL);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
  change();
  SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
  SendScintilla(SCI_SETREADONLY, static_cast<unsigned long>(read_only));
  changing_ = false;
}

void QtEditorWidget::set(std::u16string_view text) {
  std::string bytes = utf16_to_utf8(text);
  change_quietly([&] {
    SendScintilla(SCI_CLEARALL);
    append_bytes(*this, bytes);
  });
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SendScintilla(SCI_GOTOPOS, 0UL);
  SendScintilla(SCI_SETXOFFSET, 0UL);
  append_at_ = SendScintilla(SCI_GETLENGTH);
  ++text_sets_;
}

// A change at that place or after it is the user's text after the program's.
void QtEditorWidget::follow_user_change(long position, int change, long length) {
  if (position >= append_at_) return;
  if (change & SC_MOD_BEFOREINSERT) append_at_ += length;
  if (change & SC_MOD_BEFOREDELETE) append_at_ = std::max(position, append_at_ - length);
}

// After what the program added before. The document moves the caret, the selection and
// the view only for text inserted before them: what the user typed at the end of a text still
// arriving stays at its end, and a caret the user put there (Ctrl+End during a load) is moved
// on, where typing is then expected to go; a text that began empty holds its caret at the
// start. The user's steps after the place could no longer be undone where they were made:
// they are dropped.
void QtEditorWidget::append(std::u16string_view text) {
  if (text.empty()) return;
  std::string bytes = utf16_to_utf8(text);
  long length = SendScintilla(SCI_GETLENGTH);
  long place = std::min(append_at_, length);
  bool caret_follows = place > 0 && SendScintilla(SCI_GETANCHOR) == place &&
                       SendScintilla(SCI_GETCURRENTPOS) == place;
  change_quietly([&] {
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(place), place);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.data());
  });
  if (place < length) SendScintilla(SCI_EMPTYUNDOBUFFER);
  append_at_ = place + static_cast<long>(bytes.size());
  if (caret_follows) SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(append_at_));
}

std::u16string QtEditorWidget::get() const {
  std::u16string text;
  EditorTextReader reader(*this);
  while (reader.read(kReadSize, [&text](std::u16string_view piece) { text += piece; })) {}
  return text;
}

std::unique_ptr<ControlTextReader> QtEditorWidget::reader() const {
  return std::make_unique<EditorTextReader>(*this);
}

// Goes in at a place of its own, which the user's edits move as they move the text; the
// caret, at the same place, follows what goes in. The pieces join one undo step, kept open
// until the insertion ends (what the user types meanwhile joins it too); the program's own
// changes close it (the document drops open steps when it stops recording), and the pieces
// after one make another. A text set since stops it.
class QtEditorWidget::CaretInsertion final : public EditorInsertion {
 public:
  static constexpr std::size_t kInsertUnits = std::size_t{1} << 16;

  explicit CaretInsertion(QtEditorWidget& editor)
      : editor_(&editor),
        text_sets_(editor.text_sets_),
        start_(editor.SendScintilla(SCI_GETSELECTIONSTART)),
        end_(editor.SendScintilla(SCI_GETSELECTIONEND)) {
    follow_ = QObject::connect(&editor, &QsciScintillaBase::SCN_MODIFIED, &editor,
                               [this](int position, int change, const char*, int length) {
                                 follow(position, change, length);
                               });
  }
  CaretInsertion(const CaretInsertion&) = delete;
  CaretInsertion& operator=(const CaretInsertion&) = delete;
  ~CaretInsertion() override {
    QObject::disconnect(follow_);
    if (editor_ && undo_step_open()) editor_->SendScintilla(SCI_ENDUNDOACTION);
  }

  void insert(std::u16string_view text) override {
    if (!editor_ || editor_->text_sets_ != text_sets_) return;
    QtEditorWidget& editor = *editor_;
    long anchor = editor.SendScintilla(SCI_GETANCHOR);
    long caret = editor.SendScintilla(SCI_GETCURRENTPOS);
    bool caret_here = std::min(anchor, caret) == start_ && std::max(anchor, caret) == end_;
    if (!undo_step_open()) {
      editor.SendScintilla(SCI_BEGINUNDOACTION);
      undo_step_opened_ = true;
      undo_step_changes_ = editor.quiet_changes_;
    }
    std::string bytes = utf16_to_utf8(text);
    editor.SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start_), end_);
    editor.SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.data());
    if (caret_here) editor.SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end_));
  }
  std::size_t piece_units() const override { return kInsertUnits; }

 private:
  bool undo_step_open() const {
    return undo_step_opened_ && editor_->quiet_changes_ == undo_step_changes_;
  }

  // Keeps the place where the next piece goes (the selection, before the first) on the same
  // text as the document is about to change, this insertion's own pieces included.
  void follow(long position, int change, long length) {
    auto moved = [&](long place) {
      if (change & SC_MOD_BEFOREINSERT) return position <= place ? place + length : place;
      if (change & SC_MOD_BEFOREDELETE)
        return place >= position + length ? place - length : std::min(place, position);
      return place;
    };
    start_ = moved(start_);
    end_ = moved(end_);
  }

  QPointer<QtEditorWidget> editor_;
  unsigned long text_sets_;
  long start_;
  long end_;
  bool undo_step_opened_ = false;
  unsigned long undo_step_changes_ = 0;  // the editor's quiet changes when it was opened
  QMetaObject::Connection follow_;
};

std::unique_ptr<EditorInsertion> QtEditorWidget::insertion() {
  if (isReadOnly()) return nullptr;
  return std::make_unique<CaretInsertion>(*this);
}

}  // namespace ambrel
