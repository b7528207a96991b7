#pragma once

// The leaf objects of the generic gadget kinds (button, text, editor, checkbox, ...): each
// owns one gadget, measures it where the kind has a measure and moves it where the layout
// says.

#include <memory>

#include "dialog/objects/build_context.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

class GadgetObject final : public DialogObject {
 public:
  using DialogObject::DialogObject;

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
};

// Creates the object and its gadget with the kind's arguments, then binds its events. An
// option with a GROUP gets its gadget later, from its parent's finish.
std::unique_ptr<DialogObject> create_gadget_object(BuildContext& context, const XmlNode& node,
                                                   DialogKind kind);

// The empty placeholder: no gadget, it only takes up its WIDTH and HEIGHT.
std::unique_ptr<DialogObject> create_empty_object(BuildContext& context, const XmlNode& node,
                                                  DialogKind kind);

}  // namespace ambrel
