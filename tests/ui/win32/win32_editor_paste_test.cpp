// Ctrl+V in the editors of a window on the real Win32 backend (under Wine in the cross build):
// the clipboard is read in a thread of its own, a paste that cannot read it changes nothing
// and says so, and each editor's paste is its own, so that a paste into one leaves a paste
// into another going.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "services_fixture.h"
#include "backend/win32/win32_backend.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/window.h"

namespace ambrel {
namespace {

class Win32EditorPasteTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<Win32Backend>();
    win32 = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    window = window_open(kAnyNumber, 0, 0, 400, 300, u"w", kWindowSizeGadget);
    ASSERT_NE(window, 0);
  }

  int editor(int y, std::u16string_view text) {
    int number = create_editor_gadget(kAnyNumber, {0, y, 200, 100}, {});
    set_gadget_text(number, text);
    return number;
  }
  HWND hwnd(int gadget) { return win32->hwnd(gadget_handle(gadget)); }
  void settle() {
    while (win32->pump(0) != 0) {}
  }
  // The types of the gadget events taken so far.
  std::vector<int> taken_types() {
    std::vector<int> types;
    while (int code = take_event()) {
      if (code == kEventGadget) types.push_back(event_type());
    }
    return types;
  }

  Win32Backend* win32 = nullptr;
  int window = 0;
};

// The second Ctrl+V comes before the first paste's text went in: both go in whole. A bounded
// wait, so that a lost paste fails here rather than hanging.
TEST_F(Win32EditorPasteTest, APasteIntoASecondEditorLeavesThePasteIntoTheFirstGoing) {
  int first = editor(0, u"1");
  int second = editor(100, u"2");
  ASSERT_TRUE(win32->set_clipboard_text(u"<pasted/>"));
  SendMessageW(hwnd(first), WM_PASTE, 0, 0);
  SendMessageW(hwnd(second), WM_PASTE, 0, 0);
  for (ULONGLONG end = GetTickCount64() + 10000;
       (get_gadget_text(first) == u"1" || get_gadget_text(second) == u"2") &&
       GetTickCount64() < end;) {
    win32->pump(100);
  }
  EXPECT_EQ(get_gadget_text(first), u"<pasted/>1");
  EXPECT_EQ(get_gadget_text(second), u"<pasted/>2");
}

// A clipboard that announces text but stays open for another window cannot be read: the paste
// changes nothing and is reported as one that did not complete. Once the clipboard is free
// the same paste goes in whole.
TEST_F(Win32EditorPasteTest, APasteThatCannotReadTheClipboardChangesNothingAndSaysSo) {
  int kept = editor(0, u"kept");
  ASSERT_TRUE(win32->set_clipboard_text(u"<pasted/>"));
  settle();
  taken_types();
  ASSERT_TRUE(OpenClipboard(win32->hwnd(window_handle(window))));
  SendMessageW(hwnd(kept), WM_PASTE, 0, 0);
  std::vector<int> types;
  // A bounded wait: a paste that ends without a report must fail here, not hang.
  for (ULONGLONG end = GetTickCount64() + 10000; types.empty() && GetTickCount64() < end;) {
    win32->pump(100);
    types = taken_types();
  }
  CloseClipboard();
  settle();
  EXPECT_EQ(get_gadget_text(kept), u"kept");
  EXPECT_EQ(types, std::vector<int>{kGadgetPasteIncomplete});
  SendMessageW(hwnd(kept), WM_PASTE, 0, 0);
  while (get_gadget_text(kept) == u"kept") win32->pump(-1);
  settle();
  EXPECT_EQ(get_gadget_text(kept), u"<pasted/>kept");
  for (int type : taken_types()) EXPECT_EQ(type, kGadgetChange);
}

}  // namespace
}  // namespace ambrel
