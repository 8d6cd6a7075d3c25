// What reaches stderr: debug output when asked, and message boxes without a
// real display.
#include "platform/system/Debugger.h"
#include "platform/system/MessageBox.h"

#include <gtest/gtest.h>

#include "tests/platform/ScopedEnvironment.h"

namespace {

TEST(DebuggerTest, OutputReachesStderrVerbatimOnlyWhenAsked) {
  const std::pair<const char*, std::string> cases[] = {
      {nullptr, ""}, {"0", ""}, {"", ""}, {"1", std::string("first line\nwith\0nul", 19)}};
  for (const auto& [value, expected] : cases) {
    platform_test::ScopedEnvironment request(platform::DEBUG_OUTPUT_VARIABLE, value);
    ::testing::internal::CaptureStderr();
    platform::DebugOutput("first line\n");
    platform::DebugOutput(std::string("with\0nul", 8));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), expected) << (value != nullptr ? value : "(unset)");
  }
}

// Headless, or on the offscreen driver even with a display, the box is
// written to stderr: a modal box would hang a test.
TEST(MessageBoxTest, WithoutARealDisplayTheBoxGoesToStderr) {
  const std::pair<const char*, const char*> driverAndDisplay[] = {{"offscreen", ":0"}, {nullptr, ""}};
  for (const auto& [driverName, displayName] : driverAndDisplay) {
    platform_test::ScopedEnvironment driver("SDL_VIDEODRIVER", driverName), display("DISPLAY", displayName),
        wayland("WAYLAND_DISPLAY", nullptr);
    ::testing::internal::CaptureStderr();
    platform::ShowMessageBox("Fatal Error", "Could not open \"Data/options.txt\".", platform::MessageBoxIcon::Error);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Fatal Error\nCould not open \"Data/options.txt\".\n");
  }
}

}  // namespace
