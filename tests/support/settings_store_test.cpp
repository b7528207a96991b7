#include "support/settings_store.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#endif

namespace ambrel {
namespace {

// A store of its own for each test, gone afterwards.
class SettingsStoreTest : public ::testing::Test {
 protected:
#if defined(_WIN32)
  void SetUp() override {
    location_ = L"Software\\AmbrelSettingsTest-" + std::to_wstring(GetCurrentProcessId());
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, location_.c_str()); }
#else
  void SetUp() override {
    char pattern[] = "/tmp/ambrel_settings_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
    location_ = folder_ + "/ambrel/settings";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string folder_;
#endif
  NativePath location_;
};

TEST_F(SettingsStoreTest, AChoiceOutlivesTheStoreAndKeepsTheOthers) {
  {
    SettingsStore store(location_);
    EXPECT_FALSE(store.flag("identifiers", false));  // nothing kept yet: the default
    EXPECT_TRUE(store.flag("identifiers", true));
    EXPECT_TRUE(store.set_flag("identifiers", true));
    EXPECT_TRUE(store.set_flag("lf-line-ends", false));
  }
  SettingsStore store(location_);
  EXPECT_TRUE(store.flag("identifiers", false));
  EXPECT_FALSE(store.flag("lf-line-ends", true));
  EXPECT_TRUE(store.set_flag("identifiers", false));
  EXPECT_FALSE(store.flag("identifiers", true));
  EXPECT_FALSE(store.flag("lf-line-ends", true));
}

#if !defined(_WIN32)
TEST_F(SettingsStoreTest, AStoreThatCannotBeReadOrWrittenGivesTheDefaults) {
  std::filesystem::create_directories(folder_ + "/ambrel");
  std::ofstream(location_) << "identifiers\nlf-line-ends=yes\n=true\n# identifiers=true\n";
  SettingsStore garbled(location_);
  EXPECT_TRUE(garbled.flag("identifiers", true));
  EXPECT_FALSE(garbled.flag("identifiers", false));
  EXPECT_TRUE(garbled.flag("lf-line-ends", true));

  // A file where the folder should be: nothing kept, nothing thrown.
  std::ofstream(folder_ + "/blocked") << "a file";
  SettingsStore blocked(folder_ + "/blocked/ambrel/settings");
  EXPECT_FALSE(blocked.set_flag("identifiers", true));
  EXPECT_FALSE(blocked.flag("identifiers", false));

  SettingsStore nowhere{NativePath{}};
  EXPECT_FALSE(nowhere.set_flag("identifiers", true));
  EXPECT_TRUE(nowhere.flag("identifiers", true));
}
#endif

}  // namespace
}  // namespace ambrel
