// The hidden-cage reachability test against the plain depth-first walk it
// stands for; the painting techniques themselves are left to the sweep of
// generated boards.
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/game/puzzle/solver/SolverTestSupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Pemberquill;

namespace {

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
