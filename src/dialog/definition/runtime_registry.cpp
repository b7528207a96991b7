#include "dialog/definition/runtime_registry.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "dialog/definition/name_compare.h"

namespace ambrel {
namespace {

constexpr std::size_t kBucketCount = 1024;

// What a runtime name stands for. Procedures have their own kind so that only an entry
// registered as a procedure can ever be called.
enum class RuntimeEntryKind : std::uint8_t {
  Integer = 0,
  Floating = 1,
  Address = 2,   // data that is not a number
  Variable = 3,  // read with its variable type at every lookup
  Procedure = 4,
};

struct RuntimeEntry {
  RuntimeEntryKind kind = RuntimeEntryKind::Integer;
  std::uint8_t variable_type = 0;
  std::int32_t integer = 0;
  double floating = 0;
  const void* address = nullptr;
  RuntimeProcedure procedure = nullptr;
};

struct NamedEntry {
  std::u16string name;
  RuntimeEntry entry;
};

using Bucket = std::vector<NamedEntry>;

std::array<Bucket, kBucketCount>& buckets() {
  static std::array<Bucket, kBucketCount> table;
  return table;
}

Bucket& bucket_of(std::u16string_view name) {
  return buckets()[folded_name_hash(name) % kBucketCount];
}

const RuntimeEntry* find_entry(std::u16string_view name) {
  for (const NamedEntry& named : bucket_of(name)) {
    if (names_equal(named.name, name)) return &named.entry;
  }
  return nullptr;
}

void store(std::u16string_view name, const RuntimeEntry& entry) {
  Bucket& bucket = bucket_of(name);
  for (NamedEntry& named : bucket) {
    if (names_equal(named.name, name)) {
      named.entry = entry;
      return;
    }
  }
  bucket.push_back(NamedEntry{std::u16string(name), entry});
}

std::int32_t truncate_to_int32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

template <class T>
T load(const void* address) {
  T value;
  std::memcpy(&value, address, sizeof value);
  return value;
}

std::int32_t read_variable(const void* address, std::uint8_t type) {
  if (address == nullptr) return 0;
  namespace vt = runtime_variable_type;
  switch (type) {
    case vt::kSigned8:
      return load<std::int8_t>(address);
    case vt::kSigned16:
      return load<std::int16_t>(address);
    case vt::kSigned32:
    case vt::kInteger32:
      return load<std::int32_t>(address);
    case vt::kFloat32:
      return truncate_to_int32(load<float>(address));
    case vt::kUnsigned8:
      return load<std::uint8_t>(address);
    case vt::kFloat64:
      return truncate_to_int32(load<double>(address));
    case vt::kUnsigned16:
      return load<std::uint16_t>(address);
    default:
      return 0;
  }
}

}  // namespace

bool runtime_registry_init() {
  for (Bucket& bucket : buckets()) bucket.clear();
  return true;
}

void runtime_registry_end() {
  for (Bucket& bucket : buckets()) Bucket().swap(bucket);
}

void runtime_register_integer(std::u16string_view name, std::int32_t value) {
  store(name, {.kind = RuntimeEntryKind::Integer, .integer = value});
}

void runtime_register_double(std::u16string_view name, double value) {
  store(name, {.kind = RuntimeEntryKind::Floating, .floating = value});
}

void runtime_register_address(std::u16string_view name, const void* address) {
  store(name, {.kind = RuntimeEntryKind::Address, .address = address});
}

void runtime_register_variable(std::u16string_view name, const void* variable,
                               std::uint8_t variable_type) {
  store(name,
        {.kind = RuntimeEntryKind::Variable, .variable_type = variable_type, .address = variable});
}

void runtime_register_procedure(std::u16string_view name, RuntimeProcedure procedure) {
  store(name, {.kind = RuntimeEntryKind::Procedure, .procedure = procedure});
}

int runtime_is_defined(std::u16string_view name) { return find_entry(name) != nullptr ? 1 : 0; }

std::int32_t runtime_value(std::u16string_view name) {
  const RuntimeEntry* entry = find_entry(name);
  if (entry == nullptr) return 0;
  switch (entry->kind) {
    case RuntimeEntryKind::Integer:
      return entry->integer;
    case RuntimeEntryKind::Floating:
      return truncate_to_int32(entry->floating);
    case RuntimeEntryKind::Variable:
      return read_variable(entry->address, entry->variable_type);
    case RuntimeEntryKind::Address:
    case RuntimeEntryKind::Procedure:
      return 0;
  }
  return 0;
}

RuntimeProcedure runtime_procedure(std::u16string_view name) {
  const RuntimeEntry* entry = find_entry(name);
  if (entry == nullptr || entry->kind != RuntimeEntryKind::Procedure) return nullptr;
  return entry->procedure;
}

std::size_t runtime_entry_count() {
  std::size_t count = 0;
  for (const Bucket& bucket : buckets()) count += bucket.size();
  return count;
}

}  // namespace ambrel
