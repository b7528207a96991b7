// Declarations computed off the user-interface thread: only the newest input's reach the
// output, and the window's output is the generator's, whichever way the text came in.

#include <filesystem>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "large_catalogue.h"
#include "whole_text_generator.h"
#include "support/platform_file.h"
#include "support/text_loading.h"

namespace ambrel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSourceDir = AMBREL_SOURCE_DIR;

TEST_F(AppTest, ANewInputDuringAGenerationGivesExactlyTheNewestDeclarations) {
  const std::u16string large = large_catalogue();
  headless->set_clipboard_text(large);
  click(u"cmdPaste");
  ASSERT_TRUE(application_window()->working());
  headless->set_clipboard_text(u"<small><v>1</v></small>");
  click(u"cmdPaste");
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<small><v>1</v></small>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<small><v>1</v></small>"));

  // Clear while a large paste is declared: nothing of it comes back.
  headless->set_clipboard_text(large);
  click(u"cmdPaste");
  click(u"cmdClear");
  settle();
  EXPECT_EQ(text(u"txtIn"), u"");
  EXPECT_EQ(text(u"txtOut"), u"");
  EXPECT_FALSE(enabled(u"cmdCopyAll"));
}

TEST_F(AppTest, AnEditDuringAGenerationIsDeclaredASecondLater) {
  const std::u16string large = large_catalogue();
  headless->set_clipboard_text(large);
  at(0, [this] { click(u"cmdPaste"); });
  // Typed while the paste's generation runs: it stops, and the text as edited is declared.
  at(0, [this] { headless->user_type(handle(u"txtIn"), u"<tail/>"); });
  at(999, [this] { EXPECT_EQ(text(u"txtOut"), u""); });
  // The keys came before the fill's first turn, at the end of the text then.
  at(1001, [this, &large] {
    EXPECT_EQ(text(u"txtIn"), u"<tail/>" + large);
    EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<tail/>" + large));
    EXPECT_TRUE(enabled(u"cmdCopyAll"));
  });
  run_until_closed_at(1002);
}

// The generator's own corpus and the samples, through Paste and through Open, give exactly
// what the generator gives for the file's text.
TEST_F(AppTest, TheWindowDeclaresEveryCorpusFileAsTheGeneratorDoes) {
  std::vector<fs::path> files;
  for (const char* folder : {"fuzz/corpus/generate", "samples"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(kSourceDir) / folder))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  ASSERT_GT(files.size(), 10u);
  for (const fs::path& file : files) {
    LoadedText loaded = load_text_file(native_path(file.u16string()));
    ASSERT_EQ(loaded.error, 0) << file;
    if (loaded.empty_file) continue;  // which loads nothing
    const std::u16string expected = generate_declarations(loaded.text);
    application_window()->load_file(file.u16string());
    settle();
    EXPECT_EQ(text(u"txtIn"), loaded.text) << "open " << file;
    EXPECT_EQ(text(u"txtOut"), expected) << "open " << file;
    if (loaded.text.empty()) continue;
    headless->set_clipboard_text(loaded.text);
    click(u"cmdClear");
    click(u"cmdPaste");
    settle();
    EXPECT_EQ(text(u"txtIn"), loaded.text) << "paste " << file;
    EXPECT_EQ(text(u"txtOut"), expected) << "paste " << file;
    EXPECT_EQ(enabled(u"cmdCopyAll"), !expected.empty()) << file;
  }
}

}  // namespace
}  // namespace ambrel
