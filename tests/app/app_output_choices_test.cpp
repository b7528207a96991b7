// The output editor's own choices, through the real event loop on the virtual clock: names
// that compile, LF line ends for Copy all and maps, chosen from its context menu, kept in the
// user's settings for the next run, and names that compile from the command line.

#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>

#include <filesystem>
#endif

#include "app/output_choices.h"
#include "app_fixture.h"
#include "generator/declaration_generator.h"

namespace ambrel {
namespace {

constexpr std::u16string_view kDocument =
    u"<order><first-name>Ann</first-name><item-count>2</item-count></order>";

// A dictionary of ids to records: two structures with maps, three without.
constexpr std::u16string_view kDictionary =
    u"{\"users\":{\"1001\":{\"name\":\"Ann\"},\"1002\":{\"name\":\"Bo\"}}}";

std::u16string declared(std::u16string_view text, DeclarationStyle style) {
  DeclarationGenerator generator(FormatChoice::detect, MapChoice{style.detect_maps, {}, {}});
  generator.feed(text);
  generator.end_document();
  return generator.declarations(style);
}

class AppOutputChoicesTest : public AppTest {
 protected:
  // A store of the test's own, gone afterwards.
#if defined(_WIN32)
  void SetUp() override {
    store_ = L"Software\\AmbrelChoicesTest-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_NO_FATAL_FAILURE(start(false));
  }
  void TearDown() override {
    AppTest::TearDown();
    RegDeleteTreeW(HKEY_CURRENT_USER, store_.c_str());
  }
#else
  void SetUp() override {
    char pattern[] = "/tmp/ambrel_choices_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
    store_ = folder_ + "/ambrel/settings";
    ASSERT_NO_FATAL_FAILURE(start(false));
  }
  void TearDown() override {
    AppTest::TearDown();
    std::filesystem::remove_all(folder_);
  }
  std::string folder_;
#endif

  // Starts the application anew, its choices kept in this test's store.
  void start(bool identifiers) {
    if (headless != nullptr) application_end();
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    OutputChoices choices{SettingsStore(store_), identifiers};
    ASSERT_EQ(application_start(std::move(backend), std::move(choices)), 0);
    running = true;
  }

  std::vector<bool> checks() const {
    std::vector<bool> checked;
    for (const EditorMenuItem& item : headless->editor_menu_items(handle(u"txtOut")))
      checked.push_back(item.checked);
    return checked;
  }

  void choose(int item) {
    EXPECT_TRUE(headless->user_choose_editor_menu_item(handle(u"txtOut"), item));
  }

  NativePath store_;
};

TEST_F(AppOutputChoicesTest, TheMenuTurnsTheChoicesOverAndTheNextRunKeepsThem) {
  const std::vector<EditorMenuItem>& items = headless->editor_menu_items(handle(u"txtOut"));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].caption, u"Valid identifiers");
  EXPECT_EQ(items[1].caption, u"LF line ends");
  EXPECT_EQ(items[2].caption, u"Detect maps");
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, true}));

  headless->set_clipboard_text(kDocument);
  at(10, [this] { click(u"cmdPaste"); });
  at(11, [this] {
    EXPECT_EQ(text(u"txtOut"), declared(kDocument, {}));
    choose(OutputChoices::kIdentifiersItem);
  });
  // Regenerated at once, without the typing's second.
  at(12, [this] {
    EXPECT_EQ(text(u"txtOut"), declared(kDocument, {.identifiers = true}));
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, true}));
    choose(OutputChoices::kLfLineEndsItem);
    click(u"cmdCopyAll");
    EXPECT_EQ(headless->clipboard_text(),
              declared(kDocument, {.identifiers = true, .lf_line_ends = true}));
  });
  run_until_closed_at(13);

  ASSERT_NO_FATAL_FAILURE(start(false));
  EXPECT_EQ(checks(), (std::vector<bool>{true, true, true}));
  headless->set_clipboard_text(kDocument);
  at(10, [this] { click(u"cmdPaste"); });
  at(11, [this] {
    EXPECT_EQ(text(u"txtOut"), declared(kDocument, {.identifiers = true}));
    choose(OutputChoices::kLfLineEndsItem);
    click(u"cmdCopyAll");
    EXPECT_EQ(headless->clipboard_text(), declared(kDocument, {.identifiers = true}));
  });
  run_until_closed_at(12);
}

TEST_F(AppOutputChoicesTest, TheCommandLineTurnsValidIdentifiersOnForTheRun) {
  ASSERT_NO_FATAL_FAILURE(start(true));
  EXPECT_EQ(checks(), (std::vector<bool>{true, false, true}));
  headless->set_clipboard_text(kDocument);
  at(10, [this] { click(u"cmdPaste"); });
  at(11, [this] { EXPECT_EQ(text(u"txtOut"), declared(kDocument, {.identifiers = true})); });
  run_until_closed_at(12);
  // Nothing was chosen, so nothing was kept.
  ASSERT_NO_FATAL_FAILURE(start(false));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, true}));
}

TEST_F(AppOutputChoicesTest, DetectMapsTurnsOffAtOnceAndTheNextRunKeepsItOff) {
  ASSERT_NE(declared(kDictionary, {}), declared(kDictionary, {.detect_maps = false}));
  headless->set_clipboard_text(kDictionary);
  at(10, [this] { click(u"cmdPaste"); });
  at(11, [this] {
    EXPECT_EQ(text(u"txtOut"), declared(kDictionary, {}));
    choose(OutputChoices::kDetectMapsItem);
  });
  at(12, [this] {
    EXPECT_EQ(text(u"txtOut"), declared(kDictionary, {.detect_maps = false}));
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, false}));
  });
  run_until_closed_at(13);

  ASSERT_NO_FATAL_FAILURE(start(false));
  EXPECT_EQ(checks(), (std::vector<bool>{false, false, false}));
  headless->set_clipboard_text(kDictionary);
  at(10, [this] { click(u"cmdPaste"); });
  at(11, [this] { EXPECT_EQ(text(u"txtOut"), declared(kDictionary, {.detect_maps = false})); });
  run_until_closed_at(12);
}

}  // namespace
}  // namespace ambrel
