// Compiles an arbitrary pattern and applies it to an arbitrary subject, with the input
// split at NUL units into pattern, subject and replacement.
#include <cstddef>
#include <cstdint>

#include "compiled_regex.h"
#include "fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::vector<std::u16string> pieces = split_at_nul(fuzz_text(data, size), 3);
  const std::u16string& pattern = pieces[0];
  const std::u16string& subject = pieces[1];
  const std::u16string& replacement = pieces[2];

  CompiledRegex expression(pattern);
  if (!expression.compiled()) {
    fuzz_require(expression.replace(subject, replacement).empty(), "no expression, no text");
    return 0;
  }
  std::u16string replaced = expression.replace(subject, replacement);
  // Removing matches can only shorten the subject: every unit kept is copied once.
  fuzz_require(expression.replace(subject, u"").size() <= subject.size(), "removal shrinks");
  // The match data an expression keeps between searches carries nothing over.
  CompiledRegex again(pattern);
  fuzz_require(again.compiled(), "a pattern that compiled once compiles again");
  fuzz_require(again.replace(subject, replacement) == replaced, "same pattern, same result");
  return 0;
}
