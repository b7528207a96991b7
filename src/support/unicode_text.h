#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ambrel {

// Conversions at the edges (files, terminals, libraries that want bytes). Inside, text is
// UTF-16; these never fail: what cannot be represented becomes U+FFFD.

inline constexpr char16_t kReplacementCharacter = u'\uFFFD';

inline bool is_high_surrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool is_low_surrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// True when `text` holds any surrogate, paired or not; quick enough to ask before
// is_valid_utf16 of every part of a long text.
bool contains_surrogate(std::u16string_view text);

// True when every surrogate of `text` belongs to a pair.
bool is_valid_utf16(std::u16string_view text);

// `text` with every unpaired surrogate replaced by U+FFFD, as a round trip through UTF-8 gives.
std::u16string replace_lone_surrogates(std::u16string_view text);

// Appends the UTF-16 form of one code point (at most U+10FFFF).
void append_code_point(std::u16string& out, char32_t code_point);

// UTF-8 form of `text`; an unpaired surrogate becomes U+FFFD.
std::string utf16_to_utf8(std::u16string_view text);

// UTF-16 form of UTF-8 bytes; every ill-formed sequence becomes one U+FFFD per maximal part.
std::u16string utf8_to_utf16(std::string_view bytes);
// The same, appended to `out`.
void append_utf8_as_utf16(std::string_view bytes, std::u16string& out);

}  // namespace ambrel
