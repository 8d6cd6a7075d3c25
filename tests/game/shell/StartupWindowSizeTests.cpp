#include <gtest/gtest.h>

#include "engine/core/CommandLine.h"
#include "game/shell/StartupWindowSize.h"
#include "tests/support/RecordingConsole.h"

namespace Pemberquill {
namespace {

// By default the desktop less a margin, at most 640x400, at 16:10; a size
// asked for is kept when wide enough and one a display could show, with a
// warning for one it could not; fullscreen wins and takes the desktop.
TEST(StartupWindowSizeTest, TheSizeAskedForOrTheDefault)
{
    const struct {
        int desktopWidth, desktopHeight;
        const char* options;
        int width, height;
        const char* warned;
    } cases[] = {
        {1920, 1080, "", 640, 400, nullptr},
        {800, 600, "", 600, 375, nullptr},
        {1000, 560, "", 576, 360, nullptr},
        {1920, 1080, "-windowed 1024", 1024, 640, nullptr},
        {1920, 1080, "-WINDOWED 800 600", 800, 600, nullptr},
        {1920, 1080, "-windowed 90 600", 640, 400, nullptr},
        {1920, 1080, "-windowed big", 640, 400, nullptr},
        {1600, 900, "-windowed 1920 1200", 1920, 1200, nullptr},
        {1920, 1080, "-windowed 2147483647", 640, 400, "2147483647 x 1342177279"},
        {1920, 1080, "-windowed 99999999999 500", 640, 400, "2147483647 x 500"},
        {1920, 1080, "-windowed 800 16385", 640, 400, "800 x 16385"},
        {1920, 1080, "-windowed 800 600 -fullscreen", 1920, 1080, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        testsupport::RecordingConsole console;
        CommandLine commandLine;
        commandLine.Parse(c.options);
        const StartupWindowSize choice =
            ChooseStartupWindowSize(IntVector2(c.desktopWidth, c.desktopHeight), commandLine);
        EXPECT_EQ(choice.fullscreen, std::string(c.options).find("-fullscreen") != std::string::npos);
        EXPECT_EQ(choice.size.x, c.width);
        EXPECT_EQ(choice.size.y, c.height);
        ASSERT_EQ(console.lines.size(), c.warned != nullptr ? 1u : 0u);
        if (c.warned != nullptr) {
            EXPECT_EQ(console.lines[0].rfind(std::string("WARNING: a window of ") + c.warned + " pixels", 0), 0u)
                << console.lines[0];
        }
    }
}

}  // namespace
}  // namespace Pemberquill
