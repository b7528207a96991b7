// How ambrel-dialog opens a definition: what it tells of a faulty one, with its place, and what
// becomes of the warnings.

#include "cli/definition_opening.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>

#include "embedded/embedded_definition.h"
#include "dialog/definition/runtime_registry.h"
#include "dialog/dialog.h"
#include "services_fixture.h"
#include "backend/headless/headless_backend.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

void do_nothing() {}

class DefinitionOpeningTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(start_services(std::make_unique<HeadlessBackend>()));
    for (std::u16string_view name : kEmbeddedProcedures) {
      runtime_register_procedure(name, do_nothing);
    }
  }

  // Opens the text, keeping what it tells in `told`; the dialog is freed again.
  OpeningOutcome open(std::u16string_view text, WarningRule warnings = WarningRule::shown) {
    std::FILE* messages = std::tmpfile();
    OpeningRequest request;
    request.warnings = warnings;
    Opening opening = open_definition({"d.xml", text}, request, messages);
    told.clear();
    std::rewind(messages);
    for (int c = std::fgetc(messages); c != EOF; c = std::fgetc(messages)) told += char(c);
    std::fclose(messages);
    if (opening.dialog != 0) dialog_free(opening.dialog);
    return opening.outcome;
  }

  std::string told;
};

// The tool's own definition cut at every code unit: a prefix that is not well-formed is
// faulty, told at the parser's place, and opens nothing; one that is opens.
TEST_F(DefinitionOpeningTest, EveryCutOfTheEmbeddedDefinitionIsFaultyWithItsPlace) {
  std::u16string_view whole = embedded_dialog_definition();
  const std::regex told_at_a_place("d\\.xml:([0-9]+):([0-9]+): [^\\n]+\\n");
  std::size_t faulty = 0;
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    std::u16string_view prefix = whole.substr(0, length);
    int parsed = xml_parse_text(kAnyNumber, prefix);
    XmlParseResult parse = xml_parse_result(parsed);
    xml_free_document(parsed);
    if (parse.ok()) {
      ASSERT_EQ(open(prefix), OpeningOutcome::opened) << length;
      continue;
    }
    ++faulty;
    ASSERT_EQ(open(prefix), OpeningOutcome::faulty) << length;
    std::smatch place;
    ASSERT_TRUE(std::regex_match(told, place, told_at_a_place)) << length << ": " << told;
    ASSERT_EQ(std::stoi(place[1]), parse.line) << length;
    ASSERT_EQ(std::stoi(place[2]), parse.column) << length;
  }
  // Only a prefix that holds the whole root element is well-formed.
  EXPECT_EQ(faulty, whole.rfind(u'>') + 1);
}

TEST_F(DefinitionOpeningTest, AFaultyTextIsToldWithTheParsersMessage) {
  EXPECT_EQ(open(u"<window>\n  <button></window>"), OpeningOutcome::faulty);
  EXPECT_EQ(told, "d.xml:2:13: mismatched tag\n");
  EXPECT_EQ(open(u"<window><button flags='#nope'/></window>"), OpeningOutcome::faulty);
  EXPECT_EQ(told, "d.xml:1:17: '#nope' flag is not supported for the following gadget: button\n");
}

// Warnings come in the order of the text, the error of a refused open after them.
TEST_F(DefinitionOpeningTest, WarningsAreShownSilencedOrFailing) {
  const std::u16string definition =
      u"<window><vbox colour='red'>\n<button width='9px'/></vbox></window>";
  const std::string warnings =
      "d.xml:1:15: warning: vbox does not use the attribute 'colour'; it is ignored\n"
      "d.xml:2:9: warning: width '9px' is read as 9\n";
  EXPECT_EQ(open(definition), OpeningOutcome::opened);
  EXPECT_EQ(told, warnings);
  EXPECT_EQ(open(definition, WarningRule::silenced), OpeningOutcome::opened);
  EXPECT_EQ(told, "");
  EXPECT_EQ(open(definition, WarningRule::failing), OpeningOutcome::faulty);
  EXPECT_EQ(told, warnings);
  EXPECT_EQ(open(u"<window><button width='9px'/><button flags='#x'/></window>"),
            OpeningOutcome::faulty);
  EXPECT_EQ(told,
            "d.xml:1:17: warning: width '9px' is read as 9\n"
            "d.xml:1:38: '#x' flag is not supported for the following gadget: button\n");
}

}  // namespace
}  // namespace ambrel
