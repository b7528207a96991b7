// JSON to declarations: the mapping of objects, arrays and scalars onto the catalogue's
// rules, samples, faults, and the choice of format.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "generator/declaration_generator.h"
#include "whole_text_generator.h"
#include "generator_test_support.h"

namespace ambrel {
namespace {

// The declarations of `documents` with LF line ends, each fed in pieces of `piece` units.
std::string declared(const std::vector<std::u16string>& documents, std::size_t piece = 1 << 20,
                     bool identifiers = false) {
  DeclarationGenerator generator;
  for (const std::u16string& document : documents) {
    for (std::size_t at = 0; at < document.size(); at += piece)
      generator.feed(std::u16string_view(document).substr(at, piece));
    generator.end_document();
  }
  return shown(generator.declarations({identifiers, true}));
}

std::string declared(const std::u16string& document) {
  return declared(std::vector<std::u16string>{document});
}

TEST(JsonDeclarations, ObjectsAreStructuresNamedByTheirKeyAndScalarsAreTypedByTheirForm) {
  EXPECT_EQ(declared(uR"({"name":"x","n":-1,"big":123456789012345678901234567890,"f":1.5,)"
                     uR"("e":2E3,"t":true,"no":false,"z":null,"o":{"Sub":{"a":"1"}}})"),
            "\n; /o/Sub\nStructure JSON_SUB\n\ta.s\nEndStructure\n"
            "\n; /o\nStructure JSON_O\n\tSub.JSON_SUB\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tbig.q\n\te.f\n\tf.f\n\tn.q\n\tname.s\n\tno.q\n"
            "\to.JSON_O\n\tt.q\n\tz.s\nEndStructure\n");
}

TEST(JsonDeclarations, ArraysAreListsOfTheirValuesAndMarkTheirPathSteps) {
  EXPECT_EQ(declared(uR"({"items":[{"id":1,"sub":{"a":"s"}},{"id":2.5}],"tags":["a","b"],)"
                     uR"("one":[7],"empty":[],"nulls":[null],"mixed":[1,"x"]})"),
            "\n; /items[]/sub\nStructure JSON_SUB\n\ta.s\nEndStructure\n"
            "\n; /items[]\nStructure JSON_ITEMS\n\tid.f\n\tsub.JSON_SUB\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tempty.s          ; []\n\titems.JSON_ITEMS ; []\n"
            "\tmixed.s          ; []\n\tnulls.s          ; []\n\tone.q            ; []\n"
            "\ttags.s           ; []\nEndStructure\n");
}

TEST(JsonDeclarations, ArraysInArraysAreOneListAndATopArrayHoldsTheMainObjects) {
  EXPECT_EQ(declared(uR"({"m":[[1,2],[3.5]],"o":[[{"p":1}],[{"q":"s"}]]})"),
            "\n; /o[]\nStructure JSON_O\n\tp.q\n\tq.s\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tm.f      ; []\n\to.JSON_O ; []\nEndStructure\n");
  EXPECT_EQ(declared(uR"([{"a":1},[{"b":2}],3,"x",null])"),
            "; /\nStructure JSON_MAIN\n\ta.q\n\tb.q\nEndStructure\n");
  // No key, nothing to declare.
  EXPECT_EQ(declared(u"[1,2]"), "");
  EXPECT_EQ(declared(u"{}"), "");
}

TEST(JsonDeclarations, KeysAreCaseSensitiveAndADuplicateKeyIsOneKeySeenTwice) {
  EXPECT_EQ(declared(uR"({"Name":1,"name":"x","d":1,"d":2.5})"),
            "; /\nStructure JSON_MAIN\n\tName.q\n\td.f\n\tname.s\nEndStructure\n");
}

// An empty object is no structure, wherever it stands: it files as null does.
TEST(JsonDeclarations, NullEmptyArraysAndEmptyObjectsGiveNoTypeSoOtherValuesDecide) {
  EXPECT_EQ(declared(std::vector<std::u16string>{uR"({"a":null,"b":[],"c":null,"d":[{}]})",
                                                 uR"({"a":2,"b":[{"x":1}],"c":{},"d":[1,{}]})"}),
            "\n; /b[]\nStructure JSON_B\n\tx.q\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\ta.q\n\tb.JSON_B ; []\n\tc.s\n\td.q      ; []\n"
            "EndStructure\n");
  EXPECT_EQ(declared(uR"({"c":{}})"), "; /\nStructure JSON_MAIN\n\tc.s\nEndStructure\n");
  EXPECT_EQ(declared(uR"({"c":{"e":{}},"f":[{}, {"g":1}]})"),
            "\n; /f[]\nStructure JSON_F\n\tg.q\nEndStructure\n"
            "; /c\nStructure JSON_C\n\te.s\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tc.JSON_C\n\tf.JSON_F ; []\nEndStructure\n");
}

// As an XML element that is childless in some instances: a typed field, and its child kinds
// still declared.
TEST(JsonDeclarations, AKeyThatIsAnObjectInOnePlaceAndAScalarInAnotherIsATypedField) {
  EXPECT_EQ(declared(u"{\"k\":{\"x\":1}}\n{\"k\":5}"),
            "\n; /k\nStructure JSON_K\n\tx.q\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tk.q\nEndStructure\n");
}

TEST(JsonDeclarations, ValuesOneAfterAnotherAndSeveralFilesMergeAsSamples) {
  std::string lines = declared(u"{\"a\":1,\"l\":[1]}\n{\"a\":2.5,\"b\":\"x\"}\r\n{\"c\":true}");
  EXPECT_EQ(lines, "; /\nStructure JSON_MAIN\n\ta.f\n\tb.s\n\tc.q\n\tl.q ; []\nEndStructure\n");
  EXPECT_EQ(declared(std::vector<std::u16string>{u"{\"a\":1,\"l\":[1]}", u"{\"a\":2.5,\"b\":\"x\"}",
                                                 u"{\"c\":true}"}),
            lines);
  EXPECT_EQ(declared({u"{\"a\":1,\"l\":[1]}{\"a\":2.5,\"b\":\"x\"} {\"c\":true}"}, 3), lines);
}

// Where the shapes correspond, JSON declares what XML does, with JSON_ for XML_.
TEST(JsonDeclarations, MatchTheDeclarationsOfXmlOfTheSameShape) {
  struct Pair {
    std::u16string_view json;
    std::u16string_view xml;
  } pairs[] = {
      {uR"({"r":{"g":[{"i":1},{"i":2.5}],"h":"x"}})",
       u"<r><g><i>1</i></g><g><i>2.5</i></g><h>x</h></r>"},
      {uR"({"a":{"b":{"c":[1,2]},"d":-3}})", u"<a><b><c>1</c><c>2</c></b><d>-3</d></a>"},
  };
  // Alignment may differ by the prefix's one more letter.
  auto normalized = [](std::string text) {
    return std::regex_replace(text, std::regex(" +;"), " ;");
  };
  for (const Pair& p : pairs) {
    std::string xml =
        std::regex_replace(declared(std::u16string(p.xml)), std::regex("XML_"), "JSON_");
    EXPECT_EQ(normalized(declared(std::u16string(p.json))), normalized(xml)) << shown(p.json);
  }
}

TEST(JsonDeclarations, IdentifiersMakeKeysCompilable) {
  EXPECT_EQ(declared({uR"({"first-name":1,"last name":"x","123":{"a":1}})"}, 1 << 20, true),
            "\n; /123\nStructure JSON__123\n\ta.q\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\t_123.JSON__123 ;    name: 123\n"
            "\tfirst_name.q   ;    name: first-name\n\tlast_name.s    ;    name: last name\n"
            "EndStructure\n");
}

// The empty key, keys outside ASCII and keys that fold to one name: each a valid identifier
// of its own.
TEST(JsonDeclarations, IdentifiersOfEmptyAndNonAsciiKeysAreValidAndDistinct) {
  EXPECT_EQ(
      declared({uR"({"":1,"\u00e9t\u00e9":{"x":1},"_t_":2,"\uD83D\uDE00":3,"a-b":4,"A_B":5})"},
               1 << 20, true),
      "\n; /\u00e9t\u00e9\nStructure JSON__T_\n\tx.q\nEndStructure\n"
      "\n; /\nStructure JSON_MAIN\n\t_.q            ;    name: \n\tA_B.q\n"
      "\t_t_.q\n\ta_b_2.q        ;    name: a-b\n"
      "\t_t__2.JSON__T_ ;    name: \u00e9t\u00e9\n\t__2.q          ;    name: \U0001F600\n"
      "EndStructure\n");
}

TEST(JsonDeclarations, AMalformedTextDeclaresWhatCameBeforeItsFault) {
  GeneratedDeclarations result =
      generate_declarations_with_status(u"{\"a\":1,\n \"b\":{\"c\":2.5,]}");
  EXPECT_EQ(result.parse_result.format, DocumentFormat::json);
  EXPECT_FALSE(result.parse_result.ok());
  EXPECT_EQ(result.parse_result.line(), 2);
  EXPECT_EQ(result.parse_result.column(), 15);
  EXPECT_EQ(result.parse_result.message(), "Missing a name for object member, found ']'.");
  EXPECT_EQ(shown(result.text),
            shown(lines({u"", u"; /b", u"Structure JSON_B", u"\tc.f", u"EndStructure", u"", u"; /",
                         u"Structure JSON_MAIN", u"\ta.q", u"\tb.JSON_B", u"EndStructure"})));
}

TEST(JsonDeclarations, TheFirstCharacterAfterAMarkAndBlanksChoosesTheFormat) {
  EXPECT_EQ(generate_declarations_with_status(u"\uFEFF \r\n\t[{\"a\":1}]").parse_result.format,
            DocumentFormat::json);
  EXPECT_EQ(declared({u"\uFEFF  \n{\"a\":1}"}, 1), declared(u"{\"a\":1}"));
  GeneratedDeclarations xml = generate_declarations_with_status(u" \n<a>1</a>");
  EXPECT_EQ(xml.parse_result.format, DocumentFormat::xml);
  EXPECT_TRUE(xml.parse_result.ok());
  // Blanks alone stay XML, as they were.
  EXPECT_EQ(generate_declarations_with_status(u"  ").parse_result.xml.status,
            XmlStatus::no_element);
}

TEST(JsonDeclarations, AChosenFormatIsKeptAndADocumentOfTheOtherIsNotRead) {
  DeclarationGenerator json(FormatChoice::json);
  json.feed(u"<a>1</a>");
  DocumentResult forced = json.end_document();
  EXPECT_EQ(forced.format, DocumentFormat::json);
  EXPECT_EQ(forced.json.line, 1);
  EXPECT_EQ(forced.json.column, 1);

  DeclarationGenerator mixed;
  mixed.feed(u"{\"a\":1}");
  EXPECT_TRUE(mixed.end_document().ok());
  mixed.feed(u"<b>2</b>");
  DocumentResult other = mixed.end_document();
  EXPECT_TRUE(other.other_format);
  EXPECT_EQ(other.format, DocumentFormat::xml);
  EXPECT_EQ(shown(mixed.declarations({false, true})),
            "; /\nStructure JSON_MAIN\n\ta.q\nEndStructure\n");
}

TEST(JsonDeclarations, DeepNestingIsDeclaredWithoutRecursion) {
  constexpr std::size_t kDepth = 200000;
  std::u16string deep = u"{\"a\":";
  deep.append(kDepth, u'[');
  deep += u"{\"b\":1}";
  deep.append(kDepth, u']');
  deep += u'}';
  EXPECT_EQ(declared({deep}, 4096),
            "\n; /a[]\nStructure JSON_A\n\tb.q\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\ta.JSON_A ; []\nEndStructure\n");
}

}  // namespace
}  // namespace ambrel
