#pragma once

// A backend that keeps its windows and controls in a ControlTree answers from it what is
// kept there alike, whatever its toolkit: a control's kind, number, parent, window and
// children. What else it keeps of each it finds with find_record.

#include <vector>

#include "backend/backend.h"
#include "backend/control_tree.h"

namespace ambrel {

class ControlTreeBackend : public Backend {
 public:
  ControlKind control_kind(NativeHandle control) const final { return tree_.kind(control); }
  void set_control_id(NativeHandle control, int id) final { tree_.set_id(control, id); }
  NativeHandle control_parent(NativeHandle control) const final { return tree_.parent(control); }
  NativeHandle control_window(NativeHandle control) const final { return tree_.window_of(control); }
  std::vector<NativeHandle> child_controls(NativeHandle parent) const final {
    return tree_.children(parent);
  }

 protected:
  // A window's or control's record in one of the backend's own maps by handle value (const
  // for a const map), or null.
  template <class Records>
  static auto* find_record(Records& records, NativeHandle handle) {
    auto it = records.find(handle.value);
    return it == records.end() ? nullptr : &it->second;
  }

  ControlTree tree_;
};

}  // namespace ambrel
