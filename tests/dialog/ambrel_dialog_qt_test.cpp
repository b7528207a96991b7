// ambrel-dialog on the Qt backend: a definition with every element kind opens into real
// widgets and can be photographed.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string kEveryKind =
    "<window name='w'><vbox><hbox><multibox><empty/></multibox><singlebox><empty/></singlebox>"
    "<gridbox><button name='button' text='Go'/><checkbox name='checkbox' text='c'/>"
    "<image name='image'/><option name='option' text='o'/><listview name='listview'/>"
    "<listicon name='listicon' text='Files'/><tree name='tree'/></gridbox></hbox>"
    "<container><combobox name='combobox'/></container><text name='text' text='t'/>"
    "<string name='string'/><panel name='panel'><tab text='One'><editor name='editor'/></tab>"
    "<tab text='Two'><scintilla name='scintilla'/></tab></panel>"
    "<scrollarea><scrollbar name='scrollbar'/></scrollarea>"
    "<frame text='F'><progressbar name='progressbar'/></frame><explorerlist name='explorerlist'/>"
    "<explorertree name='explorertree'/><explorercombo name='explorercombo'/>"
    "<shortcut name='shortcut'/><buttonimage name='buttonimage'/><trackbar name='trackbar'/>"
    "<canvas name='canvas'/><calendar name='calendar'/><date name='date'/><spin name='spin'/>"
    "<web name='web'/><hyperlink name='hyperlink' text='link'/><ipaddress name='ipaddress'/>"
    "<splitter name='splitter'><empty/><empty/></splitter></vbox></window>";

TEST(AmbrelDialogQtTool, OpensEveryKindAndSavesAScreenshot) {
  std::string definition = ::testing::TempDir() + "every_kind.xml";
  std::string picture = ::testing::TempDir() + "every_kind.png";
  std::ofstream(definition, std::ios::binary) << kEveryKind;
  std::remove(picture.c_str());
  std::string command = std::string(AMBREL_DIALOG_PATH) + " --qt --png " + picture + " " +
                        definition + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
  int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << output;
  EXPECT_EQ(output.rfind("window w ", 0), 0u);
  for (const char* element :
       {"calendar calendar", "panel panel", "hyperlink hyperlink", "splitter splitter"}) {
    EXPECT_NE(output.find(element), std::string::npos) << element;
  }
  std::ifstream png(picture, std::ios::binary);
  std::string head(8, '\0');
  png.read(head.data(), 8);
  EXPECT_EQ(head, std::string("\x89PNG\r\n\x1a\n", 8));
}

}  // namespace
