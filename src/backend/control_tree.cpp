#include "backend/control_tree.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace ambrel {

const ControlTree::Control* ControlTree::find(NativeHandle control) const {
  auto it = controls_.find(control.value);
  return it == controls_.end() ? nullptr : &it->second;
}

ControlTree::Control* ControlTree::find(NativeHandle control) {
  auto it = controls_.find(control.value);
  return it == controls_.end() ? nullptr : &it->second;
}

const std::vector<NativeHandle>* ControlTree::children_of(NativeHandle parent) const {
  if (auto window = windows_.find(parent.value); window != windows_.end()) return &window->second;
  const Control* control = find(parent);
  return control ? &control->children : nullptr;
}

std::vector<NativeHandle>* ControlTree::children_of(NativeHandle parent) {
  return const_cast<std::vector<NativeHandle>*>(std::as_const(*this).children_of(parent));
}

NativeHandle ControlTree::add_window() {
  NativeHandle handle{++last_handle_};
  windows_.emplace(handle.value, std::vector<NativeHandle>{});
  return handle;
}

NativeHandle ControlTree::add_control(ControlKind kind, NativeHandle parent) {
  std::vector<NativeHandle>* siblings = children_of(parent);
  if (!siblings) return kNoHandle;
  int group = 0;
  if (kind == ControlKind::Option) {
    group = option_group_for_new(parent);
    last_option_group_ = std::max(last_option_group_, group);
  }
  NativeHandle handle{++last_handle_};
  siblings->push_back(handle);
  controls_.emplace(handle.value, Control{kind, -1, group, parent, window_of_parent(parent), {}});
  last_created_[parent.value] = LastCreated{kind, group};
  return handle;
}

void ControlTree::remove(NativeHandle handle) {
  windows_.erase(handle.value);
  controls_.erase(handle.value);
  last_created_.erase(handle.value);
}

bool ControlTree::continues_option_group(NativeHandle parent) const {
  auto last = last_created_.find(parent.value);
  return last != last_created_.end() && last->second.kind == ControlKind::Option;
}

int ControlTree::option_group_for_new(NativeHandle parent) const {
  if (!continues_option_group(parent)) return last_option_group_ + 1;
  return last_created_.at(parent.value).option_group;
}

int ControlTree::option_group(NativeHandle control) const {
  const Control* entry = find(control);
  return entry ? entry->option_group : 0;
}

void ControlTree::detach(NativeHandle control) {
  const Control* entry = find(control);
  if (!entry) return;
  std::vector<NativeHandle>* siblings = children_of(entry->parent);
  if (!siblings) return;
  // A control is in the list once, and the one taken out is most often the newest (a
  // control made and freed at once): searched from the end, that costs nothing.
  auto found = std::find(siblings->rbegin(), siblings->rend(), control);
  if (found != siblings->rend()) siblings->erase(std::next(found).base());
}

ControlKind ControlTree::kind(NativeHandle control) const {
  const Control* entry = find(control);
  return entry ? entry->kind : ControlKind::Container;
}

void ControlTree::set_id(NativeHandle control, int id) {
  if (Control* entry = find(control)) entry->id = id;
}

int ControlTree::id(NativeHandle control) const {
  const Control* entry = find(control);
  return entry ? entry->id : -1;
}

NativeHandle ControlTree::parent(NativeHandle control) const {
  const Control* entry = find(control);
  return entry ? entry->parent : kNoHandle;
}

NativeHandle ControlTree::window_of_parent(NativeHandle parent) const {
  if (is_window(parent)) return parent;
  const Control* entry = find(parent);
  return entry ? entry->window : kNoHandle;
}

NativeHandle ControlTree::window_of(NativeHandle control) const {
  const Control* entry = find(control);
  return entry && is_window(entry->window) ? entry->window : kNoHandle;
}

bool ControlTree::lies_above(NativeHandle control, NativeHandle handle) const {
  // A control without children lies above nothing but itself: no walk up the tree.
  const Control* entry = find(control);
  if (entry && entry->children.empty()) return handle == control;
  for (NativeHandle up = handle; is_control(up); up = parent(up)) {
    if (up == control) return true;
  }
  return false;
}

// The control and everything under it now lie in `window`.
void ControlTree::set_window_under(NativeHandle control, NativeHandle window) {
  std::vector<NativeHandle> pending{control};
  while (!pending.empty()) {
    Control* entry = find(pending.back());
    pending.pop_back();
    if (!entry || entry->window == window) continue;
    entry->window = window;
    pending.insert(pending.end(), entry->children.begin(), entry->children.end());
  }
}

bool ControlTree::set_parent(NativeHandle control, NativeHandle parent) {
  Control* entry = find(control);
  if (!entry || !is_parent(parent)) return false;
  // A control cannot become a child of itself or of its own descendant.
  if (lies_above(control, parent)) return false;
  detach(control);
  entry->parent = parent;
  children_of(parent)->push_back(control);
  set_window_under(control, window_of_parent(parent));
  return true;
}

std::vector<NativeHandle> ControlTree::children(NativeHandle parent) const {
  const std::vector<NativeHandle>* list = children_of(parent);
  return list ? *list : std::vector<NativeHandle>{};
}

NativeHandle ControlTree::last_child_except(NativeHandle parent, ControlKind kind) const {
  const std::vector<NativeHandle>* list = children_of(parent);
  if (!list) return kNoHandle;
  auto found = std::find_if(list->rbegin(), list->rend(),
                            [&](NativeHandle child) { return this->kind(child) != kind; });
  return found == list->rend() ? kNoHandle : *found;
}

void ControlTree::move_child(NativeHandle child, std::size_t index) {
  const Control* entry = find(child);
  std::vector<NativeHandle>* siblings = entry ? children_of(entry->parent) : nullptr;
  if (!siblings) return;
  detach(child);
  siblings->insert(
      siblings->begin() + static_cast<std::ptrdiff_t>(std::min(index, siblings->size())), child);
}

bool ControlTree::place_after(NativeHandle control, NativeHandle sibling) {
  const Control* entry = find(control);
  if (!entry || control == sibling || parent(sibling) != entry->parent) return false;
  std::vector<NativeHandle>& siblings = *children_of(entry->parent);
  std::erase(siblings, control);
  siblings.insert(std::find(siblings.begin(), siblings.end(), sibling) + 1, control);
  return true;
}

void ControlTree::destroy_children_first(std::vector<NativeHandle> roots,
                                         const std::function<void(NativeHandle)>& destroy) {
  std::vector<std::pair<NativeHandle, bool>> stack;  // (control, its children already pushed)
  for (auto it = roots.rbegin(); it != roots.rend(); ++it) stack.emplace_back(*it, false);
  while (!stack.empty()) {
    auto [handle, expanded] = stack.back();
    const Control* entry = find(handle);
    if (!entry) {
      stack.pop_back();
      continue;
    }
    if (!expanded) {
      stack.back().second = true;
      for (auto it = entry->children.rbegin(); it != entry->children.rend(); ++it)
        stack.emplace_back(*it, false);
      continue;
    }
    stack.pop_back();
    destroy(handle);
  }
}

}  // namespace ambrel
