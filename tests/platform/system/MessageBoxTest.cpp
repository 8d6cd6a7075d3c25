#include "platform/system/MessageBox.h"

#include "tests/platform/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

using platform_test::ScopedEnvironment;

// Headless, or on the offscreen driver even with a display, the box is
// written to stderr: a modal box would hang a test.
TEST(MessageBoxTest, WithoutARealDisplayTheBoxGoesToStderr) {
  const std::pair<const char*, const char*> driverAndDisplay[] = {{"offscreen", ":0"}, {nullptr, ""}};
  for (const auto& [driverName, displayName] : driverAndDisplay) {
    ScopedEnvironment driver("SDL_VIDEODRIVER", driverName), display("DISPLAY", displayName),
        wayland("WAYLAND_DISPLAY", nullptr);
    ::testing::internal::CaptureStderr();
    platform::ShowMessageBox("Fatal Error", "Could not open \"Data/options.txt\".", platform::MessageBoxIcon::Error);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Fatal Error\nCould not open \"Data/options.txt\".\n");
  }
}

}  // namespace
