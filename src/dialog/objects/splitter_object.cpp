#include "dialog/objects/splitter_object.h"

#include <utility>

#include "dialog/definition/message_text.h"
#include "dialog/objects/gadget_creation.h"
#include "dialog/layout/splitter_request.h"
#include "dialog/objects/object_maps.h"
#include "dialog/objects/layout_passes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

// The splitter gadget's attributes for the minimum size of each pane.
constexpr std::array<int, 2> kPaneMinimumAttribute{1, 2};

// Bound to the gadget events of every pane container.
void allocate_splitter_pane() { allocate_pane_content(event_object()); }

// A pane: a borderless container whose own list is closed at once.
std::int32_t create_pane_container() {
  int pane = create_container_gadget(kAnyNumber, Rect{}, GadgetArguments{});
  if (pane == 0) return -1;
  close_gadget_list();
  return pane;
}

}  // namespace

SplitterObject::SplitterObject(CommonAttributes common, PaneMinimum first_minimum,
                               PaneMinimum second_minimum)
    : DialogObject(DialogKind::Splitter, std::move(common)),
      minimums_{std::move(first_minimum), std::move(second_minimum)} {}

DialogObject* SplitterObject::pane_child(int index) const {
  return index < static_cast<int>(children().size()) ? children()[index].get() : nullptr;
}

void SplitterObject::set_pane_minimum(int index, layout::Size request) {
  if (!minimums_[index].automatic) return;
  set_gadget_attribute(gadget(), kPaneMinimumAttribute[index],
                       layout::splitter_pane_minimum(flags(), request));
}

layout::Size SplitterObject::natural_size() {
  std::array<layout::Size, 2> requests{};
  for (int i = 0; i < 2; ++i) {
    if (DialogObject* child = pane_child(i)) requests[i] = child->request();
    set_pane_minimum(i, requests[i]);
  }
  return layout::splitter_natural_size(flags(), requests[0], requests[1], wish());
}

void SplitterObject::allocate(layout::Rect area, std::vector<ChildPlacement>&) {
  if (gadget() != -1) resize_gadget(gadget(), area.x, area.y, area.width, area.height);
}

void SplitterObject::add_child(std::unique_ptr<DialogObject> child, const ElementView& element) {
  DialogObject::add_child(std::move(child), element);
  if (pane_children_ == 2) {
    element.warn(
        -1, message_text({element.written_name(-1), " gets no room: a splitter has two panes"}));
    return;
  }
  ++pane_children_;
  if (open_pane_ != OpenPane::None) close_gadget_list();
  open_pane_ = OpenPane::None;
  if (pane_children_ == 1 && open_gadget_list(panes_[1]) != 0) open_pane_ = OpenPane::Second;
}

void SplitterObject::finish(BuildContext& context) {
  DialogObject::finish(context);
  if (open_pane_ != OpenPane::None) close_gadget_list();
  open_pane_ = OpenPane::None;
}

void SplitterObject::destroy() {
  for (std::int32_t pane : panes_) {
    if (pane != -1 && find_splitter_of_pane(pane) == this) unregister_splitter_pane(pane);
  }
}

void SplitterObject::create_gadgets(std::int32_t window) {
  panes_ = {create_pane_container(), create_pane_container()};
  GadgetRequest request;
  request.kind = DialogKind::Splitter;
  request.number = requested_id();
  request.flags = flags();
  request.panes = panes_;
  set_gadget(create_definition_gadget(request));
  for (int i = 0; i < 2; ++i) {
    if (minimums_[i].size)
      set_gadget_attribute(gadget(), kPaneMinimumAttribute[i], *minimums_[i].size);
  }
  if (open_gadget_list(panes_[0]) != 0) open_pane_ = OpenPane::First;
  for (std::int32_t pane : panes_) {
    if (pane == -1) continue;
    register_splitter_pane(pane, this);
    bind_gadget_event(kEventGadget, allocate_splitter_pane, window, pane, kAnyValue);
  }
}

std::optional<ChildPlacement> SplitterObject::pane_placement(std::int32_t container) const {
  int index = container == panes_[0] ? 0 : 1;
  DialogObject* child = pane_child(index);
  if (child == nullptr || container != panes_[index]) return std::nullopt;
  return ChildPlacement{child, {0, 0, gadget_width(container), gadget_height(container)}};
}

std::unique_ptr<DialogObject> create_splitter_object(BuildContext& context, const XmlNode& node,
                                                     DialogKind kind) {
  ElementView element = context.view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  auto splitter =
      std::make_unique<SplitterObject>(std::move(common), read_pane_minimum(element, u"FIRSTMIN"),
                                       read_pane_minimum(element, u"SECONDMIN"));
  if (!context.error.has_error()) splitter->create_gadgets(context.window);
  return splitter;
}

}  // namespace ambrel
