// The window size asked for on the command line at the edges of what is
// taken: the smallest width and height kept, and the largest side a display
// can show.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/CommandLine.h"
#include "game/shell/StartupWindowSize.h"
#include "platform/window/Window.h"
#include "tests/support/SilentConsole.h"

namespace Pemberquill {
namespace {

// Catches each edge moved by one: a width of 100 or a height of 0 is too
// small, the largest side is still kept and one more is not.
TEST(StartupWindowEdgesTest, EachEdgeOfTheSizeAskedForKeepsItsLastSize)
{
    const int largest = platform::Window::MAX_CLIENT_SIDE;
    const struct {
        std::string options;
        int width, height;
    } cases[] = {
        {"-windowed 101 400", 101, 400},
        {"-windowed 100 400", 640, 400},
        {"-windowed 800 1", 800, 1},
        {"-windowed 800 0", 640, 400},
        {"-windowed " + std::to_string(largest) + " 600", largest, 600},
        {"-windowed 800 " + std::to_string(largest), 800, largest},
        {"-windowed " + std::to_string(largest + 1) + " 600", 640, 400},
    };
    for (const auto& c : cases) {
        testsupport::SilentConsole console;
        CommandLine commandLine;
        commandLine.Parse(c.options);
        const StartupWindowSize choice = ChooseStartupWindowSize(IntVector2(1920, 1080), commandLine);
        EXPECT_EQ(choice.size.x, c.width) << c.options;
        EXPECT_EQ(choice.size.y, c.height) << c.options;
    }
}

}  // namespace
}  // namespace Pemberquill
