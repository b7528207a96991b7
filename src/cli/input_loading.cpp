#include "cli/input_loading.h"

#include <cerrno>
#include <cstring>

#include "support/text_loading.h"

namespace ambrel {

namespace {

LoadedInput from_loaded(LoadedText loaded) {
  if (loaded.error != 0) return {false, loaded.error == ENOMEM, {}, std::strerror(loaded.error)};
  return {true, false, std::move(loaded.text), {}};
}

}  // namespace

LoadedInput load_input_file(const std::string& path) {
  return from_loaded(load_text_file(native_path_of_argument(path)));
}

LoadedInput load_standard_input() { return from_loaded(load_text(PlatformFile::standard_input())); }

}  // namespace ambrel
