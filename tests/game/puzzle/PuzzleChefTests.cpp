// The puzzle chef: recipe books, generation on demand, building from a
// descriptor, solving, and the next step across a puzzle's boards.
#include "game/puzzle/PuzzleChef.h"

#include "PuzzleChefTestSupport.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem_Win32.h"
#include "game/puzzle/PuzzleChefUIInterface.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/HandBoard.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TestCore.h"

#include <gtest/gtest.h>

#include <set>

using namespace Pemberquill;
using namespace chef_test;

namespace {

const PuzzleRequest FOUR_BY_FOUR(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);

// What the chef asks of the screens.
class RecordingChefUI final : public PuzzleChefUIInterface {
public:
    void ShowInformationDialog(const std::vector<TextLines>&, const std::string&, const std::string&) override
    {
        ++dialogs;
    }
    void PushWindow(int windowID, bool) override { pushedWindows.push_back(windowID); }

    int dialogs = 0;
    std::vector<int> pushedWindows;
};

// The seed of every puzzle a solver step was applied to.
class SolvedSeedRecorder : public EventRecipient {
public:
    explicit SolvedSeedRecorder(UlvoEventSystem& events)
    {
        RegisterEventHandler("CheckForDynamicLessonOpportunity", &events, &SolvedSeedRecorder::OnStep, this);
    }
    void OnStep(NamedProperties& args)
    {
        Puzzle* puzzle = nullptr;
        args.Get("Puzzle", puzzle);
        seeds.insert(puzzle->GetDescriptor().GetSeed());
    }
    std::set<int> seeds;
};

class PuzzleChefTest : public ::testing::Test {
protected:
    PuzzleChefTest() { log.Listen(events, {"BeginAutoSolvingEvent", "EndAutoSolvingEvent"}); }

    void Start()
    {
        chef.Startup(&clock);
        chef.SetUI(&ui);
        log.entries.clear();
    }

    // An engine whose clock reads ticks() nanoseconds, in place of the still
    // test clock.
    template <typename Ticks>
    std::unique_ptr<UlvoCore> ClockedCore(Ticks ticks)
    {
        stillClock.reset();
        return std::make_unique<UlvoCore>(std::make_unique<UlvoTimeSystem_Win32>(ticks, 1000000000), animations);
    }

    UlvoEventSystem events;
    PropertyAnimationSystem animations;
    // Seed -1 draws from the engine's clock: a still one gives the same seeds
    // every run.
    std::unique_ptr<testsupport::TestCore> stillClock = std::make_unique<testsupport::TestCore>();
    EventLog log;
    testsupport::ScopedDataFolder folder;
    Clock clock;
    PuzzleChef chef;
    RecordingChefUI ui;
    testsupport::RecordingConsole console;
};

// A given seed takes the next puzzle of the matching book and builds it;
// once the book has no list left for the request, every call shows the
// notice and generates from the seed.
TEST_F(PuzzleChefTest, AGivenSeedTakesTheNextBookPuzzleThenGeneratesWithANotice)
{
    const std::vector<PuzzleDescriptor> descriptors = MakeDescriptors(FOUR_BY_FOUR, 10);
    chef_test::WriteRecipeBook(folder, "four.recipes", FOUR_BY_FOUR, descriptors);
    Start();
    PuzzleRequest request = FOUR_BY_FOUR;
    request.difficultyRating = 3;
    for (const int expected : {6, 7, 8, 9}) {
        const ServedPuzzle served = chef.GetPuzzle(request, 5, &clock);
        ASSERT_TRUE(served);
        EXPECT_EQ(descriptors[static_cast<size_t>(expected)].GetPuzzleID(), served.puzzle->GetPuzzleID());
        EXPECT_EQ(descriptors[static_cast<size_t>(expected)].GetSolverSteps(), served.puzzle->GetPar());
        EXPECT_EQ(served.progress.get(), served.puzzle->GetProgress());
        EXPECT_NE(nullptr, served.puzzle->GetBoards()[0]->GetProgress());
    }
    EXPECT_TRUE(log.entries.empty()) << "nothing was generated";

    for (const int seed : {77, 78}) {
        const ServedPuzzle generated = chef.GetPuzzle(request, seed, &clock);
        ASSERT_TRUE(generated);
        EXPECT_EQ(seed, generated.puzzle->GetDescriptor().GetSeed());
    }
    EXPECT_EQ(2, ui.dialogs);
    EXPECT_EQ((std::vector<int>{INFORMATION_DIALOG_WINDOW, INFORMATION_DIALOG_WINDOW}), ui.pushedWindows);
}

// The chef seeds before filling each board and lays out the cages of all
// boards without seeding again.
TEST_F(PuzzleChefTest, TheSameDescriptorBuildsTheSamePuzzleAndItsBoardsShareTheAnswer)
{
    Start();
    PuzzleRequest request(6, 0, 1, 0, 1, 0, SOLVABILITY_SOLVABLE);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
    descriptor.SetSeed(4242);

    const std::unique_ptr<Puzzle> first = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    const std::unique_ptr<Puzzle> second = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);

    ASSERT_EQ(2u, first->GetBoards().size());
    for (size_t b = 0; b < 2; ++b) {
        EXPECT_EQ(PrintBoard(*first->GetBoards()[b]), PrintBoard(*second->GetBoards()[b]));
    }
    const Board& board0 = *first->GetBoards()[0];
    const Board& board1 = *first->GetBoards()[1];
    for (size_t i = 0; i < board0.GetSquares().size(); ++i) {
        EXPECT_EQ(board0.GetSquares()[i].solutionValue, board1.GetSquares()[i].solutionValue) << "shared answer";
    }
    EXPECT_NE(PrintBoard(board0).substr(PrintBoard(board0).find('|')),
              PrintBoard(board1).substr(PrintBoard(board1).find('|')))
        << "the second board's cages continue the draws";
}

TEST_F(PuzzleChefTest, GeneratedPuzzlesAreSolvableAsAskedNamedInSequenceAndSolvedUntouched)
{
    Start();
    for (int solvability : {SOLVABILITY_SOLVABLE, SOLVABILITY_UNSOLVABLE}) {
        PuzzleRequest request(6, 0, 1, 0, 0, 0, solvability);
        const ServedPuzzle served = chef.GetPuzzle(request, -1, &clock);
        ASSERT_TRUE(served) << solvability;
        const int count = PuzzleChef::GetDynamicPuzzleCount();
        EXPECT_EQ(Stringf("Dynamic #%d", count), served.puzzle->GetDisplayName());
        EXPECT_EQ(count, served.puzzle->GetNumberInSet());
        EXPECT_EQ(solvability == SOLVABILITY_SOLVABLE, served.puzzle->GetDescriptor().IsSolvable());

        // Solving again records the same result and leaves the puzzle as it was.
        const SolveResult result = chef.SolvePuzzle(*served.puzzle);
        EXPECT_EQ(solvability == SOLVABILITY_SOLVABLE, result.isSolvable);
        EXPECT_EQ(result.steps, served.puzzle->GetPar());
        EXPECT_EQ(result.rating, served.puzzle->GetDescriptor().GetTotalComplexity());
        EXPECT_EQ(result.rating, chef.SolvePuzzle(*served.puzzle).rating);
        EXPECT_EQ(PUZZLE_STATE_NEVER_SEEN, served.progress->GetState());
        EXPECT_EQ(0u, served.puzzle->GetBoards()[0]->GetSquareValue(5, 5));
    }
}

// Seed -1 with a clock standing still must still draw a new seed for every
// attempt; a clock racing on must end the attempts early.
TEST_F(PuzzleChefTest, AnUnmeetableRequestEndsWithoutAPuzzleNeverRepeatingASeedAndInTime)
{
    PuzzleRequest request(1, 0, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE);
    SolvedSeedRecorder seeds(events);
    const int before = PuzzleChef::GetDynamicPuzzleCount();
    {
        const std::unique_ptr<UlvoCore> core = ClockedCore([] { return int64_t{123456789}; });
        Start();
        EXPECT_FALSE(chef.GetPuzzle(request, -1, &clock));
    }
    EXPECT_EQ(before + MAX_GENERATION_ATTEMPTS, PuzzleChef::GetDynamicPuzzleCount());
    EXPECT_EQ(static_cast<size_t>(MAX_GENERATION_ATTEMPTS), seeds.seeds.size());
    EXPECT_EQ((std::vector<std::string>{"BeginAutoSolvingEvent", "EndAutoSolvingEvent"}), log.Names());

    int64_t ticks = 0;
    const std::unique_ptr<UlvoCore> core = ClockedCore([&ticks] { return ticks += 1000000000; });
    EXPECT_FALSE(chef.GetPuzzle(request, -1, &clock));
    EXPECT_LT(PuzzleChef::GetDynamicPuzzleCount() - before, MAX_GENERATION_ATTEMPTS + 20);
    EXPECT_GT(PuzzleChef::GetDynamicPuzzleCount() - before, MAX_GENERATION_ATTEMPTS);
}

TEST_F(PuzzleChefTest, ADescriptorTheChefCannotBuildGivesNoPuzzleAndSaysWhy)
{
    Start();
    const PuzzleDescriptor good = PuzzleChef::InitDescriptorFromRequest(FOUR_BY_FOUR);
    std::vector<PuzzleDescriptor> bad(5, good);
    bad[0].GetBoardRecipes().clear();
    bad[1].AddBoardRecipe(good.GetBoardRecipe(0));
    bad[1].AddBoardRecipe(good.GetBoardRecipe(0));
    bad[2].SetSize(0);
    bad[3].SetSize(10);
    bad[4].SetGeneratorIndex(5);
    for (const PuzzleDescriptor& descriptor : bad) {
        for (const bool build : {false, true}) {
            console.lines.clear();
            EXPECT_EQ(nullptr, chef.CreatePuzzleFromDescriptor(descriptor, &clock, build)) << &descriptor - &bad[0];
            EXPECT_NE(std::string::npos, console.Text().find("ERROR: PuzzleChef cannot build"));
        }
    }
}

// Following the tips, the search makes the solution marks it passes on its
// way. They are no moves of the player's: they count no step, and Undo
// takes back the player's own move rather than a mark that the next search
// makes again.
TEST_F(PuzzleChefTest, TheMarksTheSearchMakesAreNoMovesOfThePlayers)
{
    FakeBoardSettings settings;
    Start();
    PuzzleDescriptor descriptor =
        PuzzleChef::InitDescriptorFromRequest(PuzzleRequest(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE));
    descriptor.SetSeed(7);
    const std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    PuzzleProgress progress(puzzle->GetPuzzleID());
    puzzle->SetProgress(&progress);
    puzzle->Start();
    int tips = 0;
    for (PuzzleStep next = chef.FindNextPuzzleStep(*puzzle); next.step.stepId > STEP_ID_BOARD_SOLVED;
         next = chef.FindNextPuzzleStep(*puzzle)) {
        ASSERT_FALSE(next.isMistake);
        puzzle->ApplyHintMove(next.board, next.step.move);
        ++tips;
    }

    // The player crosses out a candidate still open that is not the answer.
    Board& board = *puzzle->GetBoards()[0];
    const Square* square = nullptr;
    int crossedOut = 0;
    for (const Square& candidate : board.GetSquares()) {
        for (int value = 1; value <= 5 && square == nullptr; ++value) {
            if (static_cast<unsigned>(value) != candidate.solutionValue &&
                !board.GetProgress()->IsCandidateEliminated(candidate, value - 1)) {
                square = &candidate;
                crossedOut = value;
            }
        }
    }
    ASSERT_NE(nullptr, square);
    board.ToggleCandidate(*square, crossedOut, false);
    chef.FindNextPuzzleStep(*puzzle);
    EXPECT_EQ(tips + 1, puzzle->GetTotalStepsOfBoards());
    puzzle->Undo();
    EXPECT_FALSE(board.GetProgress()->IsCandidateEliminatedByPlayer(*square, crossedOut - 1));
    chef.FindNextPuzzleStep(*puzzle);
    EXPECT_EQ(0, board.GetProgress()->GetMoveTracker());
    EXPECT_EQ(tips + 1, puzzle->GetTotalStepsOfBoards());
    puzzle->SetProgress(nullptr);
}

// Every square its own cage: none (no technique can start), an Equals cage
// (whose first step costs nothing), or an Even or Odd cage as its answer is
// (whose first step costs more).
enum class Cages { None, Equals, Parity };

// The hint takes the board whose next step is the simplest; a stuck board
// never hides the other's step; on a tie the first board keeps it.
TEST_F(PuzzleChefTest, TheHintOnTwoBoardsTakesTheLowestComplexityStep)
{
    Start();
    const struct { Cages first, second; int stepId, board; } cases[] = {
        {Cages::None, Cages::Equals, STEP_ID_SINGLE_SQUARE_CAGE, 1},
        {Cages::Equals, Cages::None, STEP_ID_SINGLE_SQUARE_CAGE, 0},
        {Cages::Parity, Cages::Equals, STEP_ID_SINGLE_SQUARE_CAGE, 1},
        {Cages::Equals, Cages::Parity, STEP_ID_SINGLE_SQUARE_CAGE, 0},
        {Cages::Equals, Cages::Equals, STEP_ID_SINGLE_SQUARE_CAGE, 0},
        {Cages::Parity, Cages::Parity, STEP_ID_ODD_IN_EVEN_CAGE, 0}};
    for (const auto& c : cases) {
        Puzzle puzzle(&clock);
        std::vector<std::unique_ptr<Board>> boards;
        for (const Cages cages : {c.first, c.second}) {
            boards.push_back(testsupport::MakeHandBoard(
                puzzle.GetClock(), static_cast<unsigned>(boards.size()), [cages](unsigned answer) {
                    return cages == Cages::None     ? 0
                           : cages == Cages::Equals ? CAGE_RULE_EQUALS
                           : answer % 2 == 0        ? CAGE_RULE_EVEN
                                                    : CAGE_RULE_ODD;
                }));
        }
        puzzle.SetBoards(std::move(boards));
        PuzzleProgress progress("hand");
        puzzle.SetProgress(&progress);
        puzzle.Start();
        const PuzzleStep step = chef.FindNextPuzzleStep(puzzle);
        EXPECT_FALSE(step.isMistake);
        EXPECT_EQ(c.stepId, step.step.stepId) << &c - cases;
        EXPECT_EQ(puzzle.GetBoards()[static_cast<size_t>(c.board)].get(), step.board) << &c - cases;
        puzzle.SetProgress(nullptr);
    }
}

} // namespace
