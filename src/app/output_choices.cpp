#include "app/output_choices.h"

#include <utility>

namespace ambrel {

OutputChoices::OutputChoices(SettingsStore store, bool identifiers) : store_(std::move(store)) {
  for (std::size_t i = 0; i < kChoices.size(); ++i)
    on_[i] = store_.flag(kChoices[i].setting, kChoices[i].initially);
  on_[kIdentifiersItem - 1] = on_[kIdentifiersItem - 1] || identifiers;
}

std::vector<EditorMenuItem> OutputChoices::menu_items() const {
  std::vector<EditorMenuItem> items;
  for (std::size_t i = 0; i < kChoices.size(); ++i) {
    items.push_back({static_cast<int>(i + 1), std::u16string(kChoices[i].label), on_[i]});
  }
  return items;
}

bool OutputChoices::toggle(int item) {
  if (item < 1 || static_cast<std::size_t>(item) > kChoices.size()) return false;
  auto i = static_cast<std::size_t>(item - 1);
  on_[i] = !on_[i];
  store_.set_flag(kChoices[i].setting, on_[i]);
  return true;
}

// Every line end of the output is a CR LF; a CR of a name's own stays.
std::u16string OutputChoices::copied(std::u16string text) const {
  if (!chosen(kLfLineEndsItem)) return text;
  std::u16string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' || i + 1 == text.size() || text[i + 1] != u'\n') lines += text[i];
  }
  return lines;
}

}  // namespace ambrel
