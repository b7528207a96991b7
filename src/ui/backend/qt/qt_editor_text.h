#pragma once

// The text the program puts into an editor (QPlainTextEdit) and reads back from it.
//
// Building a document's block structure costs about as much as generating the declarations
// from it, and reading it back again is dear, so: a text is kept as given (with CR LF line
// ends) and returned as long as the user has not edited since; a large text's document is
// built on a worker thread from the next turn of the event loop while the window goes on, and
// the editor takes it when it is ready or, at the latest, before the user's next input
// reaches the editor.

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "ui/backend/backend_controls.h"

class QEvent;
class QPlainTextEdit;
class QTextDocument;

namespace ambrel {

class QtEditorText final : public QObject {
 public:
  // The editor's text keeper, made on first use; it lives as long as the editor.
  static QtEditorText& of(QPlainTextEdit& editor);

  ~QtEditorText() override;
  QtEditorText(const QtEditorText&) = delete;
  QtEditorText& operator=(const QtEditorText&) = delete;

  // Replaces the whole text; the caret goes to the start and the view to the first line.
  void set(std::u16string_view text);
  // The whole text with CR LF line ends, however it was set or typed.
  std::u16string get() const;
  // The text get gives, in pieces (see BackendControls::read_control_text).
  void read(const TextPieceHandler& take) const;
  // True while the editor takes a text from the program (its change signals are not edits).
  bool taking_text() const { return taking_text_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit QtEditorText(QPlainTextEdit& editor);
  void build_in_background(unsigned number);
  // Hands the document the program's last text asked for to the editor, building it here or
  // waiting for its build when it is not ready.
  void take_pending_document();
  void take_document(QTextDocument* document);
  void fit_tab_stop();

  QPlainTextEdit& editor_;
  std::optional<std::u16string> given_;  // the program's text, until the user edits
  std::optional<QString> unbuilt_;       // a large text whose build has not started yet
  std::thread builder_;
  QTextDocument* built_ = nullptr;  // written by the builder, read after joining it
  unsigned build_number_ = 0;
  bool taking_text_ = false;
};

// Every CR LF, lone CR, lone LF, line separator and paragraph separator as CR LF.
std::u16string with_crlf_line_ends(std::u16string_view text);

}  // namespace ambrel
