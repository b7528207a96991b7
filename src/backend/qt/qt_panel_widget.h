#pragma once

// The panel on Qt: the project's own tab strip (qt_panel_tab_strip.h) above its pages, in
// the frame the style draws around a tab widget, laid out as QTabWidget lays out its own.
// QTabWidget cannot take a strip of our own, and its QTabBar made a panel of thousands of
// tabs quadratic to build. Each page added is placed alone; the pages are placed all
// together only when the room for them changes.

#include <QWidget>
#include <functional>
#include <vector>

class QStyleOptionTabWidgetFrame;

namespace ambrel {

class PanelTabStrip;

class PanelWidget final : public QWidget {
 public:
  explicit PanelWidget(QWidget* parent);

  // `index` in 0..count(); the panel takes the page.
  void insert_page(int index, QWidget* page, const QString& title);
  int count() const { return static_cast<int>(pages_.size()); }
  // -1 without pages.
  int current() const;
  // By the program: not reported. An index out of range changes nothing.
  void set_current(int index);
  // Called after each change of page the user makes.
  void on_user_change(std::function<void()> report) { report_ = std::move(report); }
  PanelTabStrip& tabs() const { return *strip_; }

  // The panel goes with its pages: their deletions leave the tabs alone, as removing them
  // one by one would choose a new current page and lay the rest out each time.
  void keep_tabs_while_pages_go() { closing_ = true; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void childEvent(QChildEvent* event) override;

 private:
  void frame_option(QStyleOptionTabWidgetFrame& option) const;
  void lay_out();
  void show_current_page();
  void remove_page(QObject* page);

  PanelTabStrip* strip_;
  std::vector<QWidget*> pages_;
  QWidget* shown_ = nullptr;
  QRect pane_;      // the frame
  QRect contents_;  // where every page lies
  bool closing_ = false;
  std::function<void()> report_;
};

}  // namespace ambrel
