// Scroll bar, progress bar and track bar: a position within a range, which is the
// gadget's state (kept within the range).

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"

namespace ambrel {

namespace {

Size scrollbar_measure(const Gadget& gadget) {
  return scrollbar_natural_size(has_flag(gadget.flags, kScrollBarVertical), ui_system_metrics());
}

constexpr GadgetKind kScrollBarKind = valued_kind(GadgetKindCode::ScrollBar, scrollbar_measure);
constexpr GadgetKind kProgressBarKind = valued_kind(GadgetKindCode::ProgressBar);
constexpr GadgetKind kTrackBarKind = valued_kind(GadgetKindCode::TrackBar);

}  // namespace

int create_scrollbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::ScrollBar, geometry, arguments);
  request.style.vertical = has_flag(arguments.flags, kScrollBarVertical);
  return create_gadget(number, kScrollBarKind, std::move(request), arguments.flags);
}

int create_progressbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::ProgressBar, geometry, arguments);
  request.style.tab_stop = false;
  request.style.vertical = has_flag(arguments.flags, kProgressBarVertical);
  return create_gadget(number, kProgressBarKind, std::move(request), arguments.flags);
}

int create_trackbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::TrackBar, geometry, arguments);
  request.style.vertical = has_flag(arguments.flags, kTrackBarVertical);
  request.style.ticks = has_flag(arguments.flags, kTrackBarTicks);
  return create_gadget(number, kTrackBarKind, std::move(request), arguments.flags);
}

}  // namespace ambrel
