#pragma once

// Options with a GROUP attribute wait on their parent until its finish, then are created
// group by group, so that each group becomes one option group of the platform whatever
// the order of the elements.

#include <vector>

#include "dialog/objects/build_context.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

// Creates the options of `pending` in group order (first-seen group first, list order
// inside a group) and applies each one's DISABLED and INVISIBLE.
void create_grouped_options(const std::vector<PendingOption>& pending, BuildContext& context);

}  // namespace ambrel
