#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/Texture.h"
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
        DrawBoard(false);
    }

    void DrawBoard(bool isTextItalic)
    {
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        PuzzleDisplay display(m_test->puzzle.get(), false, AABB2(0, 0, 400, 400));
        display.SetTextItalic(isTextItalic);
        PemberquillRenderer::DrawPuzzle(display);
    }

    std::vector<platform::GpuColor> Read(int x, int y, int width, int height)
    {
        return m_device->ReadBackBuffer({x, y, width, height});
    }

    static bool IsDark(const platform::GpuColor& pixel) { return pixel.r < 80 && pixel.g < 80 && pixel.b < 80; }

    // Pixels of the box darker than (80, 80, 80).
    int CountDark(int x, int y, int width, int height)
    {
        int dark = 0;
        for (const platform::GpuColor& pixel : Read(x, y, width, height)) {
            dark += IsDark(pixel) ? 1 : 0;
        }
        return dark;
    }

    // The mean column of the dark pixels of the box.
    float DarkCentreX(int x, int y, int width, int height)
    {
        const std::vector<platform::GpuColor> pixels = Read(x, y, width, height);
        float sum = 0.0f;
        int count = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            if (IsDark(pixels[i])) {
                sum += static_cast<float>(x + static_cast<int>(i) % width);
                ++count;
            }
        }
        return count > 0 ? sum / static_cast<float>(count) : 0.0f;
    }

    // How far the upper half of the ink of the cage label "3+" (rows 4 to
    // 19) stands right of its lower half.
    float LabelLean() { return DarkCentreX(5, 4, 60, 8) - DarkCentreX(5, 12, 60, 8); }

    std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
    std::unique_ptr<TestPuzzle> m_test;
};

TEST_F(BoardPixelTest, TheCageBorderRunsBetweenTheCagesAndTheTargetStandsInTheKeySquare)
{
    EXPECT_EQ(CountDark(199, 10, 2, 80), 2 * 80) << "right of the cage";
    EXPECT_EQ(CountDark(10, 99, 80, 2), 2 * 80) << "below the cage";
    EXPECT_EQ(CountDark(110, 99, 80, 2), 2 * 80) << "below the cage";
    EXPECT_EQ(CountDark(95, 30, 10, 60), 0) << "inside the cage";
    EXPECT_EQ(CountDark(299, 110, 2, 80), 0) << "inside the other cage";
    EXPECT_GT(CountDark(5, 2, 40, 22), 40) << "\"3+\" at the top left of square (0, 0)";
    EXPECT_EQ(CountDark(105, 2, 90, 22), 0) << "the second square of the cage has no label";
}

TEST_F(BoardPixelTest, SlantedTextLeansRight)
{
    const float upright = LabelLean();
    DrawBoard(true);
    EXPECT_GT(CountDark(5, 2, 40, 22), 40) << "the slanted label is drawn";
    // A fifth of the 8 rows between the halves, give or take the pixels.
    EXPECT_GT(LabelLean() - upright, 0.8f);
}

// A picture whose top five of eight rows are red and the rest blue, drawn
// over a view of 400 x 250.
class BackdropPixelTest : public testsupport::SoftwareRendererTest {
protected:
    BackdropPixelTest() : SoftwareRendererTest(IntVector2(400, 250)) {}
};

TEST_F(BackdropPixelTest, OnlyTheTopFiveEighthsOfTheBackdropFillTheView)
{
    std::unique_ptr<Image> image = Image::Create(IntVector2(2, 8), Image::IMAGE_FORMAT_RGBA);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 2; ++x) {
            image->SetPixel(x, y, y < 5 ? Rgba(255, 0, 0, 255) : Rgba(0, 0, 255, 255));
        }
    }
    const std::unique_ptr<Texture> texture = Texture::Create();
    texture->PopulateFromImage(*image, false);
    BeginFrameInPixels(Rgba(255, 255, 255, 255));
    const Vector2 view = PemberquillRenderer::GetViewSize();
    m_renderer->SetTransform(0.0f, 0.0f, view.x, view.y);
    PemberquillRenderer::DrawFullScreenBackdrop(texture.get());
    for (const IntVector2& at : {IntVector2(0, 0), IntVector2(399, 0), IntVector2(200, 200), IntVector2(399, 200)}) {
        const platform::GpuColor pixel = m_device->ReadBackBuffer({at.x, at.y, 1, 1})[0];
        EXPECT_GT(pixel.r, 200) << at.x << ", " << at.y;
        EXPECT_LT(pixel.b, 60) << at.x << ", " << at.y;
    }
}

} // namespace
