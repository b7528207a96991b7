#include "ui/gadget_list.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace ambrel {

namespace {

struct GadgetList {
  NativeHandle parent;
  std::vector<NativeHandle> earlier;
};

struct GadgetListState {
  NativeHandle window;
  GadgetList current;
  std::map<std::uint64_t, GadgetList> saved;  // by native window
};

std::unique_ptr<GadgetListState>& running_lists() {
  static std::unique_ptr<GadgetListState> lists;
  return lists;
}

}  // namespace

void start_gadget_lists() {
  if (!running_lists()) running_lists() = std::make_unique<GadgetListState>();
}

void end_gadget_lists() { running_lists().reset(); }

NativeHandle use_gadget_list(NativeHandle window) {
  if (!running_lists()) return kNoHandle;
  GadgetListState& lists = *running_lists();
  NativeHandle previous = lists.current.parent;
  if (lists.window) lists.saved[lists.window.value] = std::move(lists.current);
  lists.window = window;
  auto it = lists.saved.find(window.value);
  if (it != lists.saved.end()) {
    lists.current = std::move(it->second);
    lists.saved.erase(it);
  } else {
    lists.current = {window, {}};
  }
  return previous;
}

void push_gadget_parent(NativeHandle container) {
  if (!running_lists()) return;
  GadgetList& list = running_lists()->current;
  list.earlier.push_back(list.parent);
  list.parent = container;
}

void replace_gadget_parent(NativeHandle parent) {
  if (running_lists()) running_lists()->current.parent = parent;
}

bool pop_gadget_parent() {
  if (!running_lists()) return false;
  GadgetList& list = running_lists()->current;
  if (list.earlier.empty()) return false;
  list.parent = list.earlier.back();
  list.earlier.pop_back();
  return true;
}

NativeHandle current_gadget_parent() {
  return running_lists() ? running_lists()->current.parent : kNoHandle;
}

void forget_gadget_list(NativeHandle window) {
  if (!running_lists()) return;
  GadgetListState& lists = *running_lists();
  lists.saved.erase(window.value);
  if (lists.window == window) {
    lists.window = kNoHandle;
    lists.current = {};
  }
}

}  // namespace ambrel
