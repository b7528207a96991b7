#include "backend/qt/qt_panel_tab_accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QToolButton>
#include <unordered_map>

#include "backend/qt/qt_panel_tab_strip.h"

namespace ambrel {

namespace {

// A tab's mnemonic marker is not read out: "&&" is one ampersand, a lone "&" nothing.
QString without_mnemonic(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && ++i == text.size()) break;
    plain += text[i];
  }
  return plain;
}

// Stands for the tab at an index, whatever tab is there when asked.
class PanelTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PanelTabAccessible(PanelTabStrip* strip, int index) : strip_(strip), index_(index) {}

  bool isValid() const override { return strip_ && index_ < strip_->count(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(strip_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name && isValid() ? without_mnemonic(strip_->tab_text(index_))
                                                  : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    QRect tab = strip_->tab_rect(index_);
    return {strip_->mapToGlobal(tab.topLeft()), tab.size()};
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    bool current = strip_->current() == index_;
    state.selectable = true;
    state.selected = current;
    state.focusable = true;
    state.focused = current && strip_->hasFocus();
    state.offscreen = !strip_->rect().intersects(strip_->tab_rect(index_));
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid()) strip_->choose(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<PanelTabStrip> strip_;
  int index_;
};

class PanelTabStripAccessible final : public QAccessibleWidget {
 public:
  explicit PanelTabStripAccessible(PanelTabStrip* strip)
      : QAccessibleWidget(strip, QAccessible::PageTabList) {}

  ~PanelTabStripAccessible() override {
    for (auto [index, id] : tabs_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return strip().count() + 2; }

  QAccessibleInterface* child(int index) const override {
    int tabs = strip().count();
    if (index < 0 || index >= tabs + 2) return nullptr;
    if (index >= tabs) return QAccessible::queryAccessibleInterface(scroll_button(index - tabs));
    auto found = tabs_.find(index);
    if (found != tabs_.end()) return QAccessible::accessibleInterface(found->second);
    auto* tab = new PanelTabAccessible(&strip(), index);
    tabs_.emplace(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child && child->role() == QAccessible::PageTab) {
      for (auto [index, id] : tabs_)
        if (QAccessible::accessibleInterface(id) == child) return index;
    }
    for (int button = 0; child && button < 2; ++button)
      if (child->object() == scroll_button(button)) return strip().count() + button;
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    int tab = strip().tab_at(strip().mapFromGlobal(QPoint(x, y)));
    return tab >= 0 ? child(tab) : QAccessibleWidget::childAt(x, y);
  }

 private:
  PanelTabStrip& strip() const { return *static_cast<PanelTabStrip*>(widget()); }

  QToolButton* scroll_button(int which) const {
    QList<QToolButton*> buttons = strip().findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    return which < buttons.size() ? buttons[which] : nullptr;
  }

  mutable std::unordered_map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* panel_tab_strip_accessible(const QString&, QObject* object) {
  auto* strip = dynamic_cast<PanelTabStrip*>(object);
  return strip ? new PanelTabStripAccessible(strip) : nullptr;
}

}  // namespace

void install_panel_tab_accessibility() { QAccessible::installFactory(panel_tab_strip_accessible); }

}  // namespace ambrel
