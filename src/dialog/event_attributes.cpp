#include "dialog/event_attributes.h"

#include "dialog/name_compare.h"

namespace ambrel {
namespace {

constexpr EventAttribute kEventAttributes[] = {
    {u"ONEVENT", kAnyEventType, 0},
    {u"ONLEFTCLICK", 0, 0x02},
    {u"ONRIGHTCLICK", 1, 0x01},
    {u"ONLEFTDOUBLECLICK", 2, 0x08},
    {u"ONRIGHTDOUBLECLICK", 3, 0x04},
    {u"ONCHANGE", 768, 0x10},
    {u"ONFOCUS", 14000, 0x20},
    {u"ONLOSTFOCUS", 14001, 0x40},
    {u"ONDRAGSTART", 14002, 0x80},
};

bool is_accepted(const EventAttribute& attribute, std::uint32_t mask) {
  return attribute.mask_bit == 0 || (mask & attribute.mask_bit) != 0;
}

}  // namespace

const EventAttribute* find_event_attribute(std::u16string_view name) {
  for (const EventAttribute& attribute : kEventAttributes) {
    if (names_equal(attribute.name, name)) return &attribute;
  }
  return nullptr;
}

std::optional<std::uint32_t> event_mask_of(DialogKind kind) {
  switch (kind) {
    case DialogKind::Image: return 0x8F;
    case DialogKind::ListView: return 0x0A;
    case DialogKind::ListIcon:
    case DialogKind::Tree:
    case DialogKind::ExplorerList:
    case DialogKind::ExplorerTree: return 0x9F;
    case DialogKind::ComboBox:
    case DialogKind::String: return 0x70;
    case DialogKind::Date:
    case DialogKind::Spin:
    case DialogKind::Panel: return 0x10;
    case DialogKind::Button:
    case DialogKind::CheckBox:
    case DialogKind::Option:
    case DialogKind::Text:
    case DialogKind::Editor:
    case DialogKind::Scintilla:
    case DialogKind::ScrollBar:
    case DialogKind::ProgressBar:
    case DialogKind::ExplorerCombo:
    case DialogKind::Shortcut:
    case DialogKind::ButtonImage:
    case DialogKind::TrackBar:
    case DialogKind::Canvas:
    case DialogKind::Calendar:
    case DialogKind::Web:
    case DialogKind::HyperLink:
    case DialogKind::IpAddress: return 0;
    default: return std::nullopt;
  }
}

RuntimeProcedure resolve_event_procedure(std::u16string_view value, DialogError& error) {
  RuntimeProcedure procedure = runtime_procedure(value);
  if (procedure == nullptr) error.record(kNotRuntimeProcedureError, {value});
  return procedure;
}

void bind_event_attributes(const ElementView& element, DialogKind kind, std::int32_t window,
                           std::int32_t gadget, DialogError& error,
                           const GadgetEventBinder& bind) {
  std::optional<std::uint32_t> mask = event_mask_of(kind);
  if (!mask) return;
  for (int i = 0; i < element.attribute_count; ++i) {
    const EventAttribute* attribute = find_event_attribute(element.attribute_name(i));
    if (attribute == nullptr) continue;
    if (!is_accepted(*attribute, *mask)) {
      error.record(kEventNotSupportedError, {element.attribute_name(i), element.name});
      continue;
    }
    if (RuntimeProcedure procedure = resolve_event_procedure(element.attribute_value(i), error)) {
      bind(kGadgetEventCode, procedure, window, gadget, attribute->event_type);
    }
  }
}

}  // namespace ambrel
