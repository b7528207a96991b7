#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "dialog/definition/dialog_error.h"
#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"
#include "dialog/definition/runtime_registry.h"
#include "kinds/event_mask.h"

namespace ambrel {

// An attribute that binds a runtime procedure to one gadget event type. A kind accepts it
// when its event mask holds mask_bit; ONEVENT has no bit and is accepted by every kind
// that binds events.
struct EventAttribute {
  std::u16string_view name;
  std::int32_t event_type;
  std::uint32_t mask_bit;
};

// The event attribute with the name (compared without case), or null.
const EventAttribute* find_event_attribute(std::u16string_view name);
// The attribute that binds the event type alone (ONCHANGE for 768), or null.
const EventAttribute* find_event_attribute_of_type(std::int32_t event_type);

// The kind's event mask, or nothing for kinds that ignore event attributes (the window,
// layout boxes, empty, container, frame, scrollarea, splitter, tab).
EventMask event_mask_of(DialogKind kind);

// The procedure registered under the attribute value (exactly, "()" included where it was
// registered so; case does not matter). Anything else, an integer constant included,
// records the procedure error (pointing at `place`) and gives null.
RuntimeProcedure resolve_event_procedure(std::u16string_view value, DialogError& error,
                                         DefinitionPlace place = {});

// Makes one binding in the window layer: (event code, procedure, window, gadget, type).
using GadgetEventBinder =
    std::function<void(std::int32_t event_code, RuntimeProcedure procedure, std::int32_t window,
                       std::int32_t gadget, std::int32_t event_type)>;

// Binds every event attribute of a gadget's element, in document order, through `bind`.
// An attribute the kind does not accept, or a value that is not a runtime procedure,
// records its error and binds nothing; the remaining attributes are still visited.
// Kinds without an event mask bind nothing, record nothing and take no attribute, so their
// event attributes are reported as unused.
void bind_event_attributes(const ElementView& element, DialogKind kind, std::int32_t window,
                           std::int32_t gadget, DialogError& error, const GadgetEventBinder& bind);

}  // namespace ambrel
