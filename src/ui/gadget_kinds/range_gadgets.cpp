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
  return create_flagged_gadget(
      number, kScrollBarKind, textless_control_request(ControlKind::ScrollBar, geometry, arguments),
      arguments, {{kScrollBarVertical, &ControlStyle::vertical}});
}

int create_progressbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::ProgressBar, geometry, arguments);
  request.style.tab_stop = false;
  return create_flagged_gadget(number, kProgressBarKind, std::move(request), arguments,
                               {{kProgressBarVertical, &ControlStyle::vertical}});
}

int create_trackbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kTrackBarKind, textless_control_request(ControlKind::TrackBar, geometry, arguments),
      arguments,
      {{kTrackBarVertical, &ControlStyle::vertical}, {kTrackBarTicks, &ControlStyle::ticks}});
}

}  // namespace ambrel
