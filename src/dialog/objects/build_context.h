#pragma once

// What the creators of definition objects share during one open.

#include <cstdint>

#include "dialog/definition/dialog_error.h"
#include "dialog/objects/panel_stack.h"

namespace ambrel {

class DialogObject;

struct BuildContext {
  DialogError& error;
  // The number of the dialog's window, which every event binding names.
  std::int32_t window = -1;
  PanelStack panels;
  // The object the element being created will be added to.
  DialogObject* parent = nullptr;
};

}  // namespace ambrel
