// The panel's own tab strip on Qt, through the engine: what the user does with the mouse and
// the keys reaches the panel gadget as a change to its state, what the program does does
// not, the current tab is scrolled into view, the tabs measure as Qt's own, and screen
// readers see each tab (run with QT_QPA_PLATFORM=offscreen).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <string>
#include <vector>

#include "services_fixture.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_panel_tab_strip.h"
#include "backend/qt/qt_panel_widget.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/window.h"

namespace ambrel {
namespace {

std::u16string tab_title(int index) {
  std::u16string title = u"Tab ";
  for (char digit : std::to_string(index)) title += static_cast<char16_t>(digit);
  return title;
}

class PanelQtTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<QtBackend>();
    qt = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    window = window_open(kAnyNumber, 0, 0, 400, 300, u"panel", kWindowSizeGadget);
    qt->widget(window_handle(window))->activateWindow();
  }

  // A panel with a button on each page, shown.
  int make_panel(int tabs, int width, std::vector<int>* buttons = nullptr) {
    int panel = create_panel_gadget(kAnyNumber, {0, 0, width, 200}, {});
    for (int i = 0; i < tabs; ++i) {
      add_gadget_item(panel, -1, tab_title(i).c_str());
      int button = create_button_gadget(kAnyNumber, {10, 10, 80, 24}, {u"on the page"});
      if (buttons) buttons->push_back(button);
    }
    close_gadget_list();
    qt->widget(window_handle(window))->show();
    QApplication::processEvents();
    changes(panel);
    return panel;
  }

  PanelWidget& panel_widget(int panel) {
    return *dynamic_cast<PanelWidget*>(qt->widget(gadget_handle(panel)));
  }
  PanelTabStrip& strip(int panel) { return panel_widget(panel).tabs(); }

  // How many changes of `panel` the engine received since last asked.
  static int changes(int panel) {
    QApplication::processEvents();
    int count = 0;
    while (int code = take_event()) {
      if (code == kEventGadget && event_object() == panel && event_type() == kGadgetChange) ++count;
    }
    return count;
  }

  static void click(QWidget& target, QPoint point) {
    QPointF global = target.mapToGlobal(QPointF(point));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &release);
  }

  static void press_key(QWidget& target, int key, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&target, &event);
  }

  // The strip's tabs are where they are drawn: within the view, left of the scroll buttons.
  static bool in_view(PanelTabStrip& tabs, int index) {
    QRect view(0, 0, tabs.width(), tabs.height());
    for (QToolButton* button : tabs.findChildren<QToolButton*>())
      if (button->isVisible()) view.setRight(std::min(view.right(), button->x() - 1));
    return view.contains(tabs.tab_rect(index));
  }

  QtBackend* qt = nullptr;
  int window = 0;
};

TEST_F(PanelQtTest, AMouseClickOnATabChangesThePageAndReachesTheEngine) {
  std::vector<int> buttons;
  int panel = make_panel(3, 300, &buttons);
  PanelTabStrip& tabs = strip(panel);
  // The strip takes the focus as the panel's tab stop says, as the panel hands it on.
  EXPECT_EQ(tabs.focusPolicy(), panel_widget(panel).focusPolicy());
  EXPECT_EQ(panel_widget(panel).focusProxy(), &tabs);
  click(tabs, tabs.tab_rect(2).center());
  EXPECT_EQ(get_gadget_state(panel), 2);
  EXPECT_EQ(changes(panel), 1);
  EXPECT_TRUE(qt->widget(gadget_handle(buttons[2]))->isVisible());
  EXPECT_FALSE(qt->widget(gadget_handle(buttons[0]))->isVisible());

  click(tabs, tabs.tab_rect(2).center());     // the current tab again
  click(tabs, QPoint(tabs.width() - 1, 1));   // past the last tab
  click(tabs, QPoint(1, tabs.height() + 5));  // below the tabs
  set_gadget_state(panel, 1);                 // the program's change
  EXPECT_EQ(changes(panel), 0);
  EXPECT_EQ(tabs.current(), 1);
  EXPECT_TRUE(qt->widget(gadget_handle(buttons[1]))->isVisible());
  EXPECT_FALSE(qt->widget(gadget_handle(buttons[2]))->isVisible());
}

TEST_F(PanelQtTest, KeysStepThroughTheTabsAndCtrlTabGoesRoundFromAPage) {
  std::vector<int> buttons;
  int panel = make_panel(3, 300, &buttons);
  PanelTabStrip& tabs = strip(panel);
  // Each key, the state it leaves and whether the engine heard of a change.
  struct Step {
    QWidget* target;
    int key;
    Qt::KeyboardModifiers modifiers;
    int state;
    int changes;
  };
  QWidget* on_page = qt->widget(gadget_handle(buttons[0]));
  const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
  const Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  const std::vector<Step> steps = {
      {&tabs, Qt::Key_Right, {}, 1, 1},
      {&tabs, Qt::Key_Right, {}, 2, 1},
      {&tabs, Qt::Key_Right, {}, 2, 0},  // at the last tab: no further, no wrapping
      {&tabs, Qt::Key_Home, {}, 0, 1},
      {&tabs, Qt::Key_Left, {}, 0, 0},
      {&tabs, Qt::Key_End, {}, 2, 1},
      {&tabs, Qt::Key_Up, {}, 2, 0},
      // From a control on a page the key reaches the panel through its parents, and goes
      // round the ends.
      {on_page, Qt::Key_Tab, kCtrl, 0, 1},
      {on_page, Qt::Key_Backtab, kCtrlShift, 2, 1},
      {&tabs, Qt::Key_Tab, kCtrlShift, 1, 1},
      {&tabs, Qt::Key_Tab, kCtrl, 2, 1},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    press_key(*steps[i].target, steps[i].key, steps[i].modifiers);
    EXPECT_EQ(get_gadget_state(panel), steps[i].state) << "step " << i;
    EXPECT_EQ(changes(panel), steps[i].changes) << "step " << i;
  }
}

TEST_F(PanelQtTest, TheCurrentTabIsScrolledIntoViewHoweverItBecomesCurrent) {
  int panel = make_panel(100, 300);
  PanelTabStrip& tabs = strip(panel);
  auto buttons = tabs.findChildren<QToolButton*>();
  ASSERT_EQ(buttons.size(), 2);
  EXPECT_TRUE(buttons[0]->isVisible() && buttons[1]->isVisible());
  EXPECT_EQ(tabs.scroll_offset(), 0);

  set_gadget_state(panel, 99);
  EXPECT_TRUE(in_view(tabs, 99));
  EXPECT_FALSE(in_view(tabs, 0));
  press_key(tabs, Qt::Key_Home);
  EXPECT_EQ(tabs.scroll_offset(), 0);
  EXPECT_EQ(changes(panel), 1);
  press_key(*qt->widget(gadget_handle(panel)), Qt::Key_Backtab,
            Qt::ControlModifier | Qt::ShiftModifier);  // round to the last tab
  EXPECT_EQ(get_gadget_state(panel), 99);
  EXPECT_TRUE(in_view(tabs, 99));

  // A click lands on the tab drawn under it, scrolled as the tabs are.
  click(tabs, tabs.tab_rect(97).center());
  EXPECT_EQ(get_gadget_state(panel), 97);
  EXPECT_EQ(changes(panel), 1);

  // The view grows: the buttons go, and no space is left after the last tab.
  resize_gadget(panel, kKeepValue, kKeepValue, 20'000, kKeepValue);
  QApplication::processEvents();
  EXPECT_FALSE(buttons[0]->isVisible());
  EXPECT_EQ(tabs.scroll_offset(), 0);
}

TEST_F(PanelQtTest, TheScrollButtonsBringTheNextTabFullyIntoView) {
  int panel = make_panel(100, 300);
  PanelTabStrip& tabs = strip(panel);
  auto buttons = tabs.findChildren<QToolButton*>();
  ASSERT_EQ(buttons.size(), 2);
  QToolButton* left = buttons[0]->arrowType() == Qt::LeftArrow ? buttons[0] : buttons[1];
  QToolButton* right = left == buttons[0] ? buttons[1] : buttons[0];
  EXPECT_FALSE(left->isEnabled());
  int cut = tabs.tab_at(QPoint(left->x() - 1, tabs.height() / 2));
  ASSERT_GE(cut, 0);
  ASSERT_FALSE(in_view(tabs, cut));
  right->click();
  EXPECT_TRUE(in_view(tabs, cut));
  EXPECT_TRUE(left->isEnabled());
  left->click();
  EXPECT_EQ(tabs.scroll_offset(), 0);
  EXPECT_EQ(get_gadget_state(panel), 0);  // scrolling chooses nothing
  EXPECT_EQ(changes(panel), 0);
  for (int i = 0; i < 200 && right->isEnabled(); ++i) right->click();
  EXPECT_FALSE(right->isEnabled());
  EXPECT_TRUE(in_view(tabs, 99));
}

TEST_F(PanelQtTest, PagesAddedBeforeTheCurrentOneKeepItCurrent) {
  int panel = create_panel_gadget(kAnyNumber, {0, 0, 300, 200}, {});
  add_gadget_item(panel, -1, u"one");
  add_gadget_item(panel, -1, u"two");
  set_gadget_state(panel, 1);
  add_gadget_item(panel, 0, u"zero");
  close_gadget_list();
  PanelTabStrip& tabs = strip(panel);
  EXPECT_EQ(get_gadget_state(panel), 2);
  EXPECT_EQ(tabs.tab_text(0), QString("zero"));
  EXPECT_EQ(tabs.tab_text(2), QString("two"));
  EXPECT_LT(tabs.tab_rect(0).right(), tabs.tab_rect(1).left());
  EXPECT_LT(tabs.tab_rect(1).right(), tabs.tab_rect(2).left());
  EXPECT_EQ(changes(panel), 0);
}

// Pages go with their panel, but one deleted alone takes its tab with it, the next page
// taking its place, as on a QTabWidget; the program hears of no change.
TEST_F(PanelQtTest, APageDeletedAloneTakesItsTab) {
  PanelWidget panel(nullptr);
  int reports = 0;
  panel.on_user_change([&reports] { ++reports; });
  std::vector<QWidget*> pages;
  for (int i = 0; i < 3; ++i) {
    pages.push_back(new QWidget);
    panel.insert_page(i, pages.back(), QString::fromStdU16String(tab_title(i)));
  }
  panel.resize(300, 200);
  panel.show();
  panel.set_current(1);
  delete pages[1];
  EXPECT_EQ(panel.count(), 2);
  EXPECT_EQ(panel.tabs().count(), 2);
  EXPECT_EQ(panel.tabs().tab_text(1), QString("Tab 2"));
  EXPECT_EQ(panel.current(), 1);
  EXPECT_TRUE(pages[2]->isVisible());
  delete pages[2];
  EXPECT_EQ(panel.current(), 0);
  EXPECT_TRUE(pages[0]->isVisible());
  delete pages[0];
  EXPECT_EQ(panel.current(), -1);
  EXPECT_EQ(panel.tabs().sizeHint(), QSize(0, 0));
  EXPECT_EQ(reports, 0);
}

// Measured as Qt's own tab widget measures the same tabs, so the panel looks native.
TEST_F(PanelQtTest, TabsTakeTheSizesOfAQtTabWidgetsTabs) {
  const std::vector<QString> titles = {"&General", "A much longer title", "x", "&&"};
  int panel = create_panel_gadget(kAnyNumber, {0, 0, 600, 200}, {});
  QTabWidget reference;
  for (const QString& title : titles) {
    add_gadget_item(panel, -1, reinterpret_cast<const char16_t*>(title.utf16()));
    reference.addTab(new QWidget, title);
  }
  close_gadget_list();
  PanelTabStrip& tabs = strip(panel);
  for (int i = 0; i < static_cast<int>(titles.size()); ++i)
    EXPECT_EQ(tabs.tab_rect(i).width(), reference.tabBar()->tabRect(i).width()) << i;
  EXPECT_EQ(get_gadget_attribute(panel, kPanelTabHeight), reference.tabBar()->sizeHint().height());
}

TEST_F(PanelQtTest, ScreenReadersSeeEachTabAndCanChooseIt) {
  int panel = create_panel_gadget(kAnyNumber, {0, 0, 300, 200}, {});
  for (const char16_t* title : {u"one", u"two", u"three", u"&Last && least"})
    add_gadget_item(panel, -1, title);
  close_gadget_list();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&strip(panel));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::PageTabList);
  ASSERT_EQ(list->childCount(), 4 + 2);  // the tabs, then the two scroll buttons
  QAccessibleInterface* last = list->child(3);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->role(), QAccessible::PageTab);
  EXPECT_EQ(last->text(QAccessible::Name), QString("Last & least"));
  EXPECT_EQ(list->indexOfChild(last), 3);
  EXPECT_EQ(list->child(3), last);
  EXPECT_TRUE(list->child(0)->state().selected);
  EXPECT_FALSE(last->state().selected);
  ASSERT_NE(last->actionInterface(), nullptr);
  last->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(get_gadget_state(panel), 3);
  EXPECT_TRUE(last->state().selected);
  EXPECT_EQ(changes(panel), 1);
  auto buttons = strip(panel).findChildren<QToolButton*>();
  ASSERT_EQ(buttons.size(), 2);
  EXPECT_EQ(list->child(4)->object(), buttons[0]);
  EXPECT_EQ(list->indexOfChild(list->child(5)), 5);
}

}  // namespace
}  // namespace ambrel
