#include "ui/backend/headless/headless_kinds.h"

namespace ambrel {

HeadlessValue headless_value_of(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::ButtonImage:
    case ControlKind::HyperLink:
      return HeadlessValue::Pressed;
    case ControlKind::CheckBox:
      return HeadlessValue::Check;
    case ControlKind::Option:
      return HeadlessValue::Option;
    case ControlKind::Panel:
      return HeadlessValue::Page;
    case ControlKind::ScrollBar:
    case ControlKind::ProgressBar:
    case ControlKind::TrackBar:
    case ControlKind::Spin:
      return HeadlessValue::Ranged;
    case ControlKind::ListView:
    case ControlKind::ListIcon:
    case ControlKind::Tree:
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return HeadlessValue::Item;
    case ControlKind::Text:
    case ControlKind::Editor:
    case ControlKind::Frame:
    case ControlKind::Container:
    case ControlKind::Splitter:
    case ControlKind::String:
    case ControlKind::Image:
    case ControlKind::CodeEditor:
    case ControlKind::ExplorerList:
    case ControlKind::ExplorerTree:
    case ControlKind::Shortcut:
    case ControlKind::Canvas:
    case ControlKind::Calendar:
    case ControlKind::Date:
    case ControlKind::Web:
    case ControlKind::IpAddress:
    case ControlKind::ScrollArea:
    case ControlKind::PanelPage:
      return HeadlessValue::None;
  }
  return HeadlessValue::None;
}

}  // namespace ambrel
