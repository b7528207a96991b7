#pragma once

// Every element kind a definition may use, one row each, as kinds.def lists them: its name
// and the function that builds its object. Element names are matched without regard to
// case. What else the engine knows of a kind comes from the same list where it is used: its
// flags, event attributes and creation arguments in definition/, its gadget's kind, sizing
// and content in objects/.

#include <memory>
#include <span>
#include <string_view>

#include "dialog/definition/dialog_kind.h"

namespace ambrel {

struct BuildContext;
class DialogObject;
struct XmlNode;

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

// The row of an element name, or null for a name the engine does not know.
const ElementKind* find_element_kind(std::u16string_view element);

// The row of a kind code, or null for a code no kind has.
const ElementKind* element_kind_of(DialogKind kind);

// Every row, in the order elements are looked up.
std::span<const ElementKind> element_kinds();

// The element name of a kind code (lower case).
std::u16string_view element_name_of(DialogKind kind);

}  // namespace ambrel
