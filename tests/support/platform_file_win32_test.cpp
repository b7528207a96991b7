// Windows names through the numbered text files and the whole-file loader: drive roots and
// "..", names outside the ANSI code page, names longer than MAX_PATH, files other programs
// hold open.
#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/object_registry.h"
#include "support/text_loading.h"
#include "text_files.h"
#include "win32_scratch_folder.h"

namespace ambrel {
namespace {

std::u16string as_u16(const std::wstring& text) { return {text.begin(), text.end()}; }

class WindowsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.create(L"ambrel_files_"));
    folder_ = scratch_.path();
  }

  std::wstring folder(const std::wstring& name) {
    return scratch_.make_folder(folder_ + L"\\" + name);
  }
  std::wstring write(const std::wstring& path, const std::string& bytes) {
    return scratch_.write(path, bytes);
  }

  std::u16string load(const std::wstring& path) {
    int file = files_.open_for_reading(kAnyNumber, as_u16(path));
    if (files_.is_file(file) == 0) return u"(not opened)";
    TextFormat format = files_.detect_text_format(file);
    std::u16string text = files_.read_text(file, static_cast<std::int32_t>(format) | WholeFile);
    files_.close(file);
    return text;
  }

  Win32ScratchFolder scratch_;
  std::wstring folder_;
  // Open files could not be deleted: they close before the scratch folder goes.
  TextFiles files_;
};

wchar_t unused_drive_letter() {
  DWORD drives = GetLogicalDrives();
  for (int i = 25; i >= 0; --i) {
    if ((drives & (1u << i)) == 0) return static_cast<wchar_t>(L'A' + i);
  }
  return 0;
}

TEST_F(WindowsFiles, DriveRootsAndTheParentCountAsFolders) {
  EXPECT_EQ(file_size(u"C:"), -2);
  EXPECT_EQ(file_size(u"C:\\"), -2);
  EXPECT_EQ(file_size(u".."), -2);
  EXPECT_EQ(file_size(u""), -1);
  wchar_t unused = unused_drive_letter();
  ASSERT_NE(unused, 0);
  EXPECT_EQ(file_size(as_u16(std::wstring(1, unused) + L":")), -1);
  EXPECT_EQ(file_size(as_u16(std::wstring(1, unused) + L":\\")), -1);
  EXPECT_EQ(file_size(as_u16(folder_ + L"\\\\")), -2);
  EXPECT_EQ(file_size(as_u16(folder_ + L"/")), -2);
  EXPECT_EQ(file_size(as_u16(folder_ + L"\\missing.xml")), -1);
}

TEST_F(WindowsFiles, NamesOutsideTheAnsiCodePageAreFoundAndRead) {
  std::wstring path = write(folder_ + L"\\\u03A9\u6F22\U0001F600.xml", "<a>\xCE\xA9</a>");
  EXPECT_EQ(file_size(as_u16(path)), 9);
  EXPECT_EQ(load(path), u"<a>\u03A9</a>");
}

TEST_F(WindowsFiles, NamesLongerThanMaxPathAreFoundAndRead) {
  std::wstring relative;
  std::wstring path = folder_;
  while (path.size() < MAX_PATH + 40) {
    relative += (relative.empty() ? L"" : L"\\") + std::wstring(60, L'd');
    path = folder(relative);
  }
  std::wstring file = write(path + L"\\deep.xml", "<deep/>");
  ASSERT_GT(file.size(), static_cast<std::size_t>(MAX_PATH));
  EXPECT_EQ(file_size(as_u16(file)), 7);
  EXPECT_EQ(file_size(as_u16(path)), -2);
  EXPECT_EQ(load(file), u"<deep/>");
}

TEST_F(WindowsFiles, FilesOthersReadOrWriteOpenButExclusiveOnesAreRefused) {
  std::wstring path = write(folder_ + L"\\held.xml", "<held/>");
  HANDLE writer =
      CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(load(path), u"<held/>");
  CloseHandle(writer);

  HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  errno = 0;
  EXPECT_EQ(files_.open_for_reading(kAnyNumber, as_u16(path)), 0);
  EXPECT_EQ(errno, EACCES);
  CloseHandle(exclusive);
  EXPECT_EQ(load(path), u"<held/>");
}

TEST_F(WindowsFiles, AFolderIsNotOpenedAsAFile) {
  errno = 0;
  EXPECT_EQ(files_.open_for_reading(kAnyNumber, as_u16(folder_)), 0);
  EXPECT_EQ(errno, EISDIR);
}

TEST_F(WindowsFiles, TheLoaderTakesWideNamesOfAnyLengthAndRefusesFolders) {
  std::wstring relative;
  std::wstring path = folder_;
  while (path.size() < MAX_PATH + 40) {
    relative += (relative.empty() ? L"" : L"\\") + std::wstring(60, L'e');
    path = folder(relative);
  }
  // UTF-16 big-endian with its mark, under a name outside the ANSI code page.
  std::wstring file = write(path + L"\\\u03A9.xml", std::string("\xFE\xFF\0<\x03\xA9\0/\0>", 10));
  LoadedText loaded = load_text_file(file);
  EXPECT_EQ(loaded.error, 0);
  EXPECT_EQ(loaded.text, u"<\u03A9/>");

  LoadedText folder_loaded = load_text_file(path);
  EXPECT_EQ(folder_loaded.error, EISDIR);
  LoadedText missing = load_text_file(path + L"\\missing.xml");
  EXPECT_EQ(missing.error, ENOENT);
}

}  // namespace
}  // namespace ambrel
