#pragma once

// The output editor's own choices: names that compile ("Valid identifiers", what
// ambrel-gen's --identifiers does) and LF line ends for Copy all. Each is an item of the
// output editor's context menu, off by default so that the output stays the desktop tool's,
// and kept in the user's settings between runs.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "generator/declarations.h"
#include "support/settings_store.h"
#include "backend/backend_controls.h"

namespace ambrel {

class OutputChoices {
 public:
  // A choice: its menu item's label and the setting that keeps it.
  struct Choice {
    std::u16string_view label;
    std::string_view setting;
  };
  // Every choice, in the menu's order; a choice's item number is its place from 1.
  static constexpr std::array kChoices{Choice{u"Valid identifiers", "valid-identifiers"},
                                       Choice{u"LF line ends", "lf-line-ends"}};
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
  DeclarationStyle style() const {
    return {.identifiers = chosen(kIdentifiersItem), .lf_line_ends = false};
  }
  // The output's text as Copy all puts it on the clipboard.
  std::u16string copied(std::u16string text) const;

 private:
  bool chosen(int item) const { return on_[static_cast<std::size_t>(item - 1)]; }

  SettingsStore store_;
  std::array<bool, kChoices.size()> on_{};
};

}  // namespace ambrel
