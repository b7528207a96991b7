#include "generator/declarations.h"

#include <algorithm>
#include <vector>

#include "support/text_case.h"

namespace ambrel {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

// Compares a + "/" with b + "/", code unit by code unit: the order of the structure keys
// of two sibling kinds and of everything below them.
bool less_with_slash(std::u16string_view a, std::u16string_view b) {
  std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (a[i] != b[i]) return a[i] < b[i];
  }
  if (a.size() == b.size()) return false;
  if (a.size() < b.size()) return u'/' <= b[common];
  return a[common] < u'/';
}

class DeclarationPrinter {
 public:
  explicit DeclarationPrinter(const ElementCatalogue& catalogue) : catalogue_(catalogue) {
    attribute_lists_.resize(catalogue.size() + 1);
    for (std::size_t kind = 1; kind <= catalogue.size(); ++kind) {
      attribute_lists_[kind] = catalogue.attribute_list(static_cast<int>(kind));
      std::size_t field = catalogue.element_name(static_cast<int>(kind)).size() +
                          suffix_length(static_cast<int>(kind));
      column_width_ = std::max(column_width_, field);
    }
  }

  std::u16string print() {
    std::vector<int> blocks = blocks_in_ascending_key_order();
    int previous_group = kNoGroup;
    for (auto kind = blocks.rbegin(); kind != blocks.rend(); ++kind) {
      int group = *kind == ElementCatalogue::kTop ? kNoGroup : record(*kind).parent;
      if (group != previous_group) {
        out_ += kLineEnd;
        previous_group = group;
      }
      print_block(*kind);
    }
    return std::move(out_);
  }

 private:
  static constexpr int kNoGroup = -1;  // the group of the top structure: the empty text

  const ElementRecord& record(int kind) const { return catalogue_.record(kind); }

  bool is_structure_field(int kind) const { return !record(kind).has_values; }

  // Kinds that fill structures print a block; a kind that is sometimes childless is a
  // leaf field of its parent but still gets the block of its own child kinds.
  bool has_block(int kind) const {
    return kind == ElementCatalogue::kTop || is_structure_field(kind) || !record(kind).children.empty();
  }

  std::size_t suffix_length(int kind) const {
    return is_structure_field(kind) ? 5 + catalogue_.element_name(kind).size() : 2;
  }

  // Structure keys in ascending order: a kind's own key before its child kinds', sibling
  // kinds by their key step followed by "/".
  std::vector<int> blocks_in_ascending_key_order() const {
    std::vector<int> order;
    std::vector<int> pending{ElementCatalogue::kTop};
    while (!pending.empty()) {
      int kind = pending.back();
      pending.pop_back();
      if (has_block(kind)) order.push_back(kind);
      std::vector<int> children = record(kind).children;
      std::sort(children.begin(), children.end(), [this](int a, int b) {
        return less_with_slash(record(b).key_step, record(a).key_step);  // reversed for the stack
      });
      pending.insert(pending.end(), children.begin(), children.end());
    }
    return order;
  }

  void print_block(int kind) {
    bool top = kind == ElementCatalogue::kTop;
    out_ += u"; ";
    out_ += top ? std::u16string(u"/") : catalogue_.marked_path(kind);
    out_ += kLineEnd;
    const std::u16string& attributes = attribute_lists_[static_cast<std::size_t>(kind)];
    if (!attributes.empty()) {
      out_ += u"; attributes: ";
      out_ += attributes;
      out_ += kLineEnd;
    }
    out_ += u"Structure ";
    out_ += top ? std::u16string(u"XML_MAIN") : u"XML_" + upper_case_text(catalogue_.element_name(kind));
    out_ += kLineEnd;
    std::vector<int> fields = record(kind).children;
    std::sort(fields.begin(), fields.end(),
              [this](int a, int b) { return record(a).key_step < record(b).key_step; });
    for (int field : fields) print_field(field);
    out_ += u"EndStructure";
    out_ += kLineEnd;
  }

  void print_field(int kind) {
    std::u16string_view name = catalogue_.element_name(kind);
    out_ += u'\t';
    out_ += name;
    if (is_structure_field(kind)) {
      out_ += u".XML_";
      out_ += upper_case_text(name);
    } else {
      out_ += type_suffix(record(kind).value_type);
    }
    std::u16string comment = field_comment(kind);
    if (!comment.empty()) {
      out_.append(column_width_ - name.size() - suffix_length(kind), u' ');
      out_ += u" ; ";
      out_ += comment;
    }
    out_ += kLineEnd;
  }

  std::u16string field_comment(int kind) const {
    const std::u16string& attributes = attribute_lists_[static_cast<std::size_t>(kind)];
    std::u16string comment = attributes.empty() ? std::u16string() : u"attributes: " + attributes;
    if (record(kind).sibling_count > 1) return comment.empty() ? u"[]" : u"[] " + comment;
    return comment.empty() ? comment : u"   " + comment;
  }

  const ElementCatalogue& catalogue_;
  std::vector<std::u16string> attribute_lists_;  // by kind
  std::size_t column_width_ = 0;
  std::u16string out_;
};

}  // namespace

std::u16string print_declarations(const ElementCatalogue& catalogue) {
  if (catalogue.size() == 0) return {};
  return DeclarationPrinter(catalogue).print();
}

}  // namespace ambrel
