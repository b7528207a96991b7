// Item lists: list view, list icon (a list with a titled first column), tree, and the
// explorer's file list and folder tree. Clicks arrive as 0, double clicks as 2; the state
// is the selected item. They have no natural size: the layout gives them their room.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"

namespace ambrel {

namespace {

constexpr GadgetKind list_kind(GadgetKindCode code) {
  GadgetKind kind = valued_kind(code);
  kind.add_item = add_control_item_at;
  return kind;
}

constexpr GadgetKind kListViewKind = list_kind(GadgetKindCode::ListView);
constexpr GadgetKind kListIconKind = list_kind(GadgetKindCode::ListIcon);
constexpr GadgetKind kTreeKind = list_kind(GadgetKindCode::Tree);

constexpr GadgetKind kExplorerListKind{.code = GadgetKindCode::ExplorerList};

constexpr GadgetKind kExplorerTreeKind{.code = GadgetKindCode::ExplorerTree};

}  // namespace

int create_listview_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::ListView, geometry, arguments);
  request.style.multi_select = has_flag(arguments.flags, kListViewMultiSelect);
  return create_gadget(number, kListViewKind, std::move(request), arguments.flags);
}

// The text is the first column's title.
int create_listicon_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = control_request(ControlKind::ListIcon, geometry, arguments);
  request.style.check_boxes = has_flag(arguments.flags, kListIconCheckBoxes);
  request.style.multi_select = has_flag(arguments.flags, kListIconMultiSelect);
  request.style.three_state = has_flag(arguments.flags, kListIconThreeState);
  return create_gadget(number, kListIconKind, std::move(request), arguments.flags);
}

int create_tree_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::Tree, geometry, arguments);
  request.style.check_boxes = has_flag(arguments.flags, kTreeCheckBoxes);
  request.style.three_state = has_flag(arguments.flags, kTreeThreeState);
  return create_gadget(number, kTreeKind, std::move(request), arguments.flags);
}

int create_explorerlist_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = control_request(ControlKind::ExplorerList, geometry, arguments);
  request.style.multi_select = has_flag(arguments.flags, kExplorerListMultiSelect);
  return create_gadget(number, kExplorerListKind, std::move(request), arguments.flags);
}

int create_explorertree_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_gadget(number, kExplorerTreeKind,
                       control_request(ControlKind::ExplorerTree, geometry, arguments),
                       arguments.flags);
}

}  // namespace ambrel
