#pragma once

// The modal open-file requester.
//
// The support layer sits below the window layer and cannot reach the platform's file
// dialog itself, so the program installs the dialog as one function object at start-up
// (set_open_file_dialog). That function gets the request already split into the parts
// every platform dialog understands and answers the chosen path; making the program's
// other windows inert while it is up is the platform dialog's own job. Everything the
// requester decides itself (filter pairs, default-file splitting, which proposed names are
// usable) happens here, before the dialog is asked.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// One filter of the requester: a description and its pattern ("*.*" means every file).
struct RequesterFilter {
  std::u16string description;
  std::u16string pattern;
  friend bool operator==(const RequesterFilter&, const RequesterFilter&) = default;
};

// What the installed dialog is asked to show.
struct RequesterDialogRequest {
  std::u16string title;
  std::u16string initial_directory;  // empty: the platform's choice
  std::u16string proposed_name;      // empty: none
  std::vector<RequesterFilter> filters;
  int selected_filter = 0;  // counts from 0
};

// The chosen full path, or the empty text when the user cancelled.
using OpenFileDialog = std::function<std::u16string(const RequesterDialogRequest&)>;

// Start-up (true once it runs) and exit: both forget any installed dialog, whose function
// object may hold what its installer owns.
bool requester_library_init();
void requester_library_end();
// Installs the platform dialog (an empty function removes it).
void set_open_file_dialog(OpenFileDialog dialog);

// Shows the dialog; the chosen full path, or the empty text when the user cancels or no
// dialog is installed. `filter` alternates descriptions and patterns separated by "|";
// `default_file` is split into the initial directory and the proposed name.
std::u16string open_file_requester(std::u16string_view title, std::u16string_view default_file,
                                   std::u16string_view filter, int filter_position);

// --- The steps open_file_requester is made of.

// "XML (*.xml)|*.xml|All|*.*" gives two filters; a description without a pattern after it
// is left out.
std::vector<RequesterFilter> split_filter_string(std::u16string_view filter);

struct DefaultFileParts {
  std::u16string initial_directory;
  std::u16string proposed_name;
};
// Splits at the last "\" (or, since paths here use it, the last "/") when it comes after
// the first character; otherwise the whole text is the name. The name keeps at most 259
// characters and is dropped when it is not a usable file name.
DefaultFileParts split_default_file(std::u16string_view default_file);

// False for the empty name and for names holding a control character or one of
// " * / : < > ? \ |.
bool is_usable_file_name(std::u16string_view name);

}  // namespace ambrel
