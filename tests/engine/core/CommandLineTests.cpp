#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/CommandLine.h"

namespace {

std::vector<std::string> Parsed(const std::string& text) {
  CommandLine commandLine;
  commandLine.Parse(text);
  std::vector<std::string> entries;
  for (const CommandLine::Option& option : commandLine.GetOptions()) {
    entries.push_back(option.name + "=" + option.value);
  }
  return entries;
}

}  // namespace

TEST(CommandLineTest, OptionsTheirValuesAndLookup) {
  const struct {
    const char* text;
    std::vector<std::string> options;
  } cases[] = {
      {"-windowed 1024 640 -fullscreen", {"windowed=1024 640", "fullscreen="}},
      {"-profile \"Anna-Lena Smith\"   -fullscreen", {"profile=\"Anna-Lena Smith\"", "fullscreen="}},
      // A quote also ends a name; an unclosed quote runs to the end.
      {"-name\"a - b\" -x \"open -y", {"name=\"a - b\"", "x=\"open -y"}},
      // An unquoted dash ends the value and marks the next option.
      {"-windowed 800 -600", {"windowed=800", "600="}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parsed(c.text), c.options) << c.text;
  }
  CommandLine commandLine;
  commandLine.Parse("-windowed 1024 640 -fullscreen");
  EXPECT_EQ(commandLine.GetOptionValue("windowed"), "1024 640");
  EXPECT_TRUE(commandLine.HasOption("fullscreen"));
  EXPECT_FALSE(commandLine.HasOption("full"));
}

// The program's own name is left out; the arguments are joined by single
// spaces, as they came.
TEST(CommandLineTest, ArgumentsAreJoinedAfterTheProgramName) {
  const char* const argv[] = {"pemberquill", "-profile", "Anna Smith", "-windowed"};
  EXPECT_EQ(CommandLine::JoinArguments(4, argv), "-profile Anna Smith -windowed");
  EXPECT_EQ(CommandLine::JoinArguments(1, argv), "");
}
