#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// What one generation gives.
struct GeneratedDeclarations {
  // The declarations text (see print_declarations): for a text that is not well-formed,
  // of what was parsed before the fault; empty when no element was parsed, and empty
  // when memory ran out while filing or printing.
  std::u16string text;
  // As xml_parse_status reports it after xml_parse_text of the same whole text: all zero
  // when well-formed; status 1 ("out of memory") when memory ran out anywhere.
  XmlParseStatus status;
};

// Generates declarations from an XML text handed over in pieces of any size (split
// anywhere, surrogate pairs included), straight from the parser's events: memory holds
// the catalogue, the open elements and one piece, never the document. The result is the
// one generate_declarations gives for the whole text. Needs no library start-up.
class DeclarationGenerator {
 public:
  DeclarationGenerator();
  ~DeclarationGenerator();
  DeclarationGenerator(const DeclarationGenerator&) = delete;
  DeclarationGenerator& operator=(const DeclarationGenerator&) = delete;

  // The next piece of UTF-16 text. Pieces after a fault are ignored.
  void feed(std::u16string_view piece);
  // Ends the text. Call once; the generator is spent afterwards.
  GeneratedDeclarations finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The declarations of a whole text with the parse status, in one call.
GeneratedDeclarations generate_declarations_with_status(std::u16string_view xml_text);

}  // namespace ambrel
