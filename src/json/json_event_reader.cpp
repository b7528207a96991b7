#include "json/json_event_reader.h"

#include <rapidjson/reader.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "support/unicode_text.h"

namespace ambrel {

namespace {

using Encoding = rapidjson::UTF16<char16_t>;

// RFC 8259 with nothing more (no comments, no trailing commas); the containers are kept on
// the reader's own stack instead of the call stack; each value at the top is read apart;
// numbers come as written, to be classified by their form. "In place" hands the stream what a
// string holds and a number's length without copying either: only a key's text is kept.
constexpr unsigned kReadFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag |
                                rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseInsituFlag;

// The reader's input: the pieces handed over, one after the other. Code 0 is the end. The
// next piece is asked for as soon as one is taken to its end, so that peeking needs no test.
class PieceStream {
 public:
  using Ch = char16_t;

  // Waits for the first piece.
  explicit PieceStream(PieceHandOff& pieces) : pieces_(pieces) { next_piece(); }

  Ch Peek() const { return *at_; }
  Ch Take() {
    Ch unit = *at_;
    if (++at_ == end_) next_piece();
    return unit;
  }
  std::size_t Tell() const { return before_ + static_cast<std::size_t>(at_ - begin_); }
  // The reader writes each string's text here as it reads it, then a NUL; only a key's is
  // kept, so a value's text takes no memory however long it is.
  Ch* PutBegin() {
    if (keys_next_) key_.clear();
    return nullptr;
  }
  void Put(Ch unit) {
    if (keys_next_) key_.push_back(unit);
  }
  void Flush() {}
  std::size_t PutEnd(Ch*) const { return key_.size(); }
  // Whether the next string to be read is a key.
  void expect_key(bool key) { keys_next_ = key; }
  // The last key read.
  std::u16string_view key() const { return {key_.data(), key_.size() - 1}; }

  // Whether the last `length` units taken, a number, have a fraction or an exponent. (Read in
  // place, a number comes as its length alone.)
  bool taken_number_is_decimal(std::size_t length) const {
    std::size_t in_piece = std::min(length, static_cast<std::size_t>(at_ - begin_));
    if (has_decimal_mark({at_ - in_piece, in_piece})) return true;
    return in_piece < length && last_earlier_mark_ != kNoMark &&
           last_earlier_mark_ >= Tell() - length;
  }

 private:
  static constexpr std::size_t kNoMark = SIZE_MAX;

  static bool is_decimal_mark(Ch unit) { return unit == u'.' || unit == u'e' || unit == u'E'; }

  static bool has_decimal_mark(std::u16string_view units) {
    return std::any_of(units.begin(), units.end(), is_decimal_mark);
  }

  static bool in_number(Ch unit) {
    return (unit >= u'0' && unit <= u'9') || is_decimal_mark(unit) || unit == u'+' || unit == u'-';
  }

  // Only a number that runs on to the piece's end can be continued in the next, so only its
  // marks are noted.
  void note_mark_before_end() {
    for (const Ch* unit = end_; unit != begin_ && in_number(unit[-1]); --unit) {
      if (is_decimal_mark(unit[-1])) {
        last_earlier_mark_ = before_ + static_cast<std::size_t>(unit - 1 - begin_);
        return;
      }
    }
  }

  // Out of line, so that reading a unit stays a few instructions wherever it is inlined.
  // Past the text's end the units are one NUL that stays.
  [[gnu::noinline]] void next_piece() {
    if (ended_) {
      at_ = begin_;
      return;
    }
    note_mark_before_end();
    before_ += static_cast<std::size_t>(end_ - begin_);
    std::u16string_view piece;
    do {
      if (!pieces_.take(piece)) {
        ended_ = true;
        begin_ = at_ = kEnd;
        end_ = kEnd + 1;
        return;
      }
    } while (piece.empty());
    begin_ = at_ = piece.data();
    end_ = piece.data() + piece.size();
  }

  static constexpr Ch kEnd[1] = {0};

  PieceHandOff& pieces_;
  bool ended_ = false;
  const Ch* begin_ = nullptr;
  const Ch* at_ = nullptr;
  const Ch* end_ = nullptr;
  std::size_t before_ = 0;                   // units in the pieces before this one
  std::size_t last_earlier_mark_ = kNoMark;  // where the last "." or exponent before it is
  bool keys_next_ = false;
  std::vector<Ch> key_;
};

bool is_json_blank(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

// The reader's events, passed on; a handler's allocation failure ends the reading.
class Events : public rapidjson::BaseReaderHandler<Encoding, Events> {
 public:
  Events(JsonEventHandler& handler, PieceStream& stream) : handler_(handler), stream_(stream) {}

  bool Null() {
    value_done();
    return pass([this] { handler_.scalar(JsonScalar::null); });
  }
  bool Bool(bool) {
    value_done();
    return pass([this] { handler_.scalar(JsonScalar::boolean); });
  }
  bool RawNumber(const char16_t*, rapidjson::SizeType length, bool) {
    value_done();
    bool decimal = stream_.taken_number_is_decimal(length);
    return pass([&] { handler_.scalar(decimal ? JsonScalar::decimal : JsonScalar::integer); });
  }
  bool String(const char16_t*, rapidjson::SizeType, bool) {
    value_done();
    return pass([this] { handler_.scalar(JsonScalar::string); });
  }
  bool StartObject() {
    if (++open_objects_ > kMostNestedObjects) {
      too_deep_ = true;
      return false;
    }
    open(true);
    return pass([this] { handler_.start_object(); });
  }
  bool Key(const char16_t*, rapidjson::SizeType, bool) {
    stream_.expect_key(false);
    return pass([this] { handler_.key(stream_.key()); });
  }
  bool EndObject(rapidjson::SizeType) {
    --open_objects_;
    close();
    return pass([this] { handler_.end_object(); });
  }
  bool StartArray() {
    open(false);
    return pass([this] { handler_.start_array(); });
  }
  bool EndArray(rapidjson::SizeType) {
    close();
    return pass([this] { handler_.end_array(); });
  }

  bool end_value() {
    return pass([this] { handler_.end_value(); });
  }
  bool failed() const { return failed_; }
  bool too_deep() const { return too_deep_; }

 private:
  template <typename Call>
  bool pass(Call call) {
    try {
      call();
      return true;
    } catch (const std::bad_alloc&) {
      failed_ = true;
      return false;
    }
  }

  // Which strings are keys: the first in an object and each after a member's value.
  void open(bool object) {
    objects_.push_back(object ? 1 : 0);
    stream_.expect_key(object);
  }
  void close() {
    objects_.pop_back();
    value_done();
  }
  void value_done() { stream_.expect_key(!objects_.empty() && objects_.back() != 0); }

  JsonEventHandler& handler_;
  PieceStream& stream_;
  std::vector<unsigned char> objects_;  // the open containers: objects (1) or arrays (0)
  bool failed_ = false;
  int open_objects_ = 0;
  bool too_deep_ = false;
};

}  // namespace

JsonEventReader::JsonEventReader(JsonEventHandler& handler)
    : handler_(handler), thread_([this] { read(); }) {}

JsonEventReader::~JsonEventReader() {
  hand_off_.end();
  thread_.join();
}

void JsonEventReader::feed(std::u16string_view piece) {
  if (finished_ || stop_noted_ || piece.empty()) return;
  hand_over(joiner_.pass(piece, false), false);
}

JsonParseResult JsonEventReader::finish() {
  if (!finished_ && !stop_noted_) hand_over(joiner_.pass({}, true), true);
  if (!finished_) {
    hand_off_.end();
    finished_ = true;
    note_stop();
  }
  return result_;
}

void JsonEventReader::hand_over(std::u16string_view units, bool last) {
  // Escapes first: their repair only rewrites hex digits and cuts before a backslash, so
  // one census of what is handed over serves the surrogates' repair and the position.
  units = escapes_.pass(units, last);
  if (units.empty()) return;
  UnitCensus census = take_census(units);
  if (census.surrogates != 0 && !is_valid_utf16(units)) {
    repaired_ = replace_lone_surrogates(units);  // one unit for one: the census stays right
    units = repaired_;
  }
  hand_off_.give(units);
  if (hand_off_.stopped()) {
    // The fault lies in this piece (an escape is never split, and the reader reports every
    // other fault where it stands).
    if (fault_offset_ > piece_offset_) {
      piece_start_.advance(units.substr(0, fault_offset_ - piece_offset_));
    }
    piece_offset_ = fault_offset_;
    note_stop();
    return;
  }
  piece_start_.advance(units, census);
  piece_offset_ += units.size();
}

// Once the reader has stopped: how the reading ended, the fault placed at piece_start_.
void JsonEventReader::note_stop() {
  if (stop_noted_) return;
  stop_noted_ = true;
  if (handler_failed_) {
    result_ = {JsonStatus::out_of_memory, 0, 0, 0};
  } else if (fault_ != 0) {
    result_ = {JsonStatus::malformed, piece_start_.line(), piece_start_.column(), fault_};
  }
}

// The reading thread: reads values until the text ends or a fault, then stops.
void JsonEventReader::read() {
  PieceStream stream(hand_off_);
  Events events(handler_, stream);
  try {
    rapidjson::GenericReader<Encoding, Encoding> reader;
    bool any_value = false;
    if (stream.Peek() == u'\uFEFF') stream.Take();  // a byte-order mark, as a text may start
    for (;;) {
      while (is_json_blank(stream.Peek())) stream.Take();
      if (stream.Peek() == 0) break;
      rapidjson::ParseResult parsed = reader.Parse<kReadFlags>(stream, events);
      if (parsed.IsError()) {
        fault_ = events.too_deep() ? kJsonFaultTooDeep : parsed.Code();
        fault_offset_ = parsed.Offset();
        break;
      }
      any_value = true;
      if (!events.end_value()) break;
    }
    if (!any_value && fault_ == 0 && !events.failed()) {
      fault_ = rapidjson::kParseErrorDocumentEmpty;
      fault_offset_ = stream.Tell();
    }
  } catch (const std::bad_alloc&) {
    handler_failed_ = true;
  }
  handler_failed_ = handler_failed_ || events.failed();
  hand_off_.stop();
}

}  // namespace ambrel
