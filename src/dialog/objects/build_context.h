#pragma once

// What the creators of definition objects share during one open.

#include <cstdint>

#include "dialog/definition/definition_notes.h"
#include "dialog/definition/dialog_error.h"
#include "dialog/definition/element_view.h"
#include "dialog/objects/panel_stack.h"

namespace ambrel {

class DialogObject;

struct BuildContext {
  DialogError& error;
  // What the open observes about the definition besides its first error.
  DefinitionNotes& notes;
  // The number of the dialog's window, which every event binding names.
  std::int32_t window = -1;
  PanelStack panels;
  // The object the element being created will be added to.
  DialogObject* parent = nullptr;

  // The element as the readers see it, telling the notes what they take and warn about.
  ElementView view_of(const XmlNode& node) const { return element_view_of(node, &notes); }
};

}  // namespace ambrel
