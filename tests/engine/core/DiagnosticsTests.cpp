#include <gtest/gtest.h>

#include <cstdarg>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoException.h"

namespace {

struct PrintRecord {
  std::string text;
  bool colored = false;
  Rgba color;
};

// Records what reaches it, formatted, so the tests see what a real console
// would write.
class RecordingConsole : public UlvoConsoleInterface {
 public:
  void VPrintf(uint32_t, const Rgba& color, const char* format, va_list args) override {
    prints.push_back({VStringf(format, args), true, color});
  }
  void VPrintfVerbose(uint32_t, const char* format, va_list args) override {
    prints.push_back({VStringf(format, args), false, Rgba()});
  }
  void VPrintfColor(const Rgba& color, const char* format, va_list args) override {
    prints.push_back({VStringf(format, args), true, color});
  }
  void VPrint(const char* format, va_list args) override {
    prints.push_back({VStringf(format, args), false, Rgba()});
  }
  void SetFont(const std::string&, int, bool, bool) override {}
  bool OnKeyEvent(int, int) override { return false; }

  std::vector<PrintRecord> prints;
};

UlvoException CatchFailedCheck(void (*check)()) {
  try {
    check();
  } catch (const UlvoException& exception) {
    return exception;
  }
  ADD_FAILURE() << "the check did not throw";
  return UlvoException(nullptr, "", 0, "", "");
}

}  // namespace

TEST(StringfTest, FormatsLikePrintf) {
  EXPECT_EQ("7 x 2.50 = [abc]", Stringf("%d x %.2f = [%s]", 7, 2.5, "abc"));
  std::string out = "previous";
  StringfInto(out, "%s-%03d", "id", 5);
  EXPECT_EQ("id-005", out);
}

TEST(StringfTest, CutsLongResultsToTheLimit) {
  const std::string longText(3000, 'x');
  const std::string expected(2047, 'x');
  EXPECT_EQ(expected, Stringf("%s", longText.c_str()));

  std::string out;
  StringfInto(out, "%s", longText.c_str());
  EXPECT_EQ(expected, out);

  const std::string exact(2047, 'y');
  EXPECT_EQ(exact, Stringf("%s", exact.c_str()));
}

TEST(UlvoExceptionTest, FailedConditionMatchesTheAssertionText) {
  testing::internal::CaptureStderr();
  const UlvoException exception = CatchFailedCheck([] {
    const bool m_isInitialized = true;
    ULVO_ASSERT(!m_isInitialized, "FreePlay was deleted without Shutdown() being called.",
                "FreePlay Destructor");
  });
  // Without a debugger the assertion box is not shown.
  EXPECT_EQ("", testing::internal::GetCapturedStderr());

  EXPECT_EQ(
      "FreePlay was deleted without Shutdown() being called.\n"
      "ULVO_ASSERT or ULVO_VALIDATE failed; condition \"!m_isInitialized\" was not true.",
      exception.GetMessage());
  EXPECT_EQ("FreePlay Destructor", exception.GetTitle());
  EXPECT_STREQ(__FILE__, exception.GetFile());
  EXPECT_GT(exception.GetLine(), 0);
}

TEST(UlvoExceptionTest, ValidateBehavesAsAssert) {
  const UlvoException exception = CatchFailedCheck([] {
    const int count = 3;
    ULVO_VALIDATE(count == 4, Stringf("count is %d", count), std::string("Counter"));
  });
  EXPECT_EQ("count is 3\nULVO_ASSERT or ULVO_VALIDATE failed; condition \"count == 4\" was not true.",
            exception.GetMessage());
  EXPECT_EQ("Counter", exception.GetTitle());
}

TEST(UlvoExceptionTest, ErrorKeepsTheMessageUnchanged) {
  const UlvoException exception =
      CatchFailedCheck([] { ULVO_ERROR("Unable to find PropertyAnimation Fade", "Lookup"); });
  EXPECT_EQ("Unable to find PropertyAnimation Fade", exception.GetMessage());
  EXPECT_EQ("Lookup", exception.GetTitle());
  EXPECT_STREQ("Unable to find PropertyAnimation Fade", exception.what());
}

TEST(UlvoExceptionTest, PassingCheckNeitherThrowsNorBuildsItsMessage) {
  int messagesBuilt = 0;
  auto message = [&messagesBuilt] {
    ++messagesBuilt;
    return std::string("never");
  };
  EXPECT_NO_THROW(ULVO_ASSERT(1 + 1 == 2, message(), "Title"));
  EXPECT_NO_THROW(ULVO_VALIDATE(true, message(), "Title"));
  EXPECT_EQ(0, messagesBuilt);
}

TEST(DialogTextTest, FatalErrorTextNamesLineAndFile) {
  const UlvoException exception(
      "!m_isInitialized", "game/shell/FreePlay.cpp", 57, "FreePlay Destructor",
      "FreePlay was deleted without Shutdown() being called.");
  EXPECT_EQ(
      "FreePlay was deleted without Shutdown() being called.\n"
      "ULVO_ASSERT or ULVO_VALIDATE failed; condition \"!m_isInitialized\" was not true.\n"
      "\n"
      "The application will now close.\n"
      "\n"
      "[Line 57 in game/shell/FreePlay.cpp]",
      UlvoFormatFatalErrorText(exception.GetMessage(), exception.GetFile(), exception.GetLine()));
  EXPECT_EQ("Just the message", UlvoFormatFatalErrorText("Just the message", nullptr, 12));
}

TEST(DialogTextTest, FatalErrorTextIsNeverCut) {
  const std::string longMessage(3000, 'm');
  const std::string text = UlvoFormatFatalErrorText(longMessage, "File.cpp", 9);
  EXPECT_EQ(longMessage + "\n\nThe application will now close.\n\n[Line 9 in File.cpp]", text);
}

TEST(DialogTextTest, AssertionTextWithAndWithoutCondition) {
  EXPECT_EQ(
      "Bad count\n\nULVO_VALIDATE or ULVO_ASSERT (on line 12 in Board.cpp) had a false "
      "condition:\n\n   count > 0\n\nPress OK to break in the debugger.",
      UlvoFormatAssertionText("Bad count", "count > 0", "Board.cpp", 12));
  EXPECT_EQ(
      "Broken\n\nA ULVO_ERROR occurred (on line 3 in Puzzle.cpp).\n\nPress OK to break in the "
      "debugger.",
      UlvoFormatAssertionText("Broken", nullptr, "Puzzle.cpp", 3));
}

TEST(DialogTextTest, HeadlessFatalBoxGoesToStderr) {
  testing::internal::CaptureStderr();
  UlvoShowFatalErrorDialog("Something broke", "Engine Failure", "Engine.cpp", 8);
  const std::string output = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, output.find("Engine Failure"));
  EXPECT_NE(std::string::npos,
            output.find("Something broke\n\nThe application will now close.\n\n[Line 8 in Engine.cpp]"));
}

TEST(ConsolePrintTest, WithoutConsoleGoesToDebuggerOutputWithPrefix) {
  ASSERT_EQ(nullptr, UlvoConsoleInterface::GetDefaultInstance());
  testing::internal::CaptureStderr();
  ConsolePrintf("WARNING: %s missing\n", "Sky.png");
  ConsolePrintfColored(Rgba::WHITE, "colour %d\n", 3);
  EXPECT_EQ(
      "CONSOLE (pre-initialization!): WARNING: Sky.png missing\n"
      "CONSOLE (pre-initialization!): colour 3\n",
      testing::internal::GetCapturedStderr());
}

TEST(ConsolePrintTest, ReachesTheFirstLiveConsoleOnly) {
  RecordingConsole first;
  {
    RecordingConsole second;
    ConsolePrintf("ERROR: %d files\n", 2);
    ConsolePrintfColored(Rgba(255, 0, 0), "red %s", "text");
    ASSERT_EQ(2u, first.prints.size());
    EXPECT_TRUE(second.prints.empty());
    EXPECT_EQ("ERROR: 2 files\n", first.prints[0].text);
    EXPECT_FALSE(first.prints[0].colored);
    EXPECT_EQ("red text", first.prints[1].text);
    EXPECT_TRUE(first.prints[1].colored);
    EXPECT_EQ(Rgba(255, 0, 0), first.prints[1].color);
  }
  ConsolePrintf("after");
  EXPECT_EQ(3u, first.prints.size());
}

TEST(ConsolePrintTest, DefaultConsoleChangesWhenTheFirstIsDestroyed) {
  auto first = std::make_unique<RecordingConsole>();
  RecordingConsole second;
  first.reset();
  ConsolePrintf("to second");
  ASSERT_EQ(1u, second.prints.size());
  EXPECT_EQ("to second", second.prints[0].text);
}

TEST(ConsolePrintTest, InterfaceVariadicFormsReachTheVaListForms) {
  RecordingConsole console;
  console.Print("%d-%d", 1, 2);
  console.PrintfColor(Rgba::WHITE, "%s", "c");
  console.Printf(4, Rgba(1, 2, 3), "%c", 'p');
  console.PrintfVerbose(4, "v%d", 9);
  ASSERT_EQ(4u, console.prints.size());
  EXPECT_EQ("1-2", console.prints[0].text);
  EXPECT_EQ("c", console.prints[1].text);
  EXPECT_EQ(Rgba::WHITE, console.prints[1].color);
  EXPECT_EQ("p", console.prints[2].text);
  EXPECT_EQ(Rgba(1, 2, 3), console.prints[2].color);
  EXPECT_EQ("v9", console.prints[3].text);
}

TEST(DebuggerPrintTest, WritesOnlyTheFormattedText) {
  RecordingConsole console;
  testing::internal::CaptureStderr();
  DebuggerPrintf("fill %d of %d\n", 3, 10);
  DebuggerPrintf("%s", std::string(3000, 'z').c_str());
  EXPECT_EQ("fill 3 of 10\n" + std::string(2047, 'z'), testing::internal::GetCapturedStderr());
  EXPECT_TRUE(console.prints.empty());
}

namespace {

class ShutsDownCarelessly {
 public:
  ~ShutsDownCarelessly() {
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized,
                              "FreePlay was deleted without Shutdown() being called.",
                              "FreePlay Destructor");
  }

 private:
  bool m_isInitialized = true;
};

}  // namespace

TEST(DestructorAssertTest, LogsInsteadOfThrowing) {
  RecordingConsole console;
  EXPECT_NO_THROW({ ShutsDownCarelessly object; });
  ASSERT_EQ(1u, console.prints.size());
  const std::string& text = console.prints[0].text;
  EXPECT_EQ(0u, text.find("ERROR: FreePlay Destructor: FreePlay was deleted without Shutdown() "
                          "being called.\nULVO_ASSERT or ULVO_VALIDATE failed; condition "
                          "\"!m_isInitialized\" was not true.\n[Line "));
  EXPECT_NE(std::string::npos, text.find(__FILE__));
}

TEST(DestructorAssertTest, PassingConditionLogsNothing) {
  RecordingConsole console;
  ULVO_ASSERT_IN_DESTRUCTOR(true, "unused", "unused");
  EXPECT_TRUE(console.prints.empty());
}
