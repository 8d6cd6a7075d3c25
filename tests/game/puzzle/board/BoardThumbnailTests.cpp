#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include "tests/engine/modules/renderer/RendererTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// A 4 x 4 board with its progress attached, a started renderer on a
// recording device, the thumbnail image installed, and a log of the
// thumbnail drawings the renderer asks for.
class BoardThumbnailTest : public renderer_test::RecordingRendererTest {
protected:
    void SetUp() override
    {
        RecordingRendererTest::SetUp();
        m_image = renderer_test::MakeImage(64, 64, Image::IMAGE_FORMAT_RGBA,
                                           std::vector<unsigned char>(64 * 64 * 4, 200));
        BoardProgress::SetThumbnailImage(m_image.get());
        m_board = std::make_unique<Board>(4, 0, nullptr, 1u);
        m_progress = m_board->CreateProgress(false);
        m_board->SetProgress(m_progress.get());
    }

    void TearDown() override
    {
        m_board.reset();
        m_progress.reset();
        BoardProgress::SetThumbnailImage(nullptr);
        RecordingRendererTest::TearDown();
    }

    std::unique_ptr<Image> m_image;
    std::unique_ptr<Board> m_board;
    std::unique_ptr<BoardProgress> m_progress;
    modules_test::EventLog m_drawings{"RenderBoardThumbnailToTexture"};
};

// A thumbnail is drawn inside the renderer's frame, not at once. One
// released, or whose board is destroyed, before that frame is never drawn;
// one drawn already outlives its board. (What is drawn is the drawing
// tests' concern.)
TEST_F(BoardThumbnailTest, OnlyThumbnailsStillWantedAreDrawn)
{
    BoardProgress drawn(4, 0u);
    drawn.RenderThumbnail(*m_board);
    EXPECT_EQ(m_drawings.count, 0);
    m_renderer->Update();
    BoardProgress released(4, 0u);
    released.RenderThumbnail(*m_board);
    released.ReleaseThumbnail();
    m_renderer->Update();
    ASSERT_EQ(m_drawings.count, 1);

    std::unique_ptr<BoardProgress> saved = m_progress->Clone();
    m_board->SetSavedProgress(saved.get());
    m_progress->RenderThumbnail(*m_board);
    saved->RenderThumbnail(*m_board);
    BoardProgress detached(4, 0u);
    detached.RenderThumbnail(*m_board);
    m_board.reset();
    for (const BoardProgress* progress : {m_progress.get(), saved.get(), &released, &detached}) {
        EXPECT_EQ(progress->GetThumbnail(), nullptr);
        EXPECT_TRUE(progress->HasChanged());
    }
    m_renderer->Update();
    EXPECT_EQ(m_drawings.count, 1);
    EXPECT_EQ(m_device->copies.size(), 1u);
    EXPECT_NE(drawn.GetThumbnail(), nullptr);
    EXPECT_FALSE(drawn.HasChanged());
}

} // namespace
