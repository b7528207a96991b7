#pragma once

// What the widgets of each gadget family (qt_<family>_controls.cpp) are on Qt beyond what
// every widget shares: their text, value and items, by kind within the family. A family
// whose widgets hold no text of their own shows it as the window title, which is never
// drawn for a child widget; one without values or items answers 0 and -1.

#include <QString>
#include <string>
#include <string_view>

#include "backend/backend_controls.h"
#include "backend/qt/qt_text.h"

class QWidget;

namespace ambrel {

std::u16string widget_text(BasicKind kind, QWidget& widget);
std::u16string widget_text(ChoiceKind kind, QWidget& widget);
std::u16string widget_text(FieldKind kind, QWidget& widget);
std::u16string widget_text(PictureKind kind, QWidget& widget);
std::u16string widget_text(ViewKind kind, QWidget& widget);
template <class Family>
std::u16string widget_text(Family, QWidget& widget);

void set_widget_text(BasicKind kind, QWidget& widget, std::u16string_view text);
void set_widget_text(ChoiceKind kind, QWidget& widget, std::u16string_view text);
void set_widget_text(FieldKind kind, QWidget& widget, std::u16string_view text);
void set_widget_text(PictureKind kind, QWidget& widget, std::u16string_view text);
void set_widget_text(ViewKind kind, QWidget& widget, std::u16string_view text);
template <class Family>
void set_widget_text(Family, QWidget& widget, std::u16string_view text);

// The value of BackendControlValues::control_value; the setters run with the widget's
// signals blocked.
int widget_value(ChoiceKind kind, const QWidget& widget);
int widget_value(FieldKind kind, const QWidget& widget);
int widget_value(ListKind kind, const QWidget& widget);
int widget_value(PageKind kind, const QWidget& widget);
int widget_value(RangeKind kind, const QWidget& widget);
template <class Family>
int widget_value(Family, const QWidget&) {
  return 0;
}

void set_widget_value(ChoiceKind kind, QWidget& widget, int value);
void set_widget_value(FieldKind kind, QWidget& widget, int value);
void set_widget_value(ListKind kind, QWidget& widget, int value);
void set_widget_value(PageKind kind, QWidget& widget, int value);
void set_widget_value(RangeKind kind, QWidget& widget, int value);
template <class Family>
void set_widget_value(Family, QWidget&, int) {}

// Inserts the item at `position` (-1 or past the end: last) and returns its index; -1 for
// kinds without items.
int add_widget_item(FieldKind kind, QWidget& widget, int position, const QString& item);
int add_widget_item(ListKind kind, QWidget& widget, int position, const QString& item);
template <class Family>
int add_widget_item(Family, QWidget&, int, const QString&) {
  return -1;
}

// The text of a widget without one of its own.
std::u16string window_title_text(const QWidget& widget);
void set_window_title_text(QWidget& widget, std::u16string_view text);

template <class Family>
std::u16string widget_text(Family, QWidget& widget) {
  return window_title_text(widget);
}

template <class Family>
void set_widget_text(Family, QWidget& widget, std::u16string_view text) {
  set_window_title_text(widget, text);
}

}  // namespace ambrel
