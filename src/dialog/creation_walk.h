#pragma once

// The creation walk: turns the element children of a node into objects under a parent,
// depth-first in document order, with an explicit stack. It stops at the first recorded
// error; objects not yet added to their parent are destroyed then.

#include "dialog/objects/build_context.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

void run_creation_walk(DialogObject& root, const XmlNode& element, BuildContext& context);

}  // namespace ambrel
