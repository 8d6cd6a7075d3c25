#include <gtest/gtest.h>

#include "engine/core/CommandLine.h"
#include "game/shell/StartupWindowSize.h"
#include "tests/support/RecordingConsole.h"

namespace Pemberquill {
namespace {

StartupWindowSize Choose(int desktopWidth, int desktopHeight, const std::string& options)
{
    CommandLine commandLine;
    commandLine.Parse(options);
    return ChooseStartupWindowSize(IntVector2(desktopWidth, desktopHeight), commandLine);
}

void ExpectWindowed(const StartupWindowSize& choice, int width, int height)
{
    EXPECT_FALSE(choice.fullscreen);
    EXPECT_EQ(choice.size.x, width);
    EXPECT_EQ(choice.size.y, height);
}

TEST(StartupWindowSizeTest, DefaultIsTheDesktopLessAMarginAtMost640By400At16By10)
{
    ExpectWindowed(Choose(1920, 1080, ""), 640, 400);
    ExpectWindowed(Choose(800, 600, ""), 600, 375);
    ExpectWindowed(Choose(1000, 560, ""), 576, 360);
}

TEST(StartupWindowSizeTest, WindowedOptionSetsTheSizeWhenWideEnough)
{
    ExpectWindowed(Choose(1920, 1080, "-windowed 1024"), 1024, 640);
    ExpectWindowed(Choose(1920, 1080, "-windowed 800 600"), 800, 600);
    ExpectWindowed(Choose(1920, 1080, "-WINDOWED 800 600"), 800, 600);
    ExpectWindowed(Choose(1920, 1080, "-windowed 90 600"), 640, 400);
}

TEST(StartupWindowSizeTest, MalformedOrUnusableWindowedValueKeepsTheDefault)
{
    ExpectWindowed(Choose(1920, 1080, "-windowed"), 640, 400);
    ExpectWindowed(Choose(1920, 1080, "-windowed big"), 640, 400);
    ExpectWindowed(Choose(1920, 1080, "-windowed 800 0"), 640, 400);
}

TEST(StartupWindowSizeTest, ASizeNoDisplayCanShowKeepsTheDefaultWithAWarning)
{
    const struct {
        const char* options;
        const char* warned;
    } cases[] = {
        {"-windowed 2147483647", "2147483647 x 1342177279"},
        {"-windowed 99999 99999", "99999 x 99999"},
        {"-windowed 99999999999 500", "2147483647 x 500"},
        {"-windowed 800 16385", "800 x 16385"},
    };
    for (const auto& c : cases) {
        testsupport::RecordingConsole console;
        ExpectWindowed(Choose(1920, 1080, c.options), 640, 400);
        ASSERT_EQ(console.lines.size(), 1u) << c.options;
        EXPECT_EQ(console.lines[0].rfind(std::string("WARNING: a window of ") + c.warned + " pixels", 0), 0u)
            << console.lines[0];
    }
    // Larger than the desktop but within what a display shows: kept.
    testsupport::RecordingConsole console;
    ExpectWindowed(Choose(1600, 900, "-windowed 1920 1200"), 1920, 1200);
    EXPECT_TRUE(console.lines.empty());
}

TEST(StartupWindowSizeTest, FullscreenWinsOverWindowedAndTakesTheDesktop)
{
    const StartupWindowSize choice = Choose(1920, 1080, "-windowed 800 600 -fullscreen");
    EXPECT_TRUE(choice.fullscreen);
    EXPECT_EQ(choice.size.x, 1920);
    EXPECT_EQ(choice.size.y, 1080);
}

}  // namespace
}  // namespace Pemberquill
