#include <gtest/gtest.h>

#include <cstdarg>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoException.h"
#include "platform/system/Debugger.h"
#include "tests/platform/ScopedEnvironment.h"

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
