#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "whole_text_generator.h"
#include "generator_test_support.h"
#include "literal_generator.h"
#include "random_document.h"
#include "support/object_registry.h"

namespace ambrel {
namespace {

class Differential : public GeneratorTest {};

TEST_F(Differential, FastWalkMatchesTheLiteralOneOnRandomDocuments) {
  int non_empty = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    std::u16string document = RandomDocument(seed).make();
    std::u16string expected = literal_declarations(document);
    std::u16string actual = generate_declarations(document);
    ASSERT_EQ(shown(actual), shown(expected)) << "seed " << seed << ": " << shown(document);
    if (!expected.empty()) ++non_empty;
  }
  EXPECT_GT(non_empty, 2500);  // the documents do exercise the walk
}

}  // namespace
}  // namespace ambrel
