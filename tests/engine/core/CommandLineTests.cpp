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

TEST(CommandLineTest, QuotedValuesKeepDashesAndQuotes) {
  const CommandLine commandLine = Parsed("-profile \"Anna-Lena Smith\"   -fullscreen");
  EXPECT_EQ("\"Anna-Lena Smith\"", commandLine.GetOptionValue("profile"));
  EXPECT_TRUE(commandLine.HasOption("fullscreen"));
  EXPECT_EQ(2u, commandLine.GetOptions().size());

  // A quote also ends a name; an unclosed quote runs to the end.
  EXPECT_EQ((std::vector<std::string>{"name=\"a - b\"", "x=\"open -y"}),
            Describe(Parsed("-name\"a - b\" -x \"open -y")));
}

TEST(CommandLineTest, UnquotedDashEndsTheValue) {
  // The dash stays for the next option, where it is that option's mark.
  const CommandLine commandLine = Parsed("-windowed 800 -600");
  EXPECT_EQ((std::vector<std::string>{"windowed=800", "600="}), Describe(commandLine));
  EXPECT_EQ("800", commandLine.GetOptionValue("windowed"));
}

