#pragma once

// The objects that own a platform gadget and hold other objects in it: frame, container,
// scroll area, panel and its tabs.

#include <memory>

#include "dialog/objects/build_context.h"
#include "dialog/layout/container_figures.h"
#include "dialog/objects/single_child_object.h"

namespace ambrel {

// A captioned group frame. Not a platform parent: its content's gadgets are its siblings
// and are placed inside its rectangle.
class FrameObject final : public SingleChildObject {
 public:
  using SingleChildObject::SingleChildObject;

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;

 private:
  std::int32_t caption_height_ = 0;  // measured at the request pass
};

// A plain platform parent: its content is created inside it and placed in its coordinates.
class ContainerObject final : public SingleChildObject {
 public:
  using SingleChildObject::SingleChildObject;

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  // Closes the gadget list the container opened.
  void finish(BuildContext& context) override;

 private:
  std::int32_t allowance_ = 0;  // border room per axis, measured at the request pass
};

class ScrollAreaObject final : public SingleChildObject {
 public:
  ScrollAreaObject(CommonAttributes common, layout::SingleChildSettings settings,
                   layout::ScrollAreaSettings scroll);

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  void finish(BuildContext& context) override;

 private:
  layout::ScrollAreaSettings scroll_;
};

// A panel of tab pages; its children are the tabs.
class PanelObject final : public DialogObject {
 public:
  using DialogObject::DialogObject;

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  // Closes its gadget list and leaves the panel stack; grouped options placed directly in
  // a panel (not in one of its tabs) are not created.
  void finish(BuildContext& context) override;
};

// One page of the panel on top of the panel stack; it has no gadget of its own. Outside
// any panel it is a plain single-child box in its parent's coordinates.
class TabObject final : public SingleChildObject {
 public:
  using SingleChildObject::SingleChildObject;
};

std::unique_ptr<DialogObject> create_frame_object(BuildContext& context, const XmlNode& node,
                                                  DialogKind kind);
std::unique_ptr<DialogObject> create_container_object(BuildContext& context, const XmlNode& node,
                                                      DialogKind kind);
std::unique_ptr<DialogObject> create_scroll_area_object(BuildContext& context, const XmlNode& node,
                                                        DialogKind kind);
std::unique_ptr<DialogObject> create_panel_object(BuildContext& context, const XmlNode& node,
                                                  DialogKind kind);
std::unique_ptr<DialogObject> create_tab_object(BuildContext& context, const XmlNode& node,
                                                DialogKind kind);

}  // namespace ambrel
