#pragma once

// The panel on Qt: a QTabWidget whose tab bar remembers each tab's size. QTabBar lays all
// its tabs out again on every insert and removal, asking each tab's size afresh (fonts and
// style, microseconds a tab), which made a panel of thousands of tabs quadratic in those
// measurements; remembered, each tab is measured once.

#include <QTabBar>
#include <QTabWidget>
#include <vector>

namespace ambrel {

class PanelTabBar final : public QTabBar {
 public:
  explicit PanelTabBar(QWidget* parent) : QTabBar(parent) {}

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void tabInserted(int index) override;
  void tabRemoved(int index) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Sizes {
    QSize hint;  // invalid: not measured yet
    QSize minimum;
  };
  mutable std::vector<Sizes> sizes_;  // by tab
};

class PanelWidget final : public QTabWidget {
 public:
  explicit PanelWidget(QWidget* parent);

  // The panel goes with its pages: their deletions leave the tabs alone, as removing them
  // one by one would lay the rest out and choose a new current page each time, and the
  // page that becomes current each time is not drawn.
  void keep_tabs_while_pages_go();
};

}  // namespace ambrel
