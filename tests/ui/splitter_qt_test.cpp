// The splitter as a real Qt control (run with QT_QPA_PLATFORM=offscreen): synthetic mouse
// events drag its bar, the panes follow within their minimums, and the bar shows the
// sizing cursor and its grip.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include "services_fixture.h"
#include "backend/qt/qt_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/ui_backend.h"
#include "ui/splitter_control.h"
#include "ui/window.h"

namespace ambrel {
namespace {

int splitter_events = 0;

class SplitterQtTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    window = window_open(kAnyNumber, 0, 0, 500, 300, u"splitter", kWindowSizeGadget);
    QApplication::processEvents();
    splitter_events = 0;
  }

  int make_splitter(int flags, int first_minimum, int second_minimum) {
    first = make_pane();
    second = make_pane();
    int splitter =
        create_splitter_gadget(kAnyNumber, {}, {.flags = flags, .panes = {first, second}});
    set_gadget_attribute(splitter, kSplitterFirstMinimum, first_minimum);
    set_gadget_attribute(splitter, kSplitterSecondMinimum, second_minimum);
    bind_gadget_event(
        kEventGadget, [] { ++splitter_events; }, window, splitter, 0);
    return splitter;
  }

  static int make_pane() {
    int pane = create_container_gadget(kAnyNumber, {}, {});
    close_gadget_list();
    return pane;
  }

  QWidget* widget_of(int gadget) const { return qt->widget(gadget_handle(gadget)); }

  void send(int splitter, QEvent::Type type, QPoint position, Qt::MouseButton button,
            Qt::MouseButtons buttons) {
    QWidget* target = widget_of(splitter);
    QMouseEvent event(type, QPointF(position), QPointF(target->mapToGlobal(position)), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }

  QtBackend* qt = nullptr;
  int window = 0;
  int first = 0;
  int second = 0;
};

TEST_F(SplitterQtTest, DraggingTheBarMovesThePanesWithinTheirMinimums) {
  int splitter = make_splitter(kSplitterVertical, 50, 60);
  resize_gadget(splitter, 10, 10, 404, 100);
  QWidget* left = widget_of(first);
  QWidget* right = widget_of(second);
  EXPECT_EQ(left->parentWidget(), widget_of(splitter));
  EXPECT_EQ(left->geometry(), QRect(0, 0, 200, 100));
  EXPECT_EQ(right->geometry(), QRect(204, 0, 200, 100));

  send(splitter, QEvent::MouseMove, {202, 10}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(widget_of(splitter)->cursor().shape(), Qt::SizeHorCursor);
  send(splitter, QEvent::MouseButtonPress, {202, 10}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(QWidget::mouseGrabber(), widget_of(splitter));
  send(splitter, QEvent::MouseMove, {102, 10}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(left->geometry(), QRect(0, 0, 100, 100));
  EXPECT_EQ(right->geometry(), QRect(104, 0, 300, 100));
  send(splitter, QEvent::MouseMove, {-80, 10}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(left->width(), 50);
  send(splitter, QEvent::MouseMove, {700, 10}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(left->geometry(), QRect(0, 0, 340, 100));
  EXPECT_EQ(right->geometry(), QRect(344, 0, 60, 100));
  send(splitter, QEvent::MouseButtonRelease, {700, 10}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(get_gadget_state(splitter), 340);
  EXPECT_EQ(splitter_events, 4);  // the size change and three drag steps

  send(splitter, QEvent::MouseMove, {100, 10}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(left->width(), 340);
  EXPECT_EQ(widget_of(splitter)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SplitterQtTest, AStackedBarShowsTheNorthSouthCursorAndItsGrip) {
  int splitter = make_splitter(kSplitterSeparator, 0, 0);
  resize_gadget(splitter, 0, 0, 300, 107);
  EXPECT_EQ(widget_of(second)->geometry(), QRect(0, 57, 300, 50));
  send(splitter, QEvent::MouseMove, {40, 52}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(widget_of(splitter)->cursor().shape(), Qt::SizeVerCursor);

  // The grip is a raised edge 3 pixels high, 2 pixels past the first pane: light above,
  // dark below; the rest of the bar keeps the background.
  QWidget* bar = widget_of(splitter);
  QImage image(bar->size(), QImage::Format_ARGB32);
  bar->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  QRgb background = image.pixel(150, 51);
  EXPECT_GT(qGray(image.pixel(150, 52)), qGray(background));
  EXPECT_LT(qGray(image.pixel(150, 54)), qGray(background));
  EXPECT_EQ(image.pixel(150, 55), background);
}

}  // namespace
}  // namespace ambrel
