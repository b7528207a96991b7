#pragma once

// The main window's caption tells that a paste did not complete (the clipboard's owner quit or
// stopped answering midway, and the input was left as it was) until the input next changes:
// the user sees why the paste changed nothing. The program shows no message box.

#include <string>

namespace ambrel {

class PasteNotice {
 public:
  // What the caption gets after its title.
  static constexpr std::u16string_view kSuffix = u" - the paste did not complete";

  explicit PasteNotice(int window) : window_(window) {}

  void show();
  // Puts the title back.
  void clear();

 private:
  int window_;
  bool shown_ = false;
  std::u16string title_;  // while shown: the title without the notice
};

}  // namespace ambrel
