// Item lists: list view, list icon (a list with a titled first column), tree, and the
// explorer's file list and folder tree. Clicks arrive as 0, double clicks as 2; the state
// is the selected item. They have no natural size: the layout gives them their room.

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
  return create_flagged_gadget(number, kListViewKind,
                               textless_control_request(ControlKind::ListView, geometry, arguments),
                               arguments, {{kListViewMultiSelect, &ControlStyle::multi_select}});
}

// The text is the first column's title.
int create_listicon_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kListIconKind, control_request(ControlKind::ListIcon, geometry, arguments), arguments,
      {{kListIconCheckBoxes, &ControlStyle::check_boxes},
       {kListIconMultiSelect, &ControlStyle::multi_select},
       {kListIconThreeState, &ControlStyle::three_state}});
}

int create_tree_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kTreeKind,
                               textless_control_request(ControlKind::Tree, geometry, arguments),
                               arguments,
                               {{kTreeCheckBoxes, &ControlStyle::check_boxes},
                                {kTreeThreeState, &ControlStyle::three_state}});
}

int create_explorerlist_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kExplorerListKind, control_request(ControlKind::ExplorerList, geometry, arguments),
      arguments, {{kExplorerListMultiSelect, &ControlStyle::multi_select}});
}

int create_explorertree_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kExplorerTreeKind,
                               control_request(ControlKind::ExplorerTree, geometry, arguments),
                               arguments);
}

}  // namespace ambrel
