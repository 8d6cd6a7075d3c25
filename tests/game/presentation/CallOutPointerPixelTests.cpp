// The instructor's arrow over a called-out column and its cross over a
// candidate to remove, read back from the pixels drawn over a 4 x 4 board of
// 100-pixel squares. A call-out's box is an outline, so whatever marks its
// inside is the arrow that landed there or the cross.
#include <gtest/gtest.h>

#include <vector>

#include "engine/core/AABB2.h"
#include "engine/core/Clock.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/tutorial/Instructor.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/support/SoftwareRendererTest.h"
#include "tests/support/TestPuzzle.h"

namespace Pemberquill {
namespace {

class CallOutPointerPixelTest : public testsupport::SoftwareRendererTest {
protected:
    CallOutPointerPixelTest() : SoftwareRendererTest(IntVector2(400, 400)) {}

    void SetUp() override
    {
        SoftwareRendererTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        instructor.Startup(&clock);
    }

    // Pixels inside the box that are not white, once the call-outs are drawn
    // on white with their arrows landed.
    int MarkedInside(const AABB2& box)
    {
        clock.Advance(5.0);
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 400));
        display.UpdateBoardViews();
        PemberquillRenderer::DrawInstructorCallOuts(display);
        const std::vector<platform::GpuColor> pixels = m_device->ReadBackBuffer({0, 0, 400, 400});
        int marked = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            const Vector2 at(static_cast<float>(i % 400), static_cast<float>(i / 400));
            const platform::GpuColor& pixel = pixels[i];
            const bool isWhite = pixel.r > 200 && pixel.g > 200 && pixel.b > 200;
            marked += !isWhite && box.IsPointInside(at) ? 1 : 0;
        }
        return marked;
    }

    Clock clock;
    Instructor instructor;
    TestPuzzle test{4, {}};
};

// Catches a column called out without its arrow.
TEST_F(CallOutPointerPixelTest, AColumnCalledOutGetsItsArrow)
{
    instructor.CallOutColumn(&test.GetBoard(), 1, "hint");
    EXPECT_GT(MarkedInside(AABB2(115, 15, 185, 385)), 100);
}

// Catches a candidate called out for removal getting a box instead of its
// cross: the cross runs through the middle of the candidate.
TEST_F(CallOutPointerPixelTest, ACandidateForRemovalIsCrossedThroughItsMiddle)
{
    const Square& square = test.GetBoard().GetSquare(0, 0);
    instructor.CallOutCandidateForRemoval(&square, 3, "hint");
    PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 400));
    display.UpdateBoardViews();
    const AABB2 candidate = display.GetBoardViews().front().GetCandidateRect(3, square);
    const Vector2 inset(6.0f, 6.0f);
    EXPECT_GT(MarkedInside(AABB2(candidate.mins + inset, candidate.maxs - inset)), 20);
}

}  // namespace
}  // namespace Pemberquill
