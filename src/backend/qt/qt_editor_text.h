#pragma once

// The text the program puts into an editor (QPlainTextEdit), adds to it and reads back.
//
// The editor's document holds the only copy. A large text goes in piece by piece at the end,
// without undo steps, which costs time and memory in proportion to each piece (a whole large
// text inserted at once has its lines laid out one by one, at twice the memory); it comes back
// a slice at a time through cursor ranges, with CR LF line ends.

#include <QObject>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "backend/backend_controls.h"

class QEvent;
class QMimeData;

namespace ambrel {

// The editor the backend makes: a paste from another program's clipboard comes in parts.
class QtEditorWidget final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

class QtEditorText final : public QObject {
 public:
  // The editor's text keeper, made on first use; it lives as long as the editor.
  static QtEditorText& of(QPlainTextEdit& editor);

  // Replaces the whole text; the caret goes to the start and the view to the first line.
  void set(std::u16string_view text);
  // Adds `text` at the end (see BackendControls::append_control_text).
  void append(std::u16string_view text);
  // The whole text with CR LF line ends, however it was set or typed.
  std::u16string get() const;
  // The text get gives, a slice at a time.
  std::unique_ptr<ControlTextReader> reader() const;
  // True while the program changes the text (the editor's change signals are not edits).
  bool changing() const { return changing_; }
  // A paste of `source`, when it is the clipboard of another X program that may send a large
  // text slowly: true when `take_paste` took it (the ui layer reads it apart from the window),
  // false when the editor is to paste it its own way.
  bool paste_in_parts(const QMimeData* source);
  void on_paste(std::function<bool()> take_paste) { take_paste_ = std::move(take_paste); }
  // An insertion at the caret (see EditorInsertion).
  std::unique_ptr<EditorInsertion> insertion();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit QtEditorText(QPlainTextEdit& editor);
  ~QtEditorText() override;
  void fit_tab_stop();

  QPlainTextEdit& editor_;
  bool changing_ = false;
  bool appended_cr_ = false;  // the last addition ended with a CR
  std::function<bool()> take_paste_;
};

}  // namespace ambrel
