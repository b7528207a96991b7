#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/dialog.h"
#include "dialog/objects/dialog_object.h"
#include "dialog/definition/runtime_registry.h"
#include "services_fixture.h"
#include "backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {

inline void hostile_procedure() {}

// The engine on a fresh headless backend, with a procedure "p()" published.
class HostileDialogTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
    runtime_register_procedure(u"p()", hostile_procedure);
    dialog = dialog_create(kAnyNumber);
    ASSERT_NE(dialog, 0);
  }

  int open(std::u16string_view definition) {
    int document = xml_parse_text(kAnyNumber, definition);
    return dialog_open(dialog, document, u"", 0, 0);
  }

  NativeHandle window() const { return window_handle(dialog_window(dialog)); }
  NativeHandle handle_of(std::u16string_view name) const {
    return gadget_handle(dialog_gadget(dialog, name));
  }

  // The number of objects in the tree, counted with an explicit stack.
  std::size_t object_count() const {
    std::size_t count = 0;
    std::vector<const DialogObject*> pending{dialog_root(dialog)};
    while (!pending.empty()) {
      const DialogObject* object = pending.back();
      pending.pop_back();
      if (object == nullptr) continue;
      ++count;
      for (const auto& child : object->children()) pending.push_back(child.get());
    }
    return count;
  }

  HeadlessBackend* headless = nullptr;
  std::int32_t dialog = 0;
};

}  // namespace ambrel
