#pragma once

// What the dialog registry holds for each dialog.

#include <memory>

#include "dialog/definition/definition_notes.h"
#include "dialog/definition/dialog_error.h"
#include "dialog/objects/window_object.h"

namespace ambrel {

struct DialogRecord {
  // The window object of the last successful open, or null (the root -1).
  std::unique_ptr<WindowObject> root;
  DialogError error;
  XmlPosition error_position;  // where the error points, found once the open is over
  DefinitionNotes notes;
};

// The record of a dialog number, or null.
DialogRecord* find_dialog_record(std::int32_t dialog);

// Destroys the record's object tree and closes its window when the window still exists.
void tear_down_window(DialogRecord& record);

}  // namespace ambrel
