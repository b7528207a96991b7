#include "dialog/objects/layout_passes.h"

#include <vector>

namespace ambrel {

layout::Size request_tree(DialogObject& root) {
  struct Visit {
    DialogObject* object;
    bool children_done;
  };
  std::vector<Visit> stack{{&root, false}};
  while (!stack.empty()) {
    Visit& visit = stack.back();
    DialogObject* object = visit.object;
    if (!visit.children_done && !object->folded()) {
      visit.children_done = true;
      for (const auto& child : object->children()) stack.push_back({child.get(), false});
      continue;
    }
    stack.pop_back();
    object->set_request(layout::clamp_size(object->SizeRequest()));
  }
  return root.request();
}

void allocate_tree(DialogObject& root, layout::Rect area) {
  std::vector<ChildPlacement> stack{{&root, area}};
  std::vector<ChildPlacement> placed;
  while (!stack.empty()) {
    ChildPlacement next = stack.back();
    stack.pop_back();
    next.child->set_allocation(next.area);
    placed.clear();
    next.child->Allocate(next.area, placed);
    // Reversed, so that the first child is allocated first.
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) stack.push_back(*it);
  }
}

}  // namespace ambrel
