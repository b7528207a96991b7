#pragma once

// The panel's row of tabs on Qt, drawn through the style as QTabBar draws its own. QTabBar
// lays every tab out again, and walks them all to find the one under the mouse, on each
// insert: a panel of thousands of tabs took time quadratic in their number. Here each tab
// is measured once when it comes, its place is worked out once (tabs after an insert in
// the middle again, the next time a place is needed), and drawing and hit tests look at
// the tabs in view only.
//
// Like QTabBar: tabs that do not fit scroll with two arrow buttons at the end; Left and
// Right (and Home and End) move between the tabs when the strip has the focus, the mouse
// chooses on the press (or release, as the style says), the wheel steps, and a mnemonic
// in a tab's text chooses it.

#include <QString>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <vector>

class QStyleOptionTab;

namespace ambrel {

class PanelTabStrip final : public QWidget {
 public:
  explicit PanelTabStrip(QWidget* parent);

  // `index` in 0..count(); the first tab becomes the current one.
  void insert_tab(int index, const QString& text);
  void remove_tab(int index);
  int count() const { return static_cast<int>(tabs_.size()); }
  QString tab_text(int index) const;

  // -1 without tabs.
  int current() const { return current_; }
  // By the program: not reported. An index out of range changes nothing.
  void set_current(int index);
  // As the user chose it: reported when it changes the current tab.
  void choose(int index);
  // The tab `offset` places from the current one, around the ends if `wrap`.
  void step(int offset, bool wrap);
  // Called with the new current tab after each change the user makes.
  void on_user_choice(std::function<void(int)> report) { report_ = std::move(report); }

  // Where the tab is drawn, in the strip's coordinates (scrolled); empty for no tab.
  QRect tab_rect(int index) const;
  // The tab drawn at `point`, -1 if none (or a scroll button is there).
  int tab_at(QPoint point) const;
  // How far the tabs are scrolled, in pixels.
  int scroll_offset() const { return offset_; }
  // Shows or hides the scroll buttons for the strip's width and keeps the current tab in
  // view: on each resize, and also while hidden, when Qt holds resize events back.
  void fit();

  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Tab {
    QString text;
    QSize size;     // as the style measures it
    int start = 0;  // left edge, unscrolled; valid below laid_out_
    int shortcut = 0;
  };

  QSize measure(const QString& text) const;
  void measure_all();
  void lay_out_to(int index) const;
  int total_width() const;
  QRect unscrolled_rect(int index) const;
  int first_tab_ending_after(int x) const;
  bool overflows() const;
  int view_width() const;
  void place_scroll_buttons();
  void scroll_to(int offset);
  void scroll_by_tab(bool forward);
  void make_current_visible();
  void style_option(QStyleOptionTab& option, int index) const;
  void set_hovered(int index);
  bool choose_by_shortcut(int shortcut);
  void announce_current();

  mutable std::vector<Tab> tabs_;
  mutable int laid_out_ = 0;  // tabs whose start is known
  int height_ = 0;            // of the tallest tab
  int current_ = -1;
  int pressed_ = -1;
  int hovered_ = -1;
  int offset_ = 0;
  QToolButton* scroll_left_;
  QToolButton* scroll_right_;
  std::function<void(int)> report_;
};

}  // namespace ambrel
