#pragma once

// The editor the backend makes for the editor and code-editor kinds: a Scintilla editor
// holding plain text, and the text the program puts into it, adds to it and reads back.
//
// The editor's document holds the only copy, as UTF-8 in one gap buffer with a line index and
// no style bytes (nothing is styled), so a text costs about a byte per byte and goes in at the
// speed of a copy. Its positions are bytes. Line ends stay as they came (CR LF, CR or LF, each
// one line end, so a CR at the end of one addition and an LF at the start of the next make
// one); typed ones are CR LF, and the text always comes back with CR LF line ends.
//
// A line is laid out whole when it is drawn; in a fixed-width font, text of one byte per
// character is measured by counting, so even a line of many megabytes is drawn at once.

#include <ScintillaEditBase.h>

#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "backend/backend_controls.h"
#include "backend/paint_pacing.h"

class QEvent;
class QKeyEvent;
class QMenu;

namespace ambrel {

class QtEditorWidget final : public ScintillaEditBase {
 public:
  explicit QtEditorWidget(QWidget* parent);

  bool read_only() const;
  void set_read_only(bool read_only);
  void set_word_wrap(bool wrap);

  // Replaces the whole text; the caret goes to the start and the view to the first line.
  void set(std::u16string_view text);
  // Adds `text` at the end (see BackendControls::append_control_text), leaving the user's
  // caret, selection and view where they are.
  void append(std::u16string_view text);
  // Makes room for about `units` more (see BackendControls::reserve_control_text).
  void reserve(std::uint64_t units);
  // The whole text with CR LF line ends, however it was set or typed.
  std::u16string get() const;
  // The text get gives, a slice at a time.
  std::unique_ptr<ControlTextReader> reader() const;
  // The bytes from `from` to `to`, copied past the gap (which stays where the user edits).
  std::string text_range(long from, long to) const;
  // `edited` hears each change of the text the user makes (typed, cut, pasted, undone), as it
  // is about to be made; not the program's.
  void on_user_edit(std::function<void()> edited) { user_edit_ = std::move(edited); }
  // `take_paste` hears a paste of another X program's clipboard, which may send a large text
  // slowly: true when it took it (the ui layer reads it apart from the window), false when
  // the editor is to paste it its own way.
  void on_paste(std::function<bool()> take_paste) { take_paste_ = std::move(take_paste); }
  // An insertion at the caret (see EditorInsertion); none in a read-only editor.
  std::unique_ptr<EditorInsertion> insertion();

  // A new menu of the editing commands (undo, redo, cut, copy, paste, delete, select all),
  // each enabled as it applies now.
  QMenu* editing_menu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  class CaretInsertion;

  // The context menu's Paste and the paste keys.
  void paste();
  bool paste_in_parts();
  void use_plain_document();
  void use_desktop_keys();
  void hear_changes();
  void fit_to_font();
  // Program changes: no undo step, no change report.
  void change_quietly(const std::function<void()>& change);
  // While the program's text keeps coming, paints wait as PaintPacing says.
  void hold_costly_paints();
  void release_paints();
  // The user's change about to be made before the place of the program's next text moves it.
  void follow_user_change(long position, int change, long length);

  bool changing_ = false;
  unsigned long text_sets_ = 0;      // how often the program replaced the whole text
  unsigned long quiet_changes_ = 0;  // how often the program changed the text
  // Where the program's next text goes: after all it added, before what the user typed
  // after that, which so stays at the end of a text still arriving.
  long append_at_ = 0;
  PaintPacing pacing_;
  QTimer paint_held_;
  std::function<bool()> take_paste_;
  std::function<void()> user_edit_;
};

}  // namespace ambrel
