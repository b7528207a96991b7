#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "declarations_shape.h"
#include "support/unicode_text.h"

namespace ambrel {

// Declarations that have the shape every output must have, in valid UTF-16.
inline ::testing::AssertionResult well_formed(std::u16string_view declarations) {
  if (const char* fault = declarations_shape_fault(declarations)) {
    return ::testing::AssertionFailure() << fault;
  }
  if (!is_valid_utf16(declarations)) return ::testing::AssertionFailure() << "a lone surrogate";
  return ::testing::AssertionSuccess();
}

}  // namespace ambrel
