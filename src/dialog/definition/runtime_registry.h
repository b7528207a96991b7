#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ambrel {

// A runtime procedure takes no arguments; it learns about its event from the
// current-event queries of the window layer.
using RuntimeProcedure = void (*)();

// Variable types of RuntimeEntryKind::Variable. Other type numbers may be registered;
// such a variable reads as 0.
namespace runtime_variable_type {
inline constexpr std::uint8_t kSigned8 = 1;
inline constexpr std::uint8_t kSigned16 = 3;
inline constexpr std::uint8_t kSigned32 = 5;
inline constexpr std::uint8_t kFloat32 = 9;
inline constexpr std::uint8_t kUnsigned8 = 11;
inline constexpr std::uint8_t kFloat64 = 12;
inline constexpr std::uint8_t kInteger32 = 21;
inline constexpr std::uint8_t kUnsigned16 = 25;
}  // namespace runtime_variable_type

// The process-wide registry of names a dialog definition may refer to: a hash map with
// 1024 buckets whose names are compared without regard to case. Registering a name that
// is present (in any case) overwrites its entry. Single-threaded, unlocked.

// Empties the registry; called once at start-up before anything registers. True once it runs.
bool runtime_registry_init();
// Forgets every name and gives back the memory the names took (exit).
void runtime_registry_end();

void runtime_register_integer(std::u16string_view name, std::int32_t value);
void runtime_register_double(std::u16string_view name, double value);
void runtime_register_address(std::u16string_view name, const void* address);
// `variable` must stay valid while the name is registered; it is read at each lookup.
void runtime_register_variable(std::u16string_view name, const void* variable,
                               std::uint8_t variable_type);
// The application publishes its event procedures under their name with "()".
void runtime_register_procedure(std::u16string_view name, RuntimeProcedure procedure);

// 1 when the registry holds the name, else 0.
int runtime_is_defined(std::u16string_view name);

// The name's value as a signed 32-bit integer: 0 when absent; integers as stored;
// floating values and float variables truncated toward zero (saturated at the int32
// range, NaN as 0); addresses and procedures 0; variables read now with their type.
std::int32_t runtime_value(std::u16string_view name);

// The procedure registered under the name, or null when the name is absent or its
// entry is not a procedure.
RuntimeProcedure runtime_procedure(std::u16string_view name);

std::size_t runtime_entry_count();

}  // namespace ambrel
