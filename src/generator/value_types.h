#pragma once

#include <string_view>

namespace ambrel {

// The classes of leaf texts, narrowest first; a field takes the widest class of its texts.
enum class ValueType { integer, decimal, text };

// Classifies a text handed over in pieces exactly as infer_value_type classifies it
// whole. Costs nothing per unit once the text is known to be text.
class ValueTypeScan {
 public:
  void add(std::u16string_view chars);
  ValueType type() const;

 private:
  bool started_ = false;
  bool invalid_ = false;
  bool digits_ = false;     // a leading "-" counts as a digit
  bool separator_ = false;  // the one "." or "," allowed after a digit
};

// Classifies one text: ASCII digits with at most one leading "-" (counted as a digit)
// are an integer; with exactly one "." or "," after a digit a decimal; anything else,
// the empty text included, is text.
ValueType infer_value_type(std::u16string_view value);

// The wider of two classes.
inline ValueType merge_value_types(ValueType a, ValueType b) { return a < b ? b : a; }

// ".q", ".f" or ".s".
std::u16string_view type_suffix(ValueType type);

}  // namespace ambrel
