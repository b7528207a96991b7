// ambrel-dialog run as a program on small definitions: its exact output and exit status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

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

TEST(AmbrelDialogTool, ReportsTheFirstDefinitionError) {
  std::string flags = definition_file(
      "flags.xml",
      "<window><vbox><button flags='#KV_Nope'/><button flags='#Other'/></vbox></window>");
  ToolRun run = run_tool(flags);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output,
            "error: '#KV_Nope' flag is not supported for the following gadget: button\n");

  run = run_tool("--window main " + definition_file("unnamed.xml", "<window/>"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "error: Dialog window not found\n");
}

TEST(AmbrelDialogTool, RegistersProceduresOnRequest) {
  std::string path =
      definition_file("proc.xml", "<window><button name='b' OnEvent='go()'/></window>");
  ToolRun run = run_tool(path);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "error: 'go()' is not a runtime procedure.\n");
  EXPECT_EQ(run_tool("--proc 'go()' " + path).status, 0);
  EXPECT_EQ(run_tool("--any-proc " + path).status, 0);
}

TEST(AmbrelDialogTool, OpensTheEmbeddedDefinition) {
  ToolRun run = run_tool("--embedded");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output.substr(0, run.output.find('\n')), "window wndMain 500 500");
  EXPECT_NE(run.output.find("\n    frame frameIn 8 8 484 239\n"), std::string::npos);
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

}  // namespace
