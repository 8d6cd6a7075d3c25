// Which video driver the window layer accepts. SDL falls back, unasked, to
// a driver that shows nothing when the display's driver cannot connect; a
// game started that way ran on with no window at all.
#include "platform/window/VideoSystem.h"
#include "platform/window/Window.h"
#include "tests/platform/ScopedEnvironment.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using platform_test::ScopedEnvironment;

// No X server listens on this display, and no other display is named.
class UnreachableDisplayTest : public ::testing::Test {
 protected:
  ScopedEnvironment m_driver{"SDL_VIDEODRIVER", nullptr};
  ScopedEnvironment m_display{"DISPLAY", ":65000"};
  ScopedEnvironment m_wayland{"WAYLAND_DISPLAY", nullptr};
};

TEST_F(UnreachableDisplayTest, OpensNoWindowAndReportsNoDesktopRatherThanAnInvisibleOne) {
  platform::WindowSettings settings;
  settings.clientSize = {640, 400};
  std::string error;
  const auto window = platform::Window::Create(settings, error);
  if (window != nullptr) {
    // A machine with a screen of its own may offer a driver that shows it.
    EXPECT_STRNE(SDL_GetCurrentVideoDriver(), "offscreen");
    return;
  }
  EXPECT_NE(error.find("video system unavailable"), std::string::npos) << error;
  EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
  EXPECT_EQ(platform::Window::DesktopSize(), (platform::IntSize{}));
}

// Asked for by name, a driver that shows nothing is what tests run on.
TEST(VideoSystemTest, TakesADriverThatShowsNothingWhenAskedForIt) {
  const ScopedEnvironment driver("SDL_VIDEODRIVER", "x11,offscreen");
  const ScopedEnvironment display("DISPLAY", ":65000");
  std::string error;
  ASSERT_TRUE(platform::StartVideo(error)) << error;
  EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "offscreen");
  platform::StopVideo();
  EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

}  // namespace
