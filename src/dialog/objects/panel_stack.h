#pragma once

// The panels whose elements are being created, innermost on top: a tab adds its page to
// the top panel. The stack grows with the nesting, so a panel inside a tab inside a panel
// needs no fixed capacity.

#include <cstdint>
#include <vector>

namespace ambrel {

class DialogObject;

struct PanelEntry {
  DialogObject* panel = nullptr;
  std::int32_t next_tab = 0;
};

class PanelStack {
 public:
  void push(DialogObject* panel) { entries_.push_back({panel, 0}); }
  void pop() {
    if (!entries_.empty()) entries_.pop_back();
  }
  // The innermost panel, or null outside every panel.
  PanelEntry* top() { return entries_.empty() ? nullptr : &entries_.back(); }
  void reset() { entries_.clear(); }

 private:
  std::vector<PanelEntry> entries_;
};

}  // namespace ambrel
