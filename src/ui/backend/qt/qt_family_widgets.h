#pragma once

// What the files that make the widgets of each gadget family (qt_<family>_controls.cpp)
// share, and the text of the families whose widgets hold a text of their own, which the
// common text operations of the Qt backend defer to.

#include <QString>
#include <optional>
#include <string_view>

#include "ui/backend/qt/qt_text.h"

class QWidget;

namespace ambrel {

// The command codes the families' widgets report for the user's actions.
inline constexpr int kClickCommand = 0;
inline constexpr int kDoubleClickCommand = 2;
inline constexpr int kChangeCommand = 768;

// Each returns the widget's text when it is one of its family's, nothing otherwise; each
// setter returns false for a widget not of its family.
std::optional<QString> choice_widget_text(const QWidget& widget);
bool set_choice_widget_text(QWidget& widget, const QString& text);
std::optional<QString> field_widget_text(const QWidget& widget);
bool set_field_widget_text(QWidget& widget, const QString& text);
std::optional<QString> view_widget_text(const QWidget& widget);
bool set_view_widget_text(QWidget& widget, const QString& text);

inline std::optional<QString> family_widget_text(const QWidget& widget) {
  if (std::optional<QString> text = choice_widget_text(widget)) return text;
  if (std::optional<QString> text = field_widget_text(widget)) return text;
  return view_widget_text(widget);
}

inline bool set_family_widget_text(QWidget& widget, const QString& text) {
  return set_choice_widget_text(widget, text) || set_field_widget_text(widget, text) ||
         set_view_widget_text(widget, text);
}

}  // namespace ambrel
