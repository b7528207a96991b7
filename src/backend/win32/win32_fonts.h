#pragma once

// The two fonts the controls get, at each screen density a window has: the desktop's message
// font for every control, and a fixed-width font of the same height for the editors, which
// hold code whose columns the generator aligns with spaces.

#include <windows.h>

#include <map>

namespace ambrel {

class Win32Fonts {
 public:
  Win32Fonts();
  ~Win32Fonts();
  Win32Fonts(const Win32Fonts&) = delete;
  Win32Fonts& operator=(const Win32Fonts&) = delete;

  HFONT gui(int dpi) { return at(dpi).gui; }
  HFONT fixed(int dpi) { return at(dpi).fixed; }

 private:
  struct Pair {
    HFONT gui = nullptr;
    HFONT fixed = nullptr;
  };
  Pair& at(int dpi);

  LOGFONTW message_font_;  // at message_font_dpi_
  int message_font_dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::map<int, Pair> fonts_;  // by density, made when a window first has it
};

}  // namespace ambrel
