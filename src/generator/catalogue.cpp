#include "generator/catalogue.h"

#include <vector>

namespace ambrel {

ElementCatalogue::ElementCatalogue(CatalogueNaming naming) : naming_(naming) {
  records_.emplace_back();
}

std::u16string ElementCatalogue::structure_name(std::u16string_view name) const {
  std::u16string structure(naming_.prefix);
  structure += u'_';
  structure += name;
  return structure;
}

std::u16string_view ElementCatalogue::element_name(int kind) const {
  if (is_map_value(kind)) return element_name(record(kind).parent);
  const ElementRecord& r = record(kind);
  if (r.spellings.empty()) return {};
  return r.spellings[static_cast<std::size_t>(r.name_spelling)];
}

bool ElementCatalogue::is_map_value(int kind) const {
  int parent = record(kind).parent;
  return parent >= 0 && record(parent).map_value == kind;
}

int ElementCatalogue::live_kind(int kind) const {
  while (record(kind).merged_into >= 0) kind = record(kind).merged_into;
  return kind;
}

std::u16string ElementCatalogue::marked_path(int kind) const {
  const ElementRecord& r = record(kind);
  struct Shown {
    int kind;
    std::uint64_t detail;
  };
  std::vector<Shown> steps{{kind, marked_detail(r.name_spelling, r.marked_index)}};
  for (std::uint32_t at = r.marked_parent; at != PathSteps::kTop;
       at = marked_steps_.step(at).parent) {
    const PathSteps::Step& step = marked_steps_.step(at);
    steps.push_back({static_cast<int>(step.kind), step.detail});
  }
  // A top map's value path starts "/{}".
  std::u16string path = is_map_value(live_kind(steps.back().kind)) ? u"/" : u"";
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    // Steps filed before a map was known keep the kinds merged since.
    if (is_map_value(live_kind(step->kind))) {
      path += u"{}";
    } else {
      path += u'/';
      path += record(step->kind).spellings[static_cast<std::size_t>(step->detail >> 1)];
    }
    if ((step->detail & 1) != 0) path += u"[]";
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

}  // namespace ambrel
