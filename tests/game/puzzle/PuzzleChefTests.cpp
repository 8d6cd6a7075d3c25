// The puzzle chef: recipe books, generation on demand, building from a
// descriptor, solving and the next step.
#include "game/puzzle/PuzzleChef.h"

#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "PuzzleChefTestSupport.h"
#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoTimeSystem_Win32.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardPrinter.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/GeneratedBoard.h"
#include "tests/support/HandBoard.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TestCore.h"

#include <gtest/gtest.h>

#include <set>

using namespace Pemberquill;
using namespace chef_test;

namespace {

const std::vector<std::string> CHEF_EVENTS = {"BeginAutoSolvingEvent", "EndAutoSolvingEvent",
                                              "OnStartupLoadingTaskComplete"};

PuzzleRequest FourByFour(int solvability = SOLVABILITY_SOLVABLE)
{
    return PuzzleRequest(4, 0, 1, 0, 0, 0, solvability);
}

// For requests the caller does not look at again.
ServedPuzzle Serve(PuzzleChef& chef, PuzzleRequest request, int seed, Clock* clock)
{
    return chef.GetPuzzle(request, seed, clock);
}

size_t DescriptorsLeft(const RecipeBook& book)
{
    size_t count = 0;
    for (int d = 0; d < NUM_DIFFICULTY_RATINGS; ++d) {
        count += book.GetDifficultyList(d).size();
    }
    return count;
}

std::string PrintPuzzle(const Puzzle& puzzle)
{
    std::string text;
    for (const std::unique_ptr<Board>& board : puzzle.GetBoards()) {
        text += PrintBoard(*board);
    }
    return text;
}

// The seed of every puzzle that a solver step was applied to, read while the
// puzzle is alive.
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
    PuzzleChefTest() { log.Listen(events, CHEF_EVENTS); }

    void Start()
    {
        chef.Startup(&clock);
        chef.SetUI(&ui);
        log.entries.clear();
    }

    UlvoEventSystem events;
    // Seed -1 draws from the engine's clock: a still one draws alike every run.
    std::unique_ptr<testsupport::TestCore> stillClock = std::make_unique<testsupport::TestCore>();
    EventLog log;
    TemporaryWorkingFolder folder;
    Clock clock;
    PuzzleChef chef;
    RecordingChefUI ui;
    testsupport::RecordingConsole console;
};

TEST_F(PuzzleChefTest, AGivenSeedTakesTheNextBookPuzzleAndBuildsIt)
{
    const std::vector<PuzzleDescriptor> descriptors = MakeDescriptors(FourByFour(), 10);
    folder.WriteRecipeBook("four.recipes", FourByFour(), descriptors);
    Start();
    PuzzleRequest request = FourByFour();
    request.difficultyRating = 2;

    const ServedPuzzle served = chef.GetPuzzle(request, 5, &clock);

    ASSERT_TRUE(served);
    EXPECT_EQ(descriptors[4].GetPuzzleID(), served.puzzle->GetPuzzleID());
    EXPECT_EQ(descriptors[4].GetSolverSteps(), served.puzzle->GetPar());
    EXPECT_EQ(1u, served.puzzle->GetBoards().size());
    EXPECT_EQ(served.progress.get(), served.puzzle->GetProgress());
    EXPECT_EQ(served.puzzle->GetPuzzleID(), served.progress->GetPuzzleID());
    EXPECT_NE(nullptr, served.puzzle->GetBoards()[0]->GetProgress());
    EXPECT_EQ(9u, DescriptorsLeft(chef.GetRecipeBooks()[0]));
    EXPECT_TRUE(log.entries.empty()) << "nothing was generated";
}

TEST_F(PuzzleChefTest, AnExhaustedBookShowsTheNoticeOncePerCallAndStillGenerates)
{
    folder.WriteRecipeBook("four.recipes", FourByFour(), MakeDescriptors(FourByFour(), 5));
    Start();
    PuzzleRequest request = FourByFour();
    request.difficultyRating = 4;

    ASSERT_TRUE(chef.GetPuzzle(request, 77, &clock));
    EXPECT_TRUE(ui.dialogs.empty());

    const ServedPuzzle generated = chef.GetPuzzle(request, 77, &clock);
    ASSERT_TRUE(generated);
    EXPECT_EQ(77, generated.puzzle->GetDescriptor().GetSeed());
    ASSERT_EQ(1u, ui.dialogs.size());
    EXPECT_EQ(std::vector<int>{INFORMATION_DIALOG_WINDOW}, ui.pushedWindows);

    ASSERT_TRUE(chef.GetPuzzle(request, 78, &clock));
    EXPECT_EQ(2u, ui.dialogs.size());
}

TEST_F(PuzzleChefTest, TheSameDescriptorBuildsTheSamePuzzleTwice)
{
    Start();
    PuzzleRequest request(6, 0, 1, 0, 1, 0, SOLVABILITY_SOLVABLE);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
    descriptor.SetSeed(4242);

    const std::unique_ptr<Puzzle> first = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    const std::unique_ptr<Puzzle> second = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);

    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    ASSERT_EQ(2u, first->GetBoards().size());
    EXPECT_EQ(PrintPuzzle(*first), PrintPuzzle(*second));
    const Board& board0 = *first->GetBoards()[0];
    const Board& board1 = *first->GetBoards()[1];
    for (size_t i = 0; i < board0.GetSquares().size(); ++i) {
        EXPECT_EQ(board0.GetSquares()[i].solutionValue, board1.GetSquares()[i].solutionValue) << "shared answer";
    }
    EXPECT_NE(PrintBoard(board0).substr(PrintBoard(board0).find('|')),
              PrintBoard(board1).substr(PrintBoard(board1).find('|')))
        << "the second board's cages continue the random sequence";
}

TEST_F(PuzzleChefTest, GeneratedPuzzlesAreSolvableAsAskedAndNamedInSequence)
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
        EXPECT_EQ(solvability == SOLVABILITY_SOLVABLE, chef.SolvePuzzle(*served.puzzle).isSolvable);
    }
}

TEST_F(PuzzleChefTest, AnUnmeetableRequestEndsWithoutAPuzzleAndNeverRepeatsASeed)
{
    // The engine clock stands still, so every new seed would be the same.
    stillClock.reset();
    PropertyAnimationSystem animations;
    UlvoCore core(std::make_unique<UlvoTimeSystem_Win32>([] { return int64_t{123456789}; }, 1000000000),
                  animations);
    SolvedSeedRecorder seeds(events);
    Start();
    const int before = PuzzleChef::GetDynamicPuzzleCount();

    const ServedPuzzle served = Serve(chef, PuzzleRequest(1, 0, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE), -1, &clock);

    EXPECT_FALSE(served);
    EXPECT_EQ(before + MAX_GENERATION_ATTEMPTS, PuzzleChef::GetDynamicPuzzleCount());
    EXPECT_EQ(static_cast<size_t>(MAX_GENERATION_ATTEMPTS), seeds.seeds.size()) << "one distinct seed per attempt";
    EXPECT_EQ((std::vector<std::string>{"BeginAutoSolvingEvent", "EndAutoSolvingEvent"}), log.Names());
}

TEST_F(PuzzleChefTest, GenerationGivesUpWhenItTakesTooLong)
{
    // Every reading of the clock moves it on by a second.
    int64_t ticks = 0;
    stillClock.reset();
    PropertyAnimationSystem animations;
    UlvoCore core(std::make_unique<UlvoTimeSystem_Win32>([&ticks] { return ticks += 1000000000; }, 1000000000),
                  animations);
    Start();
    const int before = PuzzleChef::GetDynamicPuzzleCount();

    EXPECT_FALSE(Serve(chef, PuzzleRequest(1, 0, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE), -1, &clock));
    const int attempts = PuzzleChef::GetDynamicPuzzleCount() - before;
    EXPECT_GT(attempts, 0);
    EXPECT_LT(attempts, 20);
}

TEST_F(PuzzleChefTest, ADescriptorTheChefCannotBuildGivesNoPuzzleAndSaysWhy)
{
    Start();
    const PuzzleDescriptor good = PuzzleChef::InitDescriptorFromRequest(FourByFour());
    PuzzleDescriptor noRecipe = good;
    noRecipe.GetBoardRecipes().clear();
    PuzzleDescriptor threeRecipes = good;
    threeRecipes.AddBoardRecipe(good.GetBoardRecipe(0));
    threeRecipes.AddBoardRecipe(good.GetBoardRecipe(0));
    PuzzleDescriptor sizeZero = good;
    sizeZero.SetSize(0);
    PuzzleDescriptor sizeTen = good;
    sizeTen.SetSize(10);
    PuzzleDescriptor unknownGenerator = good;
    unknownGenerator.SetGeneratorIndex(5);
    for (const PuzzleDescriptor* descriptor : {&noRecipe, &threeRecipes, &sizeZero, &sizeTen, &unknownGenerator}) {
        for (const bool build : {false, true}) {
            console.lines.clear();
            EXPECT_EQ(nullptr, chef.CreatePuzzleFromDescriptor(*descriptor, &clock, build));
            EXPECT_NE(std::string::npos, console.Text().find("ERROR: PuzzleChef cannot build"));
        }
    }
}

TEST_F(PuzzleChefTest, SolvingRecordsTheResultAndLeavesThePuzzleUntouched)
{
    Start();
    const ServedPuzzle served = Serve(chef, PuzzleRequest(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE), 2024, &clock);
    ASSERT_TRUE(served);
    Puzzle& puzzle = *served.puzzle;

    const SolveResult first = chef.SolvePuzzle(puzzle);
    const SolveResult second = chef.SolvePuzzle(puzzle);

    EXPECT_EQ(first.isSolvable, second.isSolvable);
    EXPECT_EQ(first.steps, second.steps);
    EXPECT_EQ(first.rating, second.rating);
    EXPECT_EQ(first.hardestStep, second.hardestStep);
    EXPECT_EQ(first.steps, puzzle.GetPar());
    EXPECT_EQ(first.rating, puzzle.GetDescriptor().GetTotalComplexity());

    EXPECT_EQ(PUZZLE_STATE_NEVER_SEEN, served.progress->GetState());
    for (const Square& square : puzzle.GetBoards()[0]->GetSquares()) {
        EXPECT_EQ(0u, puzzle.GetBoards()[0]->GetSquareValue(square));
    }
}

TEST_F(PuzzleChefTest, TheFirstMistakeComesBeforeAnySolverStep)
{
    Start();
    const ServedPuzzle served = Serve(chef, FourByFour(), 11, &clock);
    ASSERT_TRUE(served);
    Puzzle& puzzle = *served.puzzle;
    puzzle.Start();
    Board& board = *puzzle.GetBoards()[0];
    const Square& square = board.GetSquare(2, 1);
    board.SetSquareValue(square, static_cast<int>(square.solutionValue % 4 + 1), false, true);
    ASSERT_TRUE(puzzle.FindMistakes());

    const PuzzleStep step = chef.FindNextPuzzleStep(puzzle);

    EXPECT_TRUE(step.isMistake);
    EXPECT_EQ(HINT_KIND_WRONG_VALUE, step.step.stepId);
    EXPECT_EQ(&board, step.board);
    EXPECT_EQ(2, step.step.move.x);
    EXPECT_EQ(1, step.step.move.y);
    const HintRecord hint = step.ToHintRecord();
    EXPECT_EQ(HINT_KIND_WRONG_VALUE, hint.kind);
    EXPECT_EQ(&board, hint.board);
}

// Every square its own Equals cage, or no cages at all (which no technique
// can start on).
std::unique_ptr<Board> MakeHandBoard(Clock& clock, unsigned boardIndex, bool withCages)
{
    return testsupport::MakeHandBoard(clock, boardIndex,
                                      [withCages](unsigned) { return withCages ? CAGE_RULE_EQUALS : 0; });
}

TEST_F(PuzzleChefTest, AStuckBoardNeverHidesAnotherBoardsStep)
{
    Start();
    for (const bool stuckFirst : {true, false}) {
        Puzzle puzzle(&clock);
        std::vector<std::unique_ptr<Board>> boards;
        boards.push_back(MakeHandBoard(puzzle.GetClock(), 0, !stuckFirst));
        boards.push_back(MakeHandBoard(puzzle.GetClock(), 1, stuckFirst));
        puzzle.SetBoards(std::move(boards));
        PuzzleProgress progress("hand");
        puzzle.SetProgress(&progress);
        puzzle.Start();

        const PuzzleStep step = chef.FindNextPuzzleStep(puzzle);

        EXPECT_FALSE(step.isMistake);
        EXPECT_EQ(STEP_ID_SINGLE_SQUARE_CAGE, step.step.stepId) << stuckFirst;
        EXPECT_EQ(puzzle.GetBoards()[stuckFirst ? 1 : 0].get(), step.board) << stuckFirst;
        puzzle.SetProgress(nullptr);
    }
}

} // namespace
