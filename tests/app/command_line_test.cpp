// The desktop tool's command line: what ends the program before a window opens, and how.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

CommandLineOutcome read(std::vector<std::string_view> arguments) {
  return read_command_line(arguments, "9.8.7.6");
}

TEST(CommandLine, NoArgumentsOrOnlyTheEndOfOptionsOpenTheWindow) {
  for (const auto& arguments :
       {std::vector<std::string_view>{}, std::vector<std::string_view>{"--"}}) {
    CommandLineOutcome outcome = read(arguments);
    EXPECT_TRUE(outcome.open_window);
    EXPECT_EQ(outcome.standard_output, "");
    EXPECT_EQ(outcome.standard_error, "");
  }
}

TEST(CommandLine, HelpAndVersionPrintOnStandardOutputAndSucceed) {
  CommandLineOutcome help = read({"--help", "--bogus"});
  EXPECT_FALSE(help.open_window);
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_EQ(help.standard_output.rfind("Usage: ambrel [--help | --version]\n", 0), 0u);
  EXPECT_NE(help.standard_output.find("--version"), std::string::npos);

  CommandLineOutcome version = read({"--version"});
  EXPECT_FALSE(version.open_window);
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.standard_output, "ambrel 9.8.7.6\n");
  EXPECT_EQ(version.standard_error, "");
}

TEST(CommandLine, WrongArgumentsGiveTheUsageLineOnStandardErrorAndStatusTwo) {
  struct Case {
    std::vector<std::string_view> arguments;
    std::string first_line;
  };
  for (const Case& c : {Case{{"-x"}, "ambrel: unknown option '-x'"},
                        Case{{"--versions"}, "ambrel: unknown option '--versions'"},
                        Case{{"file.xml"}, "ambrel: unexpected argument 'file.xml'"},
                        Case{{"-"}, "ambrel: unexpected argument '-'"},
                        Case{{"--", "--help"}, "ambrel: unexpected argument '--help'"},
                        Case{{"-x", "--help"}, "ambrel: unknown option '-x'"}}) {
    CommandLineOutcome outcome = read(c.arguments);
    EXPECT_FALSE(outcome.open_window) << c.first_line;
    EXPECT_EQ(outcome.exit_status, 2) << c.first_line;
    EXPECT_EQ(outcome.standard_output, "") << c.first_line;
    EXPECT_EQ(outcome.standard_error, c.first_line + "\nUsage: ambrel [--help | --version]\n");
  }
}

}  // namespace
}  // namespace ambrel
