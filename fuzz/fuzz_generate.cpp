// Loads arbitrary bytes as a file the way the tool loads its input (byte-order mark,
// whole file up to a NUL), generates the declarations and checks their shape. Small
// documents are also declared by the literal reference walk, which must give the same text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "declarations_shape.h"
#include "fuzz_services.h"
#include "fuzz_text.h"
#include "whole_text_generator.h"
#include "literal_generator.h"
#include "support/object_registry.h"
#include "text_files.h"
#include "xml/xml_document.h"

namespace {

std::string& input_path() {
  static std::string path;
  return path;
}

// The literal walk is slow on purpose (quadratic in places); past this it would only
// slow the run without reaching other code.
constexpr std::size_t kLiteralLimitUnits = 4096;

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
  TextFiles files;
  FILE* file = std::fopen(input_path().c_str(), "wb");
  fuzz_require(file != nullptr && std::fwrite(data, 1, size, file) == size, "write the input");
  std::fclose(file);
  int handle =
      files.open_for_reading(kAnyNumber, std::u16string(input_path().begin(), input_path().end()));
  fuzz_require(files.is_file(handle) != 0, "open the input");
  TextFormat format = kept_format(files.detect_text_format(handle));
  std::u16string text = files.read_text(handle, static_cast<std::int32_t>(format) | WholeFile);
  files.close(handle);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ambrel::start_fuzz_services();
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
  if (text.size() <= kLiteralLimitUnits) {
    fuzz_require(literal_declarations(text) == declarations, "the literal walk agrees");
  }
  return 0;
}
