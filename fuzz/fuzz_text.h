#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// Fuzz input bytes as UTF-16 text. The first byte picks the reading: odd means the rest
// are raw little-endian 16-bit units (so lone surrogates and any unit can occur), even
// means the rest are UTF-8 (so the dictionaries' ASCII words stay recognisable).
std::u16string fuzz_text(const std::uint8_t* data, std::size_t size);

// The text cut at every NUL unit, at most `count` pieces; missing pieces are empty.
std::vector<std::u16string> split_at_nul(std::u16string_view text, std::size_t count);

// Stops the run with a message when a checked property does not hold, so libFuzzer
// keeps the input as a crash.
void fuzz_require(bool holds, const char* what);

}  // namespace ambrel
