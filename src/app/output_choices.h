#pragma once

// The output editor's own choices: names that compile ("Valid identifiers", what
// ambrel-gen's --identifiers does), LF line ends for Copy all, and JSON objects used as
// dictionaries declared as maps ("Detect maps"; off, ambrel-gen's --no-maps). Each is an item
// of the output editor's context menu, at ambrel-gen's default at first, and kept in the
// user's settings between runs.

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
  // A choice: its menu item's label, the setting that keeps it and its state at first.
  struct Choice {
    std::u16string_view label;
    std::string_view setting;
    bool initially;
  };
  // Every choice, in the menu's order; a choice's item number is its place from 1.
  static constexpr std::array kChoices{Choice{u"Valid identifiers", "valid-identifiers", false},
                                       Choice{u"LF line ends", "lf-line-ends", false},
                                       Choice{u"Detect maps", "detect-maps", true}};
  static constexpr int kIdentifiersItem = 1;
  static constexpr int kLfLineEndsItem = 2;
  static constexpr int kDetectMapsItem = 3;

  // The choices as `store` keeps them; `identifiers` turns names that compile on for this run
  // whatever the store says.
  OutputChoices(SettingsStore store, bool identifiers);
  // Each at its first state, and kept nowhere.
  static OutputChoices unkept() { return OutputChoices(SettingsStore(NativePath()), false); }

  std::vector<EditorMenuItem> menu_items() const;
  // Turns the item's choice over and keeps it; false for a number that is no item.
  bool toggle(int item);

  // How the declarations are written.
  DeclarationStyle style() const {
    return {.identifiers = chosen(kIdentifiersItem),
            .lf_line_ends = false,
            .detect_maps = chosen(kDetectMapsItem)};
  }
  // The output's text as Copy all puts it on the clipboard.
  std::u16string copied(std::u16string text) const;

 private:
  bool chosen(int item) const { return on_[static_cast<std::size_t>(item - 1)]; }

  SettingsStore store_;
  std::array<bool, kChoices.size()> on_{};
};

}  // namespace ambrel
