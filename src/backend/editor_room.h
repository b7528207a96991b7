#pragma once

// The room an editor that keeps its text as UTF-8 makes ahead for a text to come (see
// BackendControls::reserve_control_text). Scintilla grows its store as text comes by a
// sixth of it or more, copying the whole each time: a long text filled in pieces pauses the
// window at every step, for longer each time. Made at once, the room is one step, taken while
// the editor is still empty.
//
// The room is a byte a unit and an eighth more (line ends made CR LF, characters beyond
// ASCII), so that a text a little longer than foreseen does not move once more at its very
// end; a text much longer grows from there as it would have. It is never more than a process
// of this width holds with ease, and only as much as could just be had: Scintilla's store
// keeps a room it failed to get as if it had it, and would then write past its end.

#include <cstddef>
#include <cstdint>
#include <new>

namespace ambrel {

// The store's size to ask for, for `units` more units than the `held` bytes; 0: none.
inline std::size_t editor_room_bytes(std::size_t held, std::uint64_t units) {
  constexpr std::uint64_t kMostRoom =
      sizeof(void*) < 8 ? std::uint64_t{1} << 28 : std::uint64_t{1} << 30;
  if (units == 0 || held >= kMostRoom) return 0;
  std::uint64_t room = units + units / 8;
  if (room > kMostRoom - held) room = kMostRoom - held;
  auto bytes = static_cast<std::size_t>(held + room);
  // A call, not a new-expression, which the compiler may take as having succeeded.
  void* trial = ::operator new(bytes, std::nothrow);
  if (!trial) return 0;
  ::operator delete(trial);
  return bytes;
}

}  // namespace ambrel
