#include <memory>

#include "dialog/dialog.h"
#include "dialog/dialog_record.h"
#include "dialog/objects/object_maps.h"
#include "support/object_registry.h"
#include "ui/window.h"

namespace ambrel {
namespace {

void release_dialog(int, DialogRecord& record) { tear_down_window(record); }

std::unique_ptr<ObjectRegistry<DialogRecord>>& registry() {
  static std::unique_ptr<ObjectRegistry<DialogRecord>> instance;
  return instance;
}

}  // namespace

DialogRecord* find_dialog_record(std::int32_t dialog) {
  return registry() ? registry()->find(dialog) : nullptr;
}

void tear_down_window(DialogRecord& record) {
  if (!record.root) return;
  // The number first: destroying the tree forgets it.
  std::int32_t window = record.root->window();
  destroy_tree(std::move(record.root));
  if (window != -1 && window_exists(window)) window_close(window);
}

bool dialog_library_init() {
  if (!registry()) registry() = std::make_unique<ObjectRegistry<DialogRecord>>(release_dialog);
  object_maps_init();
  return true;
}

void dialog_library_end() {
  if (registry()) registry()->free_all();
  registry().reset();
  object_maps_end();
}

std::int32_t dialog_create(std::int32_t dialog) {
  if (!registry() || !ObjectRegistry<DialogRecord>::is_valid_request(dialog)) return 0;
  std::int32_t number = registry()->insert(dialog, std::make_unique<DialogRecord>());
  if (number == kAnyNumber) return 0;
  return dialog == kAnyNumber ? number : 1;
}

std::int32_t dialog_window(std::int32_t dialog) {
  DialogRecord* record = find_dialog_record(dialog);
  return record && record->root ? record->root->window() : -1;
}

std::int32_t dialog_gadget(std::int32_t dialog, std::u16string_view name) {
  DialogRecord* record = find_dialog_record(dialog);
  if (!record || !record->root) return -1;
  DialogObject* object = record->root->find_by_name(name);
  return object ? object->gadget() : -1;
}

std::string dialog_error_text(std::int32_t dialog) {
  DialogRecord* record = find_dialog_record(dialog);
  return record ? record->error.text() : std::string();
}

std::optional<DefinitionMessage> dialog_error_message(std::int32_t dialog) {
  DialogRecord* record = find_dialog_record(dialog);
  if (!record || !record->error.has_error()) return std::nullopt;
  return DefinitionMessage{record->error_position, record->error.text()};
}

std::vector<DefinitionMessage> dialog_warnings(std::int32_t dialog) {
  DialogRecord* record = find_dialog_record(dialog);
  if (!record) return {};
  std::span<const DefinitionMessage> warnings = record->notes.warnings();
  return {warnings.begin(), warnings.end()};
}

const DialogObject* dialog_root(std::int32_t dialog) {
  DialogRecord* record = find_dialog_record(dialog);
  return record ? record->root.get() : nullptr;
}

void dialog_free(std::int32_t dialog) {
  if (registry()) registry()->free(dialog);
}

}  // namespace ambrel
