// The tool's own window as real Qt widgets (run with QT_QPA_PLATFORM=offscreen): it follows
// resizing, and a mouse drag on a splitter bar moves the panes within their minimums.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "embedded/embedded_definition.h"
#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "services_fixture.h"
#include "tool_procedures.h"
#include "backend/qt/qt_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

class EmbeddedQtTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    publish_inert_tool_procedures();
    dialog = dialog_create(kAnyNumber);
    int document = xml_parse_text(kAnyNumber, embedded_dialog_definition());
    ASSERT_EQ(dialog_open(dialog, document, u"wndMain", 0, 0), 1) << dialog_error_text(dialog);
    QApplication::processEvents();
  }

  QWidget* widget_of(std::u16string_view name) const {
    return qt->widget(gadget_handle(dialog_gadget(dialog, name)));
  }

  void send(std::u16string_view splitter, QEvent::Type type, QPoint position,
            Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget* target = widget_of(splitter);
    QMouseEvent event(type, QPointF(position), QPointF(target->mapToGlobal(position)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }

  QtBackend* qt = nullptr;
  std::int32_t dialog = 0;
};

TEST_F(EmbeddedQtTest, OpensWithTheButtonColumnBesideEachEditor) {
  QWidget* window = qt->widget(window_handle(dialog_window(dialog)));
  EXPECT_EQ(window->size(), QSize(500, 500));
  EXPECT_EQ(window->minimumSize(), QSize(500, 500));
  EXPECT_EQ(widget_of(u"txtIn")->width(), 382);
  EXPECT_EQ(widget_of(u"cmdFile")->width(), 80);
  EXPECT_EQ(widget_of(u"lblIn")->width(), 466);
}

TEST_F(EmbeddedQtTest, AMouseDragOnTheBarMovesThePanesWithinTheirMinimums) {
  send(u"splitter3", QEvent::MouseMove, {383, 50}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(widget_of(u"splitter3")->cursor().shape(), Qt::SizeHorCursor);
  send(u"splitter3", QEvent::MouseButtonPress, {383, 50}, Qt::LeftButton, Qt::LeftButton);
  send(u"splitter3", QEvent::MouseMove, {283, 50}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(widget_of(u"txtIn")->width(), 282);
  EXPECT_EQ(widget_of(u"cmdFile")->width(), 180);
  send(u"splitter3", QEvent::MouseMove, {440, 50}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(widget_of(u"txtIn")->width(), 382);
  EXPECT_EQ(widget_of(u"cmdClear")->width(), 80);
  send(u"splitter3", QEvent::MouseButtonRelease, {440, 50}, Qt::LeftButton, Qt::NoButton);

  // Within the offscreen platform's screen of 800 x 600, which no window exceeds.
  window_resize(dialog_window(dialog), kKeepValue, kKeepValue, 700, 560);
  QApplication::processEvents();
  EXPECT_EQ(widget_of(u"txtIn")->width(), 582);
  EXPECT_EQ(widget_of(u"cmdClear")->width(), 80);
}

}  // namespace
}  // namespace ambrel
