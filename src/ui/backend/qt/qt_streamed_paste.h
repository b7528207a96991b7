#pragma once

// A paste into an editor from the clipboard of another X program, taken in as it arrives and
// over event-loop turns, so that the window answers however large the text. It goes in at the
// caret (replacing the selection) as one undo step, as the editor's own paste does; the user
// may go on meanwhile.

#include <QObject>
#include <QTextCursor>
#include <memory>
#include <string>

#include "ui/backend/backend_desktop.h"
#include "ui/backend/clipboard_arrivals.h"

class QPlainTextEdit;

namespace ambrel {

class QtStreamedPaste final : public QObject {
 public:
  // Starts the paste; null when the clipboard cannot be read this way.
  static std::unique_ptr<QtStreamedPaste> start(QPlainTextEdit& editor);
  // Stops the paste where it is.
  ~QtStreamedPaste() override;
  QtStreamedPaste(const QtStreamedPaste&) = delete;
  QtStreamedPaste& operator=(const QtStreamedPaste&) = delete;

 private:
  explicit QtStreamedPaste(QPlainTextEdit& editor);
  // Inserts what has come, for a bounded stretch of time.
  void take_turn();
  void insert(std::u16string_view text);

  QTextCursor insertion_;
  std::shared_ptr<ClipboardArrivals> arrivals_;
  std::unique_ptr<ClipboardReading> reading_;
  bool first_insert_ = true;  // the undo step starts with it
};

}  // namespace ambrel
