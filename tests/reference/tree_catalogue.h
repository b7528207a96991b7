#pragma once

// A parsed document's tree replayed as the events it was built from: the streaming filing is
// checked against the document the XML service builds.

#include "generator/catalogue.h"
#include "xml/xml_node.h"

namespace ambrel {

// Files `first_node` (a child of the document's root node, such as the main node), its
// following siblings and all their descendants into `catalogue`, in document order. Nodes
// other than elements are skipped with everything below them. A null node files nothing.
void catalogue_elements(const XmlNode* first_node, ElementCatalogue& catalogue);

}  // namespace ambrel
