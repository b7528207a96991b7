#pragma once

#include <optional>
#include <string_view>

namespace ambrel {

// The formats the generator reads.
enum class DocumentFormat { xml, json };

// Which format a text is read as: by its first character, or always the one given.
enum class FormatChoice { detect, xml, json };

// Detects a text's format from its start: JSON when its first character after a byte-order
// mark and blanks is "{" or "[" (XML cannot start with either), XML otherwise. Handed the
// text in pieces, it knows once a character other than those has come.
class FormatDetection {
 public:
  // The format once known from `piece`, which follows the pieces given before.
  std::optional<DocumentFormat> look_at(std::u16string_view piece);

 private:
  bool at_text_start_ = true;
};

}  // namespace ambrel
