#pragma once

// The bookkeeping every backend keeps the same way, whatever its toolkit: which handles are
// windows and which are controls, each control's kind, id, parent and option group, and the
// ordered child list of each window and control. Handles come from here, so windows and controls
// share one numbering.

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "backend/backend_controls.h"
#include "backend/native_handle.h"

namespace ambrel {

// Where an item asked for at `position` goes among `count` items: -1, or a place past the
// end, appends it.
inline int insert_position(int position, int count) {
  return position < 0 || position > count ? count : position;
}

class ControlTree {
 public:
  NativeHandle add_window();
  // Appends a control to its parent's children; kNoHandle when the parent is neither a
  // window nor a control.
  NativeHandle add_control(ControlKind kind, NativeHandle parent);
  // Forgets a window or control; its parent's child list is left as it is (see detach).
  void remove(NativeHandle handle);
  // Takes a control out of its parent's child list.
  void detach(NativeHandle control);

  bool is_window(NativeHandle handle) const { return windows_.contains(handle.value); }
  bool is_control(NativeHandle handle) const { return controls_.contains(handle.value); }
  bool is_parent(NativeHandle handle) const { return is_window(handle) || is_control(handle); }

  ControlKind kind(NativeHandle control) const;
  void set_id(NativeHandle control, int id);
  int id(NativeHandle control) const;
  NativeHandle parent(NativeHandle control) const;
  // The window the control lies in, through any depth of containers.
  NativeHandle window_of(NativeHandle control) const;
  // Moves a control to the end of another parent's children. Refused (false) when either is
  // unknown or the new parent is the control itself or lies under it.
  bool set_parent(NativeHandle control, NativeHandle parent);

  // Option groups are decided once here from the creation order (see ControlRequest): the
  // group an option created now under `parent` joins, and an option's group. Groups are
  // numbered from 1 across the whole tree; 0 for a control that is no option.
  int option_group_for_new(NativeHandle parent) const;
  // Whether an option created now under `parent` joins the group of the option before it.
  bool continues_option_group(NativeHandle parent) const;
  int option_group(NativeHandle control) const;

  std::vector<NativeHandle> children(NativeHandle parent) const;
  // The last of the children that is not of `kind`, found from the end; kNoHandle when none.
  NativeHandle last_child_except(NativeHandle parent, ControlKind kind) const;
  // Moves a child to `index` within its parent's children.
  void move_child(NativeHandle child, std::size_t index);
  // Puts a control right after a sibling; false when they are not siblings.
  bool place_after(NativeHandle control, NativeHandle sibling);

  // Calls `destroy` for every control under and including `roots`, children before their
  // parent. `destroy` must remove the control; what it destroys itself is skipped. Iterative,
  // as a document may nest controls deeply.
  void destroy_children_first(std::vector<NativeHandle> roots,
                              const std::function<void(NativeHandle)>& destroy);

 private:
  struct Control {
    ControlKind kind = ControlKind::Container;
    int id = -1;
    int option_group = 0;
    NativeHandle parent;
    // Kept, so that finding it costs the same at any depth of containers.
    NativeHandle window;
    std::vector<NativeHandle> children;
  };

  const Control* find(NativeHandle control) const;
  Control* find(NativeHandle control);
  std::vector<NativeHandle>* children_of(NativeHandle parent);
  const std::vector<NativeHandle>* children_of(NativeHandle parent) const;
  NativeHandle window_of_parent(NativeHandle parent) const;
  // Whether `control` is `handle` or one of its ancestors.
  bool lies_above(NativeHandle control, NativeHandle handle) const;
  void set_window_under(NativeHandle control, NativeHandle window);

  // The control created last under each parent, as far as option grouping needs it.
  struct LastCreated {
    ControlKind kind = ControlKind::Container;
    int option_group = 0;
  };

  std::uint64_t last_handle_ = 0;
  int last_option_group_ = 0;
  std::map<std::uint64_t, LastCreated> last_created_;           // by parent
  std::map<std::uint64_t, std::vector<NativeHandle>> windows_;  // each window's children
  std::map<std::uint64_t, Control> controls_;
};

}  // namespace ambrel
