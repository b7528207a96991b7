#include "dialog/objects/object_maps.h"

#include <memory>
#include <unordered_map>

namespace ambrel {
namespace {

struct ObjectMaps {
  std::unordered_map<std::int32_t, WindowObject*> windows;
  std::unordered_map<std::int32_t, SplitterObject*> splitter_panes;
};

std::unique_ptr<ObjectMaps>& maps() {
  static std::unique_ptr<ObjectMaps> instance;
  return instance;
}

template <class Object>
Object* find_in(const std::unordered_map<std::int32_t, Object*>& map, std::int32_t key) {
  auto it = map.find(key);
  return it == map.end() ? nullptr : it->second;
}

}  // namespace

void object_maps_init() {
  if (!maps()) maps() = std::make_unique<ObjectMaps>();
}

void object_maps_end() { maps().reset(); }

void register_window_object(std::int32_t window, WindowObject* object) {
  if (maps()) maps()->windows[window] = object;
}

void unregister_window_object(std::int32_t window) {
  if (maps()) maps()->windows.erase(window);
}

WindowObject* find_window_object(std::int32_t window) {
  return maps() ? find_in(maps()->windows, window) : nullptr;
}

void register_splitter_pane(std::int32_t container, SplitterObject* splitter) {
  if (maps()) maps()->splitter_panes[container] = splitter;
}

void unregister_splitter_pane(std::int32_t container) {
  if (maps()) maps()->splitter_panes.erase(container);
}

SplitterObject* find_splitter_of_pane(std::int32_t container) {
  return maps() ? find_in(maps()->splitter_panes, container) : nullptr;
}

}  // namespace ambrel
