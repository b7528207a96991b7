#pragma once

namespace ambrel {

// Makes the accessible interface of every QtEditorWidget the backend's own (see
// qt_editor_accessibility.cpp); once per process, from the first editor on.
void use_editor_accessibility();

}  // namespace ambrel
