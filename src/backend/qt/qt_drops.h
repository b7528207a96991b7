#pragma once

// Drops on Qt reach the drop target whose rectangle holds the cursor, whatever widget lies
// on top there. A frame's caption, its label, editor and buttons are widgets of their own
// (the frame is a sibling below its content), so Qt would hand a drag to the editor, which
// inserts the path as text, or to nobody at all over a label. Instead every drag event is
// routed here: to the innermost drop target under the cursor, or refused when it carries
// files and no target is there.

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace ambrel {

class QtBackend;

class QtDropRouting {
 public:
  explicit QtDropRouting(QtBackend& backend) : backend_(backend) {}

  // Makes `widget` a drop target (or no longer one); its window then receives drags
  // anywhere, so that they can be routed.
  static void set_target(QWidget& widget, bool enable);

  // Handles a drag event that reached `receiver`; true when it was taken care of.
  bool route(QWidget& receiver, QEvent& event);

 private:
  void report_leave();

  QtBackend& backend_;
  // The target that got the last enter, to tell it when the drag leaves or moves on.
  QPointer<QWidget> current_;
};

}  // namespace ambrel
