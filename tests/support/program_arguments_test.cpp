// The command-line rules all programs share, read into what each argument says.
#include "support/program_arguments.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

constexpr ProgramOption kOptions[] = {{"-o", "a FILE"}, {"--lf"}};

// Each argument read as a line: "option -o out", "operand a.xml", "help", ...
std::vector<std::string> read(const std::vector<std::string>& arguments,
                              std::span<const ProgramOption> options = kOptions) {
  std::vector<std::string> lines;
  for (const Argument& argument : read_arguments(arguments, options)) {
    switch (argument.kind) {
      case Argument::Kind::option:
        lines.push_back("option " + std::string(argument.name) + " " + argument.text);
        break;
      case Argument::Kind::operand:
        lines.push_back("operand " + argument.text);
        break;
      case Argument::Kind::help:
        lines.push_back("help");
        break;
      case Argument::Kind::version:
        lines.push_back("version");
        break;
      case Argument::Kind::wrong:
        lines.push_back("wrong " + argument.text);
        break;
    }
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(ProgramArguments, OptionsValuesAndOperandsInTheOrderWritten) {
  EXPECT_EQ(read({"-o", "out", "a.xml", "--lf", "-", ""}),
            (Lines{"option -o out", "operand a.xml", "option --lf ", "operand -", "operand "}));
  // A value is the next argument, whatever it looks like.
  EXPECT_EQ(read({"-o", "--help", "-o", "-"}), (Lines{"option -o --help", "option -o -"}));
  EXPECT_EQ(read({}), Lines{});
}

TEST(ProgramArguments, DoubleDashEndsTheOptions) {
  EXPECT_EQ(read({"--lf", "--", "--help", "-o", "--", "/?"}),
            (Lines{"option --lf ", "operand --help", "operand -o", "operand --", "operand /?"}));
}

TEST(ProgramArguments, HelpVersionAndMistakesEndTheLine) {
  EXPECT_EQ(read({"a.xml", "--version", "--bogus"}), (Lines{"operand a.xml", "version"}));
  EXPECT_EQ(read({"--help", "-o"}), Lines{"help"});
  EXPECT_EQ(read({"--bogus", "--help"}), Lines{"wrong unknown option '--bogus'"});
  EXPECT_EQ(read({"-x"}), Lines{"wrong unknown option '-x'"});
  EXPECT_EQ(read({"a.xml", "-o"}), (Lines{"operand a.xml", "wrong -o needs a FILE"}));
  // What would act on the terminal is escaped.
  EXPECT_EQ(read({"--\a"}), Lines{"wrong unknown option '--'$'\\a'"});
  // Another program's option is unknown here.
  EXPECT_EQ(read({"--lf"}, {}), Lines{"wrong unknown option '--lf'"});
}

TEST(ProgramArguments, SlashQuestionMarkAsksForHelpOnWindowsOnly) {
#if defined(_WIN32)
  EXPECT_EQ(read({"a.xml", "/?", "--bogus"}), (Lines{"operand a.xml", "help"}));
#else
  EXPECT_EQ(read({"/?"}), Lines{"operand /?"});
#endif
}

}  // namespace
}  // namespace ambrel
