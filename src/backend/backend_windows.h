#pragma once

// Top-level windows and their timers. Sizes are client sizes; positions are the frame's
// top-left.

#include <algorithm>
#include <string>
#include <string_view>

#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

enum class WindowState { Normal, Minimized, Maximized };

// The frame a top-level window gets; the window layer derives it from the window flags.
struct WindowStyle {
  bool caption = false;
  bool close_box = false;
  bool sizable = false;
  bool minimize_box = false;
  bool maximize_box = false;
  bool frameless = false;
  bool tool = false;
};

struct WindowRequest {
  std::u16string title;
  WindowStyle style;
  bool platform_position = true;  // false: place the frame's top-left at `position`
  Point position;
  Size client_size;
  NativeHandle owner;  // kNoHandle for an unowned window
};

class BackendWindows {
 public:
  virtual ~BackendWindows() = default;

  // Its operations, in the list of every backend's operations.
#define AMBREL_WINDOWS_OPERATION(Result, name, parameters, qualifier) \
  virtual Result name parameters qualifier = 0;
#include "backend/backend_operations.def"

 protected:
  // The size within largest_client_size (any size while that is not known).
  Size held_size(Size size) const {
    Size largest = largest_client_size();
    if (largest.width <= 0 || largest.height <= 0) return size;
    return {std::min(size.width, largest.width), std::min(size.height, largest.height)};
  }
};

}  // namespace ambrel
