#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoException.h"
#include "tests/support/RecordingConsole.h"

namespace {

// Also keeps the colour of each coloured print.
class ColorRecordingConsole : public testsupport::RecordingConsole {
 public:
  void VPrintfColor(const Rgba& color, const char* format, va_list args) override {
    colors.push_back(color);
    RecordingConsole::VPrintfColor(color, format, args);
  }
  std::vector<Rgba> colors;
};

class ShutsDownCarelessly {
 public:
  ~ShutsDownCarelessly() {
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "Deleted without Shutdown() being called.",
                              "FreePlay Destructor");
  }

 private:
  bool m_isInitialized = true;
};

}  // namespace

TEST(StringfTest, CutsLongResultsToTheLimit) {
  const std::string longText(3000, 'x');
  EXPECT_EQ(Stringf("%s", longText.c_str()), std::string(2047, 'x'));
  std::string out;
  StringfInto(out, "%s", longText.c_str());
  EXPECT_EQ(out, std::string(2047, 'x'));
}

TEST(UlvoExceptionTest, AFailedConditionThrowsWithItsTextAndShowsNoBoxWithoutADebugger) {
  testing::internal::CaptureStderr();
  try {
    const bool m_isInitialized = true;
    ULVO_ASSERT(!m_isInitialized, "Deleted without Shutdown() being called.", "FreePlay");
    ADD_FAILURE() << "no throw";
  } catch (const UlvoException& exception) {
    EXPECT_EQ(exception.GetMessage(),
              "Deleted without Shutdown() being called.\n"
              "ULVO_ASSERT or ULVO_VALIDATE failed; condition \"!m_isInitialized\" was not true.");
    EXPECT_EQ(exception.GetTitle(), "FreePlay");
    EXPECT_STREQ(exception.GetFile(), __FILE__);
    EXPECT_GT(exception.GetLine(), 0);
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(ConsolePrintTest, ReachesTheFirstLiveConsoleOnlyKeepingTheColour) {
  ColorRecordingConsole first;
  {
    ColorRecordingConsole second;
    ConsolePrintf("ERROR: %d files\n", 2);
    ConsolePrintfColored(Rgba(255, 0, 0), "red %s", "text");
    EXPECT_EQ(first.lines, (std::vector<std::string>{"ERROR: 2 files\n", "red text"}));
    EXPECT_EQ(first.colors, std::vector<Rgba>{Rgba(255, 0, 0)});
    EXPECT_TRUE(second.lines.empty());
  }
  ConsolePrintf("after");
  EXPECT_EQ(first.lines.size(), 3u);
}

TEST(DestructorAssertTest, LogsInsteadOfThrowing) {
  testsupport::RecordingConsole console;
  EXPECT_NO_THROW({ ShutsDownCarelessly object; });
  ASSERT_EQ(console.lines.size(), 1u);
  EXPECT_EQ(console.lines[0].rfind("ERROR: FreePlay Destructor: Deleted without Shutdown() being "
                                   "called.\nULVO_ASSERT or ULVO_VALIDATE failed; condition "
                                   "\"!m_isInitialized\" was not true.\n[Line ",
                                   0),
            0u);
  EXPECT_NE(console.lines[0].find(__FILE__), std::string::npos);
}
