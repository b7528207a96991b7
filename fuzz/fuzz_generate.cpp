// Loads arbitrary bytes as a file the way the tool loads its input (byte-order mark,
// whole file up to a NUL), generates the declarations and checks their shape.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "declarations_shape.h"
#include "fuzz_text.h"
#include "generator/generator.h"
#include "support/object_registry.h"
#include "support/text_file.h"
#include "xml/xml_document.h"

namespace {

std::string& input_path() {
  static std::string path;
  return path;
}

void remove_input_file() { unlink(input_path().c_str()); }

// The formats the tool keeps; any other byte-order mark is read as single-byte text.
ambrel::TextFormat kept_format(ambrel::TextFormat detected) {
  using ambrel::TextFormat;
  bool kept = detected == TextFormat::Ascii || detected == TextFormat::Utf8 ||
              detected == TextFormat::Utf16;
  return kept ? detected : TextFormat::Ascii;
}

std::u16string load(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  FILE* file = std::fopen(input_path().c_str(), "wb");
  fuzz_require(file != nullptr && std::fwrite(data, 1, size, file) == size, "write the input");
  std::fclose(file);
  int handle = open_file_for_reading(kAnyNumber, std::u16string(input_path().begin(), input_path().end()));
  fuzz_require(is_file(handle) != 0, "open the input");
  TextFormat format = kept_format(detect_text_format(handle));
  std::u16string text = read_text(handle, static_cast<std::int32_t>(format) | WholeFile);
  close_file(handle);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ambrel::xml_library_init();
  ambrel::file_library_init();
  input_path() = "/tmp/ambrel_fuzz_generate_" + std::to_string(getpid()) + ".xml";
  std::atexit(remove_input_file);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::u16string text = load(data, size);
  std::u16string declarations = generate_declarations(text);
  const char* fault = declarations_shape_fault(declarations);
  fuzz_require(fault == nullptr, fault);
  fuzz_require(generate_declarations(text) == declarations, "no state between generations");
  return 0;
}
