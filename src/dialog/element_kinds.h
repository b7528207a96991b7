#pragma once

// Every element kind a definition may use, in one table: element name -> kind code ->
// creator. Element names are matched without regard to case.

#include <memory>
#include <string_view>

#include "dialog/build_context.h"
#include "dialog/dialog_kind.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

// Creates the object of one element (and its gadget); reads the element's attributes and
// records their errors on the context. May return null.
using ObjectCreator = std::unique_ptr<DialogObject> (*)(BuildContext& context, const XmlNode& node,
                                                       DialogKind kind);

struct ElementKind {
  std::u16string_view element;  // lower case, as the inspector prints it
  DialogKind kind;
  // Null for "window", which only an open creates.
  ObjectCreator create;
};

// The entry of an element name, or null for a name the engine does not know.
const ElementKind* find_element_kind(std::u16string_view element);

// The element name of a kind code (lower case).
std::u16string_view element_name_of(DialogKind kind);

}  // namespace ambrel
