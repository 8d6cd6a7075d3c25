#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/CommandLine.h"

namespace {

std::vector<std::string> Describe(const CommandLine& commandLine) {
  std::vector<std::string> entries;
  for (const CommandLine::Option& option : commandLine.GetOptions()) {
    entries.push_back(option.name + "=" + option.value);
  }
  return entries;
}

CommandLine Parsed(const std::string& text) {
  CommandLine commandLine;
  commandLine.Parse(text);
  return commandLine;
}

}  // namespace

TEST(CommandLineTest, WindowedSizeAndFlag) {
  const CommandLine commandLine = Parsed("-windowed 1024 640 -fullscreen");
  EXPECT_EQ((std::vector<std::string>{"windowed=1024 640", "fullscreen="}), Describe(commandLine));
  EXPECT_EQ("1024 640", commandLine.GetOptionValue("windowed"));
  EXPECT_TRUE(commandLine.HasOption("fullscreen"));
  EXPECT_EQ("", commandLine.GetOptionValue("fullscreen"));
  EXPECT_EQ("-windowed 1024 640 -fullscreen", commandLine.GetText());
}

TEST(CommandLineTest, EmptyOrBlankGivesNoOptions) {
  EXPECT_TRUE(Parsed("").GetOptions().empty());
  const CommandLine blank = Parsed(" \t\n  ");
  EXPECT_TRUE(blank.GetOptions().empty());
  EXPECT_FALSE(blank.HasOption(""));
  EXPECT_EQ("", blank.GetOptionValue("windowed"));
}

TEST(CommandLineTest, NamesIgnoreCase) {
  const CommandLine commandLine = Parsed("-FullScreen");
  EXPECT_TRUE(commandLine.HasOption("fullscreen"));
  EXPECT_TRUE(commandLine.HasOption("FULLSCREEN"));
  EXPECT_FALSE(commandLine.HasOption("full"));
  EXPECT_FALSE(commandLine.HasOption("fullscreens"));
}

TEST(CommandLineTest, FirstOfRepeatedNamesGivesTheValue) {
  const CommandLine commandLine = Parsed("-a x -A y");
  EXPECT_EQ("x", commandLine.GetOptionValue("a"));
  EXPECT_EQ((std::vector<std::string>{"a=x", "A=y"}), Describe(commandLine));
}

TEST(CommandLineTest, QuotedValuesKeepDashesAndQuotes) {
  const CommandLine commandLine = Parsed("-profile \"Anna-Lena Smith\"   -fullscreen");
  EXPECT_EQ("\"Anna-Lena Smith\"", commandLine.GetOptionValue("profile"));
  EXPECT_TRUE(commandLine.HasOption("fullscreen"));
  EXPECT_EQ(2u, commandLine.GetOptions().size());

  // A quote also ends a name; an unclosed quote runs to the end.
  EXPECT_EQ((std::vector<std::string>{"name=\"a - b\"", "x=\"open -y"}),
            Describe(Parsed("-name\"a - b\" -x \"open -y")));
}

TEST(CommandLineTest, FirstCharacterIsAlwaysTheMark) {
  const CommandLine commandLine = Parsed("fullscreen");
  EXPECT_TRUE(commandLine.HasOption("ullscreen"));
  EXPECT_FALSE(commandLine.HasOption("fullscreen"));
  EXPECT_EQ((std::vector<std::string>{"ullscreen="}), Describe(Parsed("/ullscreen")));
}

TEST(CommandLineTest, UnquotedDashEndsTheValue) {
  // The dash stays for the next option, where it is that option's mark.
  const CommandLine commandLine = Parsed("-windowed 800 -600");
  EXPECT_EQ((std::vector<std::string>{"windowed=800", "600="}), Describe(commandLine));
  EXPECT_EQ("800", commandLine.GetOptionValue("windowed"));
}

TEST(CommandLineTest, TrailingBlanksAndLoneMarks) {
  EXPECT_EQ((std::vector<std::string>{"w=1 2"}), Describe(Parsed("  -w   1 2  \t ")));
  EXPECT_EQ((std::vector<std::string>{"=", "x="}), Describe(Parsed("- -x")));
}

TEST(CommandLineTest, LongNamesAndValuesAreKeptWhole) {
  const std::string name(5000, 'n');
  const std::string value(6000, 'v');
  const CommandLine commandLine = Parsed("-" + name + " " + value);
  EXPECT_EQ(value, commandLine.GetOptionValue(name));
}

TEST(CommandLineTest, ParsingAgainReplacesTheOptions) {
  CommandLine commandLine;
  commandLine.Parse("-fullscreen");
  commandLine.Parse("-windowed 640");
  EXPECT_FALSE(commandLine.HasOption("fullscreen"));
  EXPECT_EQ("640", commandLine.GetOptionValue("windowed"));
}

TEST(CommandLineTest, ArgumentsAreJoinedBySingleBlanks) {
  const char* argv[] = {"pemberquill", "-windowed", "1024", "640", "-fullscreen"};
  EXPECT_EQ("-windowed 1024 640 -fullscreen", CommandLine::JoinArguments(5, argv));
  EXPECT_EQ("", CommandLine::JoinArguments(1, argv));
  EXPECT_EQ("", CommandLine::JoinArguments(0, nullptr));
}

TEST(CommandLineTest, ProgramInstanceIsShared) {
  CommandLine::GetInstance().Parse("-Windowed 800 500");
  EXPECT_EQ("800 500", CommandLine::GetInstance().GetOptionValue("windowed"));
  EXPECT_EQ(&CommandLine::GetInstance(), &CommandLine::GetInstance());
}
