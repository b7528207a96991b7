#include "generator/generator.h"

#include "generator/declaration_generator.h"

namespace ambrel {

std::u16string generate_declarations(std::u16string_view text) {
  return generate_declarations_with_status(text).text;
}

}  // namespace ambrel
