// The JSON event reader: its events, in pieces of any size, its faults with their places,
// surrogates, several values and depth.
#include "json/json_event_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/unicode_text.h"

namespace ambrel {
namespace {

// Writes the events as a short text: { } [ ] k:NAME s i d b n and | at the end of a value.
class Recorder final : public JsonEventHandler {
 public:
  void start_object() override { out += '{'; }
  void key(std::u16string_view name) override {
    std::u16string shown;
    for (char16_t unit : name)
      shown += unit == 0 ? std::u16string(u"\\0") : std::u16string(1, unit);
    out += "k:" + utf16_to_utf8(shown) + ' ';
  }
  void end_object() override { out += '}'; }
  void start_array() override { out += '['; }
  void end_array() override { out += ']'; }
  void scalar(JsonScalar kind) override {
    switch (kind) {
      case JsonScalar::string:
        out += 's';
        break;
      case JsonScalar::integer:
        out += 'i';
        break;
      case JsonScalar::decimal:
        out += 'd';
        break;
      case JsonScalar::boolean:
        out += 'b';
        break;
      case JsonScalar::null:
        out += 'n';
        break;
    }
  }
  void end_value() override { out += '|'; }

  std::string out;
};

struct Read {
  std::string events;
  JsonParseResult result;
};

Read read_in_pieces(std::u16string_view text, std::size_t piece) {
  Recorder recorder;
  JsonParseResult result;
  {
    JsonEventReader reader(recorder);
    for (std::size_t at = 0; at < text.size(); at += piece) reader.feed(text.substr(at, piece));
    result = reader.finish();
  }
  return {recorder.out, result};
}

// Reads `text` whole and in pieces of several sizes; every way must give the same.
Read read(std::u16string_view text) {
  Read whole = read_in_pieces(text, text.size() + 1);
  for (std::size_t piece : {1, 2, 3, 7, 64}) {
    Read cut = read_in_pieces(text, piece);
    EXPECT_EQ(cut.events, whole.events) << "pieces of " << piece;
    EXPECT_EQ(cut.result.status, whole.result.status) << "pieces of " << piece;
    EXPECT_EQ(cut.result.line, whole.result.line) << "pieces of " << piece;
    EXPECT_EQ(cut.result.column, whole.result.column) << "pieces of " << piece;
  }
  return whole;
}

std::string placed(const Read& r) {
  return std::to_string(r.result.line) + ":" + std::to_string(r.result.column) + " " +
         r.result.message();
}

TEST(JsonEventReader, ReportsEveryKindOfValueClassifyingNumbersByTheirForm) {
  Read r = read(
      uR"({"s":"x","i":-12,"d":1.5,"e":1e3,"E":2E-1,"big":123456789012345678901234567890,)"
      uR"("t":true,"f":false,"n":null,"a":[1,{}],"o":{"k":[]}})");
  EXPECT_TRUE(r.result.ok()) << placed(r);
  EXPECT_EQ(r.events, "{k:s sk:i ik:d dk:e dk:E dk:big ik:t bk:f bk:n nk:a [i{}]k:o {k:k []}}|");
}

// RFC 8259 sets no bound on a number's digits or exponent: one beyond a double's range is a
// number all the same, classified by its form alone.
TEST(JsonEventReader, ReadsNumbersBeyondADoublesRangeByTheirForm) {
  const std::u16string nines(400, u'9');
  Read r =
      read(u"[1e400,-1e-400,1E+99999999999,0e999999," + nines + u",-" + nines + u",0." + nines +
           u"," + nines + u".5," + nines + u"e" + nines + u",-1." + nines + u"E-" + nines + u"]");
  EXPECT_TRUE(r.result.ok()) << placed(r);
  EXPECT_EQ(r.events, "[ddddiidddd]|");
}

TEST(JsonEventReader, PlacesFaultsInNumbersWhereTheyStand) {
  const std::u16string nines(400, u'9');
  EXPECT_EQ(placed(read(u"[-]")), "1:3 Invalid value, found ']'.");
  EXPECT_EQ(placed(read(u"[-x]")), "1:3 Invalid value, found 'x'.");
  EXPECT_EQ(placed(read(u"[+1]")), "1:2 Invalid value, found '+'.");
  EXPECT_EQ(placed(read(u"[.5]")), "1:2 Invalid value, found '.'.");
  EXPECT_EQ(placed(read(u"[1.]")), "1:4 Miss fraction part in number, found ']'.");
  EXPECT_EQ(placed(read(u"[1.e5]")), "1:4 Miss fraction part in number, found 'e'.");
  EXPECT_EQ(placed(read(u"[1e]")), "1:4 Miss exponent in number, found ']'.");
  EXPECT_EQ(placed(read(u"[1E-]")), "1:5 Miss exponent in number, found ']'.");
  EXPECT_EQ(placed(read(u"[01]")), "1:3 Missing a comma or ']' after an array element, found '1'.");
  EXPECT_EQ(placed(read(u"[1.5.2]")),
            "1:5 Missing a comma or ']' after an array element, found '.'.");
  EXPECT_EQ(placed(read(u"[" + nines + u"e+]")), "1:404 Miss exponent in number, found ']'.");
  Read after_big = read(u"{\"a\":" + nines + u"x}");
  EXPECT_EQ(placed(after_big), "1:406 Missing a comma or '}' after an object member, found 'x'.");
  EXPECT_EQ(after_big.events, "{k:a i");
}

// RapidJSON calls a raw control unit in a string an invalid escape; it is not one.
TEST(JsonEventReader, TellsARawControlCharacterInAStringFromAnInvalidEscape) {
  EXPECT_EQ(placed(read(u"{\"a\":\"x\ty\"}")),
            "1:8 Unescaped control character in string, found U+0009.");
  EXPECT_EQ(placed(read(u"[\"\x1F\"]")),
            "1:3 Unescaped control character in string, found U+001F.");
  EXPECT_EQ(placed(read(uR"(["x\q"])")), "1:4 Invalid escape character in string.");
  EXPECT_EQ(placed(read(u"[\"x\\\t\"]")), "1:4 Invalid escape character in string.");
}

TEST(JsonEventReader, ReadsValuesOneAfterAnotherAsJsonLinesAndConcatenated) {
  EXPECT_EQ(read(u"{\"a\":1}\n{\"a\":2}\r\n[3]\n").events, "{k:a i}|{k:a i}|[i]|");
  EXPECT_EQ(read(u"{}{}[]  \"x\" 4").events, "{}|{}|[]|s|i|");
  EXPECT_TRUE(read(u"{}\n\n").result.ok());
}

TEST(JsonEventReader, KeepsEscapedZerosAndReadsUnpairedSurrogatesAsReplacementCharacters) {
  Read r = read(uR"({"a\u0000b":1,"\uD800":2,"\uDC00x":3,"\uD83D\uDE00":4})");
  EXPECT_TRUE(r.result.ok()) << placed(r);
  EXPECT_EQ(r.events, "{k:a\\0b ik:\xEF\xBF\xBD ik:\xEF\xBF\xBDx ik:\xF0\x9F\x98\x80 i}|");
  std::u16string raw = u"{\"";
  raw += char16_t(0xD800);  // unpaired in the text itself
  raw += u"\":1}";
  EXPECT_EQ(read(raw).events, "{k:\xEF\xBF\xBD i}|");
  // Escapes that look like halves of a pair, and escaped backslashes before them.
  Read halves = read(
      uR"({"\uD83D\u0041":1,"\uDE00\uD83D":2,"\\uD800":3,"\\\uD800":4,)"
      uR"("\uD800\t":5,"\uD800\uD800\uDC00":6})");
  EXPECT_TRUE(halves.result.ok()) << placed(halves);
  EXPECT_EQ(halves.events,
            "{k:\xEF\xBF\xBD"
            "A ik:\xEF\xBF\xBD\xEF\xBF\xBD ik:\\uD800 ik:\\\xEF\xBF\xBD "
            "ik:\xEF\xBF\xBD\t ik:\xEF\xBF\xBD\xF0\x90\x80\x80 i}|");
}

// A fault in an escape is placed at its backslash, also when the pieces cut the escape and
// the unit that shows the fault comes in a later piece than the backslash.
TEST(JsonEventReader, PlacesAFaultInAnEscapeAtItsBackslashWhereverThePiecesCut) {
  EXPECT_EQ(placed(read(u"[1,\n\"ab\\u0a\"]")),
            "2:4 Incorrect hex digit after \\u escape in string.");
  EXPECT_EQ(placed(read(u"[\"\U0001F600\\q\"]")), "1:4 Invalid escape character in string.");
  EXPECT_EQ(placed(read(uR"({"a\uD800\u12G4":1})")),
            "1:10 Incorrect hex digit after \\u escape in string.");
  EXPECT_EQ(placed(read(uR"(["\uD800\x"])")), "1:9 Invalid escape character in string.");
  EXPECT_EQ(placed(read(uR"(["x\u00)")), "1:4 Incorrect hex digit after \\u escape in string.");
}

TEST(JsonEventReader, GivesEachKeyWholeWhateverTheStringsAroundIt) {
  EXPECT_EQ(read(uR"({"k\u0041y":"v\"\u00e9","n":1.5,"a":["s",{"b":"c"}],"z":null})").events,
            "{k:kAy sk:n dk:a [s{k:b s}]k:z n}|");
  std::u16string long_value = u"{\"first\":\"";
  long_value.append(100000, u'x');
  long_value += u"\",\"second\":2}";
  EXPECT_EQ(read_in_pieces(long_value, 4096).events, "{k:first sk:second i}|");
}

TEST(JsonEventReader, PlacesFaultsByLineAndCharacterAndKeepsWhatCameBefore) {
  Read comma = read(u"{\"a\":1,\n  \"b\": [1,2 x]}");
  EXPECT_EQ(comma.result.status, JsonStatus::malformed);
  EXPECT_EQ(placed(comma), "2:13 Missing a comma or ']' after an array element, found 'x'.");
  EXPECT_EQ(comma.events, "{k:a ik:b [ii");
  // CR LF and a lone CR end one line each; a surrogate pair is one character.
  EXPECT_EQ(placed(read(u"[\r\n1,\r\"\U0001F600\" ,]")), "3:6 Invalid value, found ']'.");
  EXPECT_EQ(placed(read(u"{\"a\":1")),
            "1:7 Missing a comma or '}' after an object member, found the end of the text.");
  EXPECT_EQ(placed(read(u"[1,]")), "1:4 Invalid value, found ']'.");  // no trailing comma
  EXPECT_EQ(placed(read(u"[1] // c")),
            "1:5 Unexpected '/' after the end of a value.");  // no comments
  EXPECT_EQ(placed(read(u"{\"a\":\"\\x\"}")), "1:7 Invalid escape character in string.");
  // A malformed escape is placed at its start, also when another follows it closely.
  EXPECT_EQ(placed(read(u"{\"a\\u0a\\u0000\":1}")),
            "1:4 Incorrect hex digit after \\u escape in string.");
  EXPECT_EQ(placed(read(u"  \n ")), "2:2 The document is empty.");
  EXPECT_EQ(read(u"[1] x").events, "[i]|");  // the value before the fault is read
}

// What stands where a value should start is named: after a value it is no empty document,
// and a character that would mislead on a terminal is shown by its number.
TEST(JsonEventReader, NamesWhatStandsWhereAValueShouldStart) {
  EXPECT_EQ(placed(read(u"{\"a\":1},{\"b\":2}")), "1:8 Unexpected ',' after the end of a value.");
  EXPECT_EQ(placed(read(u"[{\"a\":1}]]")), "1:10 Unexpected ']' after the end of a value.");
  EXPECT_EQ(placed(read(u"{\"a\":1}}")), "1:8 Unexpected '}' after the end of a value.");
  EXPECT_EQ(placed(read(u"1\r\n :")), "2:2 Unexpected ':' after the end of a value.");
  EXPECT_EQ(placed(read(u"1 \u00A0")), "1:3 Unexpected U+00A0 after the end of a value.");
  EXPECT_EQ(placed(read(u"1 \U0001F600")), "1:3 Unexpected U+1F600 after the end of a value.");
  EXPECT_EQ(placed(read(u" ]")), "1:2 Invalid value, found ']'.");
  EXPECT_TRUE(read(u"{\"a\":1}{\"b\":2} 3\n[4]").result.ok());  // values one after another
}

// A lone second half is a character of its own (read as U+FFFD), as a lone first half is.
TEST(JsonEventReader, CountsALoneSurrogateAsOneCharacterWhicheverHalfItIs) {
  for (char16_t lone : {u'\xDC00', u'\xD800'}) {
    std::u16string half(1, lone);
    EXPECT_EQ(placed(read(u"[\"" + half)),
              "1:4 Missing a closing quotation mark in string, found the end of the text.");
    EXPECT_EQ(placed(read(u"[\"" + half + half + u"\", \"" + half + half + u"\" x]")),
              "1:13 Missing a comma or ']' after an array element, found 'x'.");
  }
}

TEST(JsonEventReader, ReadsArraysToAnyDepthAndObjectsToTheirBoundWithoutRecursion) {
  constexpr std::size_t kDepth = 200000;
  std::u16string deep(kDepth, u'[');
  deep.append(kDepth, u']');
  Read arrays = read_in_pieces(deep, 4096);
  EXPECT_TRUE(arrays.result.ok());
  EXPECT_EQ(arrays.events.size(), 2 * kDepth + 1);
  std::u16string objects;
  for (int i = 0; i < kMostNestedObjects; ++i) objects += u"{\"a\":";
  std::ostringstream after_the_last;
  after_the_last << "1:" << 5 * kMostNestedObjects + 1 << ' ';
  Read cut = read_in_pieces(objects, 4096);  // cut off: a fault at the end
  EXPECT_EQ(placed(cut), after_the_last.str() + "Invalid value, found the end of the text.");
  // One object deeper than the bound is a fault of its own, at its "{".
  Read deeper = read_in_pieces(objects + u"{\"a\":", 4096);
  EXPECT_EQ(placed(deeper), after_the_last.str() + "Objects nested more than 1000 deep.");
}

TEST(JsonEventReader, IgnoresPiecesAfterAFaultAndMayBeLeftUnfinished) {
  Recorder recorder;
  {
    JsonEventReader reader(recorder);
    reader.feed(u"[1,");
    reader.feed(u"}");
    reader.feed(u"[2]");
    EXPECT_EQ(reader.finish().line, 1);
  }
  EXPECT_EQ(recorder.out, "[i");
  JsonEventReader abandoned(recorder);
  abandoned.feed(u"[1,");  // destroyed without finish: the reading thread still ends
}

}  // namespace
}  // namespace ambrel
