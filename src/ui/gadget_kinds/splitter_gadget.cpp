// The splitter gadget: two existing gadgets as panes with a bar between them that the user
// drags (see ui/splitter_control.h). Its gadget event (type 0) follows every drag step and
// every change of its size; its state is the first pane's size.

#include <memory>
#include <utility>

#include "support/object_registry.h"
#include "ui/gadget_kinds/kind_operations.h"
#include "ui/splitter_control.h"

namespace ambrel {

namespace {

constexpr int kArranged = 0;  // the gadget event type after a drag step or a size change

SplitterControl& control_of(const Gadget& gadget) {
  return static_cast<SplitterControl&>(*gadget.extra);
}

// The panes go back to the splitter's parent: freeing the splitter does not free them.
void splitter_free(Gadget& gadget) {
  if (!gadget.native_gone) control_of(gadget).release_panes(gadget.handle);
}

int splitter_get_state(const Gadget& gadget) { return control_of(gadget).state(); }

void splitter_set_state(Gadget& gadget, int value) {
  control_of(gadget).set_state(gadget.handle, value);
}

int splitter_get_attribute(const Gadget& gadget, int attribute) {
  return control_of(gadget).attribute(attribute);
}

void splitter_set_attribute(Gadget& gadget, int attribute, int value) {
  control_of(gadget).set_attribute(gadget.handle, attribute, value);
}

// Moving the panes runs their content's layout, which may free the splitter: the event
// is raised only for a splitter that still exists.
void raise_arranged(int number) {
  if (Gadget* gadget = find_gadget(number)) raise_gadget_event(*gadget, kArranged);
}

void splitter_resized(Gadget& gadget) {
  int number = gadget.number;
  if (control_of(gadget).resized(gadget.handle)) raise_arranged(number);
}

void splitter_mouse(Gadget& gadget, const MouseInput& input) {
  int number = gadget.number;
  if (control_of(gadget).mouse(gadget.handle, input)) raise_arranged(number);
}

Rect splitter_grip(const Gadget& gadget) { return control_of(gadget).grip(); }

constexpr GadgetKind kSplitterKind = [] {
  GadgetKind kind;
  kind.code = GadgetKindCode::Splitter;
  kind.free = splitter_free;
  kind.get_state = splitter_get_state;
  kind.set_state = splitter_set_state;
  kind.get_attribute = splitter_get_attribute;
  kind.set_attribute = splitter_set_attribute;
  kind.resized = splitter_resized;
  kind.mouse = splitter_mouse;
  kind.grip = splitter_grip;
  return kind;
}();

}  // namespace

// The gadgets of arguments.panes become its panes.
int create_splitter_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  int flags = arguments.flags;
  ControlRequest request = bare_control_request(ControlKind::Splitter, geometry);
  request.style.separator_grip = (flags & kSplitterSeparator) != 0;
  auto control = std::make_unique<SplitterControl>(flags, Size{geometry.width, geometry.height});
  SplitterControl* splitter = control.get();
  int result = create_gadget(number, kSplitterKind, std::move(request), flags, std::move(control));
  if (result == 0) return 0;
  NativeHandle handle = gadget_handle(number == kAnyNumber ? result : number);
  splitter->adopt_panes(handle, gadget_handle(arguments.panes[0]),
                        gadget_handle(arguments.panes[1]));
  return result;
}

}  // namespace ambrel
