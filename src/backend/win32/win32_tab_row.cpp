#include "backend/win32/win32_tab_row.h"

#include <algorithm>

#include "backend/win32/win32_dpi.h"

namespace ambrel {

TabRow::TabRow(HWND hwnd) : hwnd_(hwnd), measuring_dc_(CreateCompatibleDC(nullptr)) {
  reopen_theme();
  set_font(nullptr);
}

TabRow::~TabRow() {
  if (theme_) CloseThemeData(theme_);
  if (arrows_theme_) CloseThemeData(arrows_theme_);
  DeleteDC(measuring_dc_);
}

int TabRow::scaled(int pixels) const { return MulDiv(pixels, dpi_, USER_DEFAULT_SCREEN_DPI); }

int TabRow::measure(const std::wstring& text) const {
  SIZE size{};
  GetTextExtentPoint32W(measuring_dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return std::max(metrics_.minimum_width, static_cast<int>(size.cx) + 2 * metrics_.padding);
}

// The figures are those the common tab control has at 96 DPI, scaled to the density.
void TabRow::set_font(HFONT font) {
  font_ = font;
  SelectObject(measuring_dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  dpi_ = window_dpi(hwnd_);
  TEXTMETRICW text{};
  GetTextMetricsW(measuring_dc_, &text);
  metrics_.height = static_cast<int>(text.tmHeight) + scaled(5);
  metrics_.padding = scaled(6);
  metrics_.minimum_width = scaled(54);
  metrics_.overhang = scaled(2);
  metrics_.border = scaled(2);
  metrics_.arrows_width = 2 * system_metric(SM_CXHSCROLL, dpi_);
  metrics_.arrows_height = system_metric(SM_CYHSCROLL, dpi_);
  total_width_ = 0;
  for (Tab& tab : tabs_) {
    tab.width = measure(tab.text);
    total_width_ += tab.width;
  }
}

void TabRow::reopen_theme() {
  if (theme_) CloseThemeData(theme_);
  if (arrows_theme_) CloseThemeData(arrows_theme_);
  theme_ = OpenThemeData(hwnd_, L"Tab");
  arrows_theme_ = OpenThemeData(hwnd_, L"Spin");
}

// As the tab control does: the first tab becomes current, and the current one stays so.
int TabRow::insert(int index, const wchar_t* text) {
  index = std::clamp(index, 0, count());
  Tab tab{text ? text : L"", 0};
  tab.width = measure(tab.text);
  total_width_ += tab.width;
  tabs_.insert(tabs_.begin() + index, std::move(tab));
  if (count() == 1) {
    current_ = 0;
  } else if (index <= current_) {
    ++current_;
  }
  if (index < first_) ++first_;  // the same tabs stay on view
  return index;
}

bool TabRow::select(int index) {
  if (index < -1 || index >= count()) return false;
  current_ = index;
  bring_on_view(index);
  return true;
}

bool TabRow::scroll(bool forward) {
  if (forward ? !more_after() : first_ == 0) return false;
  first_ += forward ? 1 : -1;
  return true;
}

void TabRow::bring_on_view(int index) {
  if (!arrows_shown()) {
    first_ = 0;
    return;
  }
  if (index < 0) return;
  if (index < first_) {
    first_ = index;
    return;
  }
  long long span = metrics_.overhang;
  for (int i = first_; i <= index; ++i) span += tab(i).width;
  while (first_ < index && span > row_end()) span -= tab(first_++).width;
}

RECT TabRow::tab_rect(int index) const {
  int x = metrics_.overhang;
  for (int i = index; i < first_; ++i) x -= tab(i).width;
  for (int i = first_; i < index; ++i) x += tab(i).width;
  int top = metrics_.overhang;
  return {x, top, x + tab(index).width, top + metrics_.height};
}

int TabRow::tab_at(POINT point) const {
  if (point.y < 0 || point.y >= metrics_.overhang + metrics_.height) return -1;
  int end = row_end();
  int x = metrics_.overhang;
  for (int i = first_; i < count() && x < end; ++i) {
    int right = std::min(x + tab(i).width, end);
    if (point.x >= x && point.x < right) return i;
    x += tab(i).width;
  }
  return -1;
}

bool TabRow::arrows_shown() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return metrics_.overhang + total_width_ > client.right;
}

RECT TabRow::arrows_rect() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  int top = scaled(1);
  return {client.right - metrics_.arrows_width, top, client.right, top + metrics_.arrows_height};
}

bool TabRow::more_after() const {
  long long x = metrics_.overhang;
  int end = row_end();
  for (int i = first_; i < count(); ++i) {
    x += tab(i).width;
    if (x > end) return true;
  }
  return false;
}

int TabRow::row_end() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return arrows_shown() ? static_cast<int>(client.right) - metrics_.arrows_width
                        : static_cast<int>(client.right);
}

RECT TabRow::pane_rect() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  client.top = metrics_.overhang + metrics_.height;
  return client;
}

void TabRow::adjust(RECT& rect, bool larger) const {
  int side = 2 * metrics_.border;
  int top = metrics_.overhang + metrics_.height + metrics_.border;
  int sign = larger ? -1 : 1;
  rect.left += sign * side;
  rect.top += sign * top;
  rect.right -= sign * side;
  rect.bottom -= sign * side;
}

}  // namespace ambrel
