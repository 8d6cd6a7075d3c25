// What the solution marks and the cage-solution solvers ask of a cage: the
// shapes a hidden cage may still take and the solutions they hold, the line
// test of a visible cage, its candidates and its first open solution.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace Pemberquill;

namespace {

using Squares = std::vector<std::pair<unsigned, unsigned>>;

SquareMask MaskOf(const Board& board, const Squares& squares)
{
    SquareMask mask;
    for (const auto& [x, y] : squares) {
        mask.Add(static_cast<int>(y * board.GetSize() + x));
    }
    return mask;
}

std::set<std::string> Descriptions(const Cage& cage, const SolutionSet& set)
{
    std::set<std::string> descriptions;
    for (size_t i = 0; i < cage.solutions.size(); ++i) {
        if (set.Has(i)) {
            descriptions.insert(cage.solutions[i].description);
        }
    }
    return descriptions;
}

// A hidden 4 x 4 board: the cage 3+4 = 7 at (2, 0)-(3, 0) in colour 0,
// whose solutions run from two to four values, and 1+2 = 3 at
// (0, 0)-(1, 0) in colour 1.
std::unique_ptr<PlayableBoard> MakeHiddenBoard()
{
    return std::make_unique<PlayableBoard>(
        std::vector<std::string>{"1234", "2341", "3412", "4123"},
        std::vector<CageSpec>{{CAGE_RULE_ADDITION, {{2, 0}, {3, 0}}, 0}, {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 1}},
        SOLVING_ATTRIBUTE_HIDDEN_CAGES);
}

class HiddenShapeTest : public ::testing::Test {
protected:
    const Cage& Seven() const { return play->board.GetCages()[0]; }

    FakeBoardSettings settings;
    std::unique_ptr<PlayableBoard> play = MakeHiddenBoard();
};

// Each row: the edits, the shape, the solutions it holds. A line takes no
// repeated value, a shape takes solutions of its own size, a placed value
// must be among the values and a value open nowhere in it keeps it out.
TEST_F(HiddenShapeTest, AShapeHoldsTheSolutionsItsSquaresCanTake)
{
    const Squares row{{2, 0}, {3, 0}};
    const Squares corner{{2, 0}, {3, 0}, {3, 1}};
    const Squares column{{2, 0}, {2, 1}, {2, 2}};
    const struct {
        const char* name;
        void (*edit)(PlayableBoard& play);
        Squares shape;
        std::set<std::string> held;
    } cases[] = {
        {"a row of two", [](PlayableBoard&) {}, row, {"3+4=7"}},
        {"a corner of three", [](PlayableBoard&) {}, corner, {"1+2+4=7", "1+3+3=7", "2+2+3=7"}},
        {"a column of three", [](PlayableBoard&) {}, column, {"1+2+4=7"}},
        {"a placed 3", [](PlayableBoard& p) { p.board.SetSquareValue(p.At(3, 1), 3, false, false); }, corner,
         {"1+3+3=7", "2+2+3=7"}},
        {"4 ruled out everywhere",
         [](PlayableBoard& p) {
             for (const auto& [x, y] : Squares{{2, 0}, {3, 0}, {3, 1}}) {
                 p.board.ToggleCandidate(p.At(x, y), 4, false);
             }
         },
         corner, {"1+3+3=7", "2+2+3=7"}},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<PlayableBoard> fresh = MakeHiddenBoard();
        c.edit(*fresh);
        const Cage& cage = fresh->board.GetCages()[0];
        SolutionSet held;
        held.Reset(cage.solutions.size());
        cage.CollectCompatibleSolutions(fresh->board, MaskOf(fresh->board, c.shape), held);
        EXPECT_EQ(c.held, Descriptions(cage, held)) << c.name;
    }
}

// A shape is out once it takes in a square painted for another cage, or
// once more of the cage's squares wear its colour than the shape holds.
TEST_F(HiddenShapeTest, PaintRulesShapesOut)
{
    const struct {
        const char* name;
        Squares shape;
        bool isFeasible;
    } before[] = {
        {"unpainted neighbour", {{2, 0}, {1, 0}}, true},
        {"one square, one painted", {{2, 0}}, true},
    };
    for (const auto& c : before) {
        EXPECT_EQ(c.isFeasible, Seven().IsShapeFeasible(play->board, {false, MaskOf(play->board, c.shape)})) << c.name;
    }
    play->board.SetSquareColor(play->At(1, 0), 1, false);
    play->board.SetSquareColor(play->At(3, 0), 0, false);
    const struct {
        const char* name;
        Squares shape;
        bool isFeasible;
    } after[] = {
        {"neighbour painted for the other cage", {{2, 0}, {1, 0}}, false},
        {"one square, two painted", {{2, 0}}, false},
        {"two squares, two painted", {{2, 0}, {3, 0}}, true},
    };
    for (const auto& c : after) {
        EXPECT_EQ(c.isFeasible, Seven().IsShapeFeasible(play->board, {false, MaskOf(play->board, c.shape)})) << c.name;
    }
}

// The marks read the square states the board keeps from edit to edit; they
// must say what the cage's own questions say of the progress as it is.
// Painting the cage in leaves its triples one way past a placed 3, which
// rules 1+2+4 out.
TEST_F(HiddenShapeTest, TheMarksAgreeWithTheCagesOwnQuestionsAfterEachEdit)
{
    play->board.BuildHiddenCageShapes();
    play->board.UpdateCageSolutions();
    ASSERT_FALSE(Seven().valueSets.empty());
    const std::vector<void (*)(PlayableBoard&)> edits = {
        [](PlayableBoard& p) { p.board.SetSquareColor(p.At(1, 0), 1, false); },
        [](PlayableBoard& p) { p.board.SetSquareColor(p.At(2, 1), 1, false); },
        [](PlayableBoard& p) { p.board.SetSquareValue(p.At(3, 1), 3, false, false); },
        [](PlayableBoard& p) { p.board.SetSquareColor(p.At(3, 0), 0, false); },
        [](PlayableBoard& p) { p.board.SetSquareColor(p.At(3, 1), 0, false); },
        [](PlayableBoard& p) { p.board.Undo(); },
    };
    size_t ruledOut = 0;
    for (size_t step = 0; step < edits.size(); ++step) {
        edits[step](*play);
        const Cage& cage = Seven();
        SolutionSet held;
        held.Reset(cage.solutions.size());
        for (const CageValueSet& shape : cage.valueSets) {
            const bool isFeasible = cage.IsShapeFeasible(play->board, shape);
            EXPECT_EQ(isFeasible, shape.inUse) << "after edit " << step;
            if (isFeasible) {
                cage.CollectCompatibleSolutions(play->board, shape.mask, held);
            }
        }
        for (size_t i = 0; i < cage.solutions.size(); ++i) {
            const bool isOut = play->Progress().IsSolutionAutoEliminated(cage.index, static_cast<int>(i));
            EXPECT_EQ(!held.Has(i), isOut) << cage.solutions[i].description << " after edit " << step;
            ruledOut += isOut ? 1 : 0;
        }
    }
    EXPECT_GT(ruledOut, 0u);
}

// The joins the growth reads by square index say what the square-by-square
// question says: squares before the key square, painted ones and those
// whose values no open solution uses stay out.
TEST_F(HiddenShapeTest, TheJoinableSquaresAreTheSquaresThatCanJoin)
{
    play->board.BuildHiddenCageShapes();
    play->board.SetSquareColor(play->At(3, 1), 1, false);
    play->board.SetSquareValue(play->At(2, 2), 4, false, false);
    // The board keeps what it works out for its own cages only: a copy is
    // read square by square.
    const Cage copy = Seven();
    for (const Cage* cage : {&Seven(), &copy}) {
        const Board& board = play->board;
        const SquareMask joinable = board.FindJoinableSquares(*cage, board.GetRemainingSolutionValues(*cage));
        int joins = 0;
        for (const Square& square : board.GetSquares()) {
            const bool canJoin = board.CanSquareJoinCage(*cage, &square, nullptr);
            EXPECT_EQ(canJoin, joinable.Has(static_cast<int>(square.y * 4 + square.x)))
                << square.x << "," << square.y << (cage == &copy ? " (copy)" : "");
            joins += canJoin ? 1 : 0;
        }
        EXPECT_GT(joins, 0);
        EXPECT_LT(joins, 16);
    }
}

// 1+3 = 4 and 2+2 = 4: the repeat cannot stand in a column, and can on a
// diagonal.
TEST(VisibleCageMarksTest, ARepeatedValueIsRuledOutInALineOnly)
{
    const struct {
        Squares squares;
        bool isRepeatOut;
    } cases[] = {
        {{{0, 0}, {0, 2}}, true},
        {{{0, 0}, {1, 1}}, false},
    };
    for (const auto& c : cases) {
        FakeBoardSettings settings;
        PlayableBoard play({"1234", "2341", "3412", "4123"}, {{CAGE_RULE_ADDITION, c.squares}});
        play.board.UpdateCageSolutions();
        const Cage& cage = play.board.GetCages()[0];
        ASSERT_EQ(2u, cage.solutions.size());
        ASSERT_EQ("2+2=4", cage.solutions[1].description);
        EXPECT_EQ(c.isRepeatOut, play.Progress().IsSolutionAutoEliminated(0, 1));
        EXPECT_FALSE(play.Progress().IsSolutionAutoEliminated(0, 0));
    }
}

// A filled square gives one fixed entry, an empty one an entry per open
// candidate in increasing order, with the flags the search starts from.
TEST(CageCandidatesTest, FilledSquaresAreFixedAndEmptyOnesListTheirOpenCandidates)
{
    FakeBoardSettings settings;
    settings.useAutoElimination = false;
    PlayableBoard play({"123", "231", "312"}, {{CAGE_RULE_ADDITION, {{1, 0}, {0, 0}, {0, 1}}}});
    play.board.SetSquareValue(play.At(0, 0), 1, false, false);
    play.board.ToggleCandidate(play.At(0, 1), 2, false);
    const std::vector<CageCandidate> candidates = play.board.CollectCageCandidates(play.board.GetCages()[0]);
    const std::vector<std::pair<int, const Square*>> expected = {
        {1, &play.At(1, 0)}, {2, &play.At(1, 0)}, {3, &play.At(1, 0)},
        {1, &play.At(0, 0)}, {1, &play.At(0, 1)}, {3, &play.At(0, 1)},
    };
    ASSERT_EQ(expected.size(), candidates.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const CageCandidate& candidate = candidates[i];
        EXPECT_EQ(expected[i].first, candidate.value) << i;
        EXPECT_EQ(expected[i].second, candidate.square) << i;
        EXPECT_EQ(i == 3, candidate.fixed) << i;
        EXPECT_TRUE(candidate.available && !candidate.used && !candidate.validated) << i;
    }
}

// The first solution that neither mark rules out; solutions past the 64
// the marks reach are never ruled out.
TEST(CageCandidatesTest, TheFirstOpenSolutionSkipsBothMarks)
{
    FakeBoardSettings settings;
    PlayableBoard play({"123", "231", "312"}, {{CAGE_RULE_ADDITION, {{1, 0}, {2, 0}}}});
    Cage& cage = play.board.GetCages()[0];
    cage.solutions.resize(70);
    BoardProgress& progress = play.Progress();
    progress.SetAutoEliminatedSolutions(0, ~uint64_t{0}, 0);
    EXPECT_EQ(&cage.solutions[0], cage.FirstOpenSolution(play.board));
    progress.SetSolutionInvalidBit(0, 0, true);
    progress.SetAutoEliminatedSolutions(0, ~uint64_t{0}, 0b10);
    EXPECT_EQ(&cage.solutions[2], cage.FirstOpenSolution(play.board));
    progress.SetAutoEliminatedSolutions(0, ~uint64_t{0}, ~uint64_t{0});
    EXPECT_EQ(&cage.solutions[64], cage.FirstOpenSolution(play.board));
    cage.solutions.resize(64);
    EXPECT_EQ(nullptr, cage.FirstOpenSolution(play.board));
    cage.solutions.resize(3);
    progress.SetAutoEliminatedSolutions(0, ~uint64_t{0}, 0b111);
    EXPECT_EQ(nullptr, cage.FirstOpenSolution(play.board)) << "marks past the list";
}

} // namespace
