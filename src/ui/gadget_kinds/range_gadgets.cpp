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

constexpr GadgetKind kScrollBarKind{.code = kGadgetScrollBar, .get_state = value_state,
    .set_state = set_value_state, .natural_size = scrollbar_measure};
constexpr GadgetKind kProgressBarKind{.code = kGadgetProgressBar, .get_state = value_state,
    .set_state = set_value_state};
constexpr GadgetKind kTrackBarKind{.code = kGadgetTrackBar, .get_state = value_state,
    .set_state = set_value_state};

}  // namespace

int create_scrollbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = textless_control_spec(ControlKind::ScrollBar, geometry, arguments);
  spec.style.vertical = has_flag(arguments.flags, kScrollBarVertical);
  return create_gadget(number, kScrollBarKind, std::move(spec), arguments.flags);
}

int create_progressbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = textless_control_spec(ControlKind::ProgressBar, geometry, arguments);
  spec.style.tab_stop = false;
  spec.style.vertical = has_flag(arguments.flags, kProgressBarVertical);
  return create_gadget(number, kProgressBarKind, std::move(spec), arguments.flags);
}

int create_trackbar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = textless_control_spec(ControlKind::TrackBar, geometry, arguments);
  spec.style.vertical = has_flag(arguments.flags, kTrackBarVertical);
  spec.style.ticks = has_flag(arguments.flags, kTrackBarTicks);
  return create_gadget(number, kTrackBarKind, std::move(spec), arguments.flags);
}

}  // namespace ambrel
