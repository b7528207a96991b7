#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "dialog/dialog.h"
#include "dialog/runtime_registry.h"
#include "ui/backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/platform.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {

// Every test runs on a fresh headless backend with all libraries up and one dialog made.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_TRUE(use_backend(std::move(backend)));
    ASSERT_EQ(event_library_init(), 1);
    ASSERT_EQ(window_library_init(), 1);
    ASSERT_EQ(gadget_library_init(), 1);
    xml_library_init();
    runtime_registry_init();
    dialog_library_init();
    dialog = dialog_create(kAnyNumber);
    ASSERT_NE(dialog, 0);
  }

  void TearDown() override {
    dialog_library_end();
    xml_library_end();
    gadget_library_end();
    window_library_end();
    event_library_end();
    while (take_event() != 0) {
    }
    take_event();
    use_backend(nullptr);
  }

  // Parses the definition and opens the named window of it at (0, 0).
  int open(std::u16string_view definition, const char16_t* window_name = u"") {
    int document = xml_parse_text(kAnyNumber, definition);
    return dialog_open(dialog, document, window_name, 0, 0);
  }

  std::u16string text_of(std::u16string_view name) {
    return get_gadget_text(dialog_gadget(dialog, name));
  }

  NativeHandle handle_of(std::u16string_view name) {
    return gadget_handle(dialog_gadget(dialog, name));
  }

  HeadlessBackend* headless = nullptr;
  std::int32_t dialog = 0;
};

}  // namespace ambrel
