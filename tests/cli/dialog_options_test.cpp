// ambrel-dialog's command line: the conventions it shares with the other programs.
#include "cli/dialog_options.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

TEST(DialogOptions, HelpAndVersionWinOverTheRestOfTheLine) {
  ParsedOptions help = parse_dialog_options({"--bogus-later-is-not-read", "--help"});
  EXPECT_FALSE(help.help);  // an earlier unknown option is reported first
  EXPECT_EQ(help.problem, "unknown option '--bogus-later-is-not-read'");

  ParsedOptions version = parse_dialog_options({"--version", "--bogus"});
  EXPECT_TRUE(version.version);
  EXPECT_FALSE(version.help);
  EXPECT_FALSE(version.options);
}

TEST(DialogOptions, SingleDashOptionsAreUnknownButDashAloneIsStandardInput) {
  EXPECT_EQ(parse_dialog_options({"-q", "file.xml"}).problem, "unknown option '-q'");
  ParsedOptions stdin_file = parse_dialog_options({"-"});
  ASSERT_TRUE(stdin_file.options);
  EXPECT_EQ(stdin_file.options->file, "-");
}

TEST(DialogOptions, DoubleDashEndsTheOptions) {
  ParsedOptions parsed = parse_dialog_options({"--qt", "--", "--help"});
  ASSERT_TRUE(parsed.options);
  EXPECT_FALSE(parsed.help);
  EXPECT_TRUE(parsed.options->toolkit);
  EXPECT_EQ(parsed.options->file, "--help");
  EXPECT_FALSE(parsed.options->embedded);

  EXPECT_EQ(parse_dialog_options({"--", "a.xml", "b.xml"}).problem,
            "only one definition can be opened");
  EXPECT_EQ(parse_dialog_options({"--embedded", "--", "a.xml"}).problem,
            "only one definition can be opened");
  EXPECT_EQ(parse_dialog_options({"--"}).problem, "no definition given (FILE or --embedded)");
}

TEST(DialogOptions, WarningsAreShownSilencedOrFailingButNotTwoOfThese) {
  EXPECT_EQ(parse_dialog_options({"a.xml"}).options->warnings, WarningRule::shown);
  EXPECT_EQ(parse_dialog_options({"--no-warnings", "a.xml"}).options->warnings,
            WarningRule::silenced);
  EXPECT_EQ(parse_dialog_options({"--warnings-as-errors", "--warnings-as-errors", "a.xml"})
                .options->warnings,
            WarningRule::failing);
  EXPECT_EQ(parse_dialog_options({"--no-warnings", "--warnings-as-errors", "a.xml"}).problem,
            "--no-warnings and --warnings-as-errors cannot be used together");
}

TEST(DialogOptions, ShowDrawsForRealAndTakesNoOneShotOptions) {
  ParsedOptions show = parse_dialog_options({"--show", "--open", "300x200", "a.xml"});
  ASSERT_TRUE(show.options);
  EXPECT_TRUE(show.options->show);
  EXPECT_TRUE(show.options->toolkit);
  const char* kShowAlone = "--show keeps the window up: it takes no --resize or --png";
  EXPECT_EQ(parse_dialog_options({"--show", "--resize", "9x9", "a.xml"}).problem, kShowAlone);
  EXPECT_EQ(parse_dialog_options({"--png", "p.png", "--show", "a.xml"}).problem, kShowAlone);
}

}  // namespace
}  // namespace ambrel
