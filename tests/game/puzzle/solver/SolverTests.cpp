// The solver framework (the rating in single precision, the step cap, a
// refused edit that is no step) and the hint a step makes: its sentence in
// the hint line and the call-out the instructor places for it. The steps
// themselves are pinned by the digests and checked against the answer by
// the sweep; a hand-made position holds the comparison edge they miss.
#include "engine/core/Diagnostics.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/solver/HintDriver.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/game/puzzle/PuzzleTestSupport.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/support/GeneratedBoard.h"
#include "tests/support/RecordingHintCallOuts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

using namespace Pemberquill;
using puzzle_test::MakeMove;

namespace {

// Reports a fixed sequence of step ids, then keeps reporting the last one.
class ScriptedSolver : public SimpleBoardSolver {
public:
    explicit ScriptedSolver(std::vector<int> ids) : m_ids(std::move(ids)) {}

    StepResult FindNextStep(Board&, bool) override
    {
        StepResult step;
        step.stepId = m_ids[std::min(m_calls, m_ids.size() - 1)];
        step.complexity = GetStepComplexity(step.stepId);
        ++m_calls;
        return step;
    }

    size_t Calls() const { return m_calls; }

private:
    std::vector<int> m_ids;
    size_t m_calls = 0;
};

// Five only-candidates and two only-locations rate exactly 4.83; a solve
// gives up after the step cap.
TEST(SolveRatingTest, RatingStepsAndTheStepCap)
{
    ScriptedSolver solver({3, 3, 3, 3, 3, 12, 12, STEP_ID_BOARD_SOLVED});
    Clock clock;
    Board board(4, 0, &clock, 99);

    const SolveResult result = solver.SolveBoard(board);

    EXPECT_EQ(result.rating, 4.83f);
    EXPECT_EQ(result.steps, 7);
    EXPECT_EQ(result.hardestStep, 12);
    EXPECT_TRUE(result.isSolvable);
    EXPECT_EQ(result.boardValue, 99);

    ScriptedSolver endless({STEP_ID_ODD_IN_EVEN_CAGE});
    const SolveResult capped = endless.SolveBoard(board);
    EXPECT_EQ(endless.Calls(), static_cast<size_t>(MAX_SOLVE_STEPS));
    EXPECT_FALSE(capped.isSolvable);
    EXPECT_EQ(capped.steps, MAX_SOLVE_STEPS - 1);
    EXPECT_EQ(capped.hardestStep, STEP_ID_ODD_IN_EVEN_CAGE);
}

TEST(SolveRatingTest, ScaleTakesPointThreeInSinglePrecision)
{
    // Hardest step 23 multiplies by 1 + 21 x 0.3 / 20, about 1.315; for a sum
    // of 1.9 the single-precision 0.3 gives another float than 0.3 itself.
    const float sum = 1.9f;
    const float withSingle = static_cast<float>(sum * (1.0 + 21 * static_cast<double>(0.3f) / 20.0));
    const float withDouble = static_cast<float>(sum * (1.0 + 21 * 0.3 / 20.0));
    ASSERT_NE(withSingle, withDouble);
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(sum, STEP_ID_VALUE_ALREADY_PLACED), withSingle);
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(0.0f, STEP_ID_BOARD_SOLVED), 0.0f);
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(2.0f, STEP_ID_SINGLE_SQUARE_CAGE), 2.0f);
}

TEST(SolverFrameworkTest, EditTheBoardRefusesDoesNotCountAsAStep)
{
    FakeBoardSettings settings;
    SimpleBoardSolver solver;
    // A damaged single-square cage whose target the board cannot hold; the
    // other squares in a NoOp cage, which no technique reasons about.
    CageSpec filler{CAGE_RULE_NOOP, {}, 4};
    for (unsigned i = 0; i < 16; ++i) {
        if (i != 6) {
            filler.squares.emplace_back(i % 4, i / 4);
        }
    }
    PlayableBoard position({"1234", "2341", "3412", "4123"}, {{CAGE_RULE_EQUALS, {{2, 1}}}, filler});
    position.board.GetCages()[0].target = 7;
    position.board.GetCages()[0].solutions.clear();
    position.board.RecomputeAutoEliminations();
    position.board.UpdateCageSolutions();

    const StepResult step = solver.FindNextStep(position.board, false);

    EXPECT_EQ(step.stepId, STEP_ID_STUCK);
    EXPECT_EQ(step.complexity, 0.0f);
    EXPECT_TRUE(position.Progress().GetMoves().empty());
}

// Generates a 9 x 9 board of every rule and solves it with solver: each
// step's id and move, one line each. The board is freed on return, so the
// next board is likely built where this one was.
std::string SolveGeneratedBoard(SimpleBoardSolver& solver, unsigned seed)
{
    HybridBoardGenerator generator;
    GeneratorRecipe recipe;
    recipe.size = 9;
    Clock clock;
    const GeneratedBoard built = BuildGeneratedBoard(generator, seed, recipe, clock);
    Board& board = *built.board;
    const std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
    board.SetProgress(progress.get());
    board.RecomputeAutoEliminations();
    board.UpdateCageSolutions();
    std::string steps;
    for (int call = 0; call < MAX_SOLVE_STEPS; ++call) {
        const StepResult step = solver.FindNextStep(board, false);
        const BoardMove& m = step.move;
        steps += Stringf("%d: %d %d %d %d\n", step.stepId, m.type, m.x, m.y, m.data);
        if (step.stepId <= STEP_ID_BOARD_SOLVED) {
            break;
        }
    }
    board.SetProgress(nullptr);
    return steps;
}

// The chef keeps one solver for every board it tries: nothing the solver
// keeps from one board (compared neighbours, fruitless searches) may change
// the steps it finds on the next.
TEST(SolverFrameworkTest, ASolverMovedToAnotherBoardFindsTheStepsOfAFreshOne)
{
    FakeBoardSettings settings;
    SimpleBoardSolver reused;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SimpleBoardSolver fresh;
        const std::string expected = SolveGeneratedBoard(fresh, seed);
        EXPECT_EQ(expected, SolveGeneratedBoard(reused, seed)) << "seed " << seed;
    }
}

// Runs one technique alone, outside the solver's order.
class TechniqueProbe : public SimpleBoardSolver {
public:
    TechniqueProbe() { SetDescribeOnly(true); }
    using SimpleBoardSolver::StepBelowLowestOfLowerCage;
    using SimpleBoardSolver::StepOnlySolutionLacksNumber;
    using SimpleBoardSolver::StepRequiredByOtherCage;
};

// A Comparisons cage (1, 0) < (2, 0) with the answers 2 and 3; (2, 0) holds
// 2, 3 and 4. It must exceed the lowest value below the maximum that its
// empty lower neighbour holds; a neighbour holding only the maximum offers
// no such value and rules nothing out.
TEST(SolverTechniqueTest, AHigherSquareExceedsTheLowestValueBelowTheMaximumOfItsLowerNeighbour)
{
    FakeBoardSettings settings;
    const struct {
        std::vector<int> lowerHolds;
        bool removesTheTwo;
    } cases[] = {{{2, 3}, true}, {{4}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lowerHolds.size());
        PlayableBoard position({"1234", "2341", "3412", "4123"}, {{CAGE_RULE_COMPARISONS, {{1, 0}, {2, 0}}}});
        for (int value = 1; value <= 4; ++value) {
            const bool held = std::find(c.lowerHolds.begin(), c.lowerHolds.end(), value) != c.lowerHolds.end();
            position.Progress().SetPlayerCandidateBit(position.At(1, 0), value - 1, !held);
        }
        position.Progress().SetPlayerCandidateBit(position.At(2, 0), 0, true);
        position.board.RecomputeAutoEliminations();
        position.board.UpdateCageSolutions();
        TechniqueProbe probe;
        StepResult step;
        ASSERT_EQ(c.removesTheTwo, probe.StepBelowLowestOfLowerCage(position.board, step));
        if (c.removesTheTwo) {
            EXPECT_EQ(std::make_tuple(MOVE_TYPE_CANDIDATE, 2, 0, 1),
                      std::make_tuple(step.move.type, step.move.x, step.move.y, step.move.data));
        }
    }
}

// The cage 1+2 = 3 with its one solution still open: a placed 1 leaves the
// other square 2, so its 1 goes; a placed 3 that the solution lacks tells
// nothing, and must not fail the step.
TEST(SolverTechniqueTest, OnlySolutionTakesThePlacedValuesOutOrGivesNothing)
{
    FakeBoardSettings settings;
    const struct {
        unsigned placed;
        bool removesTheOne;
    } cases[] = {{1, true}, {3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.placed);
        PlayableBoard position({"123", "231", "312"}, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}});
        ASSERT_EQ(1u, position.board.GetCages()[0].solutions.size());
        position.Progress().SetValue(position.At(0, 0), c.placed);
        TechniqueProbe probe;
        StepResult step;
        ASSERT_EQ(c.removesTheOne, probe.StepOnlySolutionLacksNumber(position.board, step));
        if (c.removesTheOne) {
            EXPECT_EQ(std::make_tuple(MOVE_TYPE_CANDIDATE, 1, 0, 0),
                      std::make_tuple(step.move.type, step.move.x, step.move.y, step.move.data));
        }
    }
}

// A 3+ cage of two squares needs both its 1 and its 2, so the other squares
// of its line lose them; the step names that line, a row or a column, for
// the hint to say and point at.
TEST(SolverTechniqueTest, ACandidateRequiredByAnotherCageNamesTheLineTheyShare)
{
    FakeBoardSettings settings;
    const struct {
        std::vector<std::pair<unsigned, unsigned>> cage;
        int rowIndex, columnIndex;
    } cases[] = {{{{1, 2}, {2, 2}}, 2, -1}, {{{0, 0}, {0, 1}}, -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rowIndex);
        PlayableBoard position({"1234", "2341", "4123", "3412"}, {{CAGE_RULE_ADDITION, c.cage}});
        position.board.RecomputeAutoEliminations();
        position.board.UpdateCageSolutions();
        TechniqueProbe probe;
        StepResult step;
        ASSERT_TRUE(probe.StepRequiredByOtherCage(position.board, step));
        EXPECT_EQ(std::make_pair(c.rowIndex, c.columnIndex), std::make_pair(step.move.rowIndex, step.move.columnIndex));
    }
}

StepResult MakeStep(int stepId, const BoardMove& move)
{
    StepResult step;
    step.stepId = stepId;
    step.move = move;
    step.complexity = GetStepComplexity(stepId);
    return step;
}

class HintDriverTest : public ::testing::Test {
protected:
    HintDriverTest() : play(NineByNineAnswer(), {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 0}})
    {
        log.Listen(events, {HINT_TEXT_CHANGED_EVENT});
    }

    std::string Label() const { return log.Get<std::string>(HINT_TEXT_CHANGED_EVENT, "Label", "(none)"); }
    std::string Said(const std::string& sentence) const { return "AI Solver says: \"" + sentence + "\""; }

    UlvoEventSystem events;
    EventLog log;
    InstalledRecordingHintCallOuts callOuts;
    PlayableBoard play;
    Board& board = play.board;
};

// callOut: what the instructor is asked to place; nullptr: nothing.
struct HintCase { int stepId; BoardMove move; const char* sentence; const char* callOut; };

// Column 3, row 1 (0-based) is square [4,2]; candidate index 8 is candidate 9.
const BoardMove VALUE_5 = MakeMove(MOVE_TYPE_VALUE, 3, 1, 5);
const BoardMove CANDIDATE_9 = MakeMove(MOVE_TYPE_CANDIDATE, 3, 1, 8);
const BoardMove PAINT = MakeMove(MOVE_TYPE_COLOR, 3, 1, 2);
const BoardMove FIRST_SOLUTION = MakeMove(MOVE_TYPE_SOLUTION_MARK, 0, 0, 0);
const char* const ON_SQUARE = "square 3,1 hint";
const char* const ON_CANDIDATE = "candidate 3,1 #8 hint";

BoardMove InLine(BoardMove move, int rowIndex, int columnIndex)
{
    move.rowIndex = rowIndex;
    move.columnIndex = columnIndex;
    return move;
}

const HintCase HINT_CASES[] = {
    {STEP_ID_STUCK, BoardMove(), "Solver is stuck!", nullptr},
    {STEP_ID_BOARD_SOLVED, BoardMove(), "Solver has solved the puzzle!", nullptr},
    {2, VALUE_5, "Set [4,2] = 5 because it is a single square cage.", ON_SQUARE},
    {4, CANDIDATE_9, "Removed candidate 9 from [4,2] because it was odd in an Even cage.", ON_SQUARE},
    {11, CANDIDATE_9, "Removed candidate 9 from [4,2] because no solutions use it.", ON_CANDIDATE},
    {17, FIRST_SOLUTION,
     "Removed solution 1+2=3 from 3+ cage because its duplicate values would be forced to be linear.", nullptr},
    {23, InLine(CANDIDATE_9, 1, -1), "Removed this candidate because its value has already been placed in this row.",
     ON_CANDIDATE},
    {23, InLine(CANDIDATE_9, -1, 3),
     "Removed this candidate because its value has already been placed in this column.", ON_CANDIDATE},
    {24, PAINT,
     "Painted square [4,2] because its cage must contain at least one more square and it is the only square "
     "available.",
     ON_SQUARE},
    // Steps naming a cage, solution or square the board lacks: empty texts,
    // no call-out.
    {18, MakeMove(MOVE_TYPE_SOLUTION_MARK, 5, 0, 0), "Removed solution  from  cage because of placed values.", nullptr},
    {18, MakeMove(MOVE_TYPE_SOLUTION_MARK, 0, 7, 0), "Removed solution  from 3+ cage because of placed values.", nullptr},
    {2, MakeMove(MOVE_TYPE_VALUE, 9, 0, 5), "Set [10,1] = 5 because it is a single square cage.", nullptr},
    {11, MakeMove(MOVE_TYPE_CANDIDATE, 0, -1, 2), "Removed candidate 3 from [1,0] because no solutions use it.",
     nullptr},
};

// One step of each kind of move and call-out, and steps off the board.
TEST_F(HintDriverTest, StepsOfEachKindHaveTheirSentenceAndCallOut)
{
    for (const HintCase& hint : HINT_CASES) {
        SCOPED_TRACE(testing::Message() << "step " << hint.stepId);
        callOuts.calls.clear();
        MakeStep(hint.stepId, hint.move).ShowHint(board);
        EXPECT_EQ(Said(hint.sentence), Label());
        std::vector<std::string> expected = {"destroy hint"};
        if (hint.callOut != nullptr) {
            expected.push_back(hint.callOut);
        }
        EXPECT_EQ(expected, callOuts.calls);
    }
    EXPECT_EQ(static_cast<int>(std::size(HINT_CASES)), log.Count(HINT_TEXT_CHANGED_EVENT));
}

TEST_F(HintDriverTest, ADescriptionIsShownAsItIsHoweverItReads)
{
    board.GetCages()[0].solutions[0].description = "100%s%d%n";
    MakeStep(19, FIRST_SOLUTION).ShowHint(board);
    EXPECT_EQ(Said("Removed solution 100%s%d%n from 3+ cage because it depends on candidates that have been removed."),
              Label());
}

TEST(HintDriverWithoutInstructorTest, TheHintLineStillChanges)
{
    UlvoEventSystem events;
    EventLog log;
    log.Listen(events, {HINT_TEXT_CHANGED_EVENT});
    PlayableBoard play({"12", "21"}, {});
    ASSERT_EQ(nullptr, GetHintCallOuts());
    MakeStep(3, MakeMove(MOVE_TYPE_VALUE, 1, 0, 2)).ShowHint(play.board);
    EXPECT_EQ("AI Solver says: \"Set [2,1] = 2 because that was the only candidate left.\"",
              log.Get<std::string>(HINT_TEXT_CHANGED_EVENT, "Label", "(none)"));
}

} // namespace
