// The user's commands, run through the real event loop on the virtual clock.

#include <string>

#include "app/tool_window.h"
#include "embedded/embedded_definition.h"
#include "app_fixture.h"
#include "dialog/definition/runtime_registry.h"
#include "whole_text_generator.h"
#include "ui/drop.h"

namespace ambrel {
namespace {

constexpr std::u16string_view kDocument = u"<r><x>1</x><x>2</x><y>t</y></r>";

TEST_F(AppTest, StartsTitledWithAnEmptyOutputAndDropsOnTheInputFrame) {
  EXPECT_EQ(headless->window_title(main_window()), u"Ambrel v.1.0.0.7");
  EXPECT_TRUE(headless->window_visible(main_window()));
  EXPECT_EQ(text(u"txtOut"), u"");
  EXPECT_FALSE(enabled(u"cmdCopyAll"));
  EXPECT_TRUE(headless->drops_enabled(handle(u"frameIn")));
  for (std::u16string_view name : kEmbeddedProcedures) {
    EXPECT_NE(runtime_procedure(name), nullptr) << std::string(name.begin(), name.end());
  }
}

TEST_F(AppTest, TypingRegeneratesOnceOneSecondAfterTheLastKey) {
  const std::u16string typed = u"<a/> ";
  for (int i = 0; i < 5; ++i) {
    at(i * 100, [this, unit = typed.substr(i, 1)] { headless->user_type(handle(u"txtIn"), unit); });
  }
  // Without the restart on every key the first key's timer would have fired at 1000.
  at(1399, [this] { EXPECT_EQ(text(u"txtOut"), u""); });
  at(1401, [this] {
    EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<a/> "));
    EXPECT_TRUE(enabled(u"cmdCopyAll"));
    set_gadget_text(gadget(u"txtOut"), u"marker");
  });
  // The timer went with the regeneration: nothing regenerates again.
  at(5000, [this] { EXPECT_EQ(text(u"txtOut"), u"marker"); });
  run_until_closed_at(5001);
}

TEST_F(AppTest, PasteReplacesTheInputAndRegeneratesAtOnce) {
  headless->set_clipboard_text(kDocument);
  at(10, [this] { headless->user_type(handle(u"txtIn"), u"x"); });
  at(20, [this] { click(u"cmdPaste"); });
  // The clock stands still while the paste's work runs: it is done before the next moment.
  at(21, [this] {
    EXPECT_EQ(text(u"txtIn"), kDocument);
    EXPECT_EQ(text(u"txtOut"), generate_declarations(kDocument));
    EXPECT_TRUE(enabled(u"cmdCopyAll"));
    set_gadget_text(gadget(u"txtOut"), u"marker");
  });
  // The typing's pending timer ended with the paste.
  at(3000, [this] { EXPECT_EQ(text(u"txtOut"), u"marker"); });
  run_until_closed_at(3001);
}

TEST_F(AppTest, PasteOfAnEmptyClipboardChangesNothing) {
  set_gadget_text(gadget(u"txtIn"), kDocument);
  application_window()->regenerate();
  settle();
  headless->set_clipboard_text(u"");
  click(u"cmdPaste");
  settle();
  EXPECT_EQ(text(u"txtIn"), kDocument);
  EXPECT_EQ(text(u"txtOut"), generate_declarations(kDocument));
  EXPECT_TRUE(enabled(u"cmdCopyAll"));
}

TEST_F(AppTest, ClearEmptiesBothPanesAndDisablesCopyAll) {
  headless->set_clipboard_text(kDocument);
  click(u"cmdPaste");
  settle();
  ASSERT_TRUE(enabled(u"cmdCopyAll"));
  click(u"cmdClear");
  settle();
  EXPECT_EQ(text(u"txtIn"), u"");
  EXPECT_EQ(text(u"txtOut"), u"");
  EXPECT_FALSE(enabled(u"cmdCopyAll"));
}

TEST_F(AppTest, CopyAllPutsExactlyTheOutputOnTheClipboard) {
  headless->set_clipboard_text(kDocument);
  click(u"cmdPaste");
  settle();
  headless->set_clipboard_text(u"something else");
  click(u"cmdCopyAll");
  EXPECT_EQ(headless->clipboard_text(), generate_declarations(kDocument));
  EXPECT_NE(headless->clipboard_text().find(u"Structure XML_R\r\n"), std::u16string::npos);
}

TEST_F(AppTest, MalformedInputDeclaresWhatWasParsed) {
  headless->set_clipboard_text(u"<r><x>1</x><oops");
  click(u"cmdPaste");
  settle();
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<r><x>1</x><oops"));
  headless->set_clipboard_text(u"no element at all");
  click(u"cmdPaste");
  settle();
  EXPECT_EQ(text(u"txtOut"), u"");
  EXPECT_FALSE(enabled(u"cmdCopyAll"));
}

TEST_F(AppTest, InputReadInPiecesDeclaresWhatTheWholeTextDeclares) {
  // Piece size 1 splits every CR LF and surrogate pair; 3 and 5 split them at varying places.
  const std::u16string well_formed =
      u"<?xml version=\"1.0\"?>\r\n<r a=\"\U0001F600\">\r\n <x>1.5</x>\r\n <x>\U0001F601 "
      u"\u00e9</x>\r\n"
      u" <y/>\r\n <!-- c --><![CDATA[d\r\ne]]>\r\n</r>\r\n";
  const std::u16string malformed = u"<r>\r\n<x>1</x>\r\n<x>\U0001F600</x><oops\r\n";
  for (const std::u16string& input : {well_formed, malformed}) {
    for (std::size_t piece_size : {1, 3, 5, 1 << 15}) {
      headless->set_text_piece_size(piece_size);
      set_gadget_text(gadget(u"txtIn"), input);
      application_window()->regenerate();
      settle();
      EXPECT_EQ(text(u"txtOut"), generate_declarations(input)) << piece_size;
      EXPECT_TRUE(enabled(u"cmdCopyAll"));
    }
  }
}

TEST_F(AppTest, ClosingWhileARegenerationIsPendingEndsTheLoop) {
  at(0, [this] { headless->user_type(handle(u"txtIn"), u"<a/>"); });
  run_until_closed_at(500);
  // The loop returned without regenerating; the rest of the shutdown follows.
  EXPECT_EQ(text(u"txtOut"), u"");
  application_end();
  running = false;
  EXPECT_EQ(application_dialog(), 0);
}

TEST(AppRun, TheWholeProgramEndsWithStatusZero) {
  auto backend = std::make_unique<HeadlessBackend>();
  HeadlessBackend* headless = backend.get();
  // The window is the first one the program opens; typing leaves a regeneration pending.
  headless->schedule(100, [headless] {
    NativeHandle window = window_handle(dialog_window(application_dialog()));
    headless->user_type(gadget_handle(dialog_gadget(application_dialog(), u"txtIn")), u"<a/>");
    headless->user_close(window);
  });
  EXPECT_EQ(run_application(std::move(backend)), 0);
}

}  // namespace
}  // namespace ambrel
