#include "backend/headless/headless_kinds.h"

#include "backend/headless/headless_backend.h"

namespace ambrel {

namespace {

using B = HeadlessBackend;

// A calendar shows 7 columns of 3-unit days by a title, a weekday row and 6 weeks.
constexpr Size kCalendarSize{7 * 3 * B::kCharWidth + 4, 8 * B::kLineHeight + 4};

}  // namespace

HeadlessKind headless_kind_of(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::ButtonImage:
    case ControlKind::HyperLink:
      return {.value = HeadlessValue::Pressed};
    case ControlKind::CheckBox:
      return {.value = HeadlessValue::Check};
    case ControlKind::Option:
      return {.value = HeadlessValue::Option};
    case ControlKind::Panel:
      return {.value = HeadlessValue::Page};
    case ControlKind::ScrollBar:
    case ControlKind::ProgressBar:
    case ControlKind::TrackBar:
    case ControlKind::Spin:
      return {.value = HeadlessValue::Ranged};
    case ControlKind::ListView:
    case ControlKind::ComboBox:
      return {.value = HeadlessValue::Item, .starts_without_item = true};
    case ControlKind::ListIcon:
    case ControlKind::Tree:
    case ControlKind::ExplorerCombo:
      return {.value = HeadlessValue::Item};
    case ControlKind::Editor:
    case ControlKind::String:
    case ControlKind::CodeEditor:
      return {.takes_typing = true};
    case ControlKind::Calendar:
      return {.minimum = kCalendarSize};
    case ControlKind::Text:
    case ControlKind::Frame:
    case ControlKind::Container:
    case ControlKind::Splitter:
    case ControlKind::Image:
    case ControlKind::ExplorerList:
    case ControlKind::ExplorerTree:
    case ControlKind::Shortcut:
    case ControlKind::Canvas:
    case ControlKind::Date:
    case ControlKind::Web:
    case ControlKind::IpAddress:
    case ControlKind::ScrollArea:
    case ControlKind::PanelPage:
      break;
  }
  return {};
}

}  // namespace ambrel
