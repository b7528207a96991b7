#pragma once

// The single-child placement shared by the singlebox, window, frame,
// container, scroll area and tab objects: margins around the child, whether
// the child fills the room or keeps its request, and where it sits. Also the
// singlebox's (and tab's) natural_size.

#include <cstdint>
#include <optional>
#include <string_view>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

struct Margins {
  int32_t top = 0;
  int32_t bottom = 0;
  int32_t left = 0;
  int32_t right = 0;

  friend bool operator==(const Margins&, const Margins&) = default;
};

// Alignment on one axis; an unset axis acts as the start.
enum class SideAlign : int32_t { Unset = 0, Start = 1, Center = 2, End = 3 };

struct SingleAlign {
  SideAlign horizontal = SideAlign::Unset;
  SideAlign vertical = SideAlign::Unset;

  friend bool operator==(const SingleAlign&, const SingleAlign&) = default;
};

struct ExpandSwitches {
  bool horizontal = true;
  bool vertical = true;

  friend bool operator==(const ExpandSwitches&, const ExpandSwitches&) = default;
};

struct SingleChildSettings {
  Margins margins;
  ExpandSwitches expand;
  int32_t expand_width_limit = 0;  // 0: no limit
  int32_t expand_height_limit = 0;
  SingleAlign align;
};

Margins uniform_margins(int32_t margin);

// The defaults of a kind whose margin default is margin on every side.
SingleChildSettings single_child_settings(int32_t margin);

// The child's rectangle inside area.
Rect place_single_child(const SingleChildSettings& settings, Size child_request, Rect area);

// The singlebox's and the tab's natural_size.
Size singlebox_natural_size(const SingleChildSettings& settings, Size child_request, Size wish);

}  // namespace ambrel::layout
