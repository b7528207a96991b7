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
  const ElementRecord& r = record(kind);
  if (r.spellings.empty()) return {};
  return r.spellings[static_cast<std::size_t>(r.name_spelling)];
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
  std::u16string path;
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    path += u'/';
    path += record(step->kind).spellings[static_cast<std::size_t>(step->detail >> 1)];
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
