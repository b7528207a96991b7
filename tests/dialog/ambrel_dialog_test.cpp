// ambrel-dialog run as a program on small definitions: its exact output and exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "embedded/embedded_definition.h"
#include "support/unicode_text.h"

namespace {

struct ToolRun {
  std::string output;
  int status = -1;
};

// `output` is what reaches standard output; `streams` can send standard error there instead.
ToolRun run_tool(const std::string& arguments, const std::string& streams = "2>/dev/null") {
  ToolRun run;
  std::string command = std::string(AMBREL_DIALOG_PATH) + " " + arguments + " " + streams;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, read);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string definition_file(const std::string& name, const std::string& text) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// A row of a button ("Go": 28 x 24 by nature) and a label ("Hi": 16 x 15) in the
// window's margins of 8; the window is only as large as its content asks.
const std::string kRow =
    "<window name='w' minwidth='auto'><hbox name='row'>"
    "<button name='b' text='Go'/><text name='t' text='Hi'/></hbox></window>";

TEST(AmbrelDialogTool, PrintsTheLaidOutTree) {
  ToolRun run = run_tool(definition_file("row.xml", kRow));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output,
            "window w 65 40\n"
            "  hbox row 8 8 49 24\n"
            "    button b 8 8 28 24\n"
            "    text t 41 8 16 24 gadget 41 10 16 22\n");
}

TEST(AmbrelDialogTool, PrintsTheTreeAgainAfterEachResize) {
  ToolRun run = run_tool("--resize 100x50 " + definition_file("row.xml", kRow));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output,
            "window w 65 40\n"
            "  hbox row 8 8 49 24\n"
            "    button b 8 8 28 24\n"
            "    text t 41 8 16 24 gadget 41 10 16 22\n"
            "resize 100 50\n"
            "window w 100 50\n"
            "  hbox row 8 8 84 34\n"
            "    button b 8 8 45 34\n"
            "    text t 58 8 33 34 gadget 58 10 33 32\n");
}

TEST(AmbrelDialogTool, OpensLargerThanTheRequestWhenAsked) {
  ToolRun run =
      run_tool("--open 200x100 " + definition_file("empty.xml", "<window><empty/></window>"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "window - 200 100\n  empty - 8 8 184 84\n");
}

// Standard error alone.
const std::string kErrorsOnly = "2>&1 >/dev/null";

TEST(AmbrelDialogTool, ReportsTheFirstDefinitionErrorWithItsPlaceAndNoTree) {
  std::string flags = definition_file(
      "flags.xml",
      "<window><vbox>\n<button flags='#KV_Nope'/><button flags='#Other'/></vbox></window>");
  EXPECT_EQ(run_tool(flags).output, "");
  ToolRun run = run_tool(flags, kErrorsOnly);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, flags +
                            ":2:9: '#KV_Nope' flag is not supported for the following gadget: "
                            "button\n");

  std::string unnamed = definition_file("unnamed.xml", "<window/>");
  run = run_tool("--window main " + unnamed, kErrorsOnly);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, unnamed + ":1:1: Dialog window not found\n");
}

TEST(AmbrelDialogTool, ATextThatIsNotWellFormedIsAnErrorWithItsPlace) {
  std::string path = definition_file("cut.xml", "<window><button text='x'/>");
  EXPECT_EQ(run_tool(path).output, "");
  ToolRun run = run_tool(path, kErrorsOnly);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, path + ":1:27: no element found\n");
  run = run_tool("- < " + path, kErrorsOnly);
  EXPECT_EQ(run.output, "<stdin>:1:27: no element found\n");
}

// Warnings go to standard error; the tree is the one printed without them.
TEST(AmbrelDialogTool, WarningsLeaveTheTreeAsItIs) {
  std::string plain = definition_file("plain.xml", kRow);
  std::string warned = definition_file(
      "warned.xml",
      "<window name='w' minwidth='auto'><hbox name='row' expand='yes'>"
      "<button name='b' text='Go' width='12px'/><text name='t' text='Hi'/></hbox></window>");
  ToolRun expected = run_tool(plain);
  ToolRun run = run_tool(warned);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, expected.output);
  EXPECT_EQ(run_tool(warned, kErrorsOnly).output,
            warned +
                ":1:51: warning: expand 'yes' is not a value hbox knows; it changes nothing\n" +
                warned + ":1:91: warning: width '12px' is read as 12\n");
  EXPECT_EQ(run_tool("--no-warnings " + warned, "2>&1").output, expected.output);
  run = run_tool("--warnings-as-errors " + warned);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run_tool("--warnings-as-errors " + plain).status, 0);
}

TEST(AmbrelDialogTool, RegistersProceduresOnRequest) {
  std::string path =
      definition_file("proc.xml", "<window><button name='b' OnEvent='go()'/></window>");
  ToolRun run = run_tool(path, kErrorsOnly);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, path + ":1:26: 'go()' is not a runtime procedure.\n");
  EXPECT_EQ(run_tool("--proc 'go()' " + path).status, 0);
  EXPECT_EQ(run_tool("--any-proc " + path).status, 0);
}

TEST(AmbrelDialogTool, OpensTheEmbeddedDefinition) {
  ToolRun run = run_tool("--embedded");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output.substr(0, run.output.find('\n')), "window wndMain 500 500");
  EXPECT_NE(run.output.find("\n    frame frameIn 8 8 484 239\n"), std::string::npos);
}

// The program itself on cuts of its own definition (in-process, every byte is cut: see the
// opening tests); each cut is status 1, with a place, and no tree.
TEST(AmbrelDialogTool, CutsOfTheEmbeddedDefinitionAreErrorsWithAPlace) {
  std::string whole = ambrel::utf16_to_utf8(ambrel::embedded_dialog_definition());
  const std::regex told_at_a_place(".*cut\\.xml:[0-9]+:[0-9]+: [^\\n]+\\n");
  // Up to the end of the root's end tag, no prefix is well-formed.
  for (std::size_t length = 0; length < whole.rfind('>'); length += 97) {
    std::string path = definition_file("cut.xml", whole.substr(0, length));
    ToolRun run = run_tool(path, "2>&1");
    EXPECT_EQ(run.status, 1) << length;
    EXPECT_TRUE(std::regex_match(run.output, told_at_a_place)) << length << ": " << run.output;
  }
}

TEST(AmbrelDialogTool, RefusesAWrongCommandLine) {
  EXPECT_EQ(run_tool("").status, 2);
  EXPECT_EQ(run_tool("--open 10 --embedded").status, 2);
  EXPECT_EQ(run_tool("--embedded other.xml").status, 2);
  EXPECT_EQ(run_tool("/nonexistent/definition.xml").status, 2);
  // An empty name is shown, not left out of the message.
  EXPECT_EQ(run_tool("''", "2>&1 >/dev/null").output,
            "ambrel-dialog: '': No such file or directory\n");
}

TEST(AmbrelDialogTool, HelpSaysWhatColumnCounts) {
  EXPECT_NE(run_tool("--help").output.find("COLUMN counts characters from 1; a tab is one"),
            std::string::npos);
}

// Bytes in names that the terminal would act on are escaped in every message.
TEST(AmbrelDialogTool, MessagesShowControlBytesInNamesEscaped) {
  const std::string quoted =
      std::string("'").append(::testing::TempDir()) + "bell'$'\\a\\033''[2J.xml'";
  std::string path = definition_file("bell\a\x1B[2J.xml", "<window name='w'>");
  EXPECT_EQ(run_tool("'" + path + "'", "2>&1 >/dev/null").output,
            quoted + ":1:18: no element found\n");
  std::remove(path.c_str());
  EXPECT_EQ(run_tool("'" + path + "'", "2>&1 >/dev/null").output,
            "ambrel-dialog: " + quoted + ": No such file or directory\n");
  EXPECT_EQ(run_tool("--\x1B", "2>&1 >/dev/null")
                .output.rfind("ambrel-dialog: unknown option '--'$'\\033'\n", 0),
            0u);
}

}  // namespace
