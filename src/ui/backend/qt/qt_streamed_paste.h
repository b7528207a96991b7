#pragma once

// A paste into an editor from the clipboard of another X program, read in another thread and
// taken in over event-loop turns once all of it has come, so that the window answers however
// large the text. It goes in at the caret (replacing the selection) as one undo step, as the
// editor's own paste does; the user may go on meanwhile. A text that did not come whole (its
// owner quit or stopped answering) changes nothing: `incomplete` is called instead.

#include <QObject>
#include <QTextCursor>
#include <functional>
#include <memory>
#include <string>

#include "ui/backend/backend_desktop.h"
#include "ui/backend/clipboard_arrivals.h"

class QPlainTextEdit;

namespace ambrel {

class QtStreamedPaste final : public QObject {
 public:
  // Starts the paste; null when the clipboard cannot be read this way.
  static std::unique_ptr<QtStreamedPaste> start(QPlainTextEdit& editor,
                                                std::function<void()> incomplete);
  // Stops the paste where it is.
  ~QtStreamedPaste() override;
  QtStreamedPaste(const QtStreamedPaste&) = delete;
  QtStreamedPaste& operator=(const QtStreamedPaste&) = delete;

 private:
  QtStreamedPaste(QPlainTextEdit& editor, std::function<void()> incomplete);
  // Inserts what has come, for a bounded stretch of time.
  void take_turn();
  void insert(std::u16string_view text);

  QTextCursor insertion_;
  std::function<void()> incomplete_;
  std::shared_ptr<ClipboardArrivals> arrivals_;
  std::unique_ptr<ClipboardReading> reading_;
  bool first_insert_ = true;  // the undo step starts with it
};

}  // namespace ambrel
