#include "json/json_event_reader.h"

#include <rapidjson/reader.h>

#include <cstddef>
#include <new>
#include <vector>

#include "json/unit_scan.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

using Encoding = rapidjson::UTF16<char16_t>;

// RFC 8259 with nothing more (no comments, no trailing commas); the containers are kept on
// the reader's own stack instead of the call stack; each value at the top is read apart.
// "In place" hands the stream what a string holds without copying it: only a key's text is
// kept. (Numbers are read by a reading of their own, below.)
constexpr unsigned kReadFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag |
                                rapidjson::kParseInsituFlag;

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
  // The units written, its NUL counted: a value's text was not kept, so only its NUL counts
  // (the reader checks the length, one less, against 32 bits).
  std::size_t PutEnd(Ch*) const { return keys_next_ ? key_.size() : 1; }
  // Whether the next string to be read is a key.
  void expect_key(bool key) { keys_next_ = key; }
  // The last key read.
  std::u16string_view key() const { return {key_.data(), key_.size() - 1}; }

  // Takes the units of a string up to its next quote, backslash or control unit, within this
  // piece, putting them where a key's go.
  void take_plain_string_units() {
    const Ch* run = find_string_stop(at_, end_);
    if (keys_next_) key_.insert(key_.end(), at_, run);
    at_ = run;
    if (at_ == end_) next_piece();
  }

  // The character that comes next, kFoundTheEnd past the text's end. A pair is taken to
  // read its second half, which the same piece holds: pieces never split a pair.
  char32_t character_found() {
    if (ended_) return kFoundTheEnd;
    const Ch unit = Peek();
    if (!is_high_surrogate(unit)) return unit;
    Take();
    return 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{Peek()} - 0xDC00);
  }

  // Takes the digits that come next, if any; whether there was one.
  bool take_digits() {
    if (!is_digit(*at_)) return false;
    do Take();
    while (is_digit(*at_));
    return true;
  }

 private:
  static bool is_digit(Ch unit) { return unit >= u'0' && unit <= u'9'; }

  // Out of line, so that reading a unit stays a few instructions wherever it is inlined.
  // Past the text's end the units are one NUL that stays.
  [[gnu::noinline]] void next_piece() {
    if (ended_) {
      at_ = begin_;
      return;
    }
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
  std::size_t before_ = 0;  // units in the pieces before this one
  bool keys_next_ = false;
  std::vector<Ch> key_;
};

// The character a one-character escape stands for ("\\n" for a line feed), or 0 for a unit
// that starts none.
char16_t escaped_character(char16_t unit) {
  switch (unit) {
    case u'"':
    case u'\\':
    case u'/':
      return unit;
    case u'b':
      return u'\b';
    case u'f':
      return u'\f';
    case u'n':
      return u'\n';
    case u'r':
      return u'\r';
    case u't':
      return u'\t';
  }
  return 0;
}

bool is_json_blank(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

// Whether a value may start with the unit: anything else where a value should start is
// told as what it is, where the parser would call the text empty.
bool starts_value(char16_t unit) {
  switch (unit) {
    case u'{':
    case u'[':
    case u'"':
    case u'-':
    case u't':
    case u'f':
    case u'n':
      return true;
  }
  return unit >= u'0' && unit <= u'9';
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
  // A number, read by the reader's ParseNumber below: whether it has a fraction or an exponent.
  bool Number(bool decimal) {
    value_done();
    return pass([&] { handler_.scalar(decimal ? JsonScalar::decimal : JsonScalar::integer); });
  }
  bool String(const char16_t*, rapidjson::SizeType, bool) {
    value_done();
    return pass([this] { handler_.scalar(JsonScalar::string); });
  }
  bool StartObject() {
    if (open_objects_ == kMostNestedObjects) {
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
    open_objects_ += object ? 1 : 0;
    stream_.expect_key(object);
  }
  void close() {
    open_objects_ -= objects_.back();
    objects_.pop_back();
    value_done();
  }
  void value_done() { stream_.expect_key(!objects_.empty() && objects_.back() != 0); }

  JsonEventHandler& handler_;
  PieceStream& stream_;
  std::vector<unsigned char> objects_;  // the open containers: objects (1) or arrays (0)
  bool failed_ = false;
  int open_objects_ = 0;  // how many of them are objects
  bool too_deep_ = false;
};

using Reader = rapidjson::GenericReader<Encoding, Encoding>;

// The fault's code. RapidJSON's codes, which the string reading below keeps, call a control
// unit written raw in a string an invalid escape, placed at that unit, still unread; a real
// invalid escape is placed at its backslash.
int fault_code(const rapidjson::ParseResult& parsed, const Events& events,
               const PieceStream& stream) {
  if (events.too_deep()) return kJsonFaultTooDeep;
  if (parsed.Code() == rapidjson::kParseErrorStringEscapeInvalid &&
      parsed.Offset() == stream.Tell() && stream.Peek() < 0x20)
    return kJsonFaultControlCharacter;
  return parsed.Code();
}

}  // namespace
}  // namespace ambrel

// RapidJSON's own reading of a number works out its value even when only its text is wanted,
// and fails a number beyond a double's range ("1e400", 400 digits), which RFC 8259 allows. A
// number here is only classified by its form, so for this reader's stream and events it is read
// by the grammar alone: no value, no bound on digits or exponent, and RapidJSON's other faults
// at the same places (which its offsets are: this reader's stream is where they stand).
template <>
template <>
void ambrel::Reader::ParseNumber<ambrel::kReadFlags>(ambrel::PieceStream& is,
                                                     ambrel::Events& handler) {
  const std::size_t start = is.Tell();
  Consume(is, u'-');
  if (!Consume(is, u'0') && !is.take_digits())
    RAPIDJSON_PARSE_ERROR(rapidjson::kParseErrorValueInvalid, is.Tell());
  bool decimal = false;
  if (Consume(is, u'.')) {
    if (!is.take_digits())
      RAPIDJSON_PARSE_ERROR(rapidjson::kParseErrorNumberMissFraction, is.Tell());
    decimal = true;
  }
  if (Consume(is, u'e') || Consume(is, u'E')) {
    if (!Consume(is, u'+')) Consume(is, u'-');
    if (!is.take_digits())
      RAPIDJSON_PARSE_ERROR(rapidjson::kParseErrorNumberMissExponent, is.Tell());
    decimal = true;
  }
  if (!handler.Number(decimal)) RAPIDJSON_PARSE_ERROR(rapidjson::kParseErrorTermination, start);
}

// A string's units, its escapes decoded, through its closing quote, read for this reader's
// stream: plain units a run at a time, and an escape of an unpaired surrogate as U+FFFD
// (RapidJSON refuses a lone high one). Faults are RapidJSON's, at the same places; the second
// escape of a would-be pair is placed at its own backslash.
template <>
template <>
void ambrel::Reader::ParseStringToStream<ambrel::kReadFlags, ambrel::Encoding, ambrel::Encoding>(
    ambrel::PieceStream& is, ambrel::PieceStream& os) {
  for (;;) {
    is.take_plain_string_units();
    const char16_t unit = is.Peek();
    if (unit == u'"') {
      is.Take();
      os.Put(0);
      return;
    }
    if (unit < 0x20) {
      RAPIDJSON_PARSE_ERROR(unit == 0 ? rapidjson::kParseErrorStringMissQuotationMark
                                      : rapidjson::kParseErrorStringEscapeInvalid,
                            is.Tell());
    }
    if (unit != u'\\') continue;  // the run stopped at the end of a piece
    std::size_t escape_at = is.Tell();
    is.Take();
    char16_t high = 0;  // an escaped high surrogate waiting for its low half
    for (;;) {
      if (is.Peek() != u'u') {
        if (high != 0) os.Put(ambrel::kReplacementCharacter);
        char16_t escaped = ambrel::escaped_character(is.Peek());
        if (escaped == 0)
          RAPIDJSON_PARSE_ERROR(rapidjson::kParseErrorStringEscapeInvalid, escape_at);
        is.Take();
        os.Put(escaped);
        break;
      }
      is.Take();
      auto code = static_cast<char16_t>(ParseHex4(is, escape_at));
      RAPIDJSON_PARSE_ERROR_EARLY_RETURN_VOID;
      if (high != 0 && ambrel::is_low_surrogate(code)) {
        os.Put(high);
        os.Put(code);
        break;
      }
      if (high != 0) os.Put(ambrel::kReplacementCharacter);
      high = 0;
      if (ambrel::is_high_surrogate(code) && is.Peek() == u'\\') {
        high = code;
        escape_at = is.Tell();
        is.Take();
        continue;
      }
      bool unpaired = ambrel::is_high_surrogate(code) || ambrel::is_low_surrogate(code);
      os.Put(unpaired ? ambrel::kReplacementCharacter : code);
      break;
    }
  }
}

namespace ambrel {

JsonEventReader::JsonEventReader(JsonEventHandler& handler)
    : handler_(handler), thread_([this] { read(); }) {}

JsonEventReader::~JsonEventReader() {
  hand_off_.end();
  thread_.join();
}

void JsonEventReader::feed(std::u16string_view piece) {
  if (finished_ || stop_noted_ || piece.empty()) return;
  hand_over(joiner_.pass(piece, false));
}

JsonParseResult JsonEventReader::finish() {
  if (!finished_ && !stop_noted_) hand_over(joiner_.pass({}, true));
  if (!finished_) {
    hand_off_.end();
    finished_ = true;
    note_stop({});
  }
  return result_;
}

void JsonEventReader::hand_over(std::u16string_view units) {
  if (units.empty()) return;
  PiecePlaces::Census census = PiecePlaces::take_census(units);
  if (census.any_surrogate() && !is_valid_utf16(units)) {
    repaired_ = replace_lone_surrogates(units);  // one unit for one, but a character more
    units = repaired_;                           // for each lone second half
    census = PiecePlaces::take_census(units);
  }
  hand_off_.give(units);
  if (hand_off_.stopped()) {
    note_stop(units);
    return;
  }
  places_.pass(units, census);
}

// Once the reader has stopped, while it held `piece`: how the reading ended.
void JsonEventReader::note_stop(std::u16string_view piece) {
  if (stop_noted_) return;
  stop_noted_ = true;
  if (handler_failed_) {
    result_ = {JsonStatus::out_of_memory, 0, 0, 0};
  } else if (fault_ != 0) {
    TextPosition place = places_.at(fault_offset_, piece);
    result_ = {JsonStatus::malformed, place.line(), place.column(), fault_, found_};
  }
}

// The reading thread: reads values until the text ends or a fault, then stops.
void JsonEventReader::read() {
  PieceStream stream(hand_off_);
  Events events(handler_, stream);
  try {
    Reader reader;
    bool any_value = false;
    if (stream.Peek() == u'\uFEFF') stream.Take();  // a byte-order mark, as a text may start
    for (;;) {
      while (is_json_blank(stream.Peek())) stream.Take();
      if (stream.Peek() == 0) break;
      if (!starts_value(stream.Peek())) {
        fault_ = any_value ? kJsonFaultAfterValue : rapidjson::kParseErrorValueInvalid;
        fault_offset_ = stream.Tell();
        found_ = stream.character_found();
        break;
      }
      rapidjson::ParseResult parsed = reader.Parse<kReadFlags>(stream, events);
      if (parsed.IsError()) {
        fault_ = fault_code(parsed, events, stream);
        fault_offset_ = parsed.Offset();
        if (fault_offset_ == stream.Tell()) found_ = stream.character_found();
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
