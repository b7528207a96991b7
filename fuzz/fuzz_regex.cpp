// Compiles an arbitrary pattern and applies it to an arbitrary subject, with the input
// split at NUL units into pattern, subject and replacement.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz_text.h"
#include "services/services.h"
#include "support/regex.h"

// Each input runs on services of its own, so that their end, which frees every expression,
// is part of what is checked.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::unique_ptr<Services> services = Services::start();
  fuzz_require(services != nullptr, "the services start");
  std::vector<std::u16string> pieces = split_at_nul(fuzz_text(data, size), 3);
  const std::u16string& pattern = pieces[0];
  const std::u16string& subject = pieces[1];
  const std::u16string& replacement = pieces[2];

  constexpr int kExplicit = 3;
  if (regex_create(kExplicit, pattern) == 0) {
    fuzz_require(regex_replace(kExplicit, subject, replacement).empty(), "no expression, no text");
    return 0;
  }
  regex_replace(kExplicit, subject, replacement);
  // Removing matches can only shorten the subject: every unit kept is copied once.
  fuzz_require(regex_replace(kExplicit, subject, u"").size() <= subject.size(), "removal shrinks");

  // Re-creating under the same number frees the old expression; an automatic one lives
  // beside it until the services end.
  int automatic = regex_create(-1, pattern);
  fuzz_require(automatic != 0, "a pattern that compiled once compiles again");
  fuzz_require(regex_replace(automatic, subject, replacement) ==
                   regex_replace(kExplicit, subject, replacement),
               "same pattern, same result");
  regex_create(kExplicit, pattern);
  services.reset();
  services = Services::start();
  fuzz_require(regex_replace(automatic, subject, u"").empty(), "freed with the services");
  return 0;
}
