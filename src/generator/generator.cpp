#include "generator/generator.h"

#include <new>

#include "generator/catalogue.h"
#include "generator/declarations.h"
#include "support/object_registry.h"
#include "xml/xml_document.h"

namespace ambrel {

std::u16string generate_declarations(std::u16string_view xml_text) {
  int document = xml_parse_text(kAnyNumber, xml_text);
  if (xml_is_document(document) == 0) return {};
  try {
    ElementCatalogue catalogue;
    catalogue_elements(xml_main_node(document), catalogue);
    xml_free_document(document);
    return print_declarations(catalogue);
  } catch (const std::bad_alloc&) {
    xml_free_document(document);
    return {};
  }
}

}  // namespace ambrel
