#include "dialog/objects/layout_passes.h"

#include <optional>
#include <unordered_set>
#include <vector>

#include "dialog/objects/object_maps.h"
#include "dialog/objects/splitter_object.h"
#include "dialog/objects/window_object.h"
#include "ui/window.h"

namespace ambrel {
namespace {

// What a pass allocates next: an object with its rectangle, or the content of a window or
// of a splitter pane, looked up by number when its turn comes, at the size it has then.
struct PendingAllocation {
  enum class Source { Object, Window, Pane };
  Source source = Source::Object;
  ChildPlacement placement;
  std::int32_t number = -1;
};

struct AllocationPass {
  std::vector<PendingAllocation> pending;
  // The object whose allocate runs, and whether it was destroyed meanwhile (then the
  // children it named are gone too).
  DialogObject* current = nullptr;
  bool current_destroyed = false;
};

// The pass running on this thread, or null.
thread_local AllocationPass* running_pass = nullptr;

std::optional<ChildPlacement> resolve(const PendingAllocation& entry) {
  switch (entry.source) {
    case PendingAllocation::Source::Object:
      return entry.placement;
    case PendingAllocation::Source::Window: {
      WindowObject* object = find_window_object(entry.number);
      if (object == nullptr) return std::nullopt;
      return ChildPlacement{
          object, {0, 0, window_inner_width(entry.number), window_inner_height(entry.number)}};
    }
    case PendingAllocation::Source::Pane: {
      SplitterObject* splitter = find_splitter_of_pane(entry.number);
      return splitter ? splitter->pane_placement(entry.number) : std::nullopt;
    }
  }
  return std::nullopt;
}

void run_pass(AllocationPass& pass) {
  std::vector<ChildPlacement> placed;
  while (!pass.pending.empty()) {
    std::optional<ChildPlacement> next = resolve(pass.pending.back());
    pass.pending.pop_back();
    if (!next) continue;
    next->child->set_allocation(next->area);
    placed.clear();
    pass.current = next->child;
    pass.current_destroyed = false;
    next->child->allocate(next->area, placed);
    pass.current = nullptr;
    if (pass.current_destroyed) continue;
    // Reversed, so that the first child is allocated first.
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
      pass.pending.push_back({PendingAllocation::Source::Object, *it, -1});
    }
  }
}

// Joins the running pass, or runs one of its own.
void allocate(PendingAllocation entry) {
  if (running_pass != nullptr) {
    running_pass->pending.push_back(entry);
    return;
  }
  AllocationPass pass;
  pass.pending.push_back(entry);
  struct Running {
    explicit Running(AllocationPass& pass) { running_pass = &pass; }
    ~Running() { running_pass = nullptr; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
  } running(pass);
  run_pass(pass);
}

}  // namespace

layout::Size request_tree(DialogObject& root) {
  struct Visit {
    DialogObject* object;
    bool children_done;
  };
  std::vector<Visit> stack{{&root, false}};
  while (!stack.empty()) {
    Visit& visit = stack.back();
    DialogObject* object = visit.object;
    if (!visit.children_done && !object->folded()) {
      visit.children_done = true;
      for (const auto& child : object->children()) stack.push_back({child.get(), false});
      continue;
    }
    stack.pop_back();
    object->set_request(layout::clamp_size(object->size_request()));
  }
  return root.request();
}

void allocate_tree(DialogObject& root, layout::Rect area) {
  allocate({PendingAllocation::Source::Object, {&root, area}, -1});
}

void allocate_window_content(std::int32_t window) {
  allocate({PendingAllocation::Source::Window, {}, window});
}

void allocate_pane_content(std::int32_t container) {
  allocate({PendingAllocation::Source::Pane, {}, container});
}

void forget_pending_allocations(const std::vector<std::unique_ptr<DialogObject>>& objects) {
  AllocationPass* pass = running_pass;
  if (pass == nullptr) return;
  std::unordered_set<const DialogObject*> gone;
  for (const auto& object : objects) gone.insert(object.get());
  std::erase_if(pass->pending, [&](const PendingAllocation& entry) {
    return entry.source == PendingAllocation::Source::Object &&
           gone.contains(entry.placement.child);
  });
  if (gone.contains(pass->current)) pass->current_destroyed = true;
}

}  // namespace ambrel
