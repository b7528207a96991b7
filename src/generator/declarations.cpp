#include "generator/declarations.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "generator/identifiers.h"
#include "generator/printable_name.h"
#include "support/text_case.h"

namespace ambrel {

namespace {

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

// Code units gathered before they go to the sink: few calls, and little memory whatever
// the length of the text.
constexpr std::size_t kPieceUnits = std::size_t{1} << 15;

class DeclarationPrinter {
 public:
  DeclarationPrinter(const ElementCatalogue& catalogue, const DeclarationStyle& style,
                     const DeclarationSink& sink)
      : catalogue_(catalogue), line_end_(style.lf_line_ends ? u"\n" : u"\r\n"), sink_(sink) {
    blocks_ = blocks_in_ascending_key_order();
    if (style.identifiers) {
      name_as_identifiers();
    } else {
      name_as_written();
    }
    attribute_lists_.resize(catalogue.size() + 1);
    for (std::size_t kind = 1; kind <= catalogue.size(); ++kind) {
      attribute_lists_[kind] = catalogue.attribute_list(static_cast<int>(kind));
      if (!is_field(static_cast<int>(kind))) continue;
      std::size_t field = field_names_[kind].size() + suffix_length(static_cast<int>(kind));
      column_width_ = std::max(column_width_, field);
    }
  }

  bool print() {
    int previous_group = kNoGroup;
    for (auto kind = blocks_.rbegin(); kind != blocks_.rend() && !refused_; ++kind) {
      int group = group_of(*kind);
      if (group != previous_group) {
        end_line();
        previous_group = group;
      }
      print_block(*kind);
    }
    hand_over();
    return !refused_;
  }

 private:
  static constexpr int kNoGroup = -1;  // the group of the top structure: the empty text

  void end_line() {
    out_ += line_end_;
    if (out_.size() >= kPieceUnits) hand_over();
  }

  void hand_over() {
    if (!refused_ && !out_.empty()) refused_ = !sink_(out_);
    out_.clear();
  }

  const ElementRecord& record(int kind) const { return catalogue_.record(kind); }

  // A kind with neither (only JSON nulls and empty arrays) is a text field.
  bool is_structure_field(int kind) const {
    return !record(kind).has_values && record(kind).has_structure;
  }

  // Kinds that fill structures print a block; a kind that is sometimes childless is a
  // leaf field of its parent but still gets the block of its own child kinds. A map's block
  // is its values'.
  bool has_block(int kind) const {
    if (catalogue_.is_map(kind)) return false;
    return kind == ElementCatalogue::kTop || is_structure_field(kind) ||
           !record(kind).children.empty();
  }

  // Kinds merged into a map's values, and those values, are no fields.
  bool is_field(int kind) const {
    return record(kind).merged_into < 0 && !catalogue_.is_map_value(kind);
  }

  // The kind a field's type comes from: past every map, its values.
  int held_kind(int kind) const {
    while (catalogue_.is_map(kind)) kind = record(kind).map_value;
    return kind;
  }

  // The key that holds a map's values: they are named, grouped and placed as its own block.
  int holder_of(int kind) const {
    while (catalogue_.is_map_value(kind)) kind = record(kind).parent;
    return kind;
  }

  int group_of(int kind) const {
    int holder = holder_of(kind);
    return holder == ElementCatalogue::kTop ? kNoGroup : record(holder).parent;
  }

  std::size_t suffix_length(int kind) const {
    int held = held_kind(kind);
    return is_structure_field(held) ? 1 + structure_names_[static_cast<std::size_t>(held)].size()
                                    : 2;
  }

  void name_as_written() {
    field_names_.resize(catalogue_.size() + 1);
    structure_names_.resize(catalogue_.size() + 1);
    structure_names_[ElementCatalogue::kTop] = catalogue_.top_structure_name();
    for (std::size_t kind = 1; kind <= catalogue_.size(); ++kind) {
      std::u16string_view name = catalogue_.element_name(static_cast<int>(kind));
      field_names_[kind] = printable_name(name);
      structure_names_[kind] =
          holder_of(static_cast<int>(kind)) == ElementCatalogue::kTop
              ? catalogue_.top_structure_name()
              : printable_name(catalogue_.structure_name(upper_case_text(name)));
    }
  }

  void name_as_identifiers() {
    std::vector<int> structures;
    std::copy_if(blocks_.begin(), blocks_.end(), std::back_inserter(structures),
                 [this](int kind) { return holder_of(kind) != ElementCatalogue::kTop; });
    std::u16string top_name = catalogue_.top_structure_name();
    structure_names_ = distinct_structure_names(catalogue_, structures, top_name);
    for (int kind : blocks_) {
      if (holder_of(kind) == ElementCatalogue::kTop)
        structure_names_[static_cast<std::size_t>(kind)] = top_name;
    }
    field_names_.resize(catalogue_.size() + 1);
    for (std::size_t kind = 0; kind <= catalogue_.size(); ++kind) {
      NameScope fields;
      for (int field : fields_in_order(static_cast<int>(kind))) {
        field_names_[static_cast<std::size_t>(field)] =
            fields.take(identifier_of(catalogue_.element_name(field)));
      }
    }
  }

  std::vector<int> fields_in_order(int kind) const {
    std::vector<int> fields = record(kind).children;
    std::sort(fields.begin(), fields.end(),
              [this](int a, int b) { return record(a).key_step < record(b).key_step; });
    return fields;
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
    out_ += top ? std::u16string(u"/") : printable_name(catalogue_.marked_path(kind));
    end_line();
    const std::u16string& attributes = attribute_lists_[static_cast<std::size_t>(kind)];
    if (!attributes.empty()) {
      out_ += u"; attributes: ";
      out_ += attributes;
      end_line();
    }
    out_ += u"Structure ";
    out_ += structure_names_[static_cast<std::size_t>(kind)];
    end_line();
    for (int field : fields_in_order(kind)) print_field(field);
    out_ += u"EndStructure";
    end_line();
  }

  void print_field(int kind) {
    const std::u16string& name = field_names_[static_cast<std::size_t>(kind)];
    out_ += u'\t';
    out_ += name;
    int held = held_kind(kind);
    if (is_structure_field(held)) {
      out_ += u'.';
      out_ += structure_names_[static_cast<std::size_t>(held)];
    } else {
      out_ += type_suffix(record(held).has_values ? record(held).value_type : ValueType::text);
    }
    std::u16string comment = field_comment(kind);
    if (!comment.empty()) {
      out_.append(column_width_ - name.size() - suffix_length(kind), u' ');
      out_ += u" ; ";
      out_ += comment;
    }
    end_line();
  }

  // "[]" for a list and "{}" for a map, outermost first ("{} []": a map of lists).
  std::u16string marks(int kind) const {
    std::u16string marks;
    for (;;) {
      if (record(kind).is_list()) marks += marks.empty() ? u"[]" : u" []";
      if (!catalogue_.is_map(kind)) return marks;
      marks += marks.empty() ? u"{}" : u" {}";
      kind = record(kind).map_value;
    }
  }

  // The marks, then the element's name when the field's differs, then the attributes.
  std::u16string field_comment(int kind) const {
    std::u16string details;
    std::u16string element_name = printable_name(catalogue_.element_name(kind));
    if (field_names_[static_cast<std::size_t>(kind)] != element_name) {
      details += u"name: ";
      details += element_name;
    }
    const std::u16string& attributes = attribute_lists_[static_cast<std::size_t>(kind)];
    if (!attributes.empty()) {
      if (!details.empty()) details += u' ';
      details += u"attributes: " + attributes;
    }
    std::u16string shown_marks = marks(kind);
    if (!shown_marks.empty()) return details.empty() ? shown_marks : shown_marks + u' ' + details;
    return details.empty() ? details : u"   " + details;
  }

  const ElementCatalogue& catalogue_;
  std::u16string_view line_end_;
  std::vector<int> blocks_;                      // in ascending key order
  std::vector<std::u16string> field_names_;      // by kind
  std::vector<std::u16string> structure_names_;  // by kind, for kinds that have a block
  std::vector<std::u16string> attribute_lists_;  // by kind
  std::size_t column_width_ = 0;
  const DeclarationSink& sink_;
  std::u16string out_;  // the lines not yet handed over
  bool refused_ = false;
};

}  // namespace

bool print_declarations(const ElementCatalogue& catalogue, const DeclarationStyle& style,
                        const DeclarationSink& sink) {
  if (catalogue.size() == 0) return true;
  return DeclarationPrinter(catalogue, style, sink).print();
}

std::u16string print_declarations(const ElementCatalogue& catalogue,
                                  const DeclarationStyle& style) {
  std::u16string text;
  print_declarations(catalogue, style, [&text](std::u16string_view lines) {
    text += lines;
    return true;
  });
  return text;
}

}  // namespace ambrel
