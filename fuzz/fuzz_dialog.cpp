// Opens an arbitrary text as a dialog definition on the headless backend and plays a
// script against it. The input is the definition, then a NUL, then the script (see
// DialogScript): user input, timers, drops and library calls, some made from inside the
// runtime procedures the definition binds. Without a script the window is still resized
// to two extreme sizes, tabbed through and left to its timers.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "dialog_script.h"
#include "fuzz_services.h"
#include "fuzz_text.h"
#include "support/object_registry.h"
#include "backend/headless/headless_backend.h"
#include "xml/xml_document.h"

namespace {
ambrel::HeadlessBackend* headless = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace ambrel;
  auto backend = std::make_unique<HeadlessBackend>();
  headless = backend.get();
  start_fuzz_services(std::move(backend));
  register_script_procedures();
  runtime_register_integer(u"margin", 8);
  runtime_register_double(u"half", 0.5);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::vector<std::u16string> parts = split_at_nul(fuzz_text(data, size), 2);
  int document = xml_parse_text(kAnyNumber, parts[0]);
  fuzz_require(xml_is_document(document) != 0, "every text gives a document");
  {
    DialogScript script(*headless, document, parts[1]);
    if (script.open()) script.play();
  }
  xml_free_document(document);
  return 0;
}
