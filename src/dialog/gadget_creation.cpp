#include "dialog/gadget_creation.h"

#include <optional>

#include "dialog/build_context.h"
#include "dialog/common_attributes.h"
#include "dialog/event_attributes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/gadget_kinds/splitter_gadget.h"

namespace ambrel {
namespace {

// The gadget layer's kind code behind each element kind that has a gadget of its own.
std::optional<int> gadget_kind_code(DialogKind kind) {
  switch (kind) {
    case DialogKind::Button: return kGadgetButton;
    case DialogKind::CheckBox: return kGadgetCheckBox;
    case DialogKind::Image: return kGadgetImage;
    case DialogKind::Option: return kGadgetOption;
    case DialogKind::ListView: return kGadgetListView;
    case DialogKind::ListIcon: return kGadgetListIcon;
    case DialogKind::Tree: return kGadgetTree;
    case DialogKind::Container: return kGadgetContainer;
    case DialogKind::ComboBox: return kGadgetComboBox;
    case DialogKind::Text: return kGadgetText;
    case DialogKind::String: return kGadgetString;
    case DialogKind::Panel: return kGadgetPanel;
    case DialogKind::ScrollArea: return kGadgetScrollArea;
    case DialogKind::Frame: return kGadgetFrame;
    case DialogKind::Editor: return kGadgetEditor;
    case DialogKind::Scintilla: return kGadgetScintilla;
    case DialogKind::ScrollBar: return kGadgetScrollBar;
    case DialogKind::ProgressBar: return kGadgetProgressBar;
    case DialogKind::ExplorerList: return kGadgetExplorerList;
    case DialogKind::ExplorerTree: return kGadgetExplorerTree;
    case DialogKind::ExplorerCombo: return kGadgetExplorerCombo;
    case DialogKind::Shortcut: return kGadgetShortcut;
    case DialogKind::ButtonImage: return kGadgetButtonImage;
    case DialogKind::TrackBar: return kGadgetTrackBar;
    case DialogKind::Canvas: return kGadgetCanvas;
    case DialogKind::Calendar: return kGadgetCalendar;
    case DialogKind::Date: return kGadgetDate;
    case DialogKind::Spin: return kGadgetSpin;
    case DialogKind::Web: return kGadgetWeb;
    case DialogKind::HyperLink: return kGadgetHyperLink;
    case DialogKind::IpAddress: return kGadgetIpAddress;
    default: return std::nullopt;
  }
}

// A creation call's result as a gadget number.
std::int32_t created_number(int result, std::int32_t requested) {
  if (result == 0) return -1;
  return requested == kAnyNumber ? result : requested;
}

std::int32_t create_splitter(const GadgetRequest& request) {
  if (request.panes[0] == -1 || request.panes[1] == -1) return -1;
  int result = create_splitter_gadget(request.number, Rect{}, request.panes[0], request.panes[1],
                                      static_cast<int>(request.flags));
  return created_number(result, request.number);
}

}  // namespace

std::int32_t create_definition_gadget(const GadgetRequest& request) {
  if (request.kind == DialogKind::Splitter) return create_splitter(request);
  std::optional<int> code = gadget_kind_code(request.kind);
  if (!code) return -1;
  GadgetArguments arguments;
  arguments.text = request.text;
  arguments.flags = static_cast<int>(request.flags);
  arguments.minimum = request.values.minimum;
  arguments.maximum = request.values.maximum;
  arguments.page = request.values.page;
  arguments.color = request.values.color;
  return created_number(create_gadget_of_kind(*code, request.number, Rect{}, arguments), request.number);
}

void bind_definition_events(BuildContext& context, const ElementView& element, DialogKind kind,
                            std::int32_t gadget) {
  bind_event_attributes(element, kind, context.window, gadget, context.error,
                        [](std::int32_t code, RuntimeProcedure procedure, std::int32_t window,
                           std::int32_t bound_gadget, std::int32_t type) {
                          bind_gadget_event(code, procedure, window, bound_gadget, type);
                        });
}

void apply_gadget_state_attributes(std::int32_t gadget, const ElementView& element) {
  if (gadget == -1) return;
  GadgetStateAttributes state = read_gadget_state_attributes(element);
  if (state.disabled) disable_gadget(gadget, 1);
  if (state.invisible) hide_gadget(gadget, 1);
}

}  // namespace ambrel
