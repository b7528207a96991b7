// ambrel-dialog at its limits: definitions nested thousands deep, an output that cannot be
// written and memory that runs out. Each ends with a clear message and its own status.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct ToolRun {
  std::string output;
  std::string errors;
  int status = -1;
};

std::string temp_path(const std::string& name) { return ::testing::TempDir() + name; }

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the program through the shell, after `setup` (such as a ulimit), with standard output
// going to `destination` (a file of its own when empty).
ToolRun run_tool(const std::string& arguments, const std::string& setup = "",
                 const std::string& destination = "") {
  const std::string out = destination.empty() ? temp_path("limits.out") : destination;
  const std::string err = temp_path("limits.err");
  std::string command =
      std::string(AMBREL_DIALOG_PATH) + " " + arguments + " >" + out + " 2>" + err;
  if (!setup.empty()) command = setup + "; " + command;
  int result = std::system(("sh -c '" + command + "'").c_str());
  ToolRun run;
  if (destination.empty()) run.output = read_file(out);
  run.errors = read_file(err);
  run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return run;
}

std::string definition_file(const std::string& name, const std::string& text) {
  std::string path = temp_path(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

std::string repeated(const std::string& piece, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += piece;
  return out;
}

// Past 16 levels the indent stays at 32 spaces and the line starts with its depth instead,
// so the printed tree grows with the number of objects, not with the square of their depth.
TEST(AmbrelDialogLimits, DeepNestingKeepsLinesShort) {
  constexpr int kDepth = 3000;
  std::string path =
      definition_file("deep.xml", "<window>" + repeated("<vbox>", kDepth) + "<empty name='e'/>" +
                                      repeated("</vbox>", kDepth) + "</window>");
  ToolRun run = run_tool(path);
  ASSERT_EQ(run.status, 0) << run.errors;
  std::istringstream lines(run.output);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    ASSERT_LE(line.size(), 80u) << "line " << count;
  }
  EXPECT_EQ(count, kDepth + 2);
  EXPECT_NE(run.output.find("\n" + std::string(32, ' ') + "vbox - 8 8 "), std::string::npos);
  EXPECT_NE(run.output.find("\n" + std::string(32, ' ') + "[17] vbox - 8 8 "), std::string::npos);
  EXPECT_NE(run.output.find("\n" + std::string(32, ' ') + "[3001] empty e 8 8 "),
            std::string::npos);
}

TEST(AmbrelDialogLimits, AnOutputThatCannotBeWrittenIsAnError) {
  ToolRun run = run_tool("--embedded", "", "/dev/full");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.errors.find("ambrel-dialog: cannot write the output"), std::string::npos)
      << run.errors;
}

// Under an address-space limit just large enough for the tool's own window, a definition of
// 400,000 objects runs out of memory somewhere (parsing, building or printing): the program
// says so and exits 3, never aborts, and never reports it as a fault of the definition.
TEST(AmbrelDialogLimits, RunningOutOfMemoryEndsWithAMessage) {
#ifdef AMBREL_SANITIZED
  GTEST_SKIP() << "the sanitizers reserve far more address space than any limit leaves";
#else
  int limit_kb = 0;
  for (int kb = 100 * 1024; kb <= 600 * 1024 && limit_kb == 0; kb += 25 * 1024) {
    if (run_tool("--embedded", "ulimit -v " + std::to_string(kb), "/dev/null").status == 0)
      limit_kb = kb;
  }
  ASSERT_NE(limit_kb, 0) << "the tool's own window does not open under 600 MB";
  std::string path = definition_file(
      "many.xml", "<window><vbox>" + repeated("<empty/>", 400000) + "</vbox></window>");
  for (int kb : {limit_kb, limit_kb + 20 * 1024}) {
    ToolRun run = run_tool(path, "ulimit -v " + std::to_string(kb), "/dev/null");
    EXPECT_EQ(run.status, 3) << kb << " KB: " << run.errors;
    EXPECT_EQ(run.errors, "ambrel-dialog: out of memory\n") << kb << " KB";
  }
#endif
}

}  // namespace
