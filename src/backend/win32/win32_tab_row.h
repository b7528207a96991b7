#pragma once

// The state of a tab strip (win32_tab_strip.h) and where its parts lie: the tabs with their
// measured widths, the current and the first shown tab, and the figures of the row at the
// strip's density. The window procedure (win32_tab_strip.cpp) changes it; the painting
// (win32_tab_strip_paint.cpp) reads it.

#include <windows.h>
#include <uxtheme.h>

#include <string>
#include <vector>

namespace ambrel {

struct Tab {
  std::wstring text;
  int width = 0;  // pixels, padding included
};

// The figures of the row in pixels, from the font and the density.
struct TabRowMetrics {
  int height = 0;         // of a tab
  int padding = 0;        // left and right of a caption
  int minimum_width = 0;  // of a tab
  int overhang = 0;       // by which the current tab stands out; the row's margin
  int border = 0;         // of the pages' frame; twice that lies between it and a page
  int arrows_width = 0;   // of both scroll arrows
  int arrows_height = 0;
};

class TabRow {
 public:
  // The strip's window, which keeps a TabRow while it lives.
  explicit TabRow(HWND hwnd);
  ~TabRow();
  TabRow(const TabRow&) = delete;
  TabRow& operator=(const TabRow&) = delete;

  HWND hwnd() const { return hwnd_; }
  HFONT font() const { return font_; }
  // The visual styles' parts of the tabs and of the arrows, or null to draw them classic.
  HTHEME theme() const { return theme_; }
  HTHEME arrows_theme() const { return arrows_theme_; }
  const TabRowMetrics& metrics() const { return metrics_; }
  int count() const { return static_cast<int>(tabs_.size()); }
  const Tab& tab(int index) const { return tabs_[static_cast<std::size_t>(index)]; }
  int current() const { return current_; }
  int first_shown() const { return first_; }
  int hot() const { return hot_; }

  // Takes the font (null: the system's) at the window's density, measuring every tab anew.
  void set_font(HFONT font);
  void reopen_theme();
  // Inserts a tab at `index` (clamped to the tabs there are); returns where it went.
  int insert(int index, const wchar_t* text);
  // Makes the tab current (-1: none) and brings it on view; false for an index out of range.
  bool select(int index);
  // Scrolls the row by a tab forward or backward; false when it cannot go further.
  bool scroll(bool forward);
  void set_hot(int index) { hot_ = index; }

  // Where the tab lies, relative to the first shown one (before it: left of the row).
  RECT tab_rect(int index) const;
  // The tab under the point among the shown ones, or -1.
  int tab_at(POINT point) const;
  // Whether the tabs overflow the strip, so that the arrows show, and where they are.
  bool arrows_shown() const;
  RECT arrows_rect() const;
  // Whether the shown tabs reach the row's end, so that scrolling forward shows more.
  bool more_after() const;
  // The x past which no tab shows: the strip's width, or the arrows' left.
  int row_end() const;
  // The frame of the pages below the row, and the page rectangle within a strip rectangle
  // (or, `larger`, the strip rectangle around a page rectangle).
  RECT pane_rect() const;
  void adjust(RECT& rect, bool larger) const;

 private:
  int scaled(int pixels) const;
  int measure(const std::wstring& text) const;
  // Moves the first shown tab so that `index` is on view.
  void bring_on_view(int index);

  HWND hwnd_;
  HDC measuring_dc_;
  HFONT font_ = nullptr;
  HTHEME theme_ = nullptr;
  HTHEME arrows_theme_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  TabRowMetrics metrics_;
  std::vector<Tab> tabs_;
  long long total_width_ = 0;
  int current_ = -1;
  int first_ = 0;
  int hot_ = -1;
};

}  // namespace ambrel
