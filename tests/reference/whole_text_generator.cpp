#include "whole_text_generator.h"

#include <new>

namespace ambrel {

GeneratedDeclarations finish_generation(DeclarationGenerator& generator) {
  GeneratedDeclarations result{{}, generator.end_document()};
  try {
    result.text = generator.declarations();
  } catch (const std::bad_alloc&) {
    result.text.clear();
    result.parse_result = DocumentResult::memory_ran_out(result.parse_result.format);
  }
  return result;
}

GeneratedDeclarations generate_declarations_with_status(std::u16string_view text) {
  try {
    DeclarationGenerator generator;
    generator.feed(text);
    return finish_generation(generator);
  } catch (const std::bad_alloc&) {
    return {{}, DocumentResult::memory_ran_out(DocumentFormat::xml)};
  }
}

std::u16string generate_declarations(std::u16string_view text) {
  return generate_declarations_with_status(text).text;
}

}  // namespace ambrel
