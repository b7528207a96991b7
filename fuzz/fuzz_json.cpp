// The JSON path: arbitrary text read as JSON, whole and in pieces of sizes the input picks,
// must give the same declarations and the same result, and declarations of the right shape.
#include <cstddef>
#include <cstdint>
#include <string>

#include "declarations_shape.h"
#include "fuzz_text.h"
#include "generator/declaration_generator.h"
#include "whole_text_generator.h"

namespace {

ambrel::GeneratedDeclarations in_pieces(std::u16string_view text, std::size_t piece) {
  ambrel::DeclarationGenerator generator(ambrel::FormatChoice::json);
  for (std::size_t at = 0; at < text.size(); at += piece) generator.feed(text.substr(at, piece));
  return finish_generation(generator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  if (size < 2) return 0;
  std::size_t piece = 1 + data[0] % 17;
  std::u16string text = fuzz_text(data + 1, size - 1);
  GeneratedDeclarations whole = in_pieces(text, text.size() + 1);
  GeneratedDeclarations cut = in_pieces(text, piece);
  fuzz_require(whole.text == cut.text, "the same declarations in pieces");
  fuzz_require(whole.parse_result.ok() == cut.parse_result.ok() &&
                   whole.parse_result.line() == cut.parse_result.line() &&
                   whole.parse_result.column() == cut.parse_result.column(),
               "the same result in pieces");
  fuzz_require(declarations_shape_fault(whole.text, u"JSON_MAIN") == nullptr,
               "declarations of the right shape");
  return 0;
}
