#include <gtest/gtest.h>

#include "engine/core/CommandLine.h"
#include "game/shell/StartupWindowSize.h"

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

TEST(StartupWindowSizeTest, FullscreenWinsOverWindowedAndTakesTheDesktop)
{
    const StartupWindowSize choice = Choose(1920, 1080, "-windowed 800 600 -fullscreen");
    EXPECT_TRUE(choice.fullscreen);
    EXPECT_EQ(choice.size.x, 1920);
    EXPECT_EQ(choice.size.y, 1080);
}

}  // namespace
}  // namespace Pemberquill
