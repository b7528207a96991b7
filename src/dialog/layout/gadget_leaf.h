#pragma once

// natural_size and allocate figures of the plain gadget objects (buttons, texts,
// list views, ...): the leaves of the object tree that only move their gadget.
// Kinds without a measure (editor, empty, tree, ...) request their WIDTH and
// HEIGHT as they are and need nothing from here.

#include <cstdint>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

// Measured kinds (button, text, checkbox, ...): the gadget's natural size,
// raised to WIDTH and HEIGHT.
Size measured_natural_size(Size gadget_natural, Size wish);

// A list view's HEIGHT rounded up to whole rows: row is the list control's row
// height, edges twice the system's vertical edge thickness.
int32_t list_view_natural_height(int32_t height, int32_t row, int32_t edges);

// Where a text or hyperlink gadget goes inside its allocated rectangle: two
// pixels lower, to sit on the line of neighbouring controls' text, when the
// room leaves need (max of HEIGHT and the gadget's natural height) intact.
// A bordered text keeps the whole rectangle.
Rect text_gadget_rect(Rect allocated, int32_t need, bool bordered);

}  // namespace ambrel::layout
