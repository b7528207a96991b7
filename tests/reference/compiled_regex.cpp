#include "compiled_regex.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <memory>
#include <new>

#include "support/unicode_text.h"

namespace ambrel {

namespace {

struct CodeDeleter {
  void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

}  // namespace

struct RegexCode {
  std::unique_ptr<pcre2_code, CodeDeleter> code;
  std::unique_ptr<pcre2_match_data, MatchDataDeleter> match_data;
};

namespace {

PCRE2_SPTR units_of(std::u16string_view text) { return reinterpret_cast<PCRE2_SPTR>(text.data()); }

// Every search runs on valid UTF-16, so PCRE2 never has to check it again.
std::unique_ptr<RegexCode> compile(std::u16string_view pattern) {
  int error = 0;
  PCRE2_SIZE error_offset = 0;
  pcre2_code* code = pcre2_compile(units_of(pattern), pattern.size(),
                                   PCRE2_UTF | PCRE2_NO_UTF_CHECK, &error, &error_offset, nullptr);
  if (code == nullptr) return nullptr;
  auto expression = std::make_unique<RegexCode>();
  expression->code.reset(code);
  expression->match_data.reset(pcre2_match_data_create_from_pattern(code, nullptr));
  if (!expression->match_data) return nullptr;
  return expression;
}

std::size_t character_length(std::u16string_view text, std::size_t at) {
  bool pair = is_high_surrogate(text[at]) && at + 1 < text.size() && is_low_surrogate(text[at + 1]);
  return pair ? 2 : 1;
}

std::u16string replace_all(RegexCode& expression, std::u16string_view subject,
                           std::u16string_view replacement) {
  std::u16string out;
  out.reserve(subject.size());
  std::size_t position = 0;  // first unit not yet copied
  std::size_t search_from = 0;
  while (search_from <= subject.size()) {
    int found = pcre2_match(expression.code.get(), units_of(subject), subject.size(), search_from,
                            PCRE2_NO_UTF_CHECK, expression.match_data.get(), nullptr);
    if (found <= 0) break;  // no further match, or any error: keep the rest as it is
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(expression.match_data.get());
    std::size_t start = offsets[0];
    std::size_t end = offsets[1];
    if (start < position || end < start) break;  // \K tricks can move a match backwards
    out.append(subject.substr(position, start - position));
    out.append(replacement);
    position = end;
    search_from = end;
    if (end == start) {
      if (end == subject.size()) break;
      std::size_t step = character_length(subject, end);
      out.append(subject.substr(end, step));
      position = end + step;
      search_from = position;
    }
  }
  out.append(subject.substr(position));
  return out;
}

}  // namespace

CompiledRegex::CompiledRegex(std::u16string_view pattern) {
  if (pattern.data() == nullptr) return;
  try {
    expression_ =
        is_valid_utf16(pattern) ? compile(pattern) : compile(replace_lone_surrogates(pattern));
  } catch (const std::bad_alloc&) {
    expression_.reset();
  }
}

CompiledRegex::~CompiledRegex() = default;

std::u16string CompiledRegex::replace(std::u16string_view subject,
                                      std::u16string_view replacement) {
  if (!expression_ || subject.data() == nullptr) return {};
  try {
    std::u16string clean_replacement;
    if (!is_valid_utf16(replacement)) {
      clean_replacement = replace_lone_surrogates(replacement);
      replacement = clean_replacement;
    }
    if (is_valid_utf16(subject)) return replace_all(*expression_, subject, replacement);
    return replace_all(*expression_, replace_lone_surrogates(subject), replacement);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace ambrel
