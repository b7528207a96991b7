#include "cli/output_input_clash.h"

#include <optional>

#include "cli/shown_path.h"
#include "support/platform_file.h"

namespace ambrel {

namespace {

std::optional<FileIdentity> identity_of_input(const std::string& input) {
  if (input == "-") return PlatformFile::standard_input().identity();
  return file_on_disk_identity(native_path_of_argument(input));
}

}  // namespace

std::string output_input_clash(const GenOptions& options) {
  if (options.output.empty()) return {};
  std::optional<FileIdentity> output =
      file_on_disk_identity(native_path_of_argument(options.output));
  if (!output) return {};
  for (const std::string& input : options.inputs) {
    if (identity_of_input(input) == output) {
      return "the output " + shown_path(options.output) + " is the input " + shown_input(input);
    }
  }
  return {};
}

}  // namespace ambrel
