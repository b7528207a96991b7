#include "tree_catalogue.h"

#include <vector>

#include "generator/catalogue_filer.h"

namespace ambrel {

void catalogue_elements(const XmlNode* first_node, ElementCatalogue& catalogue) {
  if (first_node == nullptr) return;
  CatalogueFiler filer(catalogue);
  std::vector<const XmlNode*> pending{first_node};  // the next node at each open level
  while (!pending.empty()) {
    const XmlNode* node = pending.back();
    if (node == nullptr) {
      pending.pop_back();
      if (!pending.empty()) filer.close_element();
      continue;
    }
    pending.back() = node->next_sibling;
    if (node->kind != XmlNodeKind::element) {
      if (pending.size() > 1) filer.add_child_node();
      continue;
    }
    filer.open_element(node->name == nullptr ? std::u16string_view() : node->name, node->attributes,
                       static_cast<std::size_t>(node->attribute_count));
    if (node->first_child != nullptr) {
      pending.push_back(node->first_child);
    } else {
      if (node->text != nullptr) filer.add_text(node->text);
      filer.close_element();
    }
  }
  filer.finish();
}

}  // namespace ambrel
