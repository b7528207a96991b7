#include "ui/backend/qt/qt_drop_routing.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

#include "ui/backend/qt/qt_backend.h"

namespace ambrel {

namespace {

constexpr const char* kDropTargetProperty = "ambrel_drop_target";

// The target that got the last enter, to tell it when the drag leaves or moves on.
QPointer<QWidget>& current_target() {
  static QPointer<QWidget> target;
  return target;
}

int modifier_bits(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= kModifierShift;
  if (modifiers & Qt::ControlModifier) bits |= kModifierControl;
  if (modifiers & Qt::AltModifier) bits |= kModifierAlt;
  return bits;
}

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

void report_leave(QtBackend& backend) {
  QPointer<QWidget>& target = current_target();
  if (!target) return;
  DragInput input;
  input.phase = DragPhase::Leave;
  backend.sink()->on_drag(backend.handle_of(target), input);
  target = nullptr;
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

void set_qt_drop_target(QWidget& widget, bool enable) {
  widget.setProperty(kDropTargetProperty, enable);
  widget.setAcceptDrops(enable || widget.acceptDrops());
  widget.window()->setAcceptDrops(true);
}

bool route_qt_drag(QtBackend& backend, QWidget& receiver, QEvent& event) {
  if (event.type() == QEvent::DragLeave) {
    bool had_target = current_target();
    report_leave(backend);
    return had_target;
  }
  auto& drop = static_cast<QDropEvent&>(event);
  QPoint at = drop.position().toPoint();
  QWidget* target = target_at(receiver, at);
  if (target != current_target()) report_leave(backend);
  if (!target) {
    // Without a target, files are refused rather than left to an editor to insert.
    if (!drop.mimeData()->hasUrls()) return false;
    drop.ignore();
    return true;
  }
  DragInput input = drag_input(drop, target->mapFromGlobal(receiver.mapToGlobal(at)));
  if (event.type() == QEvent::Drop) {
    input.phase = DragPhase::Drop;
    current_target() = nullptr;
  } else if (target != current_target()) {
    input.phase = DragPhase::Enter;
    current_target() = target;
  } else {
    input.phase = DragPhase::Over;
  }
  int action = backend.sink()->on_drag(backend.handle_of(target), input);
  if (action == 0) {
    drop.ignore();
  } else {
    drop.setDropAction(qt_action(action));
    drop.accept();
  }
  return true;
}

}  // namespace ambrel
