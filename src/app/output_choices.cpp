#include "app/output_choices.h"

#include <utility>

namespace ambrel {
namespace {

constexpr std::string_view kIdentifiersSetting = "valid-identifiers";
constexpr std::string_view kLfLineEndsSetting = "lf-line-ends";

}  // namespace

OutputChoices::OutputChoices(SettingsStore store, bool identifiers)
    : store_(std::move(store)),
      identifiers_(identifiers || store_.flag(kIdentifiersSetting, false)),
      lf_line_ends_(store_.flag(kLfLineEndsSetting, false)) {}

std::vector<EditorMenuItem> OutputChoices::menu_items() const {
  return {{kIdentifiersItem, u"Valid identifiers", identifiers_},
          {kLfLineEndsItem, u"LF line ends", lf_line_ends_}};
}

bool OutputChoices::toggle(int item) {
  if (item == kIdentifiersItem) {
    identifiers_ = !identifiers_;
    store_.set_flag(kIdentifiersSetting, identifiers_);
    return true;
  }
  if (item == kLfLineEndsItem) {
    lf_line_ends_ = !lf_line_ends_;
    store_.set_flag(kLfLineEndsSetting, lf_line_ends_);
    return true;
  }
  return false;
}

// Every line end of the output is a CR LF; a CR of a name's own stays.
std::u16string OutputChoices::copied(std::u16string text) const {
  if (!lf_line_ends_) return text;
  std::u16string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' || i + 1 == text.size() || text[i + 1] != u'\n') lines += text[i];
  }
  return lines;
}

}  // namespace ambrel
