#include "ui/gadget_list.h"

#include <map>
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

GadgetListState& state() {
  thread_local GadgetListState gadget_lists;
  return gadget_lists;
}

}  // namespace

NativeHandle use_gadget_list(NativeHandle window) {
  GadgetListState& lists = state();
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
  GadgetList& list = state().current;
  list.earlier.push_back(list.parent);
  list.parent = container;
}

void replace_gadget_parent(NativeHandle parent) { state().current.parent = parent; }

bool pop_gadget_parent() {
  GadgetList& list = state().current;
  if (list.earlier.empty()) return false;
  list.parent = list.earlier.back();
  list.earlier.pop_back();
  return true;
}

NativeHandle current_gadget_parent() { return state().current.parent; }

void forget_gadget_list(NativeHandle window) {
  GadgetListState& lists = state();
  lists.saved.erase(window.value);
  if (lists.window == window) {
    lists.window = kNoHandle;
    lists.current = {};
  }
}

}  // namespace ambrel
