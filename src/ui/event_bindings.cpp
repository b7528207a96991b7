// The process-wide binding table: event key text -> procedures, newest first.

#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "ui/event_state.h"

namespace ambrel {

namespace {

struct Binding {
  EventProcedure procedure;
  bool active;
};

struct BindingEntry {
  std::string key;
  std::list<Binding> bindings;  // stable while procedures bind and unbind during a walk
  int window = kAnyValue;       // the window given at binding time, to drop with it
};

std::string event_key(int code, int window, int object, int type) {
  return std::to_string(code) + ':' + std::to_string(window) + ':' + std::to_string(object) + ':' +
         std::to_string(type);
}

class BindingTable {
 public:
  BindingEntry& find_or_add(const std::string& key) {
    std::unique_ptr<BindingEntry>& entry = entries_[key];
    if (!entry) {
      entry = std::make_unique<BindingEntry>();
      entry->key = key;
    }
    return *entry;
  }

  BindingEntry* find(const std::string& key) {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : it->second.get();
  }

  // Calls every active procedure of the key. Procedures may bind, unbind or drop bindings
  // meanwhile; what they deactivate is collected only once no walk is running, so no walk
  // ever sees its list change under it.
  void walk(const std::string& key) {
    BindingEntry* entry = find(key);
    if (!entry) return;
    ++walking_;
    for (auto it = entry->bindings.begin(); it != entry->bindings.end(); ++it) {
      if (it->active) {
        it->procedure();
      } else {
        has_garbage_ = true;
      }
    }
    --walking_;
    collect_if_idle();
  }

  bool deactivate(BindingEntry& entry, EventProcedure procedure) {
    for (Binding& binding : entry.bindings) {
      if (binding.active && binding.procedure == procedure) {
        binding.active = false;
        has_garbage_ = true;
        collect_if_idle();
        return true;
      }
    }
    return false;
  }

  void drop_window(int window) {
    deactivate_where([window](const BindingEntry& e) { return e.window == window; });
  }
  void drop_all() {
    deactivate_where([](const BindingEntry&) { return true; });
  }

  bool walking() const { return walking_ != 0; }

 private:
  template <class Predicate>
  void deactivate_where(Predicate wanted) {
    for (auto& [key, entry] : entries_) {
      if (!wanted(*entry)) continue;
      for (Binding& binding : entry->bindings) binding.active = false;
      has_garbage_ = true;
    }
    collect_if_idle();
  }

  void collect_if_idle() {
    if (walking_ != 0 || !has_garbage_) return;
    has_garbage_ = false;
    for (auto& [key, entry] : entries_)
      entry->bindings.remove_if([](const Binding& b) { return !b.active; });
    std::erase_if(entries_, [](const auto& item) { return item.second->bindings.empty(); });
  }

  // A table that grows with the bindings: a dialog binds two pane procedures per splitter,
  // and a fixed number of chains would make every event's look-up grow with the dialog.
  std::unordered_map<std::string, std::unique_ptr<BindingEntry>> entries_;
  int walking_ = 0;
  bool has_garbage_ = false;
};

std::unique_ptr<BindingTable>& binding_table() {
  static std::unique_ptr<BindingTable> table;
  return table;
}

// Set when the library ends from inside a bound procedure: the table goes once the walk is over.
bool& table_end_pending() {
  static bool pending = false;
  return pending;
}

}  // namespace

void create_binding_table() {
  table_end_pending() = false;
  if (!binding_table()) binding_table() = std::make_unique<BindingTable>();
}

void destroy_binding_table() {
  BindingTable* table = binding_table().get();
  if (!table) return;
  if (table->walking()) {
    table->drop_all();
    table_end_pending() = true;
    return;
  }
  binding_table().reset();
}

int bind_gadget_event(int code, EventProcedure procedure, int window, int object, int type) {
  BindingTable* table = binding_table().get();
  if (!table || !procedure) return 0;
  BindingEntry& entry = table->find_or_add(event_key(code, window, object, type));
  entry.bindings.push_front({procedure, true});
  entry.window = window;
  return 1;
}

int bind_event(int code, EventProcedure procedure, int window) {
  return bind_gadget_event(code, procedure, window, kAnyValue, kAnyValue);
}

int unbind_event(int code, EventProcedure procedure, int window) {
  BindingTable* table = binding_table().get();
  if (!table) return 0;
  BindingEntry* entry = table->find(event_key(code, window, kAnyValue, kAnyValue));
  if (!entry) return 0;
  return table->deactivate(*entry, procedure) ? 1 : 0;
}

void drop_window_bindings(int window) {
  if (BindingTable* table = binding_table().get()) table->drop_window(window);
}

void dispatch_bound_procedures(int code, int window, int object, int type) {
  const std::string keys[] = {
      event_key(code, window, object, type),
      event_key(code, window, object, kAnyValue),
      event_key(code, window, kAnyValue, kAnyValue),
      event_key(code, kAnyValue, kAnyValue, kAnyValue),
      event_key(code, kAnyValue, object, type),
  };
  for (const std::string& key : keys) {
    // Looked up afresh for each key: a procedure may end the library.
    BindingTable* table = binding_table().get();
    if (!table) return;
    table->walk(key);
    if (table_end_pending() && !table->walking()) {
      table_end_pending() = false;
      binding_table().reset();
      return;
    }
  }
}

}  // namespace ambrel
