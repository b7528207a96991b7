#pragma once

// Operations that several gadget kinds share: a control's value as the gadget's state, its
// items, the focus events of fields, and a control request filled from the common arguments.

#include <initializer_list>
#include <string_view>

#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

int value_state(const Gadget& gadget);
void set_value_state(Gadget& gadget, int value);
int add_control_item_at(Gadget& gadget, int position, std::u16string_view text);
// Raises 14000 or 14001.
void raise_focus_event(Gadget& gadget, bool gained);

// A kind whose state is its control's value.
constexpr GadgetKind valued_kind(GadgetKindCode code,
                                 Size (*natural_size)(const Gadget&) = nullptr) {
  return {.code = code,
          .get_state = value_state,
          .set_state = set_value_state,
          .natural_size = natural_size};
}

// A request of the kind at `geometry`, nothing else set: for kinds that read the arguments
// their own way.
ControlRequest bare_control_request(ControlKind kind, Rect geometry);
// A request of the kind with the arguments' text and range, geometry as given.
ControlRequest control_request(ControlKind kind, Rect geometry, const GadgetArguments& arguments);
// The same for kinds whose text argument is no caption: the control starts without text.
ControlRequest textless_control_request(ControlKind kind, Rect geometry,
                                        const GadgetArguments& arguments);

inline bool has_flag(int flags, int flag) { return (flags & flag) == flag; }

// A style setting that is on exactly when the gadget's flags have `flag`.
struct FlagSetting {
  int flag;
  bool ControlStyle::*setting;
};

// Creates the gadget and makes it the current gadget list.
int create_parent_gadget(int number, const GadgetKind& kind, ControlRequest request, int flags);

// Creates a gadget of `kind` from `request`, its flag settings read from arguments.flags.
int create_flagged_gadget(int number, const GadgetKind& kind, ControlRequest request,
                          const GadgetArguments& arguments,
                          std::initializer_list<FlagSetting> settings = {});

}  // namespace ambrel
