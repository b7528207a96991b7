#include "ui/backend/qt/qt_streamed_paste.h"

#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTimer>
#include <chrono>
#include <utility>

#include "ui/backend/qt/qt_text.h"
#include "ui/backend/qt/x_clipboard_reading.h"

namespace ambrel {

namespace {

// About this long of inserting per event-loop turn, at most this many units at a time.
constexpr std::chrono::milliseconds kTurnBudget{25};
constexpr std::size_t kInsertUnits = std::size_t{1} << 16;

}  // namespace

std::unique_ptr<QtStreamedPaste> QtStreamedPaste::start(QPlainTextEdit& editor,
                                                        std::function<void()> incomplete) {
  std::unique_ptr<QtStreamedPaste> paste(new QtStreamedPaste(editor, std::move(incomplete)));
  paste->reading_ = start_x_clipboard_reading(paste->arrivals_);
  if (!paste->reading_) return nullptr;
  return paste;
}

QtStreamedPaste::QtStreamedPaste(QPlainTextEdit& editor, std::function<void()> incomplete)
    : insertion_(editor.textCursor()),
      incomplete_(std::move(incomplete)),
      arrivals_(std::make_shared<ClipboardArrivals>([this] {
        QMetaObject::invokeMethod(
            this, [this] { take_turn(); }, Qt::QueuedConnection);
      })) {}

// The reading ends first: after it, nothing more is handed over or woken.
QtStreamedPaste::~QtStreamedPaste() { reading_.reset(); }

void QtStreamedPaste::take_turn() {
  using Clock = std::chrono::steady_clock;
  Clock::time_point end = Clock::now() + kTurnBudget;
  while (Clock::now() < end) {
    std::u16string_view piece;
    if (!arrivals_->take(kInsertUnits, piece)) {
      if (arrivals_->failed()) incomplete_();  // the failure wakes it once
      return;
    }
    insert(piece);
  }
  QTimer::singleShot(0, this, [this] { take_turn(); });
}

void QtStreamedPaste::insert(std::u16string_view text) {
  if (first_insert_) {
    insertion_.beginEditBlock();
  } else {
    insertion_.joinPreviousEditBlock();
  }
  insertion_.insertText(to_qstring(text));
  insertion_.endEditBlock();
  first_insert_ = false;
}

}  // namespace ambrel
