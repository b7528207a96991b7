#pragma once

// The splitter control: a control of the layer's own making that holds two existing
// gadgets as its panes, side by side or one above the other, with a bar between them that
// the user drags. The arithmetic is ambrel::geometry's; this class keeps it in step with
// the platform: it moves the pane controls, takes the mouse capture while a drag lasts and
// shows the sizing cursor over the bar.

#include <array>

#include "backend/backend.h"
#include "ui/gadget_kind.h"
#include "geometry/splitter_geometry.h"

namespace ambrel {

// The splitter's gadget attributes.
inline constexpr int kSplitterFirstMinimum = 1;
inline constexpr int kSplitterSecondMinimum = 2;
inline constexpr int kSplitterFirstGadget = 3;
inline constexpr int kSplitterSecondGadget = 4;

class SplitterControl final : public GadgetExtra {
 public:
  SplitterControl(int flags, Size size);

  // Makes the two pane controls children of the splitter (the second first) and gives
  // them their initial arrangement.
  void adopt_panes(NativeHandle splitter, NativeHandle first, NativeHandle second);
  // Gives the pane controls that still exist back to the splitter's parent.
  void release_panes(NativeHandle splitter);

  // The first pane's size along the axis.
  int state() const;
  // Places the bar so that the first pane gets `position` pixels.
  void set_state(NativeHandle splitter, int position);
  int attribute(int attribute) const;
  void set_attribute(NativeHandle splitter, int attribute, int value);

  // The splitter control has a new size; true when the panes were arranged anew.
  bool resized(NativeHandle splitter);
  // Mouse input on the splitter; true when a drag step moved the bar.
  bool mouse(NativeHandle splitter, const MouseInput& input);
  // The raised grip of a separator bar, or an empty rectangle.
  Rect grip() const;

 private:
  void press(NativeHandle splitter, Point position);
  void release(NativeHandle splitter);
  bool move(NativeHandle splitter, Point position);
  // Moves the pane controls to where the arithmetic put them and repaints.
  void place_panes(NativeHandle splitter);
  void replace_pane(NativeHandle splitter, int index, int gadget);
  Cursor bar_cursor() const;

  geometry::SplitterGeometry geometry_;
  std::array<NativeHandle, 2> panes_;
};

}  // namespace ambrel
