// The editor gadget's text on Qt: line ends, what the view shows after the program sets a
// text, the tab stop, and large texts whose document is built in the background
// (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <chrono>
#include <string>
#include <thread>

#include "services_fixture.h"
#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_editor_text.h"
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

  // Runs the event loop until the editor shows a document other than `before` (at most 20 s).
  bool shown_after(const QTextDocument* before) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (widget().document() == before && std::chrono::steady_clock::now() < end) {
      QApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return widget().document() != before;
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
    int pieces = 0;
  };
  // The gadget's text as read_gadget_text hands it out.
  static Read read_in_pieces(int gadget) {
    Read read;
    read_gadget_text(gadget, [&read](std::u16string_view piece) {
      EXPECT_FALSE(piece.empty());
      read.joined += piece;
      ++read.pieces;
    });
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

TEST_F(EditorTextQtTest, TextReadInPiecesIsTheWholeTextAsGivenTypedAndEdited) {
  std::u16string given = u"a\r\nb\rc\nd\u2028e\u2029f\u00a0g\U0001F600\r";
  set_gadget_text(editor, given);
  Read as_given = read_in_pieces(editor);
  EXPECT_EQ(as_given.joined, get_gadget_text(editor));
  EXPECT_EQ(as_given.pieces, 1);

  widget().moveCursor(QTextCursor::End);
  press(Qt::Key_X, "x");
  press(Qt::Key_Return, "\r", Qt::ShiftModifier);
  press(Qt::Key_Return, "\r");
  EXPECT_EQ(read_in_pieces(editor).joined, get_gadget_text(editor));

  // An edited document is read in ranges of 32768 characters: here a paragraph end is the
  // last character of the first range and a surrogate pair straddles the second boundary.
  std::u16string lines =
      std::u16string(32767, u'a') + u"\r\n" + std::u16string(32767, u'b') + u"\U0001F600\r\n";
  lines += lines_of(1u << 17, u'c') + u"\u00a0z";
  set_gadget_text(editor, lines);
  widget().moveCursor(QTextCursor::End);
  press(Qt::Key_Y, "y");
  ASSERT_EQ(get_gadget_text(editor), with_crlf_line_ends(lines) + u"y");
  Read edited = read_in_pieces(editor);
  EXPECT_EQ(edited.joined, get_gadget_text(editor));
  EXPECT_GT(edited.pieces, 2);

  set_gadget_text(editor, u"");
  EXPECT_EQ(read_in_pieces(editor).pieces, 0);
  int button = create_button_gadget(kAnyNumber, {0, 0, 50, 20}, {u"caption"});
  EXPECT_EQ(read_in_pieces(button).joined, u"caption");
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

TEST_F(EditorTextQtTest, LargeTextReadsBackAtOnceAndIsShownLaterWithoutAChangeEvent) {
  std::u16string text = lines_of(1u << 20, u'a');
  const QTextDocument* before = widget().document();
  set_gadget_text(editor, text);
  EXPECT_EQ(get_gadget_text(editor), text);
  EXPECT_EQ(read_in_pieces(editor).joined, text);
  ASSERT_TRUE(shown_after(before));
  EXPECT_EQ(widget().document()->characterCount(),
            static_cast<int>(text.size() - text.size() / 8 + 1));
  EXPECT_EQ(widget().textCursor().position(), 0);
  EXPECT_EQ(change_events(), 0);
  EXPECT_EQ(get_gadget_text(editor), text);
}

TEST_F(EditorTextQtTest, KeysTypedBeforeALargeTextIsShownGoIntoThatText) {
  std::u16string text = lines_of(1u << 20, u'a');
  set_gadget_text(editor, text);
  press(Qt::Key_X, "x");  // the text is taken first; the caret is at its start
  EXPECT_EQ(get_gadget_text(editor), u"x" + text);
  EXPECT_EQ(read_in_pieces(editor).joined, u"x" + text);
  EXPECT_EQ(change_events(), 1);
}

TEST_F(EditorTextQtTest, OnlyTheLastOfSeveralLargeTextsIsShown) {
  std::u16string last = lines_of(1u << 20, u'c');
  set_gadget_text(editor, lines_of(1u << 20, u'a'));
  QApplication::processEvents();  // lets the first build start
  set_gadget_text(editor, lines_of(1u << 20, u'b'));
  set_gadget_text(editor, last);
  const QTextDocument* before = widget().document();
  ASSERT_TRUE(shown_after(before));
  QApplication::processEvents();
  EXPECT_EQ(widget().document()->firstBlock().text(), QString("c line"));
  widget().moveCursor(QTextCursor::End);
  press(Qt::Key_X, "x");
  EXPECT_EQ(get_gadget_text(editor), last + u"x");
}

TEST_F(EditorTextQtTest, FreeingTheEditorWhileItsTextIsBuiltIsSafe) {
  set_gadget_text(editor, lines_of(1u << 20, u'a'));
  QApplication::processEvents();
  free_gadget(editor);
  QApplication::processEvents();
  int other = create_editor_gadget(kAnyNumber, {0, 0, 300, 200}, {});
  set_gadget_text(other, u"<r/>");
  EXPECT_EQ(get_gadget_text(other), u"<r/>");
}

}  // namespace
}  // namespace ambrel
