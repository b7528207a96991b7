#pragma once

// The declarations of a whole text in one call: what the streaming generator gives for a text
// handed over in pieces is checked against it.

#include <string>
#include <string_view>

#include "generator/declaration_generator.h"
#include "generator/document_result.h"

namespace ambrel {

// What one generation gives.
struct GeneratedDeclarations {
  // The declarations text (see print_declarations): for a text that is not well-formed,
  // of what was parsed before the fault; empty when no element was parsed, and empty
  // when memory ran out while filing or printing.
  std::u16string text;
  // For XML as xml_parse_result reports it after xml_parse_text of the same whole text: ok
  // when well-formed; out_of_memory when memory ran out anywhere.
  DocumentResult parse_result;
};

// Ends the generator's current document and gives the declarations with its status.
GeneratedDeclarations finish_generation(DeclarationGenerator& generator);

// The declarations of a whole XML or JSON text with the parse status.
GeneratedDeclarations generate_declarations_with_status(std::u16string_view text);
// The same, the text alone.
std::u16string generate_declarations(std::u16string_view text);

}  // namespace ambrel
