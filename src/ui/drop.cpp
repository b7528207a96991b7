#include "ui/drop.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "ui/event_state.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

namespace {

constexpr int kAllActions = kDropCopy | kDropMove | kDropLink;
constexpr int kCountedModifiers = kModifierShift | kModifierControl | kModifierAlt;

enum class MatchKind { None, Format, PrivateType };

// One accepted format (or private type) with its allowed actions.
struct Acceptance {
  int key = 0;
  int actions = 0;
};

struct DragState {
  MatchKind kind = MatchKind::None;
  int matched = 0;  // the format or the private type
  int format = 0;   // what the drop delivers
  int actions = 0;  // allowed actions of the match
};

struct DropTarget {
  GadgetKindCode target_kind = GadgetKindCode::None;  // None for a window
  int object = 0;                                     // gadget or window number
  std::vector<Acceptance> formats;                    // newest first
  std::vector<Acceptance> private_types;
  DragState drag;
};

std::map<std::uint64_t, DropTarget>& drop_targets() {
  static std::map<std::uint64_t, DropTarget> targets;
  return targets;
}

DropCallback& drop_callback() {
  static DropCallback callback = nullptr;
  return callback;
}

// Overwrites the entry's actions, inserts it first, or with actions 0 removes it.
void accept(std::vector<Acceptance>& list, int key, int actions) {
  auto entry =
      std::find_if(list.begin(), list.end(), [key](const Acceptance& a) { return a.key == key; });
  if (actions == 0) {
    if (entry != list.end()) list.erase(entry);
  } else if (entry != list.end()) {
    entry->actions = actions;
  } else {
    list.insert(list.begin(), {key, actions});
  }
}

// A group frame sharing the target's place would take its drags, so it goes below it.
void lower_overlapping_frames(BackendControls& controls, NativeHandle target) {
  Rect area = controls.control_geometry(target);
  for (NativeHandle sibling : controls.child_controls(controls.control_parent(target))) {
    if (sibling == target || controls.control_kind(sibling) != ControlKind::Frame) continue;
    Rect other = controls.control_geometry(sibling);
    bool overlaps = other.x < area.x + area.width && area.x < other.x + other.width &&
                    other.y < area.y + area.height && area.y < other.y + other.height;
    if (overlaps) controls.place_control_below(sibling, target);
  }
}

// Registers, updates or removes one acceptance of the native target; 1 on success.
int change_acceptance(NativeHandle handle, GadgetKindCode target_kind, int object,
                      bool private_type, int key, int actions) {
  BackendDesktop* desktop = ui_desktop();
  if (!desktop || !handle) return 0;
  actions &= kAllActions;
  auto& targets = drop_targets();
  auto found = targets.find(handle.value);
  if (found == targets.end()) {
    if (actions == 0) return 1;
    if (!desktop->enable_drops(handle, true)) return 0;
    found = targets.emplace(handle.value, DropTarget{target_kind, object, {}, {}, {}}).first;
  }
  DropTarget& target = found->second;
  if (private_type) {
    accept(target.private_types, key, actions);
  } else if (key == kDropFormatText && actions != 0) {
    for (int text_format : {kDropFormatText, kDropFormatOemText, kDropFormatUnicodeText}) {
      accept(target.formats, text_format, actions);
    }
  } else {
    accept(target.formats, key, actions);
  }
  if (target.formats.empty() && target.private_types.empty()) {
    desktop->enable_drops(handle, false);
    targets.erase(found);
  }
  return 1;
}

int enable_on_gadget(int gadget, bool private_type, int key, int actions) {
  NativeHandle handle = gadget_handle(gadget);
  if (!handle) return 0;
  GadgetKindCode kind = ambrel::gadget_kind(gadget);
  if (!change_acceptance(handle, kind, gadget, private_type, key, actions)) return 0;
  if (actions != 0 && kind != GadgetKindCode::Frame)
    lower_overlapping_frames(*ui_controls(), handle);
  return 1;
}

bool can_deliver(const DragInput& input, int format) {
  switch (format) {
    case kDropFormatFiles:
      return !input.files.empty();
    case kDropFormatText:
    case kDropFormatOemText:
    case kDropFormatUnicodeText:
      return input.has_text;
    default:
      return false;
  }
}

DragState match_drag(const DropTarget& target, const DragInput& input) {
  for (const Acceptance& entry : target.formats) {
    if ((entry.actions & input.offered_actions) != 0 && can_deliver(input, entry.key)) {
      return {MatchKind::Format, entry.key, entry.key, entry.actions};
    }
  }
  if (input.private_type == 0) return {};
  for (const Acceptance& entry : target.private_types) {
    if (entry.key == input.private_type && (entry.actions & input.offered_actions) != 0) {
      return {MatchKind::PrivateType, entry.key, kDropFormatPrivate, entry.actions};
    }
  }
  return {};
}

int vetted_action(NativeHandle handle, const DropTarget& target, const DragInput& input) {
  if (target.drag.kind == MatchKind::None) return 0;
  int action = choose_drop_action(input.offered_actions & target.drag.actions, input.modifiers);
  if (action != 0 && drop_callback() &&
      drop_callback()(handle, input.phase, target.drag.format, action, input.position.x,
                      input.position.y) == 0) {
    action = 0;
  }
  return action;
}

void release_drop_record(void* data) { delete static_cast<DropRecord*>(data); }

void raise_drop_event(const DropTarget& target, std::unique_ptr<DropRecord> record) {
  if (target.target_kind == GadgetKindCode::None) {
    raise_event(kEventWindowDrop, target.object, target.object, 0, record.release(),
                release_drop_record);
    return;
  }
  int window = window_number_of(gadget_handle(target.object));
  raise_event(kEventGadgetDrop, target.object, window, 0, record.release(), release_drop_record);
}

int drop(NativeHandle handle, DropTarget& target, const DragInput& input) {
  int action = vetted_action(handle, target, input);
  DragState match = target.drag;
  target.drag = {};
  // The data is fetched anew at the drop; a source that can no longer deliver what it
  // offered (it may have ended) drops nothing rather than an empty list.
  if (action == 0 || (match.kind == MatchKind::Format && !can_deliver(input, match.format)))
    return 0;
  auto record = std::make_unique<DropRecord>();
  record->format = match.format;
  record->action = action;
  record->x = input.position.x;
  record->y = input.position.y;
  if (match.kind == MatchKind::PrivateType) {
    record->private_type = match.matched;
  } else if (match.format == kDropFormatFiles) {
    record->files = input.files;
  } else {
    record->data = input.text + u'\0';
  }
  raise_drop_event(target, std::move(record));
  return action;
}

}  // namespace

int enable_gadget_drop(int gadget, int format, int actions) {
  return enable_on_gadget(gadget, false, format, actions);
}

int enable_private_drop(int gadget, int private_type, int actions) {
  return enable_on_gadget(gadget, true, private_type, actions);
}

int enable_window_drop(int window, int format, int actions) {
  return change_acceptance(window_handle(window), GadgetKindCode::None, window, false, format,
                           actions);
}

int choose_drop_action(int available, int modifiers) {
  int keys = modifiers & kCountedModifiers;
  bool link_keys = keys == (kModifierControl | kModifierShift) || keys == kModifierAlt;
  if ((available & kDropLink) && link_keys) return kDropLink;
  if ((available & kDropMove) && (keys == kModifierShift || !(available & kDropCopy)))
    return kDropMove;
  if (available & kDropCopy) return kDropCopy;
  if (available & kDropLink) return kDropLink;
  return 0;
}

std::vector<std::u16string> event_drop_file_list() {
  int code = current_event_code();
  if (code != kEventGadgetDrop && code != kEventWindowDrop) return {};
  const auto* record = static_cast<const DropRecord*>(event_data());
  if (!record || record->format != kDropFormatFiles) return {};
  return record->files;
}

std::u16string event_drop_files() {
  std::u16string joined;
  for (const std::u16string& file : event_drop_file_list()) {
    if (!joined.empty()) joined += u'\n';
    joined += file;
  }
  return joined;
}

void set_drop_callback(DropCallback callback) { drop_callback() = callback; }

int drop_target_drag(NativeHandle handle, const DragInput& input) {
  auto found = drop_targets().find(handle.value);
  if (found == drop_targets().end()) return 0;
  DropTarget& target = found->second;
  switch (input.phase) {
    case DragPhase::Enter:
      target.drag = match_drag(target, input);
      return vetted_action(handle, target, input);
    case DragPhase::Over:
      return vetted_action(handle, target, input);
    case DragPhase::Leave:
      target.drag = {};
      if (drop_callback()) drop_callback()(handle, DragPhase::Leave, 0, 0, 0, 0);
      return 0;
    case DragPhase::Drop:
      return drop(handle, target, input);
  }
  return 0;
}

void forget_drop_target(NativeHandle handle) { drop_targets().erase(handle.value); }

bool drop_library_init() {
  drop_library_end();
  return true;
}

void drop_library_end() {
  drop_targets().clear();
  drop_callback() = nullptr;
}

}  // namespace ambrel
