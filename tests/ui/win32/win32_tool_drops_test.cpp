// Files dropped on the tool's input frame through the Win32 drop target, as the shell drops
// them: a name outside the ANSI code page and longer than MAX_PATH is loaded; a folder, a
// file another program holds exclusively and a missing file leave the input as it was.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "dialog/dialog.h"
#include "file_list_data.h"
#include "whole_text_generator.h"
#include "settle_commands.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_drop_target.h"
#include "ui/gadget.h"
#include "ui/window.h"
#include "win32_scratch_folder.h"

namespace ambrel {
namespace {

constexpr char16_t kDocument[] = u"<before><v>1</v></before>";

class Win32ToolDropsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.create(L"ambrel_drops_"));
    folder_ = scratch_.path();

    auto backend = std::make_unique<Win32Backend>();
    win32 = backend.get();
    ASSERT_EQ(application_start(std::move(backend)), 0);
    set_gadget_text(gadget(u"txtIn"), kDocument);
  }
  // The tool ends before the scratch folder goes: it may hold a dropped file open.
  void TearDown() override { application_end(); }

  int gadget(std::u16string_view name) { return dialog_gadget(application_dialog(), name); }
  std::u16string text(std::u16string_view name) { return get_gadget_text(gadget(name)); }

  std::wstring make_folder(const std::wstring& path) { return scratch_.make_folder(path); }
  std::wstring write(const std::wstring& path, const std::string& bytes) {
    return scratch_.write(path, bytes);
  }

  // Drops the file on the middle of the input frame, then lets the tool take the drop and do
  // what it starts.
  void drop(const std::wstring& file) {
    NativeHandle window = window_handle(dialog_window(application_dialog()));
    RECT frame{};
    GetWindowRect(win32->hwnd(gadget_handle(gadget(u"frameIn"))), &frame);
    POINTL middle{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    FileListData data({file});
    auto* target = new Win32DropTarget(*win32, window);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(&data, 0, middle, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_COPY;
    target->Drop(&data, 0, middle, &effect);
    target->Release();
    settle_commands();
  }

  Win32Backend* win32 = nullptr;
  Win32ScratchFolder scratch_;
  std::wstring folder_;
};

TEST_F(Win32ToolDropsTest, FoldersHeldAndMissingFilesLeaveTheInput) {
  drop(folder_);
  EXPECT_EQ(text(u"txtIn"), kDocument);
  EXPECT_EQ(text(u"txtOut"), u"");

  std::wstring held = write(folder_ + L"\\held.xml", "<held/>");
  HANDLE exclusive = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  drop(held);
  CloseHandle(exclusive);
  EXPECT_EQ(text(u"txtIn"), kDocument);

  drop(folder_ + L"\\missing.xml");
  EXPECT_EQ(text(u"txtIn"), kDocument);
  EXPECT_EQ(text(u"txtOut"), u"");
}

TEST_F(Win32ToolDropsTest, ALongNameOutsideTheAnsiCodePageIsLoaded) {
  std::wstring path = folder_;
  while (path.size() < MAX_PATH + 40)
    path = make_folder(path + L"\\" + std::wstring(60, L'\u03A9'));
  std::wstring file = write(path + L"\\\u6F22\U0001F600.xml", "<deep>\xCE\xA9</deep>");
  drop(file);
  EXPECT_EQ(text(u"txtIn"), u"<deep>\u03A9</deep>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<deep>\u03A9</deep>"));
}

}  // namespace
}  // namespace ambrel
