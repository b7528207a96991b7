#pragma once

// The output editor's own choices: names that compile ("Valid identifiers", what
// ambrel-gen's --identifiers does) and LF line ends for Copy all. Each is an item of the
// output editor's context menu, off by default so that the output stays the desktop tool's,
// and kept in the user's settings between runs.

#include <string>
#include <string_view>
#include <vector>

#include "generator/declarations.h"
#include "support/settings_store.h"
#include "backend/backend_controls.h"

namespace ambrel {

class OutputChoices {
 public:
  // The menu items' numbers.
  static constexpr int kIdentifiersItem = 1;
  static constexpr int kLfLineEndsItem = 2;

  // The choices as `store` keeps them; `identifiers` turns names that compile on for this run
  // whatever the store says.
  OutputChoices(SettingsStore store, bool identifiers);
  // All off, and kept nowhere.
  static OutputChoices unkept() { return OutputChoices(SettingsStore(NativePath()), false); }

  std::vector<EditorMenuItem> menu_items() const;
  // Turns the item's choice over and keeps it; false for a number that is no item.
  bool toggle(int item);

  // How the declarations are written.
  DeclarationStyle style() const { return {.identifiers = identifiers_, .lf_line_ends = false}; }
  // The output's text as Copy all puts it on the clipboard.
  std::u16string copied(std::u16string text) const;

 private:
  SettingsStore store_;
  bool identifiers_ = false;
  bool lf_line_ends_ = false;
};

}  // namespace ambrel
