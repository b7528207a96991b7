// The JSON path on documents built to hurt: huge keys and strings, keys that hold line breaks
// and other controls, nesting far beyond any real document, escapes of zeros and lone
// surrogates, and documents cut anywhere. Every one is declared in the usual shape, one
// declaration a line, as far as it was read.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "declarations_shape.h"
#include "generator/declaration_generator.h"
#include "whole_text_generator.h"
#include "hostile_text.h"
#include "small_stack.h"

namespace ambrel {
namespace {

// Every JSON output has this shape, in valid UTF-16.
::testing::AssertionResult json_well_formed(std::u16string_view declarations) {
  if (const char* fault = declarations_shape_fault(declarations, u"JSON_MAIN"))
    return ::testing::AssertionFailure() << fault << " in " << shown_units(declarations);
  if (!is_valid_utf16(declarations)) return ::testing::AssertionFailure() << "a lone surrogate";
  return ::testing::AssertionSuccess();
}

// `text` declared as JSON, fed in pieces of `piece` units.
GeneratedDeclarations declared(std::u16string_view text, std::size_t piece = 4096,
                               const DeclarationStyle& style = {}) {
  DeclarationGenerator generator(FormatChoice::json);
  for (std::size_t at = 0; at < text.size(); at += piece) generator.feed(text.substr(at, piece));
  DocumentResult result = generator.end_document();
  return {generator.declarations(style), result};
}

std::string placed(const DocumentResult& result) {
  return std::to_string(result.line()) + ":" + std::to_string(result.column()) + " " +
         result.message();
}

TEST(JsonHostile, MegabyteKeysAndStringsKeepTheirTypesAndLines) {
  const std::u16string key = repeated(u"k", 2000000);
  const std::u16string text = u"{\"" + key + u"\":{\"x\":1},\"s\":\"" +
                              repeated(u"\\n\u00E9", 3000000) + u"\",\"f\":" + repeated(u"9", 300) +
                              u".5,\"q\":" + repeated(u"7", 300) + u"}";
  for (std::size_t piece : {std::size_t{4096}, text.size()}) {
    GeneratedDeclarations out = declared(text, piece);
    EXPECT_TRUE(out.parse_result.ok()) << placed(out.parse_result);
    ASSERT_TRUE(json_well_formed(out.text));
    EXPECT_NE(out.text.find(u"Structure JSON_" + repeated(u"K", 2000000) + u"\r\n"),
              std::u16string::npos);
    EXPECT_NE(out.text.find(u"\r\n\tf.f\r\n\t" + key + u".JSON_"), std::u16string::npos);
    EXPECT_NE(out.text.find(u"\r\n\tq.q\r\n\ts.s\r\nEndStructure\r\n"), std::u16string::npos);
  }
}

// Numbers far beyond a double's range, up to a megabyte of digits in a run, in the significand
// or in the exponent: numbers all the same, typed by their form alone.
TEST(JsonHostile, NumbersBeyondAnyRangeAreTypedByTheirForm) {
  const std::u16string nines = repeated(u"9", 400);
  const std::u16string megabyte = repeated(u"7", 1000000);
  const std::u16string text = u"{\"a\":1e400,\"b\":-1e-400,\"c\":" + nines + u",\"d\":0." + nines +
                              u",\"e\":1E+99999999999,\"f\":" + megabyte + u",\"g\":1e" + megabyte +
                              u",\"h\":-" + megabyte + u"." + megabyte + u"}";
  for (std::size_t piece : {std::size_t{4093}, text.size()}) {
    GeneratedDeclarations out = declared(text, piece);
    EXPECT_TRUE(out.parse_result.ok()) << placed(out.parse_result);
    EXPECT_EQ(out.text,
              u"; /\r\nStructure JSON_MAIN\r\n\ta.f\r\n\tb.f\r\n\tc.q\r\n\td.f\r\n\te.f\r\n"
              u"\tf.q\r\n\tg.f\r\n\th.f\r\nEndStructure\r\n")
        << shown_units(out.text);
  }
}

// A JSON key may hold any character; the declarations still have one declaration a line,
// with names and path comments showing controls and line separators as \u escapes.
TEST(JsonHostile, KeysWithLineBreaksAndControlsStayOnTheirOwnLine) {
  const std::u16string text =
      uR"({"a\nb":1,"c\rd":{"x":1},"e\r\nf":"s","\u0000":2,"t\tu":3,"\u2028\u2029\u0085":4,)"
      uR"("g]h":5,"i[]":[6],"]":7,"":8})";
  for (bool identifiers : {false, true}) {
    for (bool lf : {false, true}) {
      GeneratedDeclarations out = declared(text, 3, {identifiers, lf});
      EXPECT_TRUE(out.parse_result.ok());
      std::u16string crlf = out.text;
      if (lf) {
        // With LF line ends no CR may be left, and every LF is a line end.
        EXPECT_EQ(out.text.find(u'\r'), std::u16string::npos) << shown_units(out.text);
        crlf.clear();
        for (char16_t unit : out.text)
          crlf += unit == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, unit);
      }
      EXPECT_TRUE(json_well_formed(crlf)) << identifiers << lf;
      // Ten fields: one line each.
      EXPECT_EQ(lines_starting_with(crlf, u"\t"), 10u + 1u) << shown_units(crlf);
    }
  }
  std::u16string as_written = declared(text).text;
  EXPECT_NE(as_written.find(u"\r\n; /c\\u000Dd\r\nStructure JSON_C\\u000DD\r\n"),
            std::u16string::npos)
      << shown_units(as_written);
  EXPECT_NE(as_written.find(u"\r\n\ta\\u000Ab.q\r\n"), std::u16string::npos);
  EXPECT_NE(as_written.find(u"\r\n\t\\u0000.q\r\n"), std::u16string::npos);
  EXPECT_NE(as_written.find(u"\r\n\t\\u2028\\u2029\\u0085.q\r\n"), std::u16string::npos);
  EXPECT_NE(as_written.find(u"\r\n\ti[].q"), std::u16string::npos);
  // With identifiers the comment names the key, escaped as well.
  std::u16string identifiers = declared(text, 4096, {true, false}).text;
  EXPECT_NE(identifiers.find(u"\r\n\ta_b.q "), std::u16string::npos) << shown_units(identifiers);
  EXPECT_NE(identifiers.find(u" ;    name: a\\u000Ab\r\n"), std::u16string::npos);
}

TEST(JsonHostile, EscapedZerosAndLoneSurrogatesAreTextAndNamesInValidUtf16) {
  std::u16string raw_lone = u"{\"r\":\"";
  raw_lone += char16_t(0xDC00);
  raw_lone += u"\",\"";
  raw_lone += char16_t(0xD800);
  raw_lone += u"\":1}";
  for (const std::u16string& text :
       {std::u16string(uR"({"a":"\u0000","b":"\uD800","c":"\uDFFF\uD800x","\uDBFF":{"z":0}})"),
        raw_lone}) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{5}, text.size()}) {
      GeneratedDeclarations out = declared(text, piece);
      EXPECT_TRUE(out.parse_result.ok()) << placed(out.parse_result);
      EXPECT_TRUE(json_well_formed(out.text)) << shown_units(text);
      EXPECT_EQ(out.text.find_first_of(u"\xD800\xDBFF\xDC00\xDFFF"), std::u16string::npos);
    }
  }
  std::u16string escaped = declared(uR"({"a":"\u0000","\uDBFF":{"z":0}})").text;
  EXPECT_EQ(escaped,
            u"\r\n; /\uFFFD\r\nStructure JSON_\uFFFD\r\n\tz.q\r\nEndStructure\r\n"
            u"\r\n; /\r\nStructure JSON_MAIN\r\n\ta.s\r\n\t\uFFFD.JSON_\uFFFD\r\nEndStructure\r\n");
}

// Every level of objects is a kind whose path the declarations print, so their size grows with
// the square of the depth: objects nested past the reader's bound are a fault, placed at the
// first "{" too deep, with what came before declared. Arrays in between add no depth.
TEST(JsonHostile, TwoHundredThousandLevelsGiveAClearFaultOnASmallStack) {
  constexpr std::size_t kDepth = 200000;
  std::u16string objects = repeated(u"{\"a\":", kDepth) + u"1" + repeated(u"}", kDepth);
  std::u16string mixed =
      u"{\"b\":" + repeated(u"[{\"a\":", kDepth) + u"1" + repeated(u"}]", kDepth) + u"}";
  GeneratedDeclarations deep_objects, deep_mixed;
  ASSERT_TRUE(run_on_small_stack(256 * 1024, [&] {
    deep_objects = declared(objects);
    deep_mixed = declared(mixed);
  }));
  EXPECT_EQ(placed(deep_objects.parse_result), "1:5001 Objects nested more than 1000 deep.");
  EXPECT_TRUE(json_well_formed(deep_objects.text));
  // The deepest object read gets no member before the fault: it is empty, so no structure.
  EXPECT_EQ(lines_starting_with(deep_objects.text, u"Structure "), 999u);
  EXPECT_EQ(placed(deep_mixed.parse_result),
            "1:" + std::to_string(6 + 6 * 999 + 1) + " Objects nested more than 1000 deep.");
  EXPECT_TRUE(json_well_formed(deep_mixed.text));
  // The bound itself is read.
  GeneratedDeclarations at_bound =
      declared(repeated(u"{\"a\":", 999) + u"{}" + repeated(u"}", 999));
  EXPECT_TRUE(at_bound.parse_result.ok()) << placed(at_bound.parse_result);
}

// Cut at every unit and fed in pieces of `piece` units, a document is declared in shape, and once
// its value is complete (only blanks may follow) exactly as the whole.
void expect_every_cut_in_shape(std::u16string_view document, const std::string& name,
                               std::size_t piece) {
  const std::u16string whole = declared(document, document.size()).text;
  ASSERT_TRUE(json_well_formed(whole)) << name;
  std::size_t complete = document.find_last_not_of(u" \t\r\n") + 1;
  for (std::size_t length = 0; length <= document.size(); ++length) {
    GeneratedDeclarations cut = declared(document.substr(0, length), piece);
    ASSERT_TRUE(json_well_formed(cut.text)) << name << " cut at " << length;
    if (length >= complete) {
      EXPECT_TRUE(cut.parse_result.ok()) << name << " cut at " << length;
      EXPECT_EQ(cut.text, whole) << name << " cut at " << length;
    } else if (length > 0) {
      EXPECT_FALSE(cut.parse_result.ok()) << name << " cut at " << length;
    }
  }
}

TEST(JsonHostile, EveryCutOfARichDocumentIsDeclaredInShape) {
  expect_every_cut_in_shape(
      u"\uFEFF{\r\n \"id\": 12, \"price\": -1.5e3, \"name\": \"Bolt \\\"M4\\\" "
      u"\\u00e9\\uD83D\\uDE00\",\r\n"
      u" \"tags\": [\"a\", [\"b\", null]], \"ok\": true, \"none\": null, \"empty\": [], \"o\": "
      u"{},\r\n"
      u" \"items\": [{\"q\": 1, \"sub\": {\"deep\": [1, 2.0]}}, {\"q\": \"x\\n\"}],\r\n"
      u" \"\U0001F600\": {\"k\": false}\r\n}\r\n",
      "rich", 7);
}

// The JSON files installed on this machine, up to a size that keeps every cut quick. A
// Windows build sees /usr/share only through Wine's drive of the host's files, where every
// cut takes minutes and reads nothing a Windows machine has.
TEST(JsonHostile, EveryCutOfInstalledJsonFilesIsDeclaredInShape) {
#ifdef _WIN32
  GTEST_SKIP() << "the installed JSON files are the Linux host's";
#endif
  constexpr std::uintmax_t kMostBytes = 6000;
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(
           "/usr/share", std::filesystem::directory_options::skip_permission_denied, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    if (it->path().extension() == ".json" && it->is_regular_file() && it->file_size() <= kMostBytes)
      files.push_back(it->path());
  }
  if (files.empty()) GTEST_SKIP() << "no JSON file under /usr/share";
  for (const std::filesystem::path& file : files) {
    std::stringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    std::u16string text = utf8_to_utf16(bytes.str());
    expect_every_cut_in_shape(text, file.string(), text.size());
  }
}

}  // namespace
}  // namespace ambrel
