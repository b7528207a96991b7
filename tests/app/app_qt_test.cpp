// The application on real Qt widgets (run with QT_QPA_PLATFORM=offscreen): drops with the
// drag events Qt delivers, the system clipboard and real button clicks.

#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <filesystem>
#include <fstream>

#include "app/application.h"
#include "dialog/dialog.h"
#include "whole_text_generator.h"
#include "settle_commands.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {
namespace {

namespace fs = std::filesystem;

class AppQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_EQ(application_start(std::move(backend)), 0);
    QApplication::processEvents();
    directory = fs::temp_directory_path() / ("ambrel_app_qt_" + std::to_string(::getpid()));
    fs::create_directories(directory);
  }
  void TearDown() override {
    application_end();
    fs::remove_all(directory);
  }

  QWidget* widget(std::u16string_view name) {
    return qt->widget(gadget_handle(dialog_gadget(application_dialog(), name)));
  }
  QString text(std::u16string_view name) {
    return QString::fromStdU16String(dynamic_cast<QtEditorWidget*>(widget(name))->get());
  }

  QString write(const std::string& name, const std::string& bytes) {
    std::ofstream(directory / name, std::ios::binary) << bytes;
    return QString::fromStdString((directory / name).string());
  }

  // Drags the files over the frame and drops them, as Qt delivers a drop from a file manager.
  void drop_on_input_frame(const QStringList& paths) {
    QWidget* frame = widget(u"frameIn");
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QPoint at(frame->width() / 2, 6);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
  }

  // Fills the input (Copy all becomes enabled) and focuses a control as a click does.
  void paste_and_focus(std::u16string_view name) {
    QApplication::clipboard()->setText("<r/>");
    qobject_cast<QPushButton*>(widget(u"cmdPaste"))->click();
    settle_commands();
    qt->widget(window_handle(dialog_window(application_dialog())))->activateWindow();
    widget(name)->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
  }

  static void press_tab(QWidget* receiver) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(receiver, &tab);
  }

  QtBackend* qt = nullptr;
  fs::path directory;
};

TEST_F(AppQtTest, ThreeDroppedFilesLoadOnlyTheFirst) {
  QString first = write("first.xml", "<first><v>1</v></first>");
  drop_on_input_frame({first, write("second.xml", "<second/>"), write("third.xml", "<third/>")});
  settle_commands();
  EXPECT_EQ(text(u"txtIn"), "<first><v>1</v></first>");
  // The gadget answers the editor's text with CR LF, as generated.
  EXPECT_EQ(get_gadget_text(dialog_gadget(application_dialog(), u"txtOut")),
            generate_declarations(u"<first><v>1</v></first>"));
  EXPECT_TRUE(widget(u"cmdCopyAll")->isEnabled());
}

TEST_F(AppQtTest, DirectoriesMissingAndEmptyFilesChangeNothing) {
  QString empty = write("empty.xml", "");
  drop_on_input_frame({QString::fromStdString(directory.string())});
  settle_commands();
  drop_on_input_frame({QString::fromStdString((directory / "missing.xml").string())});
  settle_commands();
  drop_on_input_frame({empty});
  settle_commands();
  EXPECT_EQ(text(u"txtIn"), "");
  EXPECT_FALSE(widget(u"cmdCopyAll")->isEnabled());
}

TEST_F(AppQtTest, PasteAndCopyAllUseTheSystemClipboard) {
  QApplication::clipboard()->setText("<r><x>1</x><x>2</x></r>");
  qobject_cast<QPushButton*>(widget(u"cmdPaste"))->click();
  settle_commands();
  EXPECT_EQ(text(u"txtIn"), "<r><x>1</x><x>2</x></r>");
  EXPECT_TRUE(widget(u"cmdCopyAll")->isEnabled());
  QApplication::clipboard()->setText("other");
  qobject_cast<QPushButton*>(widget(u"cmdCopyAll"))->click();
  EXPECT_EQ(QApplication::clipboard()->text().toStdU16String(),
            generate_declarations(u"<r><x>1</x><x>2</x></r>"));
  qobject_cast<QPushButton*>(widget(u"cmdClear"))->click();
  settle_commands();
  EXPECT_EQ(text(u"txtIn"), "");
  EXPECT_EQ(text(u"txtOut"), "");
  EXPECT_FALSE(widget(u"cmdCopyAll")->isEnabled());
}

// Tab walks the controls in the order the definition creates them; Tab in the input editor
// types a tab instead.
TEST_F(AppQtTest, TabFollowsTheDefinitionsOrder) {
  const std::vector<std::u16string> stops = {u"cmdFile", u"cmdPaste",   u"cmdClear",
                                             u"txtOut",  u"cmdCopyAll", u"txtIn"};
  paste_and_focus(u"cmdFile");
  std::vector<std::u16string> order;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    QWidget* focused = QApplication::focusWidget();
    for (const std::u16string& name : stops) {
      if (focused && widget(name) == focused) order.push_back(name);
    }
    press_tab(focused);
  }
  EXPECT_EQ(order, stops);
}

// A Tab that moves the focus shows the keyboard cues: the focused button looks focused.
TEST_F(AppQtTest, TabShowsTheFocusOnButtons) {
  paste_and_focus(u"cmdCopyAll");
  QImage without_cues = widget(u"cmdCopyAll")->grab().toImage();
  widget(u"txtOut")->setFocus(Qt::MouseFocusReason);
  press_tab(widget(u"txtOut"));
  ASSERT_EQ(QApplication::focusWidget(), widget(u"cmdCopyAll"));
  EXPECT_NE(widget(u"cmdCopyAll")->grab().toImage(), without_cues);
}

// Shift+Tab leaves the input editor, where Tab is typed, for the control before it,
// wrapping round to the last.
TEST_F(AppQtTest, ShiftTabLeavesTheInputEditor) {
  paste_and_focus(u"txtIn");
  QKeyEvent back_tab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  QApplication::sendEvent(widget(u"txtIn"), &back_tab);
  EXPECT_EQ(QApplication::focusWidget(), widget(u"cmdCopyAll"));
  EXPECT_EQ(text(u"txtIn"), "<r/>");
}

// Holding Control, Shift or Alt shows the keyboard cues too.
TEST_F(AppQtTest, AModifierKeyShowsTheFocusOnButtons) {
  for (Qt::Key key : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt}) {
    paste_and_focus(u"cmdCopyAll");
    QWidget* window = qt->widget(window_handle(dialog_window(application_dialog())));
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    QImage without_cues = widget(u"cmdCopyAll")->grab().toImage();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget(u"cmdCopyAll"), &press);
    EXPECT_NE(widget(u"cmdCopyAll")->grab().toImage(), without_cues) << key;
  }
}

// The read-only output shows that it has the focus (its caret), as the input does.
TEST_F(AppQtTest, TheOutputEditorLooksFocusedWhenItIsFocused) {
  paste_and_focus(u"cmdFile");
  QImage unfocused = widget(u"txtOut")->grab().toImage();
  widget(u"txtOut")->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  EXPECT_NE(widget(u"txtOut")->grab().toImage(), unfocused);
}

// The editors hold code aligned with spaces: the desktop's fixed-width font, which their
// measured text follows; the other controls keep the default font.
TEST_F(AppQtTest, EditorsUseTheFixedWidthFont) {
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (std::u16string_view name : {u"txtIn", u"txtOut"}) {
    EXPECT_EQ(widget(name)->font(), fixed);
    Size measured =
        qt->text_extent(gadget_handle(dialog_gadget(application_dialog(), name)), u"iiiiWWWW");
    EXPECT_EQ(measured.width, QFontMetrics(fixed).horizontalAdvance("iiiiWWWW"));
  }
  EXPECT_EQ(widget(u"cmdFile")->font(), QApplication::font(widget(u"cmdFile")));
  EXPECT_EQ(widget(u"lblIn")->font(), QApplication::font(widget(u"lblIn")));
}

}  // namespace
}  // namespace ambrel
