// The editor gadget's text on Qt: line ends, what the view shows after the program sets a
// text, the font and tab stop, text the program adds at the end, text inserted at the caret,
// the text read back a slice at a time, and what a screen reader reads (run with
// QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

#include "services_fixture.h"
#include "backend/qt/qt_backend.h"
#include "backend/editor_room.h"
#include "backend/qt/qt_editor_text.h"
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

  QtEditorWidget& widget() {
    return *dynamic_cast<QtEditorWidget*>(qt->widget(gadget_handle(editor)));
  }
  long send(unsigned int message, uptr_t first = 0, sptr_t second = 0) {
    return static_cast<long>(widget().send(message, first, second));
  }
  void caret_to_end() { send(SCI_DOCUMENTEND); }

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
  caret_to_end();
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

  caret_to_end();
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
  text.append(500, u'w');  // a last line wider than the view
  set_gadget_text(editor, text);
  caret_to_end();
  QApplication::processEvents();
  ASSERT_GT(send(SCI_GETFIRSTVISIBLELINE), 0);
  ASSERT_GT(send(SCI_GETXOFFSET), 0);
  set_gadget_text(editor, lines_of(5000, u'b'));
  QApplication::processEvents();
  EXPECT_EQ(send(SCI_GETCURRENTPOS), 0);
  EXPECT_EQ(send(SCI_GETFIRSTVISIBLELINE), 0);
  EXPECT_EQ(send(SCI_GETXOFFSET), 0);
  EXPECT_EQ(change_events(), 0);
}

TEST_F(EditorTextQtTest, UndoTakesBackTheUsersEditsButNotTheProgramsText) {
  set_gadget_text(editor, u"<r/>");
  caret_to_end();
  press(Qt::Key_X, "x");
  press(Qt::Key_Z, "", Qt::ControlModifier);
  press(Qt::Key_Z, "", Qt::ControlModifier);
  EXPECT_EQ(get_gadget_text(editor), u"<r/>");
  append_gadget_text(editor, u"<s/>");
  press(Qt::Key_Z, "", Qt::ControlModifier);
  EXPECT_EQ(get_gadget_text(editor), u"<r/><s/>");
}

// The text is drawn in the widget's font, also one set later, and a tab is four of its
// spaces.
TEST_F(EditorTextQtTest, TextShowsInTheWidgetsFontWithTabsOfFourSpaces) {
  set_gadget_text(editor, u"\tfield");
  auto space = [this] { return send(SCI_TEXTWIDTH, STYLE_DEFAULT, reinterpret_cast<long>(" ")); };
  auto tab = [this] {
    return send(SCI_POINTXFROMPOSITION, 0, 1) - send(SCI_POINTXFROMPOSITION, 0, 0);
  };
  long small_space = space();
  EXPECT_EQ(small_space, QFontMetrics(widget().font()).horizontalAdvance(QChar(u' ')));
  EXPECT_LE(std::abs(tab() - 4 * small_space), 4);  // widths are whole pixels, advances not
  QFont larger = widget().font();
  larger.setPointSizeF(larger.pointSizeF() * 3);
  widget().QWidget::setFont(larger);
  EXPECT_GT(space(), 2 * small_space);
  EXPECT_LE(std::abs(tab() - 4 * space()), 4);
}

TEST_F(EditorTextQtTest, TextAddedAtTheEndLeavesTheUsersCaretSelectionAndViewAlone) {
  set_gadget_text(editor, lines_of(5000, u'a'));
  QApplication::processEvents();
  send(SCI_SETSEL, 700, 650);
  send(SCI_SETFIRSTVISIBLELINE, 20);
  for (int i = 0; i < 3; ++i) append_gadget_text(editor, lines_of(5000, u'b'));
  QApplication::processEvents();
  EXPECT_EQ(send(SCI_GETANCHOR), 700);
  EXPECT_EQ(send(SCI_GETCURRENTPOS), 650);
  EXPECT_EQ(send(SCI_GETFIRSTVISIBLELINE), 20);
  EXPECT_EQ(change_events(), 0);

  // Into an empty editor, the caret there too: it stays at the start, the view on the first
  // line, with room made ahead for the text or not.
  set_gadget_text(editor, u"");
  reserve_gadget_text(editor, 3 * 5000);
  for (int i = 0; i < 3; ++i) append_gadget_text(editor, lines_of(5000, u'c'));
  QApplication::processEvents();
  EXPECT_EQ(send(SCI_GETCURRENTPOS), 0);
  EXPECT_EQ(send(SCI_GETFIRSTVISIBLELINE), 0);
  EXPECT_EQ(send(SCI_GETLINECOUNT), 3 * 5000 / 8 + 1);
}

// Room is made ahead for a text as long as foretold and a little more, but never for more
// than the process holds with ease: Scintilla's store, denied a room it asked for, writes past
// its end.
TEST_F(EditorTextQtTest, RoomMadeAheadIsBounded) {
  EXPECT_EQ(editor_room_bytes(0, 8000), 9000u);
  EXPECT_EQ(editor_room_bytes(100, 8000), 9100u);
  EXPECT_EQ(editor_room_bytes(100, 0), 0u);
  std::size_t most = editor_room_bytes(0, std::numeric_limits<std::uint64_t>::max());
  EXPECT_GT(most, 0u);
  EXPECT_LE(most, std::size_t{1} << 30);
  EXPECT_EQ(editor_room_bytes(most, 1), 0u);
}

// What the user types at the end of a text still arriving stays at its end, after a caret
// put there has followed the text; an edit before the program's text moves where the rest
// goes.
TEST_F(EditorTextQtTest, TypingAtTheEndOfATextStillArrivingStaysAtItsEnd) {
  set_gadget_text(editor, u"");
  append_gadget_text(editor, u"{\"price\": 1");
  caret_to_end();
  append_gadget_text(editor, u"0");
  press(Qt::Key_Space, QStringLiteral(" "));
  append_gadget_text(editor, u"}\r\n");
  press(Qt::Key_X, QStringLiteral("x"));
  EXPECT_EQ(get_gadget_text(editor), u"{\"price\": 10}\r\n x");
  send(SCI_GOTOPOS, 0);
  press(Qt::Key_BracketLeft, QStringLiteral("["));
  send(SCI_DELETERANGE, 3, 2);
  append_gadget_text(editor, u"]");
  EXPECT_EQ(get_gadget_text(editor), u"[{\"ice\": 10}\r\n] x");
  EXPECT_EQ(send(SCI_GETCURRENTPOS), 1);
}

// A paste's pieces: the first replaces the selection, the caret follows them, they are the
// user's edits and one undo step; the user's typing before them moves where they go, text
// the program adds ends the step, and a text set meanwhile ends them.
TEST_F(EditorTextQtTest, PiecesInsertedAtTheCaretAreOneEditOfTheUsers) {
  set_gadget_text(editor, u"<a>SELECTED</a>\r\n");
  send(SCI_SETSEL, 3, 11);
  std::unique_ptr<EditorInsertion> insertion = qt->insert_at_caret(gadget_handle(editor));
  ASSERT_NE(insertion, nullptr);
  for (std::u16string_view piece : {u"caf\u00e9", u" au lait\r", u"\n!"}) insertion->insert(piece);
  EXPECT_EQ(get_gadget_text(editor), u"<a>caf\u00e9 au lait\r\n!</a>\r\n");
  EXPECT_EQ(send(SCI_GETCURRENTPOS), 19);  // bytes
  EXPECT_GT(change_events(), 0);
  insertion.reset();
  press(Qt::Key_Z, "", Qt::ControlModifier);
  EXPECT_EQ(get_gadget_text(editor), u"<a>SELECTED</a>\r\n");

  send(SCI_GOTOPOS, 3);
  insertion = qt->insert_at_caret(gadget_handle(editor));
  send(SCI_DOCUMENTSTART);
  press(Qt::Key_X, "x");
  insertion->insert(u"-");
  append_gadget_text(editor, u"<b/>");  // the program's text closes the paste's undo step
  insertion->insert(u"+");
  EXPECT_EQ(get_gadget_text(editor), u"x<a>-+SELECTED</a>\r\n<b/>");
  insertion.reset();
  press(Qt::Key_Z, "", Qt::ControlModifier);
  EXPECT_EQ(get_gadget_text(editor), u"x<a>-SELECTED</a>\r\n<b/>");

  insertion = qt->insert_at_caret(gadget_handle(editor));
  insertion->insert(u"*");
  set_gadget_text(editor, u"new");
  insertion->insert(u"late");
  EXPECT_EQ(get_gadget_text(editor), u"new");
  int output = create_editor_gadget(kAnyNumber, {0, 0, 300, 200}, {.flags = kEditorReadOnly});
  EXPECT_EQ(qt->insert_at_caret(gadget_handle(output)), nullptr);
}

QAccessibleInterface* plain_widget_accessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget ? new QAccessibleWidget(widget) : nullptr;
}

// A screen reader finds the editor in the window's tree and reads its text.
TEST_F(EditorTextQtTest, TheEditorIsReadableThroughAccessibility) {
  set_gadget_text(editor, u"<r>caf\u00e9</r>\r\n<s/>");
  qt->widget(window_handle(window))->show();
  QApplication::processEvents();
  QAccessibleInterface* window_node =
      QAccessible::queryAccessibleInterface(qt->widget(window_handle(window)));
  ASSERT_NE(window_node, nullptr);
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&widget());
  ASSERT_NE(node, nullptr);
  EXPECT_GE(window_node->indexOfChild(node), 0);
  EXPECT_EQ(node->role(), QAccessible::EditableText);
  ASSERT_NE(node->textInterface(), nullptr);
  EXPECT_EQ(node->textInterface()->characterCount(), 17);
  EXPECT_EQ(node->textInterface()->text(0, 17), QString::fromUtf16(u"<r>caf\u00e9</r>\r\n<s/>"));

  // A factory installed after the first editor (as a second QApplication installs the
  // widgets' own) is asked first; later editors still have the editor's own interface.
  QAccessible::installFactory(plain_widget_accessible);
  int later = create_editor_gadget(kAnyNumber, {0, 0, 300, 200}, {.flags = kEditorReadOnly});
  QAccessibleInterface* later_node =
      QAccessible::queryAccessibleInterface(qt->widget(gadget_handle(later)));
  QAccessible::removeFactory(plain_widget_accessible);
  ASSERT_NE(later_node, nullptr);
  EXPECT_EQ(later_node->role(), QAccessible::EditableText);
  EXPECT_NE(later_node->textInterface(), nullptr);
}

// Copied text has the desktop's line ends, whatever the editor holds.
TEST_F(EditorTextQtTest, CopiedTextHasLfLineEnds) {
  set_gadget_text(editor, u"a\r\nb\rc\nd");
  press(Qt::Key_A, "", Qt::ControlModifier);
  press(Qt::Key_C, "", Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString("a\nb\nc\nd"));
}

// A blink draws the caret's line again, laid out whole: on a line of megabytes it would keep
// the window busy.
TEST_F(EditorTextQtTest, TheCaretBlinksButNotOnALineOfMegabytes) {
  std::u16string text = u"short\r\n";
  text.append(std::size_t{2} << 20, u'x');
  set_gadget_text(editor, text);
  QApplication::processEvents();
  EXPECT_GT(send(SCI_GETCARETPERIOD), 0);
  caret_to_end();
  QApplication::processEvents();
  EXPECT_EQ(send(SCI_GETCARETPERIOD), 0);
  send(SCI_DOCUMENTSTART);
  QApplication::processEvents();
  EXPECT_GT(send(SCI_GETCARETPERIOD), 0);
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

// The program's items follow the editing items; choosing one is a menu event of the
// editor's window, and the check marks are the program's.
TEST_F(EditorTextQtTest, TheContextMenuCarriesTheProgramsItems) {
  set_gadget_menu_items(editor, {{1, u"Valid identifiers", true}, {2, u"LF line ends", false}});
  QApplication::clipboard()->setText("x");
  set_gadget_text(editor, u"<r/>");
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
  // The editing items come first, each enabled as it applies: nothing to undo or copy yet.
  QStringList enabled;
  for (QAction* action : actions.mid(0, actions.size() - 3)) {
    if (!action->isSeparator() && action->isEnabled()) enabled << action->text();
  }
  EXPECT_EQ(enabled, QStringList({"&Paste", "Select All"}));
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
