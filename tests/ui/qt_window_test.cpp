// The window layer on real Qt widgets (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QKeySequenceEdit>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "services_fixture.h"
#include "timer_demo.h"
#include "backend/qt/qt_backend.h"
#include "ui/events.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

std::int64_t milliseconds_now() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

class QtWindowTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
  }

  // Waits on the real event loop until `code` is taken or five seconds pass.
  static bool wait_for(int code) {
    std::int64_t give_up = milliseconds_now() + 5000;
    while (milliseconds_now() < give_up) {
      if (window_wait_event(100) == code) return true;
    }
    return false;
  }

  QtBackend* qt = nullptr;
};

// Asked for more, at open, by a resize or by a minimum, a window keeps within the screen.
TEST_F(QtWindowTest, AWindowIsNeverLargerThanTheScreen) {
  Size screen = qt->largest_client_size();
  ASSERT_GT(screen.width, 0);
  ASSERT_GT(screen.height, 0);
  int window = window_open(kAnyNumber, 0, 0, 40000, 30000, u"huge", kWindowSizeGadget);
  ASSERT_GT(window, 0);
  EXPECT_EQ(window_inner_width(window), screen.width);
  EXPECT_EQ(window_inner_height(window), screen.height);
  window_resize(window, kKeepValue, kKeepValue, 200, 100);
  EXPECT_EQ(window_inner_width(window), 200);
  window_resize(window, kKeepValue, kKeepValue, 200, screen.height + 1);
  EXPECT_EQ(window_inner_height(window), screen.height);
  window_bounds(window, 32000, 10, kKeepValue, kKeepValue);
  EXPECT_EQ(window_inner_width(window), screen.width);
  EXPECT_EQ(qt->widget(window_handle(window))->minimumWidth(), screen.width);
}

TEST_F(QtWindowTest, RealTopLevelWindowWithTitleAndClientSize) {
  int window = window_open(kAnyNumber, 40, 50, 320, 240, u"Ambrel \u00e9",
                           kWindowSizeGadget | kWindowSystemMenu);
  ASSERT_GT(window, 0);
  QWidget* widget = qt->widget(window_handle(window));
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->isWindow());
  EXPECT_TRUE(widget->isVisible());
  EXPECT_EQ(widget->windowTitle(), QString::fromUtf8("Ambrel \u00e9"));
  EXPECT_EQ(widget->size(), QSize(320, 240));
  EXPECT_EQ(window_inner_width(window), 320);
  EXPECT_EQ(window_inner_height(window), 240);
  window_bounds(window, 400, 300, kKeepValue, kKeepValue);
  EXPECT_EQ(widget->minimumSize(), QSize(400, 300));
  EXPECT_EQ(window_inner_width(window), 400);
  window_set_title(window, u"Renamed");
  EXPECT_EQ(widget->windowTitle(), QString("Renamed"));
}

TEST_F(QtWindowTest, SavesAPictureOfTheWindowOnlyForAWindowAndAWritablePath) {
  int window = window_open(kAnyNumber, 40, 50, 120, 80, u"Picture", kWindowSystemMenu);
  ASSERT_GT(window, 0);
  std::string path =
      (std::filesystem::temp_directory_path() / "ambrel_window_image_test.png").string();
  std::remove(path.c_str());
  ASSERT_TRUE(qt->save_window_image(window_handle(window), path));
  QImage image(QString::fromStdString(path));
  EXPECT_EQ(image.size(), QSize(120, 80));
  std::remove(path.c_str());
  EXPECT_FALSE(qt->save_window_image(kNoHandle, path));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(qt->save_window_image(window_handle(window), "/nonexistent-folder/picture.png"));
}

// A shortcut field records Tab and Shift+Tab instead of losing the focus to them.
TEST_F(QtWindowTest, AShortcutFieldRecordsTabAndShiftTab) {
  int window = window_open(kAnyNumber, 0, 0, 200, 100, u"keys", 0);
  ControlRequest request;
  request.parent = window_handle(window);
  request.kind = ControlKind::Shortcut;
  request.style.tab_stop = true;
  request.geometry = {0, 0, 150, 24};
  NativeHandle field = qt->create_control(request);
  request.kind = ControlKind::Button;
  request.geometry = {0, 40, 80, 24};
  qt->create_control(request);
  auto* keys = qobject_cast<QKeySequenceEdit*>(qt->widget(field));
  ASSERT_NE(keys, nullptr);
  QWidget* top = qt->widget(window_handle(window));
  top->activateWindow();
  keys->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    keys->clear();
    Qt::KeyboardModifiers modifiers = key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    EXPECT_EQ(qt->focused_control(), field) << key;
    QKeySequence recorded(key == Qt::Key_Tab ? Qt::Key_Tab : (Qt::SHIFT | Qt::Key_Tab));
    EXPECT_EQ(keys->keySequence(), recorded) << key;
  }
}

TEST_F(QtWindowTest, QtTimerRaisesTheTimerEvent) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"timer", 0);
  std::int64_t start = milliseconds_now();
  ASSERT_EQ(window_add_timer(window, 7, 50), 1);
  ASSERT_TRUE(wait_for(kEventTimer));
  EXPECT_GE(milliseconds_now() - start, 45);
  EXPECT_EQ(event_object(), 7);
  EXPECT_EQ(event_window(), window);
}

// Qt's default coarse timers may fire up to 5 % early; a window timer never does.
TEST_F(QtWindowTest, WindowTimersArePrecise) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"timers", 0);
  ASSERT_EQ(window_add_timer(window, 1, 1000), 1);
  ASSERT_EQ(window_add_timer(window, 2, 20), 1);
  QList<QTimer*> timers = qt->widget(window_handle(window))->findChildren<QTimer*>();
  ASSERT_EQ(timers.size(), 2);
  for (QTimer* timer : timers) EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
}

// The filter list shows each description as given, once, while "*.*" still lists every file.
TEST_F(QtWindowTest, OpenFileDialogShowsEachFilterDescriptionOnce) {
  OpenFileRequest request;
  request.title = u"Read XML from file";
  request.filters = {{u"XML text file (*.*)", u"*.*"}, {u"Lists", u"*.lst;*.txt"}};
  QStringList shown;
  QString selected;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    for (int i = 0; types && i < types->count(); ++i) shown << types->itemText(i);
    selected = dialog->nameFilters().value(0);
    dialog->reject();
  });
  EXPECT_EQ(qt->ask_open_file(request), u"");
  EXPECT_EQ(shown.join('|').toStdString(), "XML text file (*.*)|Lists");
  EXPECT_TRUE(selected.endsWith("(*)")) << selected.toStdString();
}

TEST_F(QtWindowTest, PlatformCloseRaisesCloseAndTheWindowStays) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"close", kWindowSystemMenu);
  QWidget* widget = qt->widget(window_handle(window));
  widget->close();
  ASSERT_TRUE(wait_for(kEventCloseWindow));
  EXPECT_EQ(event_object(), window);
  EXPECT_TRUE(widget->isVisible());
  EXPECT_EQ(window_exists(window), 1);
  EXPECT_EQ(window_close(window), 1);
  EXPECT_EQ(take_event(), 0);
}

TEST_F(QtWindowTest, WorkerThreadEventArrivesThroughTheQtLoop) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"post", 0);
  std::thread worker([window] { post_event(kEventGadgetDrop, 9, window, 0); });
  worker.join();
  ASSERT_TRUE(wait_for(kEventGadgetDrop));
  EXPECT_EQ(event_object(), 9);
}

TEST_F(QtWindowTest, TheTimerDemoRunsOnRealWindows) {
  QtBackend& backend = *qt;
  TimerDemoReport report = run_timer_demo(milliseconds_now, [&backend](NativeHandle window) {
    QTimer::singleShot(150, [&backend, window] { backend.resize_window(window, {500, 350}); });
    QTimer::singleShot(450, [&backend, window] { backend.widget(window)->close(); });
  });
  ASSERT_TRUE(report.left_on_close_request);
  EXPECT_EQ(report.window_still_open_at_close, 1);
  ASSERT_GE(report.tick_times.size(), 2u);
  EXPECT_GE(report.tick_times.front(), 95);
  EXPECT_GE(report.size_procedure_calls, 1);
  EXPECT_EQ(report.last_size_seen, (Size{500, 350}));
}

}  // namespace
}  // namespace ambrel
