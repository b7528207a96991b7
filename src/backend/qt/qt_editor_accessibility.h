#pragma once

namespace ambrel {

// Makes the accessible interface of every QtEditorWidget the backend's own (see
// qt_editor_accessibility.cpp); called as each editor is made.
void use_editor_accessibility();

}  // namespace ambrel
