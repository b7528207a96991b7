#pragma once

// The multi-child layout boxes without a gadget: hbox and vbox line their children up,
// multibox stacks them all on one rectangle.

#include <memory>

#include "dialog/objects/build_context.h"
#include "dialog/layout/box.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

class LineBoxObject final : public DialogObject {
 public:
  LineBoxObject(DialogKind kind, CommonAttributes common, layout::BoxSettings settings);

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;

 private:
  layout::BoxSettings settings_;
  layout::BoxMeasure measure_;
};

class MultiBoxObject final : public DialogObject {
 public:
  using DialogObject::DialogObject;

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
};

// hbox and vbox.
std::unique_ptr<DialogObject> create_line_box_object(BuildContext& context, const XmlNode& node,
                                                     DialogKind kind);
std::unique_ptr<DialogObject> create_multibox_object(BuildContext& context, const XmlNode& node,
                                                     DialogKind kind);

}  // namespace ambrel
