#pragma once

// A compiled regular expression, matched on UTF-16 text with the semantics of UTF mode: "."
// is one character, a surrogate pair included. Text that is not valid UTF-16 is matched as
// if each unpaired surrogate were U+FFFD. The first walk of the declarations took the
// indices out of node paths with one ("\[.*?\]"); the literal generator still does.

#include <memory>
#include <string>
#include <string_view>

namespace ambrel {

struct RegexCode;  // the compiled pattern and its match data

class CompiledRegex {
 public:
  // Compiles `pattern`; a null view (no data) or a pattern that does not compile leaves an
  // expression that matches nothing (see compiled).
  explicit CompiledRegex(std::u16string_view pattern);
  ~CompiledRegex();
  CompiledRegex(const CompiledRegex&) = delete;
  CompiledRegex& operator=(const CompiledRegex&) = delete;

  bool compiled() const { return expression_ != nullptr; }

  // `subject` with every match replaced by `replacement`, taken literally. The empty text
  // when the pattern did not compile, the subject is null, or memory runs out. After an
  // empty match the search moves on by one character.
  std::u16string replace(std::u16string_view subject, std::u16string_view replacement);

 private:
  std::unique_ptr<RegexCode> expression_;
};

}  // namespace ambrel
