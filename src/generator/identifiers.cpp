#include "generator/identifiers.h"

#include <unordered_map>

#include "support/unicode_text.h"

namespace ambrel {

namespace {

// Parents' names a colliding structure name may take in before it is numbered: enough to
// tell apart the places of real formats, few enough that names stay short and deep
// chains of one name cost little.
constexpr int kMostParentSteps = 4;

bool is_identifier_unit(char16_t unit) {
  return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
         (unit >= u'0' && unit <= u'9') || unit == u'_';
}

std::u16string upper_ascii(std::u16string text) {
  for (char16_t& unit : text) {
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  }
  return text;
}

class StructureNaming {
 public:
  StructureNaming(const ElementCatalogue& catalogue, const std::vector<int>& kinds)
      : catalogue_(catalogue), kinds_(kinds), parent_steps_(catalogue.size() + 1, 0) {}

  std::vector<std::u16string> names(const std::u16string& top_name) {
    for (int round = 0; round < kMostParentSteps && lengthen_colliding(top_name); ++round) {}
    NameScope scope;
    scope.take(top_name);
    std::vector<std::u16string> result(catalogue_.size() + 1);
    for (int kind : kinds_) result[static_cast<std::size_t>(kind)] = scope.take(candidate(kind));
    return result;
  }

 private:
  // The prefix, "_" and the identifiers of the kind's name and of as many parents' names as it
  // takes.
  std::u16string candidate(int kind) const {
    std::vector<std::u16string_view> steps;
    int steps_left = parent_steps_[static_cast<std::size_t>(kind)];
    for (int at = kind; at != ElementCatalogue::kTop; at = catalogue_.record(at).parent) {
      if (catalogue_.is_map(at)) continue;  // its values carry its name
      steps.push_back(catalogue_.element_name(at));
      if (steps_left-- == 0) break;
    }
    std::u16string name(catalogue_.naming().prefix);
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
      name += u'_' + identifier_of(*step);
    return upper_ascii(std::move(name));
  }

  bool has_parent_left(int kind) const {
    int parents = 0;
    for (int at = catalogue_.record(kind).parent; at != ElementCatalogue::kTop;
         at = catalogue_.record(at).parent) {
      if (!catalogue_.is_map(at) && ++parents > parent_steps_[static_cast<std::size_t>(kind)])
        return true;
    }
    return false;
  }

  // Takes one more parent's name into every name that collides; false when none could.
  bool lengthen_colliding(const std::u16string& top_name) {
    std::vector<std::u16string> candidates;
    std::unordered_map<std::u16string_view, int> uses{{top_name, 1}};
    candidates.reserve(kinds_.size());
    for (int kind : kinds_) candidates.push_back(candidate(kind));
    for (const std::u16string& name : candidates) ++uses[name];
    bool lengthened = false;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
      if (uses[candidates[i]] < 2 || !has_parent_left(kinds_[i])) continue;
      ++parent_steps_[static_cast<std::size_t>(kinds_[i])];
      lengthened = true;
    }
    return lengthened;
  }

  const ElementCatalogue& catalogue_;
  const std::vector<int>& kinds_;
  std::vector<int> parent_steps_;  // by kind: parents' names taken into its name
};

}  // namespace

std::u16string identifier_of(std::u16string_view name) {
  if (name.empty()) return u"_";
  std::u16string out;
  out.reserve(name.size() + 1);
  if (name[0] >= u'0' && name[0] <= u'9') out += u'_';
  for (std::size_t i = 0; i < name.size(); ++i) {
    char16_t unit = name[i];
    out += is_identifier_unit(unit) ? unit : u'_';
    if (is_high_surrogate(unit) && i + 1 < name.size() && is_low_surrogate(name[i + 1])) ++i;
  }
  return out;
}

std::u16string NameScope::take(std::u16string name) {
  std::u16string key = upper_ascii(name);
  if (taken_.insert(key).second) return name;
  int& number = next_number_.try_emplace(key, 2).first->second;
  for (;;) {
    std::u16string suffix = u'_' + utf8_to_utf16(std::to_string(number++));
    if (taken_.insert(key + suffix).second) return name + suffix;
  }
}

std::vector<std::u16string> distinct_structure_names(const ElementCatalogue& catalogue,
                                                     const std::vector<int>& kinds,
                                                     const std::u16string& top_name) {
  return StructureNaming(catalogue, kinds).names(top_name);
}

}  // namespace ambrel
