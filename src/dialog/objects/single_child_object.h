#pragma once

// The base of the objects that hold one child inside margins (window, singlebox, frame,
// container, scroll area, tab), and the singlebox itself. When a definition gives such an
// object several children, the last one is its child; the earlier ones stay owned by it
// (their gadgets exist) but get no room.

#include <memory>

#include "dialog/objects/build_context.h"
#include "dialog/layout/single_child.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

class SingleChildObject : public DialogObject {
 public:
  SingleChildObject(DialogKind kind, CommonAttributes common, layout::SingleChildSettings settings);

  // The singlebox's and the tab's: the child's request within the margins.
  layout::Size natural_size() override;
  // The singlebox's and the tab's: the single-child placement inside area.
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  // A child before the last gets no room, and is warned about.
  void add_child(std::unique_ptr<DialogObject> child, const ElementView& element) override;

 protected:
  const layout::SingleChildSettings& settings() const { return settings_; }
  DialogObject* child() const { return last_child(); }
  // The child's cached request, 0 x 0 without a child.
  layout::Size child_request() const;
  // Sends the child, if any, to rect.
  void place_child(layout::Rect rect, std::vector<ChildPlacement>& children) const;

 private:
  layout::SingleChildSettings settings_;
  const XmlNode* child_node_ = nullptr;  // the element of the last child, while building
};

std::unique_ptr<DialogObject> create_singlebox_object(BuildContext& context, const XmlNode& node,
                                                      DialogKind kind);

}  // namespace ambrel
