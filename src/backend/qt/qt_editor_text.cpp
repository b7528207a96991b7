#include "backend/qt/qt_editor_text.h"

#include <QPointer>
#include <algorithm>
#include <string>

#include "backend/control_text_readers.h"
#include "backend/editor_room.h"
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
    auto length = static_cast<long>(editor_->send(SCI_GETLENGTH));
    if (at_ >= length) return false;
    long end = at_ + static_cast<long>(std::min<std::size_t>(units, length - at_));
    while (end > at_ && end < length && is_utf8_continuation(character_at(end))) --end;
    if (end == at_) end = std::min(length, at_ + sequence_bytes(character_at(at_)));
    bytes_ = editor_->text_range(at_, end);
    writer_.write(utf8_to_utf16(bytes_), take);
    writer_.flush(take);
    at_ = end;
    return true;
  }

 private:
  char character_at(long position) const {
    return static_cast<char>(editor_->send(SCI_GETCHARAT, static_cast<uptr_t>(position)));
  }

  QPointer<const QtEditorWidget> editor_;
  long at_ = 0;
  std::string bytes_;
  CrLfPieceWriter writer_{true};
};

void append_bytes(const ScintillaEditBase& editor, std::string_view bytes) {
  editor.sends(SCI_APPENDTEXT, bytes.size(), bytes.data());
}

void replace_range(const ScintillaEditBase& editor, long from, long to, std::string_view bytes) {
  editor.send(SCI_SETTARGETRANGE, static_cast<uptr_t>(from), to);
  editor.sends(SCI_REPLACETARGET, bytes.size(), bytes.data());
}

// The modification a notification reports, if it is one.
bool is_modification(const Scintilla::NotificationData& note) {
  return note.nmhdr.code == Scintilla::Notification::Modified;
}

}  // namespace

void QtEditorWidget::change_quietly(const std::function<void()>& change) {
  bool was_read_only = read_only();  // a read-only document refuses the program's changes too
  changing_ = true;
  ++quiet_changes_;
  set_read_only(false);
  send(SCI_SETUNDOCOLLECTION, 0);
  change();
  send(SCI_SETUNDOCOLLECTION, 1);
  set_read_only(was_read_only);
  changing_ = false;
}

void QtEditorWidget::set(std::u16string_view text) {
  release_paints();  // a new text is shown at once
  std::string bytes = utf16_to_utf8(text);
  change_quietly([&] {
    send(SCI_CLEARALL);
    append_bytes(*this, bytes);
  });
  send(SCI_EMPTYUNDOBUFFER);
  send(SCI_GOTOPOS, 0);
  send(SCI_SETXOFFSET, 0);
  append_at_ = static_cast<long>(send(SCI_GETLENGTH));
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
  auto length = static_cast<long>(send(SCI_GETLENGTH));
  long place = std::min(append_at_, length);
  bool caret_follows =
      place > 0 && send(SCI_GETANCHOR) == place && send(SCI_GETCURRENTPOS) == place;
  change_quietly([&] { replace_range(*this, place, place, bytes); });
  if (place < length) send(SCI_EMPTYUNDOBUFFER);
  append_at_ = place + static_cast<long>(bytes.size());
  if (caret_follows) send(SCI_SETEMPTYSELECTION, static_cast<uptr_t>(append_at_));
  hold_costly_paints();
}

void QtEditorWidget::reserve(std::uint64_t units) {
  auto held = static_cast<std::size_t>(send(SCI_GETLENGTH));
  if (std::size_t bytes = editor_room_bytes(held, units)) send(SCI_ALLOCATE, bytes);
}

std::u16string QtEditorWidget::get() const {
  std::u16string text;
  EditorTextReader reader(*this);
  while (reader.read(kReadSize, [&text](std::u16string_view piece) { text += piece; })) {}
  return text;
}

std::string QtEditorWidget::text_range(long from, long to) const {
  std::string bytes(static_cast<std::size_t>(to - from) + 1, '\0');  // the range ends with a NUL
  Sci_TextRangeFull range{{from, to}, bytes.data()};
  send(SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
  bytes.pop_back();
  return bytes;
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
        start_(static_cast<long>(editor.send(SCI_GETSELECTIONSTART))),
        end_(static_cast<long>(editor.send(SCI_GETSELECTIONEND))) {
    follow_ = QObject::connect(
        &editor, &ScintillaEditBase::notify, &editor, [this](Scintilla::NotificationData* note) {
          if (is_modification(*note))
            follow(static_cast<long>(note->position), static_cast<int>(note->modificationType),
                   static_cast<long>(note->length));
        });
  }
  CaretInsertion(const CaretInsertion&) = delete;
  CaretInsertion& operator=(const CaretInsertion&) = delete;
  ~CaretInsertion() override {
    QObject::disconnect(follow_);
    if (editor_ && undo_step_open()) editor_->send(SCI_ENDUNDOACTION);
  }

  void insert(std::u16string_view text) override {
    if (!editor_ || editor_->text_sets_ != text_sets_) return;
    QtEditorWidget& editor = *editor_;
    auto anchor = static_cast<long>(editor.send(SCI_GETANCHOR));
    auto caret = static_cast<long>(editor.send(SCI_GETCURRENTPOS));
    bool caret_here = std::min(anchor, caret) == start_ && std::max(anchor, caret) == end_;
    if (!undo_step_open()) {
      editor.send(SCI_BEGINUNDOACTION);
      undo_step_opened_ = true;
      undo_step_changes_ = editor.quiet_changes_;
    }
    std::string bytes = utf16_to_utf8(text);
    replace_range(editor, start_, end_, bytes);
    if (caret_here) editor.send(SCI_SETEMPTYSELECTION, static_cast<uptr_t>(end_));
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
  if (read_only()) return nullptr;
  return std::make_unique<CaretInsertion>(*this);
}

}  // namespace ambrel
