#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <thread>

#include "json/json_parse_result.h"
#include "json/piece_hand_off.h"
#include "json/piece_places.h"
#include "support/text_part_joiner.h"

namespace ambrel {

// The kinds of scalar a JSON text holds; a number is an integer or a decimal by how it is
// written (with a fraction or an exponent it is a decimal), never by its size.
enum class JsonScalar { string, integer, decimal, boolean, null };

// What the reader reports while it reads a text, in text order. A key stays valid until the
// first event of its member's value has returned. Allocation failure may be signalled with
// std::bad_alloc: the reading then stops and reports out_of_memory.
class JsonEventHandler {
 public:
  virtual ~JsonEventHandler() = default;

  virtual void start_object() = 0;
  virtual void key(std::u16string_view name) = 0;  // the next value is this member's
  virtual void end_object() = 0;
  virtual void start_array() = 0;
  virtual void end_array() = 0;
  virtual void scalar(JsonScalar kind) = 0;
  // A value at the top is complete; another may follow (JSON Lines, values one after another).
  virtual void end_value() = 0;
};

// One reading of a UTF-16 JSON text (RFC 8259) handed over in pieces of any size, as one or
// more values one after the other, after an optional byte-order mark. Nesting is read without
// recursion, arrays to any depth, objects to kMostNestedObjects levels; memory holds the open
// containers and the longest key, never the text. A \u escape of an unpaired surrogate, and an
// unpaired surrogate in the text, read as U+FFFD; \u0000 stays. The events and the result do not
// depend on where the pieces are cut.
//
// The reader runs on a thread of its own that asks for each next piece; feed hands a piece
// to it and returns once it is read, so the handler is only ever called during feed and
// finish, never at the same time as the caller.
class JsonEventReader {
 public:
  explicit JsonEventReader(JsonEventHandler& handler);
  ~JsonEventReader();
  JsonEventReader(const JsonEventReader&) = delete;
  JsonEventReader& operator=(const JsonEventReader&) = delete;

  // The next piece of the text. Ignored once the reading has failed or was finished.
  void feed(std::u16string_view piece);
  // Ends the text and returns how its reading ended: malformed with the place of the fault
  // (a text without any value is malformed at its end).
  JsonParseResult finish();

 private:
  void hand_over(std::u16string_view units);
  void read();
  void note_stop(std::u16string_view piece);

  JsonEventHandler& handler_;
  TextPartJoiner joiner_;    // no surrogate pair split, so each piece can be repaired alone
  std::u16string repaired_;  // a piece with unpaired surrogates, repaired
  PieceHandOff hand_off_;
  PiecePlaces places_;
  bool finished_ = false;
  bool stop_noted_ = false;
  JsonParseResult result_;
  // Set by the reading thread before it stops.
  int fault_ = 0;
  std::size_t fault_offset_ = 0;
  char32_t found_ = kFoundUntold;
  bool handler_failed_ = false;
  std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace ambrel
