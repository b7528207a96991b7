#pragma once

// The two fonts the controls get: the desktop's message font for every control, and a
// fixed-width font of the same height for the editors, which hold code whose columns the
// generator aligns with spaces.

#include <windows.h>

namespace ambrel {

class Win32Fonts {
 public:
  Win32Fonts();
  ~Win32Fonts();
  Win32Fonts(const Win32Fonts&) = delete;
  Win32Fonts& operator=(const Win32Fonts&) = delete;

  HFONT gui() const { return gui_; }
  HFONT fixed() const { return fixed_; }

 private:
  HFONT gui_ = nullptr;
  HFONT fixed_ = nullptr;
};

}  // namespace ambrel
