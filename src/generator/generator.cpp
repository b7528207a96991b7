#include "generator/generator.h"

#include "generator/declaration_generator.h"

namespace ambrel {

std::u16string generate_declarations(std::u16string_view xml_text) {
  return generate_declarations_with_status(xml_text).text;
}

}  // namespace ambrel
