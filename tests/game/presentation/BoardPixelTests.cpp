#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/support/TestPuzzle.h"
#include "tests/support/SoftwareRendererTest.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// A 4 x 4 board on a 400 x 400 back buffer, one pixel a unit: squares of
// 100, lines 2 wide. Cage 0 is the two left squares of row 0 ("3+"), cage 1
// every other square, without a rule text.
class BoardPixelTest : public testsupport::SoftwareRendererTest {
protected:
    BoardPixelTest() : SoftwareRendererTest(IntVector2(400, 400)) {}

    void SetUp() override
    {
        SoftwareRendererTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_renderer->LoadFont("MainFont", "EN");
        std::vector<std::pair<unsigned, unsigned>> rest;
        for (unsigned i = 2; i < 16; ++i) {
            rest.emplace_back(i % 4, i / 4);
        }
        m_test = std::make_unique<TestPuzzle>(
            4, std::vector<TestCage>{{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}, {CAGE_RULE_NOOP, rest}});
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        PuzzleDisplay display(m_test->puzzle.get(), false, AABB2(0, 0, 400, 400));
        PemberquillRenderer::DrawPuzzle(display);
    }

    // Pixels of the box darker than (80, 80, 80).
    int CountDark(int x, int y, int width, int height)
    {
        int dark = 0;
        for (const platform::GpuColor& pixel : m_device->ReadBackBuffer({x, y, width, height})) {
            dark += pixel.r < 80 && pixel.g < 80 && pixel.b < 80 ? 1 : 0;
        }
        return dark;
    }

    std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
    std::unique_ptr<TestPuzzle> m_test;
};

TEST_F(BoardPixelTest, TheCageBorderRunsBetweenTheCages)
{
    EXPECT_EQ(CountDark(199, 10, 2, 80), 2 * 80) << "right of the cage";
    EXPECT_EQ(CountDark(10, 99, 80, 2), 2 * 80) << "below the cage";
    EXPECT_EQ(CountDark(110, 99, 80, 2), 2 * 80) << "below the cage";
    EXPECT_EQ(CountDark(95, 30, 10, 60), 0) << "inside the cage";
    EXPECT_EQ(CountDark(299, 110, 2, 80), 0) << "inside the other cage";
}

TEST_F(BoardPixelTest, TheTargetStandsInTheLabelBoxOfTheKeySquare)
{
    EXPECT_GT(CountDark(5, 2, 40, 22), 40) << "\"3+\" at the top left of square (0, 0)";
    EXPECT_EQ(CountDark(50, 2, 45, 22), 0) << "the label is left-aligned and short";
    EXPECT_EQ(CountDark(105, 2, 90, 22), 0) << "the second square of the cage has no label";
}

} // namespace
