#include "support/settings_store.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
  static std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
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
}

// What a text editor of any system saves: CR LF, CR or LF line ends, a UTF-8 byte-order mark.
TEST_F(SettingsStoreTest, LinesEndedAsAnySystemEndsThemAreRead) {
  std::filesystem::create_directories(folder_ + "/ambrel");
  for (const char* text : {"a=true\r\nb=true\r\n", "a=true\rb=true\r",
                           "\xEF\xBB\xBF"
                           "a=true\nb=true",
                           "\xEF\xBB\xBF"
                           "a=true\r\nb=true"}) {
    std::ofstream(location_, std::ios::binary) << text;
    SettingsStore store(location_);
    EXPECT_TRUE(store.flag("a", false)) << text;
    EXPECT_TRUE(store.flag("b", false)) << text;
  }
}

// Nothing in the file's place may keep the program waiting or fill its memory: anything but
// a regular file gives the defaults, said in one line, and stays as it was.
TEST_F(SettingsStoreTest, AFileThatIsNoFileOnDiskGivesTheDefaultsAtOnce) {
  std::filesystem::create_directories(folder_ + "/ambrel");
  ASSERT_EQ(::mkfifo(location_.c_str(), 0600), 0);  // no writer: an open that waits never ends
  ::testing::internal::CaptureStderr();
  SettingsStore fifo(location_);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), std::string(program_invocation_short_name) +
                                                          ": settings file " + location_ +
                                                          ": not a regular file\n");
  EXPECT_TRUE(fifo.flag("a", true));
  EXPECT_FALSE(fifo.set_flag("a", false));
  EXPECT_TRUE(std::filesystem::is_fifo(location_));
  std::filesystem::remove(location_);
  std::filesystem::create_symlink("/dev/zero", location_);  // without end or line end
  ::testing::internal::CaptureStderr();
  SettingsStore device(location_);
  EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(device.flag("a", false));
  EXPECT_FALSE(device.set_flag("a", true));
}

// A name that holds a byte a terminal acts on reaches standard error quoted.
TEST_F(SettingsStoreTest, TheMessageQuotesAFileNameThatTheTerminalWouldActOn) {
  std::string folder = folder_ + "/a\x1b[2Jb";
  std::filesystem::create_directories(folder);
  ASSERT_EQ(::mkfifo((folder + "/settings").c_str(), 0600), 0);
  ::testing::internal::CaptureStderr();
  SettingsStore fifo(folder + "/settings");
  std::string message = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(message.find('\x1b'), std::string::npos) << message;
  EXPECT_NE(message.find("$'\\033'"), std::string::npos) << message;
}

// The file holds a handful of lines: what lies beyond its first few KiB is neither read nor
// kept, and a toggle writes no more than that.
TEST_F(SettingsStoreTest, OnlyTheStartOfALongFileIsReadAndKept) {
  std::filesystem::create_directories(folder_ + "/ambrel");
  std::string text = "first=true\n";
  while (text.size() < 3 * SettingsStore::kMostFileBytes) text += "unknown-choice=on\n";
  std::ofstream(location_, std::ios::binary) << text << "late=true\n";
  ::testing::internal::CaptureStderr();
  SettingsStore store(location_);
  EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(store.flag("first", false));
  EXPECT_FALSE(store.flag("late", false));
  EXPECT_TRUE(store.set_flag("second", true));
  EXPECT_LE(std::filesystem::file_size(location_), SettingsStore::kMostFileBytes);
  EXPECT_EQ(read_file(location_), "first=true\nsecond=true\nunknown-choice=on\n");
}

// As a dotfile manager keeps it: the link stays, and the file it reaches takes the choice.
TEST_F(SettingsStoreTest, AChoiceIsWrittenThroughLinksToTheFileTheyReach) {
  std::filesystem::create_directories(folder_ + "/ambrel");
  std::filesystem::create_directories(folder_ + "/dotfiles");
  std::ofstream(folder_ + "/dotfiles/settings") << "kept=true\n";
  std::filesystem::create_symlink("../dotfiles/link", location_);
  std::filesystem::create_symlink("settings", folder_ + "/dotfiles/link");
  std::filesystem::permissions(folder_ + "/dotfiles/settings", std::filesystem::perms(0640));
  SettingsStore store(location_);
  EXPECT_TRUE(store.set_flag("a", true));
  EXPECT_TRUE(std::filesystem::is_symlink(location_));
  EXPECT_TRUE(std::filesystem::is_symlink(folder_ + "/dotfiles/link"));
  EXPECT_EQ(read_file(folder_ + "/dotfiles/settings"), "a=true\nkept=true\n");
  EXPECT_EQ(std::filesystem::status(folder_ + "/dotfiles/settings").permissions(),
            std::filesystem::perms(0640));
  // A link whose file is still missing makes it where it points.
  std::filesystem::remove(location_);
  std::filesystem::create_symlink("../dotfiles/new", location_);
  EXPECT_TRUE(store.set_flag("a", false));
  EXPECT_EQ(read_file(folder_ + "/dotfiles/new"), "a=false\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ + "/dotfiles"),
                          std::filesystem::directory_iterator()),
            3);  // nothing left beside them
}
#endif

// An empty location is no store: nothing is read, nothing written (on Windows that would be
// the root of the user's registry).
TEST_F(SettingsStoreTest, AnEmptyLocationKeepsNothing) {
  SettingsStore nowhere{NativePath{}};
  EXPECT_FALSE(nowhere.set_flag("identifiers", true));
  EXPECT_TRUE(nowhere.flag("identifiers", true));
  EXPECT_FALSE(SettingsStore(NativePath{}).flag("identifiers", false));
}

#if defined(_WIN32)
// Only a REG_DWORD of 0 or 1, as the program writes, is a choice.
TEST_F(SettingsStoreTest, ARegistryValueOfAnotherTypeOrSizeGivesTheDefault) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, location_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD one = 1;
  const DWORD two = 2;
  const unsigned long long wide = 1;
  const wchar_t text[] = L"1";
  RegSetValueExW(key, L"string", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  RegSetValueExW(key, L"binary", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegSetValueExW(key, L"short", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 2);
  RegSetValueExW(key, L"long", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&wide), sizeof wide);
  RegSetValueExW(key, L"two", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&two), sizeof two);
  RegSetValueExW(key, L"qword", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof wide);
  RegSetValueExW(key, L"big-endian", 0, REG_DWORD_BIG_ENDIAN, reinterpret_cast<const BYTE*>(&one),
                 sizeof one);
  RegCloseKey(key);
  SettingsStore store(location_);
  for (const char* name : {"string", "binary", "short", "long", "two", "qword", "big-endian"}) {
    EXPECT_FALSE(store.flag(name, false)) << name;
    EXPECT_TRUE(store.flag(name, true)) << name;
  }
}
#endif

}  // namespace
}  // namespace ambrel
