// Declarations with --identifiers where names collide: 10,000 and 20,000 element kinds whose
// names all give one identifier (two CJK characters each become "__"), once as structures
// and once as leaf fields of one structure. Prints the time of the generation without and
// with identifiers (target with them: 20,000 collisions within 1 s; doubling the kinds about
// doubles it).

#include <chrono>
#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "generator/declaration_generator.h"

namespace {

// The i-th of 40,000 names of two CJK characters.
std::u16string cjk_name(int i) {
  return {static_cast<char16_t>(0x4E00 + i / 200), static_cast<char16_t>(0x4E00 + i % 200)};
}

// `count` kinds under one root: structures (each with a child) or leaf fields.
std::u16string colliding_document(int count, bool structures) {
  std::u16string text = u"<r>";
  for (int i = 0; i < count; ++i) {
    std::u16string name = cjk_name(i);
    text += u"<" + name + u">" + (structures ? u"<v>1</v>" : u"1") + u"</" + name + u">";
  }
  return text + u"</r>";
}

double seconds_to_declare(const std::u16string& text, bool identifiers) {
  auto start = ambrel::bench::Clock::now();
  ambrel::DeclarationGenerator generator;
  generator.feed(text);
  generator.end_document();
  std::u16string declarations = generator.declarations({identifiers, false});
  double seconds = ambrel::bench::seconds_since(start);
  if (declarations.empty()) std::printf("  (nothing declared)\n");
  return seconds;
}

}  // namespace

int main() {
  for (bool structures : {true, false}) {
    for (int count : {10000, 20000}) {
      std::u16string text = colliding_document(count, structures);
      double plain = seconds_to_declare(text, false);
      double named = seconds_to_declare(text, true);
      std::printf(
          "%-16s %6d colliding names: without --identifiers %7.3f s, with %7.3f s "
          "(target <= 1 s at 20,000)\n",
          structures ? "structures" : "leaf fields", count, plain, named);
    }
  }
  return 0;
}
