#pragma once

#include "xml/xml_node.h"

namespace ambrel {

// What a message about a definition points at: an element, or one of its attributes.
struct DefinitionPlace {
  const XmlNode* element = nullptr;  // null: nowhere in particular
  int attribute = -1;                // -1: the element itself
};

}  // namespace ambrel
