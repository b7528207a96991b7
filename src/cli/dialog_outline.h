#pragma once

// The laid-out object tree of an opened dialog as ambrel-dialog prints it.

#include <string>

#include "dialog/objects/dialog_object.h"

namespace ambrel {

// "window NAME W H" with the window's inner size, then one line per object, depth-first
// in creation order, two spaces of indent per level below the window (its children get two);
// below 16 levels the indent stays at 32 spaces and the line starts with "[DEPTH] ":
// "ELEMENT NAME X Y W H", the last rectangle the layout allocated ("- - - -" before any),
// followed by " gadget GX GY GW GH" when the gadget sits elsewhere. Lines end in "\n".
std::u16string dialog_outline(const DialogObject& window_object, int window);

}  // namespace ambrel
