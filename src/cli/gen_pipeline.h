#pragma once

#include "cli/gen_options.h"

namespace ambrel {

// ambrel-gen's exit statuses, as its --help explains them.
enum GenStatus {
  kGenWellFormed = 0,
  kGenMalformed = 1,
  kGenUsageError = 2,
  kGenUnreadableInput = 3,
  kGenWriteError = 4,
  kGenOutOfMemory = 5,
};

// Reads every input a piece at a time straight into one catalogue (see
// DeclarationGenerator), writes the declarations as they are printed and reports each
// input's faults on standard error. Memory holds the catalogue and a piece, whatever the
// sizes of the inputs and of the output.
int generate_from_inputs(const GenOptions& options);

}  // namespace ambrel
