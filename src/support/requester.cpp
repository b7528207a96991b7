#include "support/requester.h"

#include <utility>

namespace ambrel {

namespace {

// The platform dialogs take names of at most 259 characters plus the terminator.
constexpr std::size_t kMaximumNameLength = 259;

OpenFileDialog& installed_dialog() {
  static OpenFileDialog dialog;
  return dialog;
}

bool is_separator(char16_t unit) { return unit == u'\\' || unit == u'/'; }

}  // namespace

bool requester_library_init() {
  installed_dialog() = nullptr;
  return true;
}

void requester_library_end() { installed_dialog() = nullptr; }

void set_open_file_dialog(OpenFileDialog dialog) { installed_dialog() = std::move(dialog); }

std::vector<RequesterFilter> split_filter_string(std::u16string_view filter) {
  std::vector<std::u16string_view> fields;
  while (!filter.empty()) {
    std::size_t bar = filter.find(u'|');
    fields.push_back(filter.substr(0, bar));
    if (bar == std::u16string_view::npos) break;
    filter.remove_prefix(bar + 1);
  }
  std::vector<RequesterFilter> filters;
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
    filters.push_back({std::u16string(fields[i]), std::u16string(fields[i + 1])});
  }
  return filters;
}

bool is_usable_file_name(std::u16string_view name) {
  if (name.empty()) return false;
  for (char16_t unit : name) {
    if (unit < 32 || std::u16string_view(u"\"*/:<>?\\|").find(unit) != std::u16string_view::npos)
      return false;
  }
  return true;
}

DefaultFileParts split_default_file(std::u16string_view default_file) {
  DefaultFileParts parts;
  std::u16string_view name = default_file;
  for (std::size_t i = default_file.size(); i > 1; --i) {
    if (!is_separator(default_file[i - 1])) continue;
    parts.initial_directory = default_file.substr(0, i - 1);
    name = default_file.substr(i);
    break;
  }
  name = name.substr(0, kMaximumNameLength);
  if (is_usable_file_name(name)) parts.proposed_name = name;
  return parts;
}

std::u16string open_file_requester(std::u16string_view title, std::u16string_view default_file,
                                   std::u16string_view filter, int filter_position) {
  // A copy, so a dialog that installs another while it runs stays alive until it returns.
  OpenFileDialog dialog = installed_dialog();
  if (!dialog) return {};
  DefaultFileParts parts = split_default_file(default_file);
  RequesterDialogRequest request;
  request.title = title;
  request.initial_directory = std::move(parts.initial_directory);
  request.proposed_name = std::move(parts.proposed_name);
  request.filters = split_filter_string(filter);
  request.selected_filter = filter_position;
  return dialog(request);
}

}  // namespace ambrel
