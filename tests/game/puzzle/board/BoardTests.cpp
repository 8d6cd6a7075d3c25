// The board's bounds, placement rules and geometry, a cage's target from its
// answers, the solution marks kept across regenerated solutions, and when
// board thumbnails are drawn.
#include "game/puzzle/board/Board.h"

#include "engine/core/UlvoException.h"
#include "game/puzzle/board/BoardProgress.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Pemberquill;

namespace {

TEST(BoardTest, OnlyBoardsOfOneToNineRowsExistAndLookupsStayInside)
{
    Clock clock;
    EXPECT_THROW(Board(0, 0, &clock, 0), UlvoException);
    EXPECT_THROW(Board(10, 0, &clock, 0), UlvoException);
    Board board(4, 0, &clock, 0);
    EXPECT_THROW(board.GetSquare(4, 0), UlvoException);
    EXPECT_THROW(board.GetSquare(0, 4), UlvoException);
    EXPECT_THROW(board.GetCageFromSquare(4, 0), UlvoException);
    EXPECT_THROW(board.GetCageFromSquare(0, 4), UlvoException);
    EXPECT_THROW(board.GetSquareValue(2, 4), UlvoException);
    EXPECT_THROW(board.CanPlaceSolutionValue(4, 0, 1), UlvoException);
    EXPECT_FALSE(board.IsInside(4, 0));
    EXPECT_FALSE(board.IsInside(-1, 0));
    EXPECT_TRUE(board.IsInside(3, 3));

    board.GetSquare(0, 2).solutionValue = 2;
    board.GetSquare(2, 1).solutionValue = 3;
    EXPECT_FALSE(board.CanPlaceSolutionValue(0, 0, 2)) << "same column";
    EXPECT_FALSE(board.CanPlaceSolutionValue(1, 1, 3)) << "same row";
    EXPECT_TRUE(board.CanPlaceSolutionValue(1, 1, 2));
}

// A fill starts from a cleared board and answers from its counts, which
// follow every write through it: a value taken back frees its lines unless
// the line holds it twice. Once the fill ends, answers written directly
// count again.
TEST(BoardTest, AnAnswerFillCountsWhatItWrites)
{
    Clock clock;
    Board board(3, 0, &clock, 0);
    board.GetSquare(2, 2).solutionValue = 3;
    {
        Board::AnswerFill fill(board);
        EXPECT_EQ(0u, board.GetSquare(2, 2).solutionValue);
        fill.SetSolutionValue(0, 0, 1);
        fill.SetSolutionValue(1, 1, 1);
        fill.SetSolutionValue(0, 2, 3);
        fill.SetSolutionValue(1, 2, 3);
        fill.SetSolutionValue(0, 0, 0);
        fill.SetSolutionValue(0, 2, 0);
        const struct {
            unsigned x, y, value;
            bool canPlace;
        } cases[] = {
            {2, 0, 3, true},  // cleared at the start
            {0, 1, 1, false}, // row 1
            {1, 0, 1, false}, // column 1
            {0, 1, 2, true},
            {2, 0, 1, true},  // column 0 and row 0 freed
            {2, 2, 3, false}, // row 2 held it twice
        };
        for (const auto& c : cases) {
            EXPECT_EQ(c.canPlace, board.CanPlaceSolutionValue(c.x, c.y, c.value)) << c.x << "," << c.y << ":" << c.value;
        }
        EXPECT_THROW(board.CanPlaceSolutionValue(3, 0, 1), UlvoException);
    }
    board.GetSquare(2, 1).solutionValue = 2;
    EXPECT_FALSE(board.CanPlaceSolutionValue(0, 1, 2));
}

// The search for a square without a cage goes on from its last find, and
// from the start again once the cages are cleared.
TEST(BoardTest, TheFirstSquareWithoutACageIsFoundAgainAfterTheCagesAreCleared)
{
    Clock clock;
    Board board(2, 0, &clock, 0);
    std::vector<std::pair<unsigned, unsigned>> found;
    unsigned x = 9;
    unsigned y = 9;
    for (unsigned caged = 0; board.FindSquareWithoutCage(x, y); ++caged) {
        found.emplace_back(x, y);
        board.GetSquare(x, y).cageIndex = 0;
        if (caged == 0) {
            board.GetSquare(0, 1).cageIndex = 0;
        }
    }
    EXPECT_EQ((std::vector<std::pair<unsigned, unsigned>>{{0, 0}, {1, 0}, {1, 1}}), found);
    board.ClearCages();
    ASSERT_TRUE(board.FindSquareWithoutCage(x, y));
    EXPECT_EQ(std::make_pair(0u, 0u), std::make_pair(x, y));
}

TEST(BoardTest, SolvedWhenEveryValueIsItsAnswerAndANewProgressColoursTheKeySquares)
{
    FakeBoardSettings settings;
    PlayableBoard play({"12", "21"}, {{CAGE_RULE_ADDITION, {{1, 1}, {0, 1}}, 4}});
    EXPECT_EQ(4, play.Progress().GetColorIndex(play.At(0, 1)));
    EXPECT_EQ(-1, play.Progress().GetColorIndex(play.At(1, 1)));
    EXPECT_FALSE(play.board.IsSolutionGridValid());
    for (const Square& square : play.board.GetSquares()) {
        play.Progress().SetValue(square, square.solutionValue);
    }
    EXPECT_TRUE(play.board.IsSolutionGridValid());
    play.Progress().SetValue(play.At(1, 1), 2);
    EXPECT_FALSE(play.board.IsSolutionGridValid());
}

// Points that are no numbers at all, or far outside, still land inside.
TEST(BoardTest, PointsMapToTheNearestSquareInside)
{
    Clock clock;
    const Board board(4, 0, &clock, 0);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { float x; float y; IntVector2 square; } cases[] = {
        {1.0f, 1.0f, {3, 3}},    {0.26f, 0.74f, {1, 2}}, {-0.5f, 0.5f, {0, 2}},
        {1e30f, -1e30f, {3, 0}}, {nan, nan, {0, 0}},     {std::numeric_limits<float>::infinity(), 0.0f, {3, 0}},
    };
    for (const auto& c : cases) {
        unsigned column = 99;
        unsigned row = 99;
        board.GetSquareCoordsAt(Vector2(c.x, c.y), column, row);
        EXPECT_EQ(c.square, IntVector2(static_cast<int>(column), static_cast<int>(row))) << c.x << "," << c.y;
    }
}

// Each candidate falls in its own cell, a shared edge belongs to the lower
// one, and candidates outside the grid take the table's first cell, which on
// nine candidates is candidate 0's own.
TEST(BoardTest, CandidatesFallInTheirOwnCells)
{
    Clock clock;
    for (unsigned size : {4u, 6u, 9u}) {
        const Board board(size, 0, &clock, 0);
        const Square& square = board.GetSquare(1, size - 1);
        for (int c = 0; c < static_cast<int>(size); ++c) {
            EXPECT_EQ(c, board.GetCandidateAt(board.ComputeBoundsForCandidate(square, c).CalcCenter())) << size;
        }
        const AABB2 first = board.ComputeBoundsForCandidate(square, 0);
        ASSERT_EQ(first.maxs.x, board.ComputeBoundsForCandidate(square, 1).mins.x) << size;
        EXPECT_EQ(0, board.GetCandidateAt(Vector2(first.maxs.x, first.CalcCenter().y))) << size;
    }
    const Board nine(9, 0, &clock, 0);
    const AABB2 first = nine.ComputeBoundsForCandidate(nine.GetSquare(0, 0), 0);
    for (int outside : {-1, 9}) {
        EXPECT_EQ(first.mins, nine.ComputeBoundsForCandidate(nine.GetSquare(0, 0), outside).mins) << outside;
    }
}

// The pair rules take their two squares in either order; a pair rule short
// of a pair (a damaged cage) has no target instead of reading past it.
TEST(CageTest, TargetFromTheAnswers)
{
    const struct { int rule; std::vector<unsigned> answers; int expected; } cases[] = {
        {CAGE_RULE_SUBTRACTION, {2, 5}, 3}, {CAGE_RULE_SUBTRACTION, {5, 2}, 3}, {CAGE_RULE_DIVISION, {6, 2}, 3},
        {CAGE_RULE_DIVISION, {2, 6}, 3},    {CAGE_RULE_ADDITION, {1, 3, 4}, 8},
        {CAGE_RULE_MULTIPLICATION, {1, 3, 4}, 12},
        {CAGE_RULE_EQUALS, {1}, 1},         {CAGE_RULE_ODD, {1, 3}, 77},        {CAGE_RULE_ADDITION, {}, 0},
        {CAGE_RULE_SUBTRACTION, {4}, 0},    {CAGE_RULE_DIVISION, {4}, 0},
    };
    Clock clock;
    Board board(4, 0, &clock, 0);
    for (const auto& c : cases) {
        Cage cage;
        cage.rule = c.rule;
        cage.target = 77;
        for (size_t i = 0; i < c.answers.size(); ++i) {
            Square& square = board.GetSquare(static_cast<unsigned>(i), 0);
            square.solutionValue = c.answers[i];
            cage.squares.push_back(&square);
        }
        cage.ComputeTargetFromSolution();
        EXPECT_EQ(c.expected, cage.target) << "rule " << c.rule << " of " << c.answers.size() << " squares";
    }
}

// A cage whose solutions are generated again may keep the count of its
// list; its automatic marks must then follow the new list.
TEST(CageTest, MarksFollowASolutionListGeneratedAgainWithTheSameCount)
{
    FakeBoardSettings settings;
    PlayableBoard play({"1234", "2341", "3412", "4123"}, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 0}});
    Cage& cage = play.board.GetCages().front();
    cage.target = 5; // 1+4 and 2+3: both fit two squares of one row
    cage.GenerateSolutions(4, false);
    play.board.UpdateCageSolutions();
    ASSERT_EQ(2u, cage.solutions.size());
    EXPECT_FALSE(play.Progress().IsSolutionAutoEliminated(0, 1));

    cage.target = 6; // 2+4 and 3+3: a repeated value cannot sit twice in one row
    cage.GenerateSolutions(4, false);
    play.board.UpdateCageSolutions();
    ASSERT_EQ(2u, cage.solutions.size());
    EXPECT_FALSE(play.Progress().IsSolutionAutoEliminated(0, 0));
    EXPECT_TRUE(play.Progress().IsSolutionAutoEliminated(0, 1));
}

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
// one drawn already for a progress the board does not hold outlives the
// board. (What is drawn is the drawing tests' concern.)
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

// A board's destruction takes the thumbnails drawn of it from its progress
// and its saved progress, which must be drawn again; a progress its owner
// destroyed first is left alone (the sanitizer build sees a touch).
TEST_F(BoardThumbnailTest, ADestroyedBoardTakesItsDrawnThumbnailsAlongAndNoMore)
{
    std::unique_ptr<BoardProgress> saved = m_progress->Clone();
    m_board->SetSavedProgress(saved.get());
    m_progress->RenderThumbnail(*m_board);
    saved->RenderThumbnail(*m_board);
    m_renderer->Update();
    ASSERT_EQ(m_drawings.count, 2);
    m_board.reset();
    for (const BoardProgress* progress : {m_progress.get(), saved.get()}) {
        EXPECT_EQ(progress->GetThumbnail(), nullptr);
        EXPECT_TRUE(progress->HasChanged());
    }

    Board outlived(4, 0, nullptr, 1u);
    auto gone = outlived.CreateProgress(false);
    outlived.SetProgress(gone.get());
    outlived.SetSavedProgress(gone.get());
    gone->RenderThumbnail(outlived);
    m_renderer->Update();
    gone.reset();
}

} // namespace

// A kept view compares each cage with the key it kept; any one field
// changed, in any cage of the list, is a different cage.
TEST(CageKeyTest, AChangeToAnyKeyedFieldOfAnyCageIsSeen)
{
    Clock clock;
    Board board(4, 0, &clock, 0);
    std::vector<Cage> cages(3);
    for (size_t i = 0; i < cages.size(); ++i) {
        Cage& cage = cages[i];
        cage.index = static_cast<int>(i);
        cage.color = 2;
        cage.solutionsStamp = NewSolutionsStamp();
        cage.squares = {&board.GetSquare(static_cast<unsigned>(i), 0), &board.GetSquare(static_cast<unsigned>(i), 1)};
        cage.solutions.resize(3);
    }
    const struct {
        const char* name;
        void (*change)(Cage& cage);
        bool isSame;
    } cases[] = {
        {"nothing", [](Cage&) {}, true},
        {"a copy of the same cage", [](Cage& cage) { cage = Cage(cage); }, false},
        {"colour", [](Cage& cage) { cage.color = 3; }, false},
        {"index", [](Cage& cage) { cage.index += 8; }, false},
        {"solution list stamp", [](Cage& cage) { cage.solutionsStamp = NewSolutionsStamp(); }, false},
        {"squares moved", [](Cage& cage) { cage.squares = std::vector<Square*>(cage.squares); }, false},
        {"a square dropped", [](Cage& cage) { cage.squares.pop_back(); }, false},
        {"solutions moved", [](Cage& cage) { cage.solutions = std::vector<CageSolution>(cage.solutions); }, false},
        {"a solution dropped", [](Cage& cage) { cage.solutions.pop_back(); }, false},
    };
    for (const auto& test : cases) {
        for (size_t changed = 0; changed < cages.size(); ++changed) {
            SCOPED_TRACE(std::string(test.name) + " in cage " + std::to_string(changed));
            std::vector<Cage> edited = cages;
            std::vector<CageKey> keys;
            for (const Cage& cage : edited) {
                keys.push_back(CageKey::Of(cage));
            }
            test.change(edited[changed]);
            EXPECT_EQ(DoCagesMatchKeys(edited.data(), keys.data(), edited.size()), test.isSame);
        }
    }
    const Cage empty;
    const CageKey unmatched = CageKey::Unmatched();
    EXPECT_FALSE(DoCagesMatchKeys(&empty, &unmatched, 1));
}
