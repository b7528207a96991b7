#include "generator/catalogue.h"

#include <algorithm>
#include <cstdint>

#include "support/text_case.h"

namespace ambrel {

namespace {

std::u16string_view text_of(const char16_t* text) {
  return text == nullptr ? std::u16string_view(u"") : std::u16string_view(text);
}

std::size_t recent_slot(const char16_t* name) {
  auto bits = reinterpret_cast<std::uintptr_t>(name);
  return static_cast<std::size_t>((bits >> 3) ^ (bits >> 9)) % ElementRecord::kRecentNames;
}

}  // namespace

ElementCatalogue::ElementCatalogue() { records_.emplace_back(); }

std::u16string_view ElementCatalogue::element_name(int kind) const {
  const ElementRecord& r = record(kind);
  if (r.spellings.empty()) return {};
  return r.spellings[static_cast<std::size_t>(r.name_spelling)];
}

std::u16string ElementCatalogue::marked_path(int kind) const {
  const ElementRecord& r = record(kind);
  std::vector<MarkedStep> steps{{r.marked_parent, kind, r.name_spelling, r.marked_index}};
  for (int at = r.marked_parent; at >= 0; at = marked_steps_[static_cast<std::size_t>(at)].parent) {
    steps.push_back(marked_steps_[static_cast<std::size_t>(at)]);
  }
  std::u16string path;
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    const ElementRecord& of = record(step->kind);
    path += u'/';
    path += of.spellings[static_cast<std::size_t>(step->spelling)];
    if (step->index) path += u"[]";
  }
  return path;
}

std::u16string ElementCatalogue::attribute_list(int kind) const {
  std::u16string list;
  for (std::u16string_view name : record(kind).attribute_names.in_iteration_order()) {
    if (!list.empty()) list += u',';
    list += name;
  }
  return list;
}

// One pass over the tree with an explicit stack. Nothing is computed per node from its
// whole path: the key, the marked path and the lowered path of the parent instance are
// each carried down from the parent's frame, so the walk costs the size of the document.
class CatalogueWalk {
 public:
  explicit CatalogueWalk(ElementCatalogue& catalogue) : catalogue_(catalogue) {}

  void run(const XmlNode* first_node) {
    stack_.push_back({first_node, ElementCatalogue::kTop, 0, 1, LoweredPathNumbers::kTop, -1, true});
    while (!stack_.empty()) {
      const XmlNode* node = stack_.back().next;
      if (node == nullptr) {
        stack_.pop_back();
        continue;
      }
      stack_.back().next = node->next_sibling;
      if (node->kind == XmlNodeKind::element) visit(*node);
    }
  }

 private:
  using ChildName = ElementRecord::ChildName;

  // The children still to visit of one element, with what its children inherit.
  struct Frame {
    const XmlNode* next;
    int kind;
    int spelling;
    std::int32_t index;
    std::uint32_t lowered_path;  // valid once `inherited` is set
    int marked_step;             // likewise
    bool inherited;
  };

  ElementRecord& record(int kind) { return catalogue_.records_[static_cast<std::size_t>(kind)]; }

  void visit(const XmlNode& node) {
    prepare_top_frame();
    Frame& parent = stack_.back();
    ChildName child = find_child(parent.kind, node.name);
    ElementRecord& r = record(child.kind);
    if (r.sibling_count > 0 && r.last_parent_path == parent.lowered_path) {
      ++r.sibling_count;
    } else {
      r.sibling_count = 1;
      r.last_parent_path = parent.lowered_path;
    }
    r.name_spelling = child.spelling;
    r.marked_parent = parent.marked_step;
    r.marked_index = node.sibling_index > 1;
    add_attributes(r, node);
    if (node.first_child != nullptr) {
      stack_.push_back({node.first_child, child.kind, child.spelling, node.sibling_index, 0, -1, false});
    } else {
      add_value(r, text_of(node.text));
    }
  }

  // A frame learns its lowered path and marked step only when it gets an element child,
  // so leaves and elements holding only text cost nothing here.
  void prepare_top_frame() {
    Frame& frame = stack_.back();
    if (frame.inherited) return;
    const Frame& above = stack_[stack_.size() - 2];
    frame.lowered_path = catalogue_.lowered_paths_.number_of(
        above.lowered_path, static_cast<std::uint32_t>(frame.kind), frame.index);
    frame.marked_step = marked_step({above.marked_step, frame.kind, frame.spelling, frame.index > 1});
    frame.inherited = true;
  }

  int marked_step(const MarkedStep& step) {
    std::vector<MarkedStep>& steps = catalogue_.marked_steps_;
    ElementRecord& r = record(step.kind);
    if (r.last_marked_step >= 0) {
      const MarkedStep& last = steps[static_cast<std::size_t>(r.last_marked_step)];
      if (last.parent == step.parent && last.spelling == step.spelling && last.index == step.index) {
        return r.last_marked_step;
      }
    }
    steps.push_back(step);
    r.last_marked_step = static_cast<int>(steps.size() - 1);
    return r.last_marked_step;
  }

  ChildName find_child(int parent_kind, const char16_t* name) {
    ElementRecord& parent = record(parent_kind);
    std::size_t slot = recent_slot(name);
    if (name != nullptr && parent.recent_child_name[slot] == name) return parent.recent_child[slot];
    std::u16string_view written = text_of(name);
    auto known = parent.child_names.find(written);
    ChildName child = known != parent.child_names.end() ? known->second : add_spelling(parent_kind, written);
    parent.recent_child_name[slot] = name;
    parent.recent_child[slot] = child;
    return child;
  }

  ChildName add_spelling(int parent_kind, std::u16string_view written) {
    std::u16string key_step = lower_case_text(written);
    int kind = find_kind(parent_kind, key_step);
    if (kind < 0) kind = add_kind(parent_kind, std::move(key_step));
    ElementRecord& r = record(kind);
    r.spellings.emplace_back(written);
    ChildName child{kind, static_cast<int>(r.spellings.size() - 1)};
    record(parent_kind).child_names.emplace(written, child);
    return child;
  }

  int find_kind(int parent_kind, std::u16string_view key_step) {
    auto& kinds = record(parent_kind).child_kinds;
    auto found = kinds.find(key_step);
    return found == kinds.end() ? -1 : found->second;
  }

  int add_kind(int parent_kind, std::u16string key_step) {
    int kind = static_cast<int>(catalogue_.records_.size());
    ElementRecord& r = catalogue_.records_.emplace_back();
    r.parent = parent_kind;
    r.key_step = key_step;
    record(parent_kind).children.push_back(kind);
    record(parent_kind).child_kinds.emplace(std::move(key_step), kind);
    return kind;
  }

  static void add_attributes(ElementRecord& r, const XmlNode& node) {
    for (std::int32_t i = 0; i < node.attribute_count; ++i) {
      const char16_t* name = node.attributes[2 * static_cast<std::size_t>(i)];
      std::size_t slot = recent_slot(name);
      if (name != nullptr && r.recent_attribute[slot] == name) continue;
      std::u16string_view written = text_of(name);
      if (r.attribute_spellings.find(written) == r.attribute_spellings.end()) {
        r.attribute_spellings.emplace(written);
        r.attribute_names.add(lower_case_text(written));
      }
      r.recent_attribute[slot] = name;
    }
  }

  static void add_value(ElementRecord& r, std::u16string_view text) {
    ValueType type = infer_value_type(text);
    r.value_type = r.has_values ? merge_value_types(r.value_type, type) : type;
    r.has_values = true;
  }

  ElementCatalogue& catalogue_;
  std::vector<Frame> stack_;
};

void catalogue_elements(const XmlNode* first_node, ElementCatalogue& catalogue) {
  if (first_node == nullptr) return;
  CatalogueWalk(catalogue).run(first_node);
}

}  // namespace ambrel
