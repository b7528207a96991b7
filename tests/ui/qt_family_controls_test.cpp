// The Qt widgets of the gadget families beyond the main window's five kinds, one test per
// family: the nearest Qt widget with the style its flags ask for, its text, and commands
// for the user's actions only (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTreeView>
#include <QTreeWidget>
#include <vector>

#include "ignoring_sink.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/qt_panel_tab_strip.h"
#include "backend/qt/qt_panel_widget.h"

namespace ambrel {
namespace {

constexpr int kClick = 0;
constexpr int kDoubleClick = 2;
constexpr int kChange = 768;

class CommandSink final : public IgnoringSink {
 public:
  void on_control_command(NativeHandle, ControlCommand command) override {
    codes.push_back(static_cast<int>(command));
  }

  std::vector<int> codes;
};

class QtFamilyControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.client_size = {500, 400};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
  }

  NativeHandle add(ControlKind kind, ControlStyle style = {}, ControlRange range = {},
                   std::u16string_view text = u"caption") {
    ControlRequest request;
    request.kind = kind;
    request.parent = window;
    request.geometry = {10, 10, 300, 200};
    request.text = text;
    request.style = style;
    request.range = range;
    return backend.create_control(request);
  }

  template <class Widget>
  Widget* add_widget(ControlKind kind, ControlStyle style = {}, ControlRange range = {},
                     std::u16string_view text = u"caption") {
    NativeHandle control = add(kind, style, range, text);
    return control ? dynamic_cast<Widget*>(backend.widget(control)) : nullptr;
  }

  std::u16string text_of(QWidget* widget) const {
    return backend.control_text(backend.handle_of(widget));
  }
  void set_text(QWidget* widget, std::u16string_view text) {
    backend.set_control_text(backend.handle_of(widget), text);
  }

  CommandSink sink;
  QtBackend backend;
  NativeHandle window;
};

TEST_F(QtFamilyControlsTest, ChoicesAreCheckBoxesAndGroupedOptions) {
  auto* box = add_widget<QCheckBox>(ControlKind::CheckBox, ControlStyle{.three_state = true});
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isTristate());
  EXPECT_EQ(text_of(box), u"caption");
  set_text(box, u"renamed");
  EXPECT_EQ(box->text(), QString("renamed"));
  box->click();

  auto* first = add_widget<QRadioButton>(ControlKind::Option);
  auto* second = add_widget<QRadioButton>(ControlKind::Option);
  ASSERT_TRUE(first && second);
  ASSERT_NE(first->group(), nullptr);
  EXPECT_EQ(first->group(), second->group());
  add(ControlKind::String);
  auto* apart = add_widget<QRadioButton>(ControlKind::Option);
  ASSERT_NE(apart, nullptr);
  EXPECT_NE(apart->group(), first->group());
  first->click();
  second->click();
  EXPECT_FALSE(first->isChecked());
  EXPECT_EQ(sink.codes, (std::vector<int>{kClick, kClick, kClick}));
}

TEST_F(QtFamilyControlsTest, FieldsHonourTheirFlagsAndKeepTheirText) {
  auto* field =
      add_widget<QLineEdit>(ControlKind::String, ControlStyle{.read_only = true, .password = true});
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->isReadOnly());
  EXPECT_EQ(field->echoMode(), QLineEdit::Password);
  set_text(field, u"secret");
  EXPECT_EQ(text_of(field), u"secret");
  // Texts are UTF-16 already: one that starts like a byte-order mark is not decoded as if it
  // were a byte stream, which would drop U+FEFF and swap the bytes after U+FFFE.
  set_text(field, u"\uFEFFab");
  EXPECT_EQ(text_of(field), u"\uFEFFab");
  set_text(field, u"\uFFFEab");
  EXPECT_EQ(text_of(field), u"\uFFFEab");
  auto* address = add_widget<QLineEdit>(ControlKind::IpAddress);
  ASSERT_NE(address, nullptr);
  EXPECT_FALSE(address->inputMask().isEmpty());

  auto* spin = add_widget<QSpinBox>(ControlKind::Spin, {}, {1, 9, 0});
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->minimum(), 1);
  EXPECT_EQ(spin->maximum(), 9);
  set_text(spin, u"4");
  EXPECT_EQ(spin->value(), 4);
  EXPECT_EQ(text_of(spin), u"4");

  auto* keys = add_widget<QKeySequenceEdit>(ControlKind::Shortcut);
  ASSERT_NE(keys, nullptr);
  set_text(keys, u"Ctrl+S");
  EXPECT_EQ(text_of(keys), u"Ctrl+S");

  auto* combo = add_widget<QComboBox>(ControlKind::ComboBox, ControlStyle{.editable = true});
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->isEditable());
  set_text(combo, u"typed");
  EXPECT_EQ(text_of(combo), u"typed");
  auto* paths = add_widget<QComboBox>(ControlKind::ExplorerCombo, {}, {}, u"");
  ASSERT_NE(paths, nullptr);
  ASSERT_EQ(paths->count(), 1);
  EXPECT_FALSE(paths->itemText(0).isEmpty());

  auto* date = add_widget<QDateEdit>(ControlKind::Date);
  ASSERT_NE(date, nullptr);
  EXPECT_TRUE(date->calendarPopup());
  EXPECT_EQ(text_of(date), date->text().toStdU16String());
  EXPECT_TRUE(sink.codes.empty());

  field->setReadOnly(false);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QApplication::sendEvent(field, &key);
  spin->stepUp();
  emit combo->activated(0);
  date->setDate(date->date().addDays(1));
  EXPECT_EQ(sink.codes, (std::vector<int>{kChange, kChange, kChange, kChange}));
}

TEST_F(QtFamilyControlsTest, ListsReportClicksAndDoubleClicks) {
  auto* list = add_widget<QListWidget>(ControlKind::ListView, ControlStyle{.multi_select = true});
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  auto* icons = add_widget<QTreeWidget>(ControlKind::ListIcon, {}, {}, u"Name");
  ASSERT_NE(icons, nullptr);
  EXPECT_FALSE(icons->isHeaderHidden());
  EXPECT_EQ(icons->headerItem()->text(0), QString("Name"));
  EXPECT_EQ(icons->columnWidth(0), 300);
  auto* tree = add_widget<QTreeWidget>(ControlKind::Tree);
  ASSERT_NE(tree, nullptr);
  EXPECT_TRUE(tree->isHeaderHidden());
  auto* files =
      add_widget<QTreeView>(ControlKind::ExplorerList, ControlStyle{.multi_select = true}, {}, u"");
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_NE(add_widget<QTreeView>(ControlKind::ExplorerTree, {}, {}, u""), nullptr);

  backend.add_control_item(backend.handle_of(list), -1, u"one");
  backend.add_control_item(backend.handle_of(tree), -1, u"one");
  EXPECT_TRUE(sink.codes.empty());
  emit list->itemClicked(list->item(0));
  emit list->itemDoubleClicked(list->item(0));
  emit tree->itemClicked(tree->topLevelItem(0), 0);
  emit tree->itemDoubleClicked(tree->topLevelItem(0), 0);
  EXPECT_EQ(sink.codes, (std::vector<int>{kClick, kDoubleClick, kClick, kDoubleClick}));
}

TEST_F(QtFamilyControlsTest, PagesAreTabsAndAScrolledArea) {
  auto* panel = dynamic_cast<PanelWidget*>(backend.widget(add(ControlKind::Panel)));
  ASSERT_NE(panel, nullptr);
  backend.add_panel_page(backend.handle_of(panel), -1, u"First");
  backend.add_panel_page(backend.handle_of(panel), -1, u"Second");
  backend.set_control_value(backend.handle_of(panel), 1);
  EXPECT_TRUE(sink.codes.empty());
  panel->tabs().step(-1, false);
  EXPECT_EQ(sink.codes, (std::vector<int>{kChange}));

  auto* bare = add_widget<QScrollArea>(ControlKind::ScrollArea);
  ASSERT_NE(bare, nullptr);
  EXPECT_NE(bare->widget(), nullptr);
  EXPECT_EQ(bare->frameShape(), QFrame::NoFrame);
  auto* framed =
      add_widget<QScrollArea>(ControlKind::ScrollArea, ControlStyle{.border = BorderStyle::Single});
  ASSERT_NE(framed, nullptr);
  EXPECT_NE(framed->frameShape(), QFrame::NoFrame);
}

TEST_F(QtFamilyControlsTest, PicturesAreLabelsAndAButton) {
  auto* image = add_widget<QLabel>(ControlKind::Image, ControlStyle{.border = BorderStyle::Single});
  ASSERT_NE(image, nullptr);
  EXPECT_NE(image->frameShape(), QFrame::NoFrame);
  auto* canvas = add_widget<QLabel>(ControlKind::Canvas);
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->frameShape(), QFrame::NoFrame);
  auto* button = add_widget<QPushButton>(ControlKind::ButtonImage, ControlStyle{.toggle = true});
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isCheckable());
  button->click();
  EXPECT_EQ(sink.codes, (std::vector<int>{kClick}));
}

TEST_F(QtFamilyControlsTest, RangesKeepTheirOrientationAndReportActions) {
  auto* bar =
      add_widget<QScrollBar>(ControlKind::ScrollBar, ControlStyle{.vertical = true}, {0, 100, 10});
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->orientation(), Qt::Vertical);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(bar->pageStep(), 10);
  auto* progress = add_widget<QProgressBar>(ControlKind::ProgressBar, {}, {0, 50, 0});
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->orientation(), Qt::Horizontal);
  EXPECT_EQ(progress->maximum(), 50);
  auto* slider =
      add_widget<QSlider>(ControlKind::TrackBar, ControlStyle{.ticks = true}, {0, 10, 0});
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);

  backend.set_control_value(backend.handle_of(bar), 40);
  backend.set_control_value(backend.handle_of(slider), 4);
  EXPECT_TRUE(sink.codes.empty());
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(sink.codes, (std::vector<int>{kClick, kClick}));
}

TEST_F(QtFamilyControlsTest, ViewsShowCodePagesDatesAndLinks) {
  auto* code = add_widget<QtEditorWidget>(ControlKind::CodeEditor);
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(code->send(SCI_GETWRAPMODE), SC_WRAP_NONE);
  EXPECT_EQ(code->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
  auto* page = add_widget<QTextBrowser>(ControlKind::Web, {}, {}, u"about:blank");
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(text_of(page), u"about:blank");
  set_text(page, u"other");
  EXPECT_EQ(page->toPlainText(), QString("other"));
  auto* calendar = add_widget<QCalendarWidget>(ControlKind::Calendar,
                                               ControlStyle{.border = BorderStyle::Single});
  ASSERT_NE(calendar, nullptr);
  EXPECT_TRUE(calendar->isGridVisible());

  // The caption is kept apart from the markup the label shows, so it comes back as set.
  auto* link = add_widget<QLabel>(ControlKind::HyperLink,
                                  ControlStyle{.underline = true, .color = 0x0000FF});
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->text().contains("underline"));
  EXPECT_TRUE(link->text().contains("#ff0000"));
  set_text(link, u"a <b> link");
  EXPECT_EQ(text_of(link), u"a <b> link");
  EXPECT_TRUE(link->text().contains("a &lt;b&gt; link"));
  EXPECT_TRUE(link->text().contains("underline"));
  EXPECT_TRUE(sink.codes.empty());
  emit link->linkActivated("link");
  EXPECT_EQ(sink.codes, (std::vector<int>{kClick}));
}

}  // namespace
}  // namespace ambrel
