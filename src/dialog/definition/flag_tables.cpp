#include "dialog/definition/flag_tables.h"

#include "dialog/definition/element_kinds.h"

namespace ambrel {

std::span<const FlagEntry> flag_table(DialogKind kind) {
  const ElementKind* entry = element_kind_of(kind);
  return entry == nullptr ? std::span<const FlagEntry>{} : entry->flags;
}

}  // namespace ambrel
