#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "dialog/definition/runtime_registry.h"
#include "dialog/dialog.h"
#include "services_fixture.h"
#include "backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {

// Every test runs on a fresh headless backend with every service up and one dialog made.
class DialogTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    dialog = dialog_create(kAnyNumber);
    ASSERT_NE(dialog, 0);
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
