#include "dialog/creation_walk.h"

#include <memory>
#include <utility>
#include <vector>

#include "dialog/element_kinds.h"
#include "dialog/objects/gadget_creation.h"

namespace ambrel {
namespace {

// One element whose children are being created: the object (owned until it is added to
// its parent) and the next child node to visit.
struct Level {
  std::unique_ptr<DialogObject> object;
  const XmlNode* node = nullptr;
  const XmlNode* next = nullptr;
};

std::unique_ptr<DialogObject> create_object(const XmlNode& node, DialogObject& parent,
                                            BuildContext& context) {
  const ElementKind* entry = find_element_kind(node.name == nullptr ? u"" : node.name);
  if (entry == nullptr || entry->create == nullptr) return nullptr;
  context.parent = &parent;
  return entry->create(context, node, entry->kind);
}

// finish, then the object joins its parent and gets its DISABLED and INVISIBLE.
void complete(std::unique_ptr<DialogObject> object, const XmlNode& node, DialogObject& parent,
              BuildContext& context) {
  object->finish(context);
  DialogObject* added = object.get();
  parent.add_child(std::move(object), node);
  apply_gadget_state_attributes(added->gadget(), element_view_of(node));
}

}  // namespace

void run_creation_walk(DialogObject& root, const XmlNode& element, BuildContext& context) {
  std::vector<Level> stack;
  stack.push_back({nullptr, &element, element.first_child});
  auto parent_of_top = [&]() -> DialogObject& {
    return stack.back().object ? *stack.back().object : root;
  };
  while (!stack.empty() && !context.error.has_error()) {
    Level& level = stack.back();
    if (level.next == nullptr) {
      if (stack.size() == 1) break;
      std::unique_ptr<DialogObject> object = std::move(level.object);
      const XmlNode* node = level.node;
      stack.pop_back();
      complete(std::move(object), *node, parent_of_top(), context);
      continue;
    }
    const XmlNode* node = level.next;
    level.next = node->next_sibling;
    if (node->kind != XmlNodeKind::element) continue;
    std::unique_ptr<DialogObject> object = create_object(*node, parent_of_top(), context);
    if (!object || context.error.has_error()) {
      destroy_tree(std::move(object));
      continue;
    }
    if (node->first_child != nullptr) {
      stack.push_back({std::move(object), node, node->first_child});
    } else {
      complete(std::move(object), *node, parent_of_top(), context);
    }
  }
  // After an error: the objects still waiting for their parent go now.
  while (!stack.empty()) {
    destroy_tree(std::move(stack.back().object));
    stack.pop_back();
  }
}

}  // namespace ambrel
