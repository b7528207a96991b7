// ambrel-dialog --embedded on the headless backend: the tool's own window laid out exactly
// as designed, at its opening size and after the user made it larger.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

std::string run_tool(const std::string& arguments, int& status) {
  std::string output;
  std::string command = std::string(AMBREL_DIALOG_PATH) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
  int result = pclose(pipe);
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return output;
}

// Frames share the height equally; each keeps a 25-pixel label row above its editor and an
// 80-pixel button column to its right; the label sits 2 pixels low on its line.
const std::string kAt500By500 =
    "window wndMain 500 500\n"
    "  vbox vbox 8 8 484 484\n"
    "    frame frameIn 8 8 484 239\n"
    "      splitter splitter1 17 26 466 212\n"
    "        text lblIn 0 0 466 25 gadget 0 2 466 23\n"
    "        splitter splitter3 0 0 466 183\n"
    "          editor txtIn 0 0 382 183\n"
    "          vbox vbox1 0 0 80 183\n"
    "            button cmdFile 0 0 80 24\n"
    "            button cmdPaste 0 29 80 24\n"
    "            empty empty1 0 58 80 16\n"
    "            button cmdClear 0 79 80 24\n"
    "            empty empty4 0 108 80 0\n"
    "            text text1 0 113 80 60\n"
    "    frame frameOut 8 252 484 239\n"
    "      splitter splitter2 17 270 466 212\n"
    "        text lblOut 0 0 466 25 gadget 0 2 466 23\n"
    "        splitter splitter4 0 0 466 183\n"
    "          editor txtOut 0 0 382 183\n"
    "          vbox vbox2 0 0 80 183\n"
    "            button cmdCopyAll 0 0 80 24\n";

// Only the editors take the growth.
const std::string kAt700By600 =
    "window wndMain 700 600\n"
    "  vbox vbox 8 8 684 584\n"
    "    frame frameIn 8 8 684 289\n"
    "      splitter splitter1 17 26 666 262\n"
    "        text lblIn 0 0 666 25 gadget 0 2 666 23\n"
    "        splitter splitter3 0 0 666 233\n"
    "          editor txtIn 0 0 582 233\n"
    "          vbox vbox1 0 0 80 233\n"
    "            button cmdFile 0 0 80 24\n"
    "            button cmdPaste 0 29 80 24\n"
    "            empty empty1 0 58 80 16\n"
    "            button cmdClear 0 79 80 24\n"
    "            empty empty4 0 108 80 0\n"
    "            text text1 0 113 80 60\n"
    "    frame frameOut 8 302 684 289\n"
    "      splitter splitter2 17 320 666 262\n"
    "        text lblOut 0 0 666 25 gadget 0 2 666 23\n"
    "        splitter splitter4 0 0 666 233\n"
    "          editor txtOut 0 0 582 233\n"
    "          vbox vbox2 0 0 80 233\n"
    "            button cmdCopyAll 0 0 80 24\n";

TEST(EmbeddedWindowTool, OpensAt500By500AsDesigned) {
  int status = -1;
  EXPECT_EQ(run_tool("--embedded", status), kAt500By500);
  EXPECT_EQ(status, 0);
}

TEST(EmbeddedWindowTool, GrowsOnlyTheEditors) {
  int status = -1;
  EXPECT_EQ(run_tool("--embedded --resize 700x600", status),
            kAt500By500 + "resize 700 600\n" + kAt700By600);
  EXPECT_EQ(status, 0);
}

TEST(EmbeddedWindowTool, ARequestedSmallerSizeStillOpensAt500By500) {
  int status = -1;
  EXPECT_EQ(run_tool("--embedded --open 300x200", status), kAt500By500);
  EXPECT_EQ(status, 0);
}

TEST(EmbeddedWindowTool, BackToTheOpeningSizeEverythingIsWhereItWas) {
  int status = -1;
  EXPECT_EQ(run_tool("--embedded --resize 700x600 --resize 500x500", status),
            kAt500By500 + "resize 700 600\n" + kAt700By600 + "resize 500 500\n" + kAt500By500);
  EXPECT_EQ(status, 0);
}

}  // namespace
