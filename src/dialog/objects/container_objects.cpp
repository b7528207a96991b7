#include "dialog/objects/container_objects.h"

#include <utility>

#include "dialog/definition/message_text.h"
#include "dialog/objects/gadget_creation.h"
#include "dialog/definition/layout_attributes.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/measure.h"

namespace ambrel {
namespace {

std::int32_t create_gadget_for(const DialogObject& object, std::uint32_t flags) {
  GadgetRequest request;
  request.kind = object.kind();
  request.number = object.requested_id();
  request.text = object.text_or_empty();
  request.flags = flags;
  return create_definition_gadget(request);
}

void resize_to(std::int32_t gadget, layout::Rect area) {
  if (gadget != -1) resize_gadget(gadget, area.x, area.y, area.width, area.height);
}

// Creates the object's gadget unless reading its attributes already failed.
template <class Object>
std::unique_ptr<DialogObject> create_with_gadget(BuildContext& context, const XmlNode& node,
                                                 DialogKind kind, std::int32_t margin,
                                                 bool pass_flags) {
  ElementView element = context.view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  auto object = std::make_unique<Object>(kind, std::move(common),
                                         read_single_child_settings(element, margin));
  if (!context.error.has_error()) {
    object->set_gadget(create_gadget_for(*object, pass_flags ? object->flags() : 0));
  }
  return object;
}

}  // namespace

// --- frame -----------------------------------------------------------------

layout::Size FrameObject::natural_size() {
  caption_height_ = layout::frame_caption_height(gadget_caption_height(gadget()));
  return layout::frame_natural_size(settings(), child_request(), caption_height_, wish());
}

void FrameObject::allocate(layout::Rect area, std::vector<ChildPlacement>& children) {
  resize_to(gadget(), area);
  if (!child()) return;
  place_child(layout::frame_child_rect(settings(), child_request(), caption_height_, area),
              children);
}

// --- container -------------------------------------------------------------

layout::Size ContainerObject::natural_size() {
  allowance_ = layout::container_border_allowance(flags(), ui_system_metrics().border_width);
  return layout::container_natural_size(settings(), child_request(), allowance_, wish());
}

void ContainerObject::allocate(layout::Rect area, std::vector<ChildPlacement>& children) {
  resize_to(gadget(), area);
  if (!child()) return;
  place_child(layout::container_child_rect(settings(), child_request(), allowance_,
                                           {area.width, area.height}),
              children);
}

void ContainerObject::finish(BuildContext& context) {
  DialogObject::finish(context);
  if (gadget() != -1) close_gadget_list();
}

// --- scroll area -----------------------------------------------------------

ScrollAreaObject::ScrollAreaObject(CommonAttributes common, layout::SingleChildSettings settings,
                                   layout::ScrollAreaSettings scroll)
    : SingleChildObject(DialogKind::ScrollArea, std::move(common), settings), scroll_(scroll) {}

layout::Size ScrollAreaObject::natural_size() {
  return layout::scroll_area_natural_size(settings(), scroll_, child_request(), wish());
}

void ScrollAreaObject::allocate(layout::Rect area, std::vector<ChildPlacement>& children) {
  resize_to(gadget(), area);
  if (!child()) return;
  layout::ScrollAreaPlacement placement = layout::scroll_area_place_child(
      settings(), scroll_, child_request(), {area.width, area.height});
  if (placement.inner_width)
    set_gadget_attribute(gadget(), kScrollAreaInnerWidth, *placement.inner_width);
  if (placement.inner_height)
    set_gadget_attribute(gadget(), kScrollAreaInnerHeight, *placement.inner_height);
  place_child(placement.child, children);
}

void ScrollAreaObject::finish(BuildContext& context) {
  DialogObject::finish(context);
  if (gadget() != -1) close_gadget_list();
}

// --- panel -----------------------------------------------------------------

layout::Size PanelObject::natural_size() {
  std::vector<layout::Size> requests;
  for (const auto& child : children()) requests.push_back(child->request());
  return layout::panel_natural_size(requests, get_gadget_attribute(gadget(), kPanelTabHeight),
                                    wish());
}

void PanelObject::allocate(layout::Rect area, std::vector<ChildPlacement>& children) {
  resize_to(gadget(), area);
  layout::Rect page{0, 0, get_gadget_attribute(gadget(), kPanelPageWidth),
                    get_gadget_attribute(gadget(), kPanelPageHeight)};
  for (const auto& child : this->children()) children.push_back({child.get(), page});
}

void PanelObject::finish(BuildContext& context) {
  for (const PendingOption& option : pending_options()) {
    context.view_of(*option.node)
        .warn(-1, "an option with a GROUP directly in a panel is never made; put it in a tab");
  }
  if (gadget() != -1) close_gadget_list();
  context.panels.pop();
}

// --- creators ----------------------------------------------------------------

std::unique_ptr<DialogObject> create_frame_object(BuildContext& context, const XmlNode& node,
                                                  DialogKind kind) {
  // The frame's flags are read (and checked) but the gadget is always the captioned frame.
  auto frame = create_with_gadget<FrameObject>(context, node, kind, layout::kFrameMargin, false);
  if (frame->flags() != 0) {
    ElementView element = context.view_of(node);
    int flags = find_attribute_index(element, u"FLAGS");
    element.warn(flags, message_text({element.written_name(flags),
                                      " has no effect on a frame: it is always drawn as a "
                                      "captioned group frame"}));
  }
  return frame;
}

std::unique_ptr<DialogObject> create_container_object(BuildContext& context, const XmlNode& node,
                                                      DialogKind kind) {
  return create_with_gadget<ContainerObject>(context, node, kind, layout::kContainerMargin, true);
}

std::unique_ptr<DialogObject> create_scroll_area_object(BuildContext& context, const XmlNode& node,
                                                        DialogKind kind) {
  ElementView element = context.view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  ScrollAreaAttributes scroll = read_scroll_area_attributes(element);
  auto object = std::make_unique<ScrollAreaObject>(
      std::move(common), read_single_child_settings(element, layout::kScrollAreaMargin),
      scroll.settings);
  if (context.error.has_error()) return object;
  object->set_gadget(create_gadget_for(*object, object->flags()));
  if (scroll.settings.inner_width != layout::kInnerSizeAutomatic) {
    set_gadget_attribute(object->gadget(), kScrollAreaInnerWidth, scroll.settings.inner_width);
  }
  if (scroll.settings.inner_height != layout::kInnerSizeAutomatic) {
    set_gadget_attribute(object->gadget(), kScrollAreaInnerHeight, scroll.settings.inner_height);
  }
  return object;
}

std::unique_ptr<DialogObject> create_panel_object(BuildContext& context, const XmlNode& node,
                                                  DialogKind kind) {
  ElementView element = context.view_of(node);
  auto object =
      std::make_unique<PanelObject>(kind, read_common_attributes(element, kind, context.error));
  // On the stack even without a gadget, so that finish pops what was pushed.
  context.panels.push(object.get());
  if (context.error.has_error()) return object;
  object->set_gadget(create_gadget_for(*object, object->flags()));
  if (object->gadget() == -1) return object;
  bind_definition_events(context, element, kind, object->gadget());
  return object;
}

std::unique_ptr<DialogObject> create_tab_object(BuildContext& context, const XmlNode& node,
                                                DialogKind kind) {
  ElementView element = context.view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  auto tab = std::make_unique<TabObject>(kind, std::move(common),
                                         read_single_child_settings(element, layout::kTabMargin));
  PanelEntry* panel = context.panels.top();
  if (panel == nullptr) {
    element.warn(-1,
                 message_text({element.written_name(-1),
                               " outside a panel adds no page; it is laid out as a singlebox"}));
  }
  if (panel == nullptr || context.error.has_error()) return tab;
  std::u16string text(tab->text_or_empty());
  add_gadget_item(panel->panel->gadget(), panel->next_tab, text.c_str());
  ++panel->next_tab;
  return tab;
}

}  // namespace ambrel
