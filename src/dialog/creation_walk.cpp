#include "dialog/creation_walk.h"

#include <memory>
#include <utility>
#include <vector>

#include "dialog/definition/message_text.h"
#include "dialog/element_kinds.h"
#include "dialog/objects/gadget_creation.h"
#include "support/unicode_text.h"

namespace ambrel {
namespace {

// One element whose children are being created: the object (owned until it is added to
// its parent) and the next child node to visit.
struct Level {
  std::unique_ptr<DialogObject> object;
  const XmlNode* node = nullptr;
  const XmlNode* next = nullptr;
};

std::string name_of(const XmlNode& node) {
  return node.name == nullptr ? std::string() : utf16_to_utf8(node.name);
}

bool is_blank(std::u16string_view text) {
  return text.find_first_not_of(u" \t\r\n") == std::u16string_view::npos;
}

// Only elements make objects: the text of an element and its CDATA sections are skipped.
void warn_about_text(const XmlNode& node, BuildContext& context) {
  if (node.kind == XmlNodeKind::cdata && node.parent != nullptr) {
    context.notes.warn({node.parent, -1}, message_text({"a CDATA section inside ",
                                                        name_of(*node.parent), " is ignored"}));
  }
  if (node.kind == XmlNodeKind::element && node.text != nullptr && !is_blank(node.text)) {
    context.notes.warn({&node, -1},
                       message_text({"the text inside ", name_of(node), " is ignored"}));
  }
}

std::unique_ptr<DialogObject> create_object(const XmlNode& node, DialogObject& parent,
                                            BuildContext& context) {
  const ElementKind* entry = find_element_kind(node.name == nullptr ? u"" : node.name);
  if (entry == nullptr || entry->create == nullptr) {
    std::string_view what = entry == nullptr ? "unknown element '" : "'";
    std::string_view where = entry == nullptr ? "'" : "' inside a window";
    context.notes.warn({&node, -1}, message_text({what, name_of(node), where,
                                                  " is ignored, with everything inside it"}));
    return nullptr;
  }
  context.notes.note_element(node);
  warn_about_text(node, context);
  context.parent = &parent;
  return entry->create(context, node, entry->kind);
}

// finish, then the object joins its parent and gets its DISABLED and INVISIBLE.
void complete(std::unique_ptr<DialogObject> object, const XmlNode& node, DialogObject& parent,
              BuildContext& context) {
  object->finish(context);
  DialogObject* added = object.get();
  parent.add_child(std::move(object), context.view_of(node));
  apply_gadget_state_attributes(added->gadget(), context.view_of(node));
}

}  // namespace

void run_creation_walk(DialogObject& root, const XmlNode& element, BuildContext& context) {
  warn_about_text(element, context);
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
    if (node->kind != XmlNodeKind::element) {
      warn_about_text(*node, context);
      continue;
    }
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
