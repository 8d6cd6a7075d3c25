// What a reading error tells the person who wrote the file: where it
// stopped, by line, and the text around that place.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/core/ResourceStream.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ServedPlayerFile.h"

namespace {

std::string ErrorReading(const std::string& text, int goodNumbers) {
  const testsupport::RecordingConsole console;
  const testsupport::ServedPlayerFile served(std::vector<uint8_t>(text.begin(), text.end()));
  ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "t.txt"));
  return testsupport::CatchUlvoException([&] {
           for (int i = 0; i < goodNumbers; ++i) stream.ReadInt32();
           stream.ReadExpectedToken('{');
         }).message;
}

// Lines count from 1 at the start of the file; the context holds at most
// 320 characters before the place and 80 after it.
TEST(ResourceStreamContext, TheErrorNamesTheLineAndShowsTheTextAroundThePlace) {
  const std::string before(330, 'b');
  const std::string after(100, 'a');
  const std::tuple<std::string, int, std::string> cases[] = {
      {"x", 0, "Near line #1 of "},
      {"1 2", 3, "found \"end of data\""},
      {"1\n2\r\n\n x", 2, "Near line #4 of "},
      {"/*" + before + "*/x" + after, 0,
       ":\n\n" + before.substr(13) + "*/x[CURRENT READ LOCATION]" + after.substr(0, 80) + "\n"},
  };
  for (const auto& [text, numbers, expected] : cases) {
    const std::string message = ErrorReading(text, numbers);
    EXPECT_NE(message.find(expected), std::string::npos) << message;
  }
}

}  // namespace
