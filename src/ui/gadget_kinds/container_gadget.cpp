// Container: a plain parent for other gadgets. Every change of its size raises its gadget
// event (type 0) forced, also while events are suppressed: the splitter's panes rely on it
// to lay out their content.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"

namespace ambrel {

namespace {

constexpr int kSizeChanged = 0;  // the gadget event type of a size change

void container_resized(Gadget& gadget) { raise_gadget_event(gadget, kSizeChanged, true); }

constexpr GadgetKind kContainerKind{.code = GadgetKindCode::Container,
                                    .resized = container_resized};

// Combined border bits draw the strongest of them.
BorderStyle container_border(int flags) {
  if ((flags & kContainerDouble) != 0) return BorderStyle::Sunken;
  if ((flags & kContainerSingle) != 0) return BorderStyle::Single;
  if ((flags & kContainerRaised) != 0) return BorderStyle::Raised;
  if ((flags & kContainerFlat) != 0) return BorderStyle::Flat;
  return BorderStyle::None;
}

}  // namespace

// Becomes the current gadget list; close it with close_gadget_list.
int create_container_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = bare_control_request(ControlKind::Container, geometry);
  request.style.border = container_border(arguments.flags);
  return create_parent_gadget(number, kContainerKind, std::move(request), arguments.flags);
}

}  // namespace ambrel
