// A solver keeps what it read of a board from one step to the next and
// passes over what gave nothing before. Whatever happens to its boards in
// between (another board asked, the progress swapped, moves undone, the
// play reset, solutions marked by the player), it must find exactly the step
// a fresh solver finds.
#include "engine/core/Diagnostics.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Pemberquill;

namespace {

enum class Between { OTHER_BOARD, SWAPPED_PROGRESS, UNDO, RESET, MARKED };

struct KeptViewCase {
    const char* name;
    bool hidden;
    Between between;
};

// A generated board, started as a puzzle starts it.
struct PlayedBoard {
    PlayedBoard(bool hidden, unsigned seed, Clock& clock)
    {
        HybridBoardGenerator generator;
        GeneratorRecipe recipe;
        recipe.size = hidden ? 5 : 6;
        recipe.solvingAttributes = hidden ? SOLVING_ATTRIBUTE_HIDDEN_CAGES : 0;
        built = BuildGeneratedBoard(generator, seed, recipe, clock);
        progress = built.board->CreateProgress(false);
        Attach(progress.get());
        if (hidden) {
            built.board->BuildHiddenCageShapes();
        }
    }
    ~PlayedBoard() { built.board->SetProgress(nullptr); }
    void Attach(BoardProgress* attached)
    {
        built.board->SetProgress(attached);
        built.board->RecomputeAutoEliminations();
        built.board->UpdateCageSolutions();
    }

    GeneratedBoard built;
    std::unique_ptr<BoardProgress> progress;
};

// The player rules out every open solution but the first of the first cage
// with two or more open; returns the marks made.
int MarkSolutions(Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    for (const Cage& cage : board.GetCages()) {
        const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
        const uint64_t open = ~progress.GetEliminatedSolutions(cage.index) &
                              (tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u);
        if ((open & (open - 1u)) != 0) {
            int marks = 0;
            for (uint64_t rest = open & (open - 1u); rest != 0; rest &= rest - 1u, ++marks) {
                board.MarkSolutionInvalid(cage.index, __builtin_ctzll(rest), false);
            }
            return marks;
        }
    }
    return 0;
}

std::unique_ptr<BoardSolver> MakeSolver(bool hidden)
{
    return hidden ? std::unique_ptr<BoardSolver>(std::make_unique<HiddenCageSolver>())
                  : std::make_unique<SimpleBoardSolver>();
}

std::string Describe(const StepResult& step)
{
    const BoardMove& move = step.move;
    return Stringf("id %d move %d (%d, %d) %d/%d row %d column %d k %d", step.stepId, move.type, move.x, move.y,
                   move.data, move.extraData, move.rowIndex, move.columnIndex, move.numCandidatesInvolved);
}

class SolverKeptViewTest : public ::testing::TestWithParam<KeptViewCase> {};

TEST_P(SolverKeptViewTest, AKeptSolverFindsTheStepAFreshOneFinds)
{
    const KeptViewCase& kept = GetParam();
    FakeBoardSettings settings;
    Clock clock;
    PlayedBoard played(kept.hidden, 11, clock);
    PlayedBoard other(kept.hidden, 12, clock);
    ASSERT_TRUE(played.built.generated && other.built.generated);
    Board& board = *played.built.board;
    const std::unique_ptr<BoardSolver> solver = MakeSolver(kept.hidden);
    std::unique_ptr<BoardProgress> earlier;

    for (int call = 0; call < MAX_SOLVE_STEPS; ++call) {
        // Every other step is asked of the other board.
        Board& asked = kept.between == Between::OTHER_BOARD && call % 2 == 1 ? *other.built.board : board;
        const StepResult expected = MakeSolver(kept.hidden)->FindNextStep(asked, true);
        ASSERT_EQ(Describe(expected), Describe(solver->FindNextStep(asked, true))) << "step " << call;
        if (kept.between == Between::MARKED) {
            // Marks made after the solver read the board, taken back before
            // its step is made.
            const int marks = MarkSolutions(board);
            ASSERT_EQ(Describe(MakeSolver(false)->FindNextStep(board, true)),
                      Describe(solver->FindNextStep(board, true)))
                << "marked at step " << call;
            for (int undone = 0; undone < marks; ++undone) {
                board.Undo();
            }
        }
        if (expected.stepId <= STEP_ID_BOARD_SOLVED && &asked == &board) {
            return;
        }
        solver->FindNextStep(asked, false);
        if (call % 4 != 3) {
            continue;
        }
        switch (kept.between) {
        case Between::OTHER_BOARD: break;
        case Between::SWAPPED_PROGRESS:
            // Back to the play of eight steps ago, in another progress.
            if (call == 3) {
                earlier = played.progress->Clone();
            } else if (call == 11) {
                played.Attach(earlier.get());
                played.progress.swap(earlier);
            }
            break;
        case Between::UNDO:
            board.Undo();
            board.Undo();
            break;
        case Between::RESET:
            if (call == 15) {
                played.progress->Reset();
                played.Attach(played.progress.get());
            }
            break;
        case Between::MARKED: break;
        }
    }
    FAIL() << "no end";
}

const KeptViewCase CASES[] = {
    {"OtherBoard", false, Between::OTHER_BOARD},   {"SwappedProgress", false, Between::SWAPPED_PROGRESS},
    {"Undo", false, Between::UNDO},                {"Reset", false, Between::RESET},
    {"HiddenUndo", true, Between::UNDO},           {"HiddenOtherBoard", true, Between::OTHER_BOARD},
    {"Marked", false, Between::MARKED},
};

INSTANTIATE_TEST_SUITE_P(Disturbances, SolverKeptViewTest, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<KeptViewCase>& info) { return info.param.name; });

} // namespace
