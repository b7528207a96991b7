// Drops on real Qt widgets, with the drag events Qt delivers (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "services_fixture.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "ui/drop.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

struct DropSeen {
  int object = 0;
  int action = 0;
  std::u16string files;
};

class DropQtTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    window = window_open(kAnyNumber, 0, 0, 400, 300, u"drops", kWindowSizeGadget);
    // The frame lies below its content, as the dialog engine places it.
    frame = create_frame_gadget(kAnyNumber, {10, 10, 300, 200}, {u"Source"});
    label = create_text_gadget(kAnyNumber, {20, 30, 200, 16}, {u"Drop here"});
    editor = create_editor_gadget(kAnyNumber, {20, 50, 200, 100}, {});
    button = create_button_gadget(kAnyNumber, {230, 50, 70, 25}, {u"Open"});
    outside = create_button_gadget(kAnyNumber, {320, 250, 70, 25}, {u"Other"});
    window_show(window, 0, 0);
    QApplication::processEvents();
    ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kDropCopy | kDropMove | kDropLink), 1);
    while (take_event() != 0) {}
  }

  QWidget* widget_of(int gadget) { return qt->widget(gadget_handle(gadget)); }

  // Drags files onto the widget at `at` (its own coordinates) and drops them, as Qt does.
  bool drag_and_drop(QWidget* receiver, QPoint at, const QStringList& paths,
                     Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    data.setText(paths.join('\n'));  // file managers offer the paths as text too
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(receiver, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(receiver, &move);
    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(receiver, &drop);
    return drop.isAccepted();
  }

  static std::vector<DropSeen> taken_drops() {
    std::vector<DropSeen> drops;
    while (int code = take_event()) {
      if (code != kEventGadgetDrop) continue;
      const auto* record = static_cast<const DropRecord*>(event_data());
      drops.push_back({event_object(), record ? record->action : 0, event_drop_files()});
    }
    return drops;
  }

  QtBackend* qt = nullptr;
  int window = 0, frame = 0, label = 0, editor = 0, button = 0, outside = 0;
};

TEST_F(DropQtTest, DropsAnywhereInTheFrameReachTheFrame) {
  auto* text_edit = dynamic_cast<QtEditorWidget*>(widget_of(editor));
  ASSERT_NE(text_edit, nullptr);
  const QStringList files = {"/tmp/one.xml", "/tmp/two.xml", "/tmp/three.xml"};
  // Over the editor, the label, a button and the frame's own caption.
  const std::vector<std::pair<QWidget*, QPoint>> places = {{text_edit->viewport(), {30, 30}},
                                                           {widget_of(label), {5, 5}},
                                                           {widget_of(button), {5, 5}},
                                                           {widget_of(frame), {20, 4}}};
  for (const auto& [receiver, at] : places) {
    EXPECT_TRUE(drag_and_drop(receiver, at, files));
    std::vector<DropSeen> drops = taken_drops();
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].object, frame);
    EXPECT_EQ(drops[0].action, kDropCopy);
    EXPECT_EQ(drops[0].files, u"/tmp/one.xml\n/tmp/two.xml\n/tmp/three.xml");
  }
  // The editor took none of the paths as text.
  EXPECT_EQ(text_edit->get(), u"");
}

// On X11 the data is fetched from the source again at the drop; a source that has gone
// by then delivers nothing, and the drop must not pass for a successful one.
TEST_F(DropQtTest, FilesTheSourceNoLongerDeliversAtTheDropAreRefused) {
  QWidget* receiver = widget_of(label);
  QMimeData offered;
  offered.setUrls({QUrl::fromLocalFile("/tmp/one.xml")});
  QMimeData gone;
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(QPoint(5, 5), actions, &offered, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(receiver, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), actions, &gone, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(receiver, &drop);
  EXPECT_FALSE(drop.isAccepted());
  EXPECT_TRUE(taken_drops().empty());
  // The next drag starts afresh.
  EXPECT_TRUE(drag_and_drop(receiver, {5, 5}, {"/tmp/two.xml"}));
  std::vector<DropSeen> drops = taken_drops();
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0].files, u"/tmp/two.xml");
}

TEST_F(DropQtTest, OutsideTheFrameNothingIsDropped) {
  EXPECT_FALSE(drag_and_drop(widget_of(outside), {5, 5}, {"/tmp/one.xml"}));
  EXPECT_FALSE(drag_and_drop(qt->widget(window_handle(window)), {390, 290}, {"/tmp/one.xml"}));
  EXPECT_TRUE(taken_drops().empty());
}

TEST_F(DropQtTest, ModifierKeysChooseTheAction) {
  QWidget* target = widget_of(label);
  auto action_of = [&](Qt::DropActions offered, Qt::KeyboardModifiers modifiers) {
    drag_and_drop(target, {5, 5}, {"/tmp/a"}, offered, modifiers);
    std::vector<DropSeen> drops = taken_drops();
    return drops.size() == 1 ? drops[0].action : -1;
  };
  EXPECT_EQ(action_of(Qt::CopyAction | Qt::MoveAction, Qt::NoModifier), kDropCopy);
  EXPECT_EQ(action_of(Qt::CopyAction | Qt::MoveAction, Qt::ShiftModifier), kDropMove);
  EXPECT_EQ(action_of(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::AltModifier),
            kDropLink);
  EXPECT_EQ(action_of(Qt::CopyAction | Qt::LinkAction, Qt::ControlModifier | Qt::ShiftModifier),
            kDropLink);
  EXPECT_EQ(action_of(Qt::MoveAction, Qt::NoModifier), kDropMove);
}

}  // namespace
}  // namespace ambrel
