// The four painting techniques on hand-made hidden-cage positions, and the
// reachability test against the plain depth-first walk it stands for.
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/game/puzzle/solver/SolverTestSupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace Pemberquill;

namespace {

// The techniques one at a time; each makes its edit for real.
class ExposedHiddenCageSolver : public HiddenCageSolver {
public:
    using HiddenCageSolver::StepAdjacentToComparisonCage;
    using HiddenCageSolver::StepOnlyLegalCage;
    using HiddenCageSolver::StepOnlySquareAvailable;
    using HiddenCageSolver::StepSmallestSolutionsInvalid;
};

// A palette index that no cage of these positions uses: squares outside
// every cage are painted in it to take them out of play.
constexpr int NEUTRAL_COLOR = 6;

using SquareList = std::vector<std::pair<unsigned, unsigned>>;

// A hidden-cage board as a puzzle starts it, then painted: every square not
// listed as open gets its own cage's colour, or the neutral one when it
// has no cage.
class HiddenPosition : public PlayableBoard {
public:
    HiddenPosition(const std::vector<std::string>& answerRows, const std::vector<CageSpec>& cages,
                   const SquareList& open)
        : PlayableBoard(answerRows, cages, SOLVING_ATTRIBUTE_HIDDEN_CAGES)
    {
        board.BuildHiddenCageShapes();
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
        const std::set<std::pair<unsigned, unsigned>> openSquares(open.begin(), open.end());
        for (const Square& square : board.GetSquares()) {
            if (openSquares.count({square.x, square.y}) == 0 && ColorAt(square.x, square.y) == -1) {
                const Cage* cage = board.GetCage(square.cageIndex);
                board.SetSquareColor(square, cage != nullptr ? cage->color : NEUTRAL_COLOR, false);
            }
        }
    }

    int ColorAt(unsigned x, unsigned y) const { return board.GetSquareColorIndex(board.GetSquare(x, y)); }
    void Paint(unsigned x, unsigned y, int color) { board.SetSquareColor(At(x, y), color, false); }
    void Place(unsigned x, unsigned y, int value) { board.SetSquareValue(At(x, y), value, false, false); }
    const Cage& CageAt(int index) const { return board.GetCages()[static_cast<size_t>(index)]; }
    size_t NumMoves() const { return progress->GetMoves().size(); }

    ExposedHiddenCageSolver solver;
};

void ExpectPainted(const HiddenPosition& position, const StepResult& step, unsigned x, unsigned y, int color)
{
    EXPECT_EQ(MOVE_TYPE_COLOR, step.move.type);
    EXPECT_EQ(static_cast<int>(x), step.move.x);
    EXPECT_EQ(static_cast<int>(y), step.move.y);
    EXPECT_EQ(color, step.move.data);
    EXPECT_EQ(-1, step.move.extraData) << "the square was unpainted";
    EXPECT_EQ(color, position.ColorAt(x, y));
}

// 1234 / 4312 / 2143 / 3421. The Addition pair (0,1)-(1,1) holds 4 + 3 and
// the Even cage is the single square (1,0) holding 2: the square (1,1) is
// next to both key squares and, empty, could join either.
const std::vector<std::string> EVEN_ANSWER = {"1234", "4312", "2143", "3421"};
enum EvenCages { EVEN_ADDITION, EVEN_SINGLE };
const std::vector<CageSpec> EVEN_CAGES = {
    {CAGE_RULE_ADDITION, {{0, 1}, {1, 1}}, 0},
    {CAGE_RULE_EVEN, {{1, 0}}, 1},
};

TEST(HiddenCageSolverTest, ASquareThatCouldJoinTwoCagesIsNotPainted)
{
    HiddenPosition position(EVEN_ANSWER, EVEN_CAGES, {{1, 1}});
    StepResult step;
    EXPECT_FALSE(position.solver.StepOnlyLegalCage(position.board, step));
    EXPECT_EQ(-1, position.ColorAt(1, 1));

    // Holding 4 it still fits both: the Even cage and the 3 + 4 of the pair.
    position.Place(1, 1, 4);
    EXPECT_FALSE(position.solver.StepOnlyLegalCage(position.board, step));
    EXPECT_EQ(-1, position.ColorAt(1, 1));
    EXPECT_EQ(MOVE_TYPE_EMPTY, step.move.type);
}

TEST(HiddenCageSolverTest, AnEvenCageRejectsASquareHolding3)
{
    HiddenPosition position(EVEN_ANSWER, EVEN_CAGES, {{1, 1}});
    position.Place(1, 1, 3);
    EXPECT_FALSE(position.board.CanSquareJoinCage(position.CageAt(EVEN_SINGLE), &position.At(1, 1), nullptr));

    StepResult step;
    ASSERT_TRUE(position.solver.StepOnlyLegalCage(position.board, step));
    ExpectPainted(position, step, 1, 1, position.CageAt(EVEN_ADDITION).color);
}

TEST(HiddenCageSolverTest, TheOnlySquareEveryShapeSharesIsPaintedFirst)
{
    // The pair's only shape still open is the pair itself: the other
    // squares next to its key square belong to no cage and are painted.
    HiddenPosition position(EVEN_ANSWER, EVEN_CAGES, {{1, 1}});
    const StepResult step = DescribeThenApply(position.solver, position.board);
    EXPECT_EQ(STEP_ID_ONLY_SQUARE_AVAILABLE, step.stepId);
    EXPECT_EQ(GetStepComplexity(STEP_ID_ONLY_SQUARE_AVAILABLE), step.complexity);
    ExpectPainted(position, step, 1, 1, position.CageAt(EVEN_ADDITION).color);
}

TEST(HiddenCageSolverTest, DescribeOnlyLeavesTheBoardAsItWas)
{
    HiddenPosition position(EVEN_ANSWER, EVEN_CAGES, {{1, 1}});
    const size_t movesBefore = position.NumMoves();
    const StepResult first = position.solver.FindNextStep(position.board, true);
    const StepResult second = position.solver.FindNextStep(position.board, true);
    EXPECT_EQ(STEP_ID_ONLY_SQUARE_AVAILABLE, first.stepId);
    EXPECT_TRUE(SameMove(first.move, second.move));
    EXPECT_EQ(-1, position.ColorAt(1, 1));
    EXPECT_EQ(movesBefore, position.NumMoves());
}

// 1234 / 3412 / 2143 / 4321. The Addition L (0,0), (0,1), (1,1) adds up to
// 8; the Subtraction pair (1,0)-(2,0) is painted complete. With both ends
// of the L painted, its one open square (0,1) is next to both of them.
const std::vector<std::string> L_ANSWER = {"1234", "3412", "2143", "4321"};
enum LCages { L_ADDITION, L_SUBTRACTION };
const std::vector<CageSpec> L_CAGES = {
    {CAGE_RULE_ADDITION, {{0, 0}, {0, 1}, {1, 1}}, 0},
    {CAGE_RULE_SUBTRACTION, {{1, 0}, {2, 0}}, 1},
};

TEST(HiddenCageSolverTest, ACageThatMustGrowTakesItsOnlyNeighbour)
{
    // Only (0,0) is painted: "4+4=8" cannot stand in a line of two, so the
    // cage needs three squares, and (0,1) is the one way on.
    HiddenPosition position(L_ANSWER, L_CAGES, {{0, 1}, {1, 1}});
    const Cage& cage = position.CageAt(L_ADDITION);
    ASSERT_TRUE(position.IsAutoOut(L_ADDITION, position.SolutionIndex(L_ADDITION, "4+4=8")));

    StepResult step;
    ASSERT_TRUE(position.solver.StepSmallestSolutionsInvalid(position.board, step));
    ExpectPainted(position, step, 0, 1, cage.color);
}

TEST(HiddenCageSolverTest, ANeighbourSharedByTwoPaintedSquaresCountsTwice)
{
    HiddenPosition position(L_ANSWER, L_CAGES, {{0, 1}});
    const Cage& cage = position.CageAt(L_ADDITION);
    ASSERT_EQ(2, cage.CountSquaresInCageColor(position.board));
    ASSERT_FALSE(cage.IsPaintComplete(position.board));

    StepResult step;
    EXPECT_FALSE(position.solver.StepSmallestSolutionsInvalid(position.board, step));
    EXPECT_EQ(-1, position.ColorAt(0, 1));
}

// The Comparisons cage (1,1), (2,1), (2,2) of the same answer; no other
// cage.
const std::vector<CageSpec> COMPARISON_CAGES = {
    {CAGE_RULE_COMPARISONS, {{1, 1}, {2, 1}, {2, 2}}, 2},
};

TEST(HiddenCageSolverTest, AComparisonCageTakesItsTrueNeighboursOneByOne)
{
    // Every square but the key square is open, the cage's own neighbours
    // among many that are not its own.
    SquareList everySquare;
    for (unsigned y = 0; y < 4; ++y) {
        for (unsigned x = 0; x < 4; ++x) {
            everySquare.emplace_back(x, y);
        }
    }
    HiddenPosition position(L_ANSWER, COMPARISON_CAGES, everySquare);
    StepResult step;
    ASSERT_TRUE(position.solver.StepAdjacentToComparisonCage(position.board, step));
    ExpectPainted(position, step, 2, 1, 2);
    step = StepResult();
    ASSERT_TRUE(position.solver.StepAdjacentToComparisonCage(position.board, step));
    ExpectPainted(position, step, 2, 2, 2);
    EXPECT_TRUE(position.CageAt(0).IsPaintComplete(position.board));
    EXPECT_FALSE(position.solver.StepAdjacentToComparisonCage(position.board, step));
    EXPECT_EQ(-1, position.ColorAt(1, 2));
    EXPECT_EQ(-1, position.ColorAt(1, 0));
}

TEST(HiddenCageSolverTest, OnlyItsOwnSquaresCanJoinAComparisonCage)
{
    // (1,2) touches the cage's key square and comes before (2,2) in reading
    // order, but is no square of the cage.
    HiddenPosition position(L_ANSWER, COMPARISON_CAGES, {{1, 2}, {2, 2}});
    StepResult step;
    ASSERT_TRUE(position.solver.StepOnlyLegalCage(position.board, step));
    ExpectPainted(position, step, 2, 2, 2);
    EXPECT_EQ(-1, position.ColorAt(1, 2));
}

// 3421 / 1234 / 2143 / 4312: the pair (0,1)-(1,1) adds up to 3, the triple
// (0,1)-(1,1)-(2,1) to 6.
const std::vector<std::string> REACH_ANSWER = {"3421", "1234", "2143", "4312"};

TEST(HiddenCageSolverTest, AChainMayBeNoLongerThanTheCageCanStillGrow)
{
    // "1+2=3" is the only way to make 3: the cage holds two squares, one of
    // them its painted key square.
    HiddenPosition pair(REACH_ANSWER, {{CAGE_RULE_ADDITION, {{0, 1}, {1, 1}}, 0}}, {{1, 1}, {2, 1}});
    const Cage& pairCage = pair.CageAt(0);
    ASSERT_EQ(2, pairCage.GetMaxSolutionSize(pair.board));
    EXPECT_TRUE(HiddenCageSolver::CanReachCage(pair.board, pairCage, pair.At(1, 1)));
    EXPECT_FALSE(HiddenCageSolver::CanReachCage(pair.board, pairCage, pair.At(2, 1)));

    HiddenPosition triple(REACH_ANSWER, {{CAGE_RULE_ADDITION, {{0, 1}, {1, 1}, {2, 1}}, 0}}, {{1, 1}, {2, 1}});
    const Cage& tripleCage = triple.CageAt(0);
    ASSERT_EQ(3, tripleCage.GetMaxSolutionSize(triple.board));
    EXPECT_TRUE(HiddenCageSolver::CanReachCage(triple.board, tripleCage, triple.At(2, 1)));

    triple.Paint(2, 1, NEUTRAL_COLOR);
    EXPECT_FALSE(HiddenCageSolver::CanReachCage(triple.board, tripleCage, triple.At(2, 1)))
        << "a painted square joins nothing";
}

TEST(HiddenCageSolverTest, ACageGrowsOnlyWhileNoRemainingSolutionFitsItsPaintedSquares)
{
    // Two squares painted: "2+4=6" would fit them, so the cage need not grow.
    HiddenPosition triple(REACH_ANSWER, {{CAGE_RULE_ADDITION, {{0, 1}, {1, 1}, {2, 1}}, 0}}, {{1, 1}, {2, 1}});
    triple.Paint(1, 1, 0);
    StepResult step;
    EXPECT_FALSE(triple.solver.StepSmallestSolutionsInvalid(triple.board, step));

    // Declared invalid, it leaves only three-square solutions.
    triple.board.MarkSolutionInvalid(0, triple.SolutionIndex(0, "2+4=6"), false);
    ASSERT_TRUE(triple.solver.StepSmallestSolutionsInvalid(triple.board, step));
    ExpectPainted(triple, step, 2, 1, 0);
}

// Every cage of a generated board painted complete: the painting techniques
// have nothing to do, and each step is the one the ordinary list finds.
TEST(HiddenCageSolverTest, WithEveryCageCompleteTheOrdinaryListRuns)
{
    HybridBoardGenerator generator;
    Clock clock;
    GeneratorRecipe recipe;
    recipe.size = 5;
    recipe.solvingAttributes = SOLVING_ATTRIBUTE_HIDDEN_CAGES;
    recipe.forceReducedCageSize = true;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        GeneratedBoard built = BuildGeneratedBoard(generator, seed, recipe, clock);
        ASSERT_TRUE(built.generated);
        Board& board = *built.board;
        std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
        board.SetProgress(progress.get());
        board.BuildHiddenCageShapes();
        for (const Square& square : board.GetSquares()) {
            board.SetSquareColor(square, board.GetCage(square.cageIndex)->color, false);
        }
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();

        ExposedHiddenCageSolver hidden;
        SimpleBoardSolver simple;
        StepResult unused;
        EXPECT_FALSE(hidden.StepOnlySquareAvailable(board, unused));
        EXPECT_FALSE(hidden.StepOnlyLegalCage(board, unused));
        EXPECT_FALSE(hidden.StepSmallestSolutionsInvalid(board, unused));
        EXPECT_FALSE(hidden.StepAdjacentToComparisonCage(board, unused));
        for (int i = 0; i < MAX_SOLVE_STEPS; ++i) {
            const StepResult expected = simple.FindNextStep(board, true);
            const StepResult step = hidden.FindNextStep(board, false);
            ASSERT_EQ(expected.stepId, step.stepId) << PrintBoard(board);
            ASSERT_TRUE(SameMove(expected.move, step.move));
            ASSERT_EQ(expected.complexity, step.complexity);
            if (step.stepId <= STEP_ID_BOARD_SOLVED) {
                break;
            }
        }
        board.SetProgress(nullptr);
    }
}

TEST(HiddenCageSolverTest, AFullBoardIsSolvedWithoutAnEdit)
{
    HiddenPosition position(EVEN_ANSWER, EVEN_CAGES, {});
    position.Attach(position.board.CreateProgress(true));
    const StepResult step = position.solver.FindNextStep(position.board, false);
    EXPECT_EQ(STEP_ID_BOARD_SOLVED, step.stepId);
    EXPECT_EQ(0.0f, step.complexity);
    EXPECT_EQ(MOVE_TYPE_EMPTY, step.move.type);
    EXPECT_TRUE(position.progress->GetMoves().empty());
}

TEST(HiddenCageSolverTest, SolveBoardRatesWithThePaintingSteps)
{
    HiddenPosition position(EVEN_ANSWER, EVEN_CAGES, {{1, 1}});
    // Paint the only open square, then fill the board: one step of 24.
    for (const Square& square : position.board.GetSquares()) {
        if (square.x != 1 || square.y != 1) {
            position.Place(square.x, square.y, static_cast<int>(square.solutionValue));
        }
    }
    const SolveResult result = position.solver.SolveBoard(position.board);
    EXPECT_TRUE(result.isSolvable);
    EXPECT_EQ(STEP_ID_ONLY_SQUARE_AVAILABLE, result.hardestStep);
    EXPECT_EQ(2, result.steps) << "the painting, then the only candidate left";
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(GetStepComplexity(STEP_ID_ONLY_SQUARE_AVAILABLE), result.hardestStep),
              result.rating);
    EXPECT_EQ(0, position.ColorAt(1, 1));
    EXPECT_EQ(3u, position.ValueAt(1, 1));
    EXPECT_TRUE(position.board.IsSolutionGridValid());
}

// --- The reachability test against the walk it stands for ---

// Depth-first over square-avoiding chains, as plainly as it can be said:
// an unpainted neighbour is entered while the chain is shorter than the
// limit and the neighbour may join; a painted square of the cage at or
// after its key square ends the search.
bool WalkToCage(const Board& board, const Cage& cage, const Square& current, SquareSet& chain, size_t limit)
{
    for (int direction = 0; direction < 4; ++direction) {
        const IntVector2 offset = GetDirectionOffset(direction);
        const int x = static_cast<int>(current.x) + offset.x;
        const int y = static_cast<int>(current.y) + offset.y;
        if (!board.IsInside(x, y)) {
            continue;
        }
        Square& next = const_cast<Board&>(board).GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
        if (board.GetSquareColorIndex(next) != -1) {
            if (next.cageIndex == cage.index && cage.IsAtOrAfterKeySquare(next.x, next.y)) {
                return true;
            }
            continue;
        }
        if (chain.size() < limit && board.CanSquareJoinCage(cage, &next, &chain)) {
            chain.insert(&next);
            if (WalkToCage(board, cage, next, chain, limit)) {
                return true;
            }
        }
    }
    chain.erase(const_cast<Square*>(&current));
    return false;
}

void ExpectReachAsTheWalkSays(Board& board)
{
    for (const Cage& cage : board.GetCages()) {
        const int room = cage.GetMaxSolutionSize(board) - cage.CountSquaresInCageColor(board);
        if (room <= 0) {
            continue;
        }
        for (Square& square : board.GetSquares()) {
            if (board.GetSquareColorIndex(square) != -1) {
                continue;
            }
            SquareSet chain{&square};
            const bool walked = board.CanSquareJoinCage(cage, &square, nullptr) &&
                                WalkToCage(board, cage, square, chain, static_cast<size_t>(room));
            ASSERT_EQ(walked, HiddenCageSolver::CanReachCage(board, cage, square))
                << "square " << square.x << "," << square.y << " cage " << cage.index << " of\n"
                << PrintBoard(board);
        }
    }
}

// The walk is exponential in open regions, so large boards stay out and
// 5 x 5 boards keep to the arithmetic rules, whose cages are small.
TEST(HiddenCageSolverReachTest, ReachIsWhatTheDepthFirstWalkFinds)
{
    struct Case {
        unsigned size;
        unsigned allowedRules;
    };
    const Case cases[] = {{4, ALL_CAGE_RULES_MASK}, {5, ARITHMETIC_CAGE_RULES_MASK}};
    HybridBoardGenerator generator;
    HiddenCageSolver solver;
    Clock clock;
    for (const Case& test : cases) {
        GeneratorRecipe recipe;
        recipe.size = test.size;
        recipe.allowedRules = test.allowedRules;
        recipe.requiredOperators = 0;
        recipe.solvingAttributes = SOLVING_ATTRIBUTE_HIDDEN_CAGES;
        for (unsigned seed = 1; seed <= 12; ++seed) {
            GeneratedBoard built = BuildGeneratedBoard(generator, seed, recipe, clock);
            ASSERT_TRUE(built.generated);
            Board& board = *built.board;
            std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
            board.SetProgress(progress.get());
            board.BuildHiddenCageShapes();
            board.RecomputeAutoEliminations();
            board.UpdateCageSolutions();
            for (int i = 0; i < MAX_SOLVE_STEPS && !HasFatalFailure(); ++i) {
                ExpectReachAsTheWalkSays(board);
                if (solver.FindNextStep(board, false).stepId <= STEP_ID_BOARD_SOLVED) {
                    break;
                }
            }
            board.SetProgress(nullptr);
            ASSERT_FALSE(HasFatalFailure());
        }
    }
}

} // namespace
