#pragma once

namespace ambrel {

// The platform's Unicode case tables for one UTF-16 unit outside ASCII and outside the
// surrogates; the unit itself when it has no single-unit mapping. One file per platform
// (case_mapping_posix.cpp, case_mapping_win32.cpp).
char16_t unicode_lower_case(char16_t unit);
char16_t unicode_upper_case(char16_t unit);

}  // namespace ambrel
