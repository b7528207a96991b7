#include "dialog/definition/event_attributes.h"

#include "dialog/definition/name_compare.h"
#include "ui/event_codes.h"

namespace ambrel {
namespace {

constexpr EventAttribute kEventAttributes[] = {
    {u"ONEVENT", kAnyValue, 0},
    {u"ONLEFTCLICK", kGadgetLeftClick, kAcceptsLeftClick},
    {u"ONRIGHTCLICK", kGadgetRightClick, kAcceptsRightClick},
    {u"ONLEFTDOUBLECLICK", kGadgetLeftDoubleClick, kAcceptsLeftDoubleClick},
    {u"ONRIGHTDOUBLECLICK", kGadgetRightDoubleClick, kAcceptsRightDoubleClick},
    {u"ONCHANGE", kGadgetChange, kAcceptsChange},
    {u"ONFOCUS", kGadgetFocus, kAcceptsFocus},
    {u"ONLOSTFOCUS", kGadgetLostFocus, kAcceptsLostFocus},
    {u"ONDRAGSTART", kGadgetDragStart, kAcceptsDragStart},
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

const EventAttribute* find_event_attribute_of_type(std::int32_t event_type) {
  for (const EventAttribute& attribute : kEventAttributes) {
    if (attribute.event_type == event_type && event_type != kAnyValue) return &attribute;
  }
  return nullptr;
}

EventMask event_mask_of(DialogKind kind) { return kind_row_of(kind).events; }

RuntimeProcedure resolve_event_procedure(std::u16string_view value, DialogError& error,
                                         DefinitionPlace place) {
  RuntimeProcedure procedure = runtime_procedure(value);
  if (procedure == nullptr) error.record(kNotRuntimeProcedureError, {value}, place);
  return procedure;
}

void bind_event_attributes(const ElementView& element, DialogKind kind, std::int32_t window,
                           std::int32_t gadget, DialogError& error, const GadgetEventBinder& bind) {
  EventMask mask = event_mask_of(kind);
  if (!mask) return;
  for (int i = 0; i < element.attribute_count; ++i) {
    const EventAttribute* attribute = find_event_attribute(element.attribute_name(i));
    if (attribute == nullptr) continue;
    element.mark_read(i);
    if (!is_accepted(*attribute, *mask)) {
      error.record(kEventNotSupportedError, {element.attribute_name(i), element.name},
                   element.place(i));
      continue;
    }
    if (RuntimeProcedure procedure =
            resolve_event_procedure(element.attribute_value(i), error, element.place(i))) {
      bind(kEventGadget, procedure, window, gadget, attribute->event_type);
    }
  }
}

}  // namespace ambrel
