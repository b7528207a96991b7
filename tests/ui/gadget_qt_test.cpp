// The five gadget kinds as real Qt widgets (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include "services_fixture.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/measure.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

int change_calls = 0;

class GadgetQtTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    window = window_open(kAnyNumber, 0, 0, 400, 300, u"gadgets", kWindowSizeGadget);
    // Focus needs an active window, which the offscreen platform gives only when asked.
    qt->widget(window_handle(window))->activateWindow();
    QApplication::processEvents();
    change_calls = 0;
  }

  template <class Widget>
  Widget* widget_of(int gadget) {
    return dynamic_cast<Widget*>(qt->widget(gadget_handle(gadget)));
  }

  // Dispatches what Qt has pending, then takes every queued event; returns the gadget
  // event types of `gadget`.
  static std::vector<int> gadget_event_types(int gadget) {
    QApplication::processEvents();
    std::vector<int> types;
    while (int code = take_event()) {
      if (code == kEventGadget && event_object() == gadget) types.push_back(event_type());
    }
    return types;
  }

  static void type_key(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
  }

  QtBackend* qt = nullptr;
  int window = 0;
};

TEST_F(GadgetQtTest, TextIsAWrappingLabelWithItsAlignmentAndBorder) {
  int text =
      create_text_gadget(kAnyNumber, {1, 2, 150, 20}, {u"Source XML", kTextRight | kTextBorder});
  auto* label = widget_of<QLabel>(text);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QString("Source XML"));
  EXPECT_TRUE(label->wordWrap());
  EXPECT_TRUE(label->alignment() & Qt::AlignRight);
  EXPECT_NE(label->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(label->geometry(), QRect(1, 2, 150, 20));
  EXPECT_EQ(label->parentWidget(), qt->widget(window_handle(window)));
}

TEST_F(GadgetQtTest, ButtonIsAPushButtonWithItsFlags) {
  int open = create_button_gadget(kAnyNumber, {}, {u"  Open ...", kButtonLeft | kButtonDefault});
  auto* button = widget_of<QPushButton>(open);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QString("  Open ..."));
  EXPECT_TRUE(button->isDefault());
  EXPECT_FALSE(button->isCheckable());
  EXPECT_TRUE(button->styleSheet().contains("left"));
  auto* toggle =
      widget_of<QPushButton>(create_button_gadget(kAnyNumber, {}, {u"t", kButtonToggle}));
  EXPECT_TRUE(toggle->isCheckable());
  EXPECT_FALSE(toggle->isDefault());
  int multi =
      create_button_gadget(kAnyNumber, {0, 0, 60, 60}, {u"a caption that wraps", kButtonMultiLine});
  auto* caption = widget_of<QPushButton>(multi)->findChild<QLabel*>();
  ASSERT_NE(caption, nullptr);
  EXPECT_TRUE(caption->wordWrap());
  EXPECT_EQ(caption->text(), QString("a caption that wraps"));
  set_gadget_text(multi, u"changed");
  EXPECT_EQ(get_gadget_text(multi), u"changed");
  EXPECT_EQ(caption->text(), QString("changed"));
}

TEST_F(GadgetQtTest, ButtonClickIsGadgetEventTypeZero) {
  int open = create_button_gadget(kAnyNumber, {0, 0, 80, 24}, {u"Open"});
  widget_of<QPushButton>(open)->click();
  EXPECT_EQ(gadget_event_types(open), (std::vector<int>{0}));
}

// The program's text goes into a read-only editor too, which the user cannot change.
TEST_F(GadgetQtTest, EditorIsAPlainTextEditorWithItsFlags) {
  int input = create_editor_gadget(kAnyNumber, {}, {.flags = kEditorWordWrap});
  int output = create_editor_gadget(kAnyNumber, {}, {.flags = kEditorReadOnly});
  auto* writable = widget_of<QtEditorWidget>(input);
  auto* read_only = widget_of<QtEditorWidget>(output);
  ASSERT_NE(writable, nullptr);
  ASSERT_NE(read_only, nullptr);
  EXPECT_FALSE(writable->read_only());
  EXPECT_EQ(writable->send(SCI_GETWRAPMODE), SC_WRAP_WORD);
  EXPECT_TRUE(read_only->read_only());
  EXPECT_EQ(read_only->send(SCI_GETWRAPMODE), SC_WRAP_NONE);
  set_gadget_text(output, u"<r/>");
  append_gadget_text(output, u"\r\n<s/>");
  EXPECT_EQ(get_gadget_text(output), u"<r/>\r\n<s/>");
  type_key(read_only, Qt::Key_X, "x");
  EXPECT_EQ(get_gadget_text(output), u"<r/>\r\n<s/>");
  for (QtEditorWidget* editor : {writable, read_only}) EXPECT_EQ(editor->send(SCI_GETMARGINS), 0);
}

TEST_F(GadgetQtTest, TypingRaisesOneChangePerKeyAndProgramTextNone) {
  int editor = create_editor_gadget(kAnyNumber, {0, 0, 200, 100}, {});
  bind_gadget_event(
      kEventGadget, [] { ++change_calls; }, window, editor, kGadgetChange);
  set_gadget_text(editor, u"line one\r\nline two");
  EXPECT_EQ(change_calls, 0);
  EXPECT_TRUE(gadget_event_types(editor).empty());
  auto* widget = widget_of<QtEditorWidget>(editor);
  widget->send(SCI_DOCUMENTEND);
  type_key(widget, Qt::Key_X, "x");
  type_key(widget, Qt::Key_Y, "y");
  EXPECT_EQ(change_calls, 2);
  EXPECT_EQ(gadget_event_types(editor), (std::vector<int>{kGadgetChange}));
  // Line ends come back as CR LF however the text was set or typed.
  type_key(widget, Qt::Key_Return, "\r");
  EXPECT_EQ(get_gadget_text(editor), u"line one\r\nline twoxy\r\n");
}

TEST_F(GadgetQtTest, TabTypesInAWritableEditorAndLeavesAReadOnlyOne) {
  int input = create_editor_gadget(kAnyNumber, {0, 0, 200, 100}, {});
  int output = create_editor_gadget(kAnyNumber, {0, 100, 200, 100}, {.flags = kEditorReadOnly});
  int button = create_button_gadget(kAnyNumber, {0, 200, 80, 24}, {u"Copy all"});
  auto* writable = widget_of<QtEditorWidget>(input);
  writable->setFocus();
  type_key(writable, Qt::Key_Tab, "\t");
  EXPECT_EQ(get_gadget_text(input), u"\t");
  ui_backend()->set_focus(gadget_handle(output));
  type_key(widget_of<QtEditorWidget>(output), Qt::Key_Tab, "\t");
  EXPECT_EQ(get_gadget_text(output), u"");
  EXPECT_EQ(ui_backend()->focused_control(), gadget_handle(button));
}

TEST_F(GadgetQtTest, FrameIsAGroupBoxBehindItsContent) {
  int frame = create_frame_gadget(kAnyNumber, {0, 0, 200, 100}, {u"Input"});
  int content = create_text_gadget(kAnyNumber, {10, 20, 100, 20}, {u"inside"});
  auto* box = widget_of<QGroupBox>(frame);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->title(), QString("Input"));
  QWidget* window_widget = qt->widget(window_handle(window));
  EXPECT_EQ(widget_of<QLabel>(content)->parentWidget(), window_widget);
  EXPECT_EQ(window_widget->childAt(50, 30), widget_of<QLabel>(content));
}

TEST_F(GadgetQtTest, ContainerHoldsItsGadgetsAndReportsSizeChangesForced) {
  int container =
      create_container_gadget(kAnyNumber, {0, 0, 100, 100}, {.flags = kContainerDouble});
  int inside = create_button_gadget(kAnyNumber, {}, {u"in"});
  close_gadget_list();
  QWidget* pane = qt->widget(gadget_handle(container));
  ASSERT_NE(pane, nullptr);
  EXPECT_EQ(qt->widget(gadget_handle(inside))->parentWidget(), pane);
  gadget_event_types(container);
  suppress_events();
  resize_gadget(container, kKeepValue, kKeepValue, 150, 120);
  resume_events();
  EXPECT_EQ(pane->size(), QSize(150, 120));
  EXPECT_EQ(gadget_event_types(container), (std::vector<int>{0}));
}

TEST_F(GadgetQtTest, FreedGadgetsVanishAtOnceAndAreDeletedByTheEventLoop) {
  int container = create_container_gadget(kAnyNumber, {0, 0, 100, 100}, {});
  int inside = create_button_gadget(kAnyNumber, {0, 0, 50, 20}, {u"in"});
  close_gadget_list();
  int label = create_text_gadget(kAnyNumber, {0, 0, 50, 20}, {u"label"});
  qt->widget(window_handle(window))->show();
  QPointer<QWidget> pane = qt->widget(gadget_handle(container));
  QPointer<QWidget> button = qt->widget(gadget_handle(inside));
  QPointer<QWidget> text = qt->widget(gadget_handle(label));
  free_gadget(label);
  free_gadget(container);
  EXPECT_EQ(is_gadget(inside), 0);
  ASSERT_TRUE(pane && button && text);  // deleted later: a procedure may free from its event
  EXPECT_FALSE(pane->isVisible());
  EXPECT_FALSE(text->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(pane || button || text);
  EXPECT_NE(window_exists(window), 0);
}

TEST_F(GadgetQtTest, NaturalSizesFollowTheRealFont) {
  int open = create_button_gadget(kAnyNumber, {}, {u"  Open ..."});
  int label = create_text_gadget(kAnyNumber, {}, {u"one\r\nthe second line"});
  SystemMetrics metrics = ui_system_metrics();
  QFontMetrics button_font(widget_of<QPushButton>(open)->font());
  Size button = gadget_natural_size(open);
  EXPECT_EQ(button.width,
            button_font.horizontalAdvance("  Open ...") + 10 + 2 * metrics.edge_width);
  EXPECT_EQ(button.height, std::max(button_font.height() + 2 * metrics.edge_height, 24));
  QFontMetrics label_font(widget_of<QLabel>(label)->font());
  Size text = gadget_natural_size(label);
  EXPECT_GE(text.width, label_font.horizontalAdvance("the second line") + 2);
  EXPECT_LT(text.width,
            label_font.horizontalAdvance("the second line") + 2 + label_font.averageCharWidth());
  EXPECT_GE(text.height, 2 * label_font.height() + 2);
  EXPECT_GE(gadget_caption_height(create_frame_gadget(kAnyNumber, {}, {u"Input"})), 10);
}

}  // namespace
}  // namespace ambrel
