// The desktop tool's command line: the file it opens with, what ends the program before a
// window opens, and how.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

constexpr std::string_view kUsageLine =
    "Usage: ambrel [--help | --version] [--identifiers] [FILE]\n";

CommandLineOutcome read(std::vector<std::string> arguments) {
  return read_command_line(arguments, "9.8.7.6");
}

TEST(CommandLine, TheWindowOpensWithTheFirstFileNamed) {
  struct Case {
    std::vector<std::string> arguments;
    std::string file;
    bool identifiers = false;
  };
  for (const Case& c :
       {Case{{}, ""}, Case{{"--"}, ""}, Case{{"in.xml"}, "in.xml"},
        Case{{"a b.xml", "c.xml"}, "a b.xml"}, Case{{"--", "--help"}, "--help"}, Case{{"-"}, "-"},
        Case{{"", "c.xml"}, ""}, Case{{"caf\xE9.xml"}, "caf\xE9.xml"},
        Case{{"--identifiers", "in.xml"}, "in.xml", true}, Case{{"--identifiers"}, "", true},
        Case{{"--", "--identifiers"}, "--identifiers"}}) {
    CommandLineOutcome outcome = read(c.arguments);
    EXPECT_TRUE(outcome.open_window) << c.file;
    EXPECT_EQ(outcome.file_to_load, c.file);
    EXPECT_EQ(outcome.identifiers, c.identifiers) << c.file;
    EXPECT_EQ(outcome.standard_output, "");
    EXPECT_EQ(outcome.standard_error, "");
  }
}

TEST(CommandLine, HelpAndVersionPrintOnStandardOutputAndSucceed) {
  CommandLineOutcome help = read({"in.xml", "--help", "--bogus"});
  EXPECT_FALSE(help.open_window);
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_EQ(help.standard_output.rfind(kUsageLine, 0), 0u);
  EXPECT_NE(help.standard_output.find("--version"), std::string::npos);

  CommandLineOutcome version = read({"--version"});
  EXPECT_FALSE(version.open_window);
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.standard_output, "ambrel 9.8.7.6\n");
  EXPECT_EQ(version.standard_error, "");
}

TEST(CommandLine, UnknownOptionsGiveTheUsageLineOnStandardErrorAndStatusTwo) {
  for (const auto& [arguments, first_line] :
       {std::pair<std::vector<std::string>, std::string>{{"-x"}, "ambrel: unknown option '-x'"},
        {{"--versions"}, "ambrel: unknown option '--versions'"},
        {{"in.xml", "--bogus"}, "ambrel: unknown option '--bogus'"},
        {{"-x", "--help"}, "ambrel: unknown option '-x'"},
        {{"-\x1B[2J"}, "ambrel: unknown option '-'$'\\033''[2J'"}}) {
    CommandLineOutcome outcome = read(arguments);
    EXPECT_FALSE(outcome.open_window) << first_line;
    EXPECT_EQ(outcome.exit_status, kWrongCommandLine) << first_line;
    EXPECT_EQ(outcome.standard_output, "") << first_line;
    EXPECT_EQ(outcome.standard_error, first_line + "\n" + std::string(kUsageLine));
  }
}

}  // namespace
}  // namespace ambrel
