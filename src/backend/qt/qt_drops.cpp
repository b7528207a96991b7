// Drop targets on Qt, and the routing of every drag to the one under the cursor.

#include "backend/qt/qt_drops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_widgets.h"

namespace ambrel {

namespace {

constexpr const char* kDropTargetProperty = "ambrel_drop_target";

int action_bits(Qt::DropActions actions) {
  int bits = 0;
  if (actions & Qt::CopyAction) bits |= kDropCopy;
  if (actions & Qt::MoveAction) bits |= kDropMove;
  if (actions & Qt::LinkAction) bits |= kDropLink;
  return bits;
}

Qt::DropAction qt_action(int bit) {
  if (bit == kDropMove) return Qt::MoveAction;
  if (bit == kDropLink) return Qt::LinkAction;
  return Qt::CopyAction;
}

bool is_drop_target(const QWidget& widget) {
  return widget.property(kDropTargetProperty).toBool() && widget.isVisible();
}

// The smallest visible drop target of the receiver's window whose rectangle holds the point.
QWidget* target_at(QWidget& receiver, QPoint at) {
  QWidget* window = receiver.window();
  QPoint global = receiver.mapToGlobal(at);
  QWidget* best = nullptr;
  auto consider = [&](QWidget* candidate) {
    if (!is_drop_target(*candidate) ||
        !candidate->rect().contains(candidate->mapFromGlobal(global)))
      return;
    if (!best || candidate->width() * candidate->height() < best->width() * best->height())
      best = candidate;
  };
  consider(window);
  for (QWidget* child : window->findChildren<QWidget*>()) consider(child);
  return best;
}

DragInput drag_input(const QDropEvent& event, QPoint position) {
  DragInput input;
  const QMimeData* data = event.mimeData();
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) input.files.push_back(url.toLocalFile().toStdU16String());
  }
  input.has_text = data->hasText();
  if (input.has_text) input.text = data->text().toStdU16String();
  input.position = {position.x(), position.y()};
  input.offered_actions = action_bits(event.possibleActions());
  input.modifiers = modifier_bits(event.modifiers());
  return input;
}

}  // namespace

bool QtBackend::enable_drops(NativeHandle target, bool enable) {
  QWidget* widget_of_target = widget(target);
  if (!widget_of_target) return false;
  QtDropRouting::set_target(*widget_of_target, enable);
  return true;
}

void QtDropRouting::report_leave() {
  if (!current_) return;
  DragInput input;
  input.phase = DragPhase::Leave;
  backend_.sink()->on_drag(backend_.handle_of(current_), input);
  current_ = nullptr;
}

void QtDropRouting::set_target(QWidget& widget, bool enable) {
  widget.setProperty(kDropTargetProperty, enable);
  widget.setAcceptDrops(enable || widget.acceptDrops());
  widget.window()->setAcceptDrops(true);
}

bool QtDropRouting::route(QWidget& receiver, QEvent& event) {
  if (event.type() == QEvent::DragLeave) {
    bool had_target = current_;
    report_leave();
    return had_target;
  }
  auto& drop = static_cast<QDropEvent&>(event);
  QPoint at = drop.position().toPoint();
  QWidget* target = target_at(receiver, at);
  if (target != current_) report_leave();
  if (!target) {
    // Without a target, files are refused rather than left to an editor to insert.
    if (!drop.mimeData()->hasUrls()) return false;
    drop.ignore();
    return true;
  }
  DragInput input = drag_input(drop, target->mapFromGlobal(receiver.mapToGlobal(at)));
  if (event.type() == QEvent::Drop) {
    input.phase = DragPhase::Drop;
    current_ = nullptr;
  } else if (target != current_) {
    input.phase = DragPhase::Enter;
    current_ = target;
  } else {
    input.phase = DragPhase::Over;
  }
  int action = backend_.sink()->on_drag(backend_.handle_of(target), input);
  if (action == 0) {
    drop.ignore();
  } else {
    drop.setDropAction(qt_action(action));
    drop.accept();
  }
  return true;
}

}  // namespace ambrel
