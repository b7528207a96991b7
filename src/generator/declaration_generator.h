#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "generator/declarations.h"
#include "generator/document_format.h"
#include "generator/document_result.h"
#include "generator/map_choice.h"

namespace ambrel {

// Generates declarations from an XML or JSON text (see FormatDetection) handed over in pieces of
// any size (split anywhere, surrogate pairs included), straight from the parser's events: memory
// holds the catalogue, the open elements and one piece, never the document. The pieces may be
// split anywhere: the result is the one of the whole text. Needs no library start-up.
//
// Several documents, one after the other, give one set of declarations covering all of
// them: a kind's attribute names, texts (hence its type) and list mark gather over every
// document that has it; each document's top element is its own parent instance (two
// documents with the same root make no list); the printed name and marked path are those
// of the last document that has the kind. One document gives exactly its own declarations.
// The documents are all of the first one's format: a document of the other is not read. The
// values of a JSON text are samples of their own, as documents are.
class DeclarationGenerator {
 public:
  explicit DeclarationGenerator(FormatChoice choice = FormatChoice::detect, MapChoice maps = {});
  ~DeclarationGenerator();
  DeclarationGenerator(const DeclarationGenerator&) = delete;
  DeclarationGenerator& operator=(const DeclarationGenerator&) = delete;

  // The next piece of UTF-16 text of the current document. Pieces after a fault in the
  // document are ignored.
  void feed(std::u16string_view piece);
  // Ends the current document (the empty one when nothing was fed since the last) and gives
  // its parse result (for XML as xml_parse_result would); what was parsed before a fault
  // stays filed. The next piece starts another document.
  DocumentResult end_document();
  // The declarations of every document ended so far. Throws std::bad_alloc when memory ran
  // out, here or while filing.
  std::u16string declarations(const DeclarationStyle& style = {}) const;
  // The same declarations handed to `sink` as they are printed (see print_declarations);
  // false when the sink refused a piece.
  bool declarations(const DeclarationStyle& style, const DeclarationSink& sink) const;
  // The paths forced a map or a record that no kind of the documents so far had.
  std::vector<std::u16string> unmatched_forced_paths() const;

 private:
  struct State;
  void feed_document(std::u16string_view piece);
  std::unique_ptr<State> state_;
};

}  // namespace ambrel
