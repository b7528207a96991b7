#pragma once

// What the headless backend does with a control's value and a click on it, by kind: the
// one place the headless backend lists every control kind.

#include "ui/backend/backend.h"

namespace ambrel {

enum class HeadlessValue {
  None,     // the value stays as it is
  Pressed,  // no value; a left click is the control's command
  Check,    // 0, 1 (or 2 when three-state); a click toggles it and is a command
  Option,   // selecting one deselects its group; a click selects it and is a command
  Page,     // the shown page
  Ranged,   // kept within the range
  Item,     // an item index, or -1
};

HeadlessValue headless_value_of(ControlKind kind);

}  // namespace ambrel
