#pragma once

// The splitter object: two pane containers and the splitter gadget that arranges them.
// Its first child is created in the first pane, its second in the second; the content of
// a pane is laid out whenever the pane's container changes size.

#include <array>
#include <memory>
#include <optional>

#include "dialog/objects/build_context.h"
#include "dialog/objects/dialog_object.h"
#include "dialog/definition/layout_attributes.h"

namespace ambrel {

class SplitterObject final : public DialogObject {
 public:
  SplitterObject(CommonAttributes common, PaneMinimum first_minimum, PaneMinimum second_minimum);

  layout::Size natural_size() override;
  // Only resizes the splitter gadget; the panes follow through their size events.
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  // The first child closes the first pane's list and opens the second's; the second
  // closes that. A third child and beyond stays owned but gets no pane.
  void add_child(std::unique_ptr<DialogObject> child, const ElementView& element) override;
  // With fewer than two children a pane's list would still be current: it is closed, so
  // the elements after the splitter do not land inside a pane.
  void finish(BuildContext& context) override;
  void destroy() override;

  // Creates the pane containers and the splitter gadget; the first pane becomes the
  // current gadget list.
  void create_gadgets(std::int32_t window);
  // The content of the pane whose container is `container`, with the container's size.
  std::optional<ChildPlacement> pane_placement(std::int32_t container) const;
  std::int32_t pane(int index) const { return panes_[index]; }

 private:
  enum class OpenPane { None, First, Second };

  DialogObject* pane_child(int index) const;
  void set_pane_minimum(int index, layout::Size request);

  std::array<PaneMinimum, 2> minimums_;
  std::array<std::int32_t, 2> panes_{-1, -1};
  int pane_children_ = 0;
  OpenPane open_pane_ = OpenPane::None;
};

std::unique_ptr<DialogObject> create_splitter_object(BuildContext& context, const XmlNode& node,
                                                     DialogKind kind);

}  // namespace ambrel
