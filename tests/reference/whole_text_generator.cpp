#include "whole_text_generator.h"

#include <new>

namespace ambrel {

namespace {

DocumentResult out_of_memory(DocumentFormat format) {
  DocumentResult result;
  result.format = format;
  result.xml.status = XmlStatus::out_of_memory;
  result.json.status = JsonStatus::out_of_memory;
  return result;
}

}  // namespace

GeneratedDeclarations finish_generation(DeclarationGenerator& generator) {
  GeneratedDeclarations result{{}, generator.end_document()};
  try {
    result.text = generator.declarations();
  } catch (const std::bad_alloc&) {
    result.text.clear();
    result.parse_result = out_of_memory(result.parse_result.format);
  }
  return result;
}

GeneratedDeclarations generate_declarations_with_status(std::u16string_view text) {
  try {
    DeclarationGenerator generator;
    generator.feed(text);
    return finish_generation(generator);
  } catch (const std::bad_alloc&) {
    return {{}, out_of_memory(DocumentFormat::xml)};
  }
}

std::u16string generate_declarations(std::u16string_view text) {
  return generate_declarations_with_status(text).text;
}

}  // namespace ambrel
