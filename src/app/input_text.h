#pragma once

// A new input as a load or a paste hands it to the tool: one text with two readers, since the
// input editor shows it and the worker declares it, each at its own pace.

#include <cstdint>
#include <memory>

#include "support/text_stream.h"

namespace ambrel {

struct InputText {
  std::unique_ptr<TextStream::Reader> shown;     // the fill of the input editor's
  std::shared_ptr<TextStream::Reader> declared;  // the worker's
  // About how many units the text will have, for the editor to make room at once; 0 unknown.
  std::uint64_t expected_units = 0;
};

}  // namespace ambrel
