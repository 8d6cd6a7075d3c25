// The solver on many generated boards, every step checked against the
// generator's answer: no step may place a wrong value, remove a square's
// true value or declare a cage's true solution invalid, and a board the
// solver calls solved must hold the answer.
#include "engine/core/Diagnostics.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/game/puzzle/solver/SolverTestSupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <set>
#include <tuple>

using namespace Pemberquill;

namespace {

// The sanitizers slow solving by more than an order of magnitude; they look
// for memory faults, which a slice of the boards finds as well.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned BOARDS_PER_GENERATOR = 40;
#else
constexpr unsigned BOARDS_PER_GENERATOR = 500;
#endif

std::vector<int> SortedAnswer(const Cage& cage)
{
    std::vector<int> values;
    for (const Square* square : cage.squares) {
        values.push_back(static_cast<int>(square->solutionValue));
    }
    std::sort(values.begin(), values.end());
    return values;
}

// Why the step contradicts the answer; empty when it does not.
std::string FindContradiction(const Board& board, const StepResult& step)
{
    const BoardMove& move = step.move;
    switch (move.type) {
    case MOVE_TYPE_VALUE: {
        const unsigned answer = board.GetSquare(move.x, move.y).solutionValue;
        return static_cast<int>(answer) == move.data
                   ? std::string()
                   : Stringf("placed %d in (%d, %d), whose answer is %u", move.data, move.x, move.y, answer);
    }
    case MOVE_TYPE_CANDIDATE: {
        const unsigned answer = board.GetSquare(move.x, move.y).solutionValue;
        return static_cast<int>(answer) != move.data + 1
                   ? std::string()
                   : Stringf("removed the answer %u from (%d, %d)", answer, move.x, move.y);
    }
    case MOVE_TYPE_SOLUTION_MARK: {
        const Cage& cage = board.GetCages()[static_cast<size_t>(move.x)];
        const CageSolution& solution = cage.solutions[static_cast<size_t>(move.y)];
        return solution.values != SortedAnswer(cage)
                   ? std::string()
                   : Stringf("declared the true solution %s of cage %d invalid", solution.description.c_str(), move.x);
    }
    default: return Stringf("made a move of type %d", move.type);
    }
}

// Builds a board from the seed with its progress attached, as a puzzle has
// it when play starts.
class PlayedBoard {
public:
    PlayedBoard(BoardGenerator& generator, unsigned seed, const GeneratorRecipe& recipe)
        : m_built(BuildGeneratedBoard(generator, seed, recipe, m_clock))
    {
        Board& board = *m_built.board;
        m_progress = board.CreateProgress(false);
        board.SetProgress(m_progress.get());
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
    }
    ~PlayedBoard() { m_built.board->SetProgress(nullptr); }
    PlayedBoard(const PlayedBoard&) = delete;
    PlayedBoard& operator=(const PlayedBoard&) = delete;

    bool IsGenerated() const { return m_built.generated; }
    Board& GetBoard() { return *m_built.board; }

private:
    Clock m_clock;
    GeneratedBoard m_built;
    std::unique_ptr<BoardProgress> m_progress;
};

// Solves the board step by step, describing each step before making it.
// Returns what went wrong; records the id of every step made.
std::string SolveChecked(SimpleBoardSolver& solver, Board& board, std::set<int>& stepIds)
{
    for (int call = 0; call < MAX_SOLVE_STEPS; ++call) {
        const StepResult described = solver.FindNextStep(board, true);
        const StepResult step = solver.FindNextStep(board, false);
        if (described.stepId != step.stepId || !SameMove(described.move, step.move)) {
            return Stringf("step %d: described id %d, made id %d", call, described.stepId, step.stepId);
        }
        stepIds.insert(step.stepId);
        if (step.stepId == STEP_ID_STUCK) {
            return {};
        }
        if (step.stepId == STEP_ID_BOARD_SOLVED) {
            return board.IsSolutionGridValid() ? std::string() : "called solved, but the board differs from the answer";
        }
        const std::string contradiction = FindContradiction(board, step);
        if (!contradiction.empty()) {
            return Stringf("step %d (id %d) ", call, step.stepId) + contradiction;
        }
    }
    return "no end after the step cap";
}

using SweepCase = std::tuple<unsigned, bool, bool>; // board size, hybrid generator, auto-elimination

class SolverSoundnessTest : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SolverSoundnessTest, NoStepContradictsTheAnswer)
{
    const auto [size, hybrid, autoElimination] = GetParam();
    FakeBoardSettings settings;
    settings.useAutoElimination = autoElimination;
    SimpleBoardGenerator simpleGenerator;
    HybridBoardGenerator hybridGenerator;
    BoardGenerator& generator = hybrid ? static_cast<BoardGenerator&>(hybridGenerator) : simpleGenerator;
    SimpleBoardSolver solver;
    GeneratorRecipe recipe;
    recipe.size = size;

    std::set<int> stepIds;
    for (unsigned seed = 0; seed < BOARDS_PER_GENERATOR; ++seed) {
        PlayedBoard played(generator, seed, recipe);
        ASSERT_TRUE(played.IsGenerated()) << "seed " << seed;
        const std::string problem = SolveChecked(solver, played.GetBoard(), stepIds);
        ASSERT_EQ("", problem) << "seed " << seed << "\n" << PrintBoard(played.GetBoard());
    }
    EXPECT_EQ(stepIds.count(STEP_ID_VALUE_ALREADY_PLACED), autoElimination ? 0u : 1u);
}

TEST(SolverCoverageTest, GeneratedBoardsCallOnEveryTechnique)
{
    // Solution marks by placed values (18) and by removed candidates (19)
    // are missing: on boards with visible cages the board's own automatic
    // marks rule those solutions out first.
    const std::set<int> expected = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 20, 21, 22, 23};
    FakeBoardSettings settings;
    settings.useAutoElimination = false;
    SimpleBoardGenerator simpleGenerator;
    HybridBoardGenerator hybridGenerator;
    SimpleBoardSolver solver;
    GeneratorRecipe recipe;
    recipe.size = 8;

    // Boards are tried until every technique has been seen; some are rare.
    std::set<int> stepIds;
    const auto allSeen = [&]() {
        return std::includes(stepIds.begin(), stepIds.end(), expected.begin(), expected.end());
    };
    for (unsigned seed = 0; seed < 500 && !allSeen(); ++seed) {
        for (BoardGenerator* generator : {static_cast<BoardGenerator*>(&simpleGenerator),
                                          static_cast<BoardGenerator*>(&hybridGenerator)}) {
            PlayedBoard played(*generator, seed, recipe);
            ASSERT_EQ("", SolveChecked(solver, played.GetBoard(), stepIds)) << "seed " << seed;
        }
    }
    for (int id : expected) {
        EXPECT_EQ(stepIds.count(id), 1u) << "step id " << id << " never applied";
    }
    EXPECT_EQ(stepIds.count(STEP_ID_BOARD_SOLVED), 1u);
}

std::string CaseName(const ::testing::TestParamInfo<SweepCase>& info)
{
    const auto [size, hybrid, autoElimination] = info.param;
    return Stringf("%s_%u_%s", hybrid ? "Hybrid" : "Simple", size, autoElimination ? "AutoElimination" : "ByHand");
}

INSTANTIATE_TEST_SUITE_P(GeneratedBoards, SolverSoundnessTest,
                         ::testing::Combine(::testing::Range(3u, MAX_BOARD_SIZE + 1), ::testing::Bool(),
                                            ::testing::Bool()),
                         CaseName);

} // namespace
