#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"
#include "tests/support/RecordingConsole.h"

namespace {

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
}

TEST(UlvoExceptionTest, AFailedConditionThrowsWithItsTextAndShowsNoBoxWithoutADebugger) {
  testing::internal::CaptureStderr();
  try {
    const bool m_isInitialized = true;
    ULVO_ASSERT(!m_isInitialized, "Deleted without Shutdown() being called.", "FreePlay");
    ADD_FAILURE() << "no throw";
  } catch (const UlvoException& exception) {
    EXPECT_NE(exception.GetMessage().find("\"!m_isInitialized\""), std::string::npos);
    EXPECT_EQ(exception.GetTitle(), "FreePlay");
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(DestructorAssertTest, LogsInsteadOfThrowing) {
  testsupport::RecordingConsole console;
  EXPECT_NO_THROW({ ShutsDownCarelessly object; });
  ASSERT_EQ(console.lines.size(), 1u);
  EXPECT_EQ(console.lines[0].rfind("ERROR: FreePlay Destructor: Deleted without", 0), 0u);
  EXPECT_NE(console.lines[0].find(__FILE__), std::string::npos);
}
