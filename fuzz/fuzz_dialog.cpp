// Opens an arbitrary text as a dialog definition on the headless backend, then resizes
// the window twice (each resize re-runs the allocation) and frees everything.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "dialog/dialog.h"
#include "dialog/objects/dialog_object.h"
#include "dialog/runtime_registry.h"
#include "fuzz_text.h"
#include "ui/backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/platform.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

HeadlessBackend* headless = nullptr;

void do_nothing() {}

void check_tree(const DialogObject& root) {
  std::vector<const DialogObject*> pending{&root};
  while (!pending.empty()) {
    const DialogObject* object = pending.back();
    pending.pop_back();
    for (const auto& child : object->children()) {
      fuzz_require(child != nullptr && child->parent() == object, "children know their parent");
      pending.push_back(child.get());
    }
  }
}

void open_and_resize(int document) {
  std::int32_t dialog = dialog_create(kAnyNumber);
  fuzz_require(dialog != 0, "a dialog");
  int opened = dialog_open(dialog, document, u"", 0, 0);
  std::string error = dialog_error_text(dialog);
  fuzz_require(error.size() < 512, "error texts fit their buffer");
  if (opened == 0) {
    // Not every failure has a text: a window number out of range fails the open silently.
    fuzz_require(dialog_window(dialog) == -1 && dialog_root(dialog) == nullptr, "nothing left open");
  } else {
    fuzz_require(error.empty(), "no error after a successful open");
    const DialogObject* root = dialog_root(dialog);
    fuzz_require(root != nullptr && dialog_window(dialog) != -1, "a window and its tree");
    check_tree(*root);
    NativeHandle window = window_handle(dialog_window(dialog));
    headless->user_resize(window, {1280, 1024});
    headless->user_resize(window, {1, 1});
    check_tree(*root);
  }
  dialog_free(dialog);
  while (take_event() != 0) {
  }
}

}  // namespace
}  // namespace ambrel

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace ambrel;
  auto backend = std::make_unique<HeadlessBackend>();
  headless = backend.get();
  fuzz_require(use_backend(std::move(backend)), "the headless backend");
  fuzz_require(event_library_init() == 1 && window_library_init() == 1 && gadget_library_init() == 1,
               "the ui libraries");
  xml_library_init();
  runtime_registry_init();
  dialog_library_init();
  for (const char16_t* name : {u"events_cmdCopyAll()", u"events_cmdFile()", u"events_txtOut()", u"events_txtIn()",
                               u"events_cmdClear()", u"events_cmdPaste()", u"p()"}) {
    runtime_register_procedure(name, do_nothing);
  }
  runtime_register_integer(u"margin", 8);
  runtime_register_double(u"half", 0.5);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  int document = xml_parse_text(kAnyNumber, fuzz_text(data, size));
  fuzz_require(xml_is_document(document) != 0, "every text gives a document");
  open_and_resize(document);
  xml_free_document(document);
  return 0;
}
