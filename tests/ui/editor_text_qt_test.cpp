// The editor gadget's text on Qt: line ends, what the view shows after the program sets a
// text, the tab stop, text the program adds at the end, and the text read back a slice at a
// time (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>
#include <string>

#include "services_fixture.h"
#include "backend/qt/qt_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

class EditorTextQtTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    window = window_open(kAnyNumber, 0, 0, 400, 300, u"editors", kWindowSizeGadget);
    editor = create_editor_gadget(kAnyNumber, {0, 0, 300, 200}, {});
    QApplication::processEvents();
  }

  QPlainTextEdit& widget() {
    return *qobject_cast<QPlainTextEdit*>(qt->widget(gadget_handle(editor)));
  }

  int change_events() {
    QApplication::processEvents();
    int changes = 0;
    while (int code = take_event()) {
      if (code == kEventGadget && event_object() == editor && event_type() == kGadgetChange)
        ++changes;
    }
    return changes;
  }

  void press(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget(), &event);
  }

  // Numbered lines of `characters` in all, so each large text differs from the others.
  static std::u16string lines_of(std::size_t characters, char16_t mark) {
    std::u16string text;
    for (int i = 0; text.size() < characters; ++i) text += std::u16string(1, mark) + u" line\r\n";
    return text;
  }

  struct Read {
    std::u16string joined;
    int slices = 0;
  };
  // The gadget's text as its reader hands it out, `units` at a time.
  static Read read_in_slices(int gadget, std::size_t units) {
    Read read;
    std::unique_ptr<ControlTextReader> reader = read_gadget_text(gadget);
    while (reader->read(units, [&read](std::u16string_view piece) {
      EXPECT_FALSE(piece.empty());
      read.joined += piece;
    }))
      ++read.slices;
    return read;
  }

  QtBackend* qt = nullptr;
  int window = 0;
  int editor = 0;
};

TEST_F(EditorTextQtTest, EveryLineBreakComesBackAsCrLfAndOtherCharactersUnchanged) {
  std::u16string_view given = u"a\r\nb\rc\nd\u2028e\u2029f\u00a0g\r";
  std::u16string expected = u"a\r\nb\r\nc\r\nd\r\ne\r\nf\u00a0g\r\n";
  set_gadget_text(editor, given);
  EXPECT_EQ(get_gadget_text(editor), expected);
  // After a user's edit the text is read from the editor itself, with the same line ends.
  widget().moveCursor(QTextCursor::End);
  press(Qt::Key_X, "x");
  press(Qt::Key_Return, "\r");
  press(Qt::Key_Return, "\r", Qt::ShiftModifier);  // a line separator within the paragraph
  EXPECT_EQ(get_gadget_text(editor), expected + u"x\r\n\r\n");
}

TEST_F(EditorTextQtTest, TextReadInSlicesIsTheWholeTextAsGivenAddedAndTyped) {
  std::u16string given = u"a\r\nb\rc\nd\u2028e\u2029f\u00a0g\U0001F600\r";
  set_gadget_text(editor, given);
  Read as_given = read_in_slices(editor, 1 << 16);
  EXPECT_EQ(as_given.joined, get_gadget_text(editor));
  EXPECT_EQ(as_given.slices, 1);

  widget().moveCursor(QTextCursor::End);
  press(Qt::Key_X, "x");
  press(Qt::Key_Return, "\r", Qt::ShiftModifier);
  press(Qt::Key_Return, "\r");
  // Slices of 1, 2 and 3 characters end within every paragraph end and the surrogate pair.
  for (std::size_t units : {1, 2, 3}) {
    Read small = read_in_slices(editor, units);
    EXPECT_EQ(small.joined, get_gadget_text(editor)) << units;
  }

  std::u16string lines(32767, u'a');
  lines += u"\r\n";
  lines.append(32767, u'b');
  set_gadget_text(editor, lines);
  append_gadget_text(editor, u"\U0001F600\r");
  append_gadget_text(editor, u"\nz");
  Read added = read_in_slices(editor, 32768);
  EXPECT_EQ(added.joined, lines + u"\U0001F600\r\nz");
  EXPECT_EQ(added.slices, 3);

  set_gadget_text(editor, u"");
  EXPECT_EQ(read_in_slices(editor, 10).slices, 0);
  int button = create_button_gadget(kAnyNumber, {0, 0, 50, 20}, {u"caption"});
  EXPECT_EQ(read_in_slices(button, 4).joined, u"caption");
}

TEST_F(EditorTextQtTest, ProgramTextShowsItsFirstLineWithTheCaretAtTheStart) {
  std::u16string text = lines_of(5000, u'a');
  set_gadget_text(editor, text);
  widget().moveCursor(QTextCursor::End);
  widget().verticalScrollBar()->setValue(widget().verticalScrollBar()->maximum());
  ASSERT_GT(widget().verticalScrollBar()->value(), 0);
  set_gadget_text(editor, lines_of(5000, u'b'));
  QApplication::processEvents();
  EXPECT_EQ(widget().textCursor().position(), 0);
  EXPECT_EQ(widget().verticalScrollBar()->value(), 0);
  EXPECT_EQ(widget().horizontalScrollBar()->value(), 0);
  EXPECT_EQ(change_events(), 0);
}

TEST_F(EditorTextQtTest, UndoTakesBackTheUsersEditsButNotTheProgramsText) {
  set_gadget_text(editor, u"<r/>");
  widget().moveCursor(QTextCursor::End);
  press(Qt::Key_X, "x");
  press(Qt::Key_Z, "", Qt::ControlModifier);
  press(Qt::Key_Z, "", Qt::ControlModifier);
  EXPECT_EQ(get_gadget_text(editor), u"<r/>");
  append_gadget_text(editor, u"<s/>");
  press(Qt::Key_Z, "", Qt::ControlModifier);
  EXPECT_EQ(get_gadget_text(editor), u"<r/><s/>");
}

TEST_F(EditorTextQtTest, TabStopIsFourSpacesOfTheEditorsFont) {
  auto four_spaces = [this] {
    return 4 * QFontMetricsF(widget().font()).horizontalAdvance(QChar(u' '));
  };
  EXPECT_DOUBLE_EQ(widget().tabStopDistance(), four_spaces());
  set_gadget_text(editor, u"\tfield");
  EXPECT_DOUBLE_EQ(widget().tabStopDistance(), four_spaces());
  QFont larger = widget().font();
  larger.setPointSizeF(larger.pointSizeF() * 3);
  widget().setFont(larger);
  EXPECT_DOUBLE_EQ(widget().tabStopDistance(), four_spaces());
}

TEST_F(EditorTextQtTest, TextAddedAtTheEndLeavesTheUsersCaretSelectionAndViewAlone) {
  set_gadget_text(editor, lines_of(5000, u'a'));
  QApplication::processEvents();
  QTextCursor selection = widget().textCursor();
  selection.setPosition(700);
  selection.setPosition(650, QTextCursor::KeepAnchor);
  widget().setTextCursor(selection);
  widget().verticalScrollBar()->setValue(20);
  for (int i = 0; i < 3; ++i) append_gadget_text(editor, lines_of(5000, u'b'));
  QApplication::processEvents();
  EXPECT_EQ(widget().textCursor().anchor(), 700);
  EXPECT_EQ(widget().textCursor().position(), 650);
  EXPECT_EQ(widget().verticalScrollBar()->value(), 20);
  EXPECT_EQ(change_events(), 0);

  // Into an empty editor: the caret stays at the start, the view on the first line.
  set_gadget_text(editor, u"");
  for (int i = 0; i < 3; ++i) append_gadget_text(editor, lines_of(5000, u'c'));
  QApplication::processEvents();
  EXPECT_EQ(widget().textCursor().position(), 0);
  EXPECT_EQ(widget().verticalScrollBar()->value(), 0);
  EXPECT_EQ(widget().document()->blockCount(), 3 * 5000 / 8 + 1);
}

TEST_F(EditorTextQtTest, AReaderOfAnEditorThatWentReadsNothing) {
  set_gadget_text(editor, lines_of(1000, u'a'));
  std::unique_ptr<ControlTextReader> reader = read_gadget_text(editor);
  EXPECT_TRUE(reader->read(10, [](std::u16string_view) {}));
  free_gadget(editor);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the widget goes
  bool handed = false;
  EXPECT_FALSE(reader->read(10, [&handed](std::u16string_view) { handed = true; }));
  EXPECT_FALSE(handed);
}

// The program's items follow Qt's own editing items; choosing one is a menu event of the
// editor's window, and the check marks are the program's.
TEST_F(EditorTextQtTest, TheContextMenuCarriesTheProgramsItems) {
  set_gadget_menu_items(editor, {{1, u"Valid identifiers", true}, {2, u"LF line ends", false}});
  QPoint inside(10, 10);
  QContextMenuEvent request(QContextMenuEvent::Mouse, inside,
                            widget().viewport()->mapToGlobal(inside));
  QApplication::sendEvent(widget().viewport(), &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QList<QAction*> actions = menu->actions();
  ASSERT_GE(actions.size(), 4);
  QAction* identifiers = actions[actions.size() - 2];
  QAction* line_ends = actions.back();
  EXPECT_TRUE(actions[actions.size() - 3]->isSeparator());
  EXPECT_EQ(identifiers->text(), "Valid identifiers");
  EXPECT_TRUE(identifiers->isChecked());
  EXPECT_FALSE(line_ends->isChecked());
  EXPECT_GT(actions.size(), 4);  // Qt's own items come first
  line_ends->trigger();
  menu->close();
  QApplication::processEvents();
  int menu_events = 0;
  while (int code = take_event()) {
    if (code != kEventMenu) continue;
    ++menu_events;
    EXPECT_EQ(event_object(), 2);
    EXPECT_EQ(event_window(), window);
  }
  EXPECT_EQ(menu_events, 1);
}

}  // namespace
}  // namespace ambrel
