#pragma once

// What the headless backend does with a control by its kind: the one place the headless
// backend lists every control kind.

#include "backend/backend.h"

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

struct HeadlessKind {
  HeadlessValue value = HeadlessValue::None;
  // The value starts at -1, no item chosen, rather than at the range's minimum.
  bool starts_without_item = false;
  // The user types into it, one change command per UTF-16 unit.
  bool takes_typing = false;
  // The smallest size at which it shows its content; 0 x 0 for kinds that draw nothing fixed.
  Size minimum{};
};

HeadlessKind headless_kind_of(ControlKind kind);

}  // namespace ambrel
