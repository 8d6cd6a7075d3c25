#pragma once

#include "engine/core/EventRecipient.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/RecipeBook.h"
#include "game/puzzle/solver/SolveResult.h"
#include "game/puzzle/solver/StepResult.h"

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

class Clock;
class NamedProperties;

namespace Pemberquill {

class Board;
class BoardGenerator;
class BoardSolver;
class PuzzleChefUIInterface;

// Generation gives up on a request after this many puzzles or this much
// time, whichever comes first: the game waits for it. Time is the real
// limit; the count only ends a request whose clock stands still, and is set
// so that the hardest requests (9 x 9 with hidden cages, a few milliseconds
// an attempt) reach the time limit before it.
constexpr int MAX_GENERATION_ATTEMPTS = 12000;
constexpr int64_t MAX_GENERATION_MILLISECONDS = 30000;

// The window of the information dialog.
constexpr int INFORMATION_DIALOG_WINDOW = 19;

// A puzzle handed out by the chef, with the progress record it plays on.
// Whoever holds it owns both; the puzzle goes first, since its boards point
// into the progress.
struct ServedPuzzle {
    std::unique_ptr<PuzzleProgress> progress;
    std::unique_ptr<Puzzle> puzzle;

    explicit operator bool() const { return puzzle != nullptr; }
};

// The next step on a puzzle and the board it applies to: a solver step, or
// the first of the player's mistakes (whose step id is then the mistake's
// hint kind).
struct PuzzleStep {
    StepResult step;
    Board* board = nullptr;
    bool isMistake = false;

    // What the hints and the mistake list work with: a solver step's id
    // becomes the hint kind that explains it; a mistake keeps its kind.
    HintRecord ToHintRecord() const;
};

// The one place where puzzles are made: from the first recipe book that
// matches a request, or generated and checked by the solver until the
// puzzle is as solvable as the request asks. It also rebuilds any puzzle
// from its descriptor, solves whole puzzles to rate them, and finds the next
// step for hints. Free play, the hints, the puzzle sets and the tutorial use
// the default instance (the first chef alive).
class PuzzleChef : public EventRecipient, public UlvoCollectedClassInterface<PuzzleChef> {
public:
    PuzzleChef();
    ~PuzzleChef() override;
    PuzzleChef(const PuzzleChef&) = delete;
    PuzzleChef& operator=(const PuzzleChef&) = delete;

    // Creates the chef's clock below parentClock, the generators and the
    // solvers, then loads every recipe book of "Puzzles/Recipes" in the data
    // folder (one "OnStartupLoadingTaskComplete" per book). Everything below
    // needs it; starting twice is an assertion.
    void Startup(Clock* parentClock);
    bool IsStarted() const { return m_clock != nullptr; }

    // Fires "LoadRecipesFileEvent" with "File Name" for every "*.recipes"
    // file of the data folder's "Puzzles/Recipes", sorted by name.
    void ListRecipeFiles();
    // Loads the book named by "File Name"; a malformed book throws
    // UlvoException.
    void Event_OnLoadRecipesFile(NamedProperties& properties);
    const std::vector<RecipeBook>& GetRecipeBooks() const { return m_recipeBooks; }

    // The screens the chef reports to; null (the default) logs the notices
    // instead. The caller keeps ownership.
    void SetUI(PuzzleChefUIInterface* ui) { m_ui = ui; }
    // Handed to every board built; empty means the boards' built-in palette.
    const std::vector<Rgba>& GetPalette() const { return m_palette; }
    void SetPalette(const std::vector<Rgba>& palette) { m_palette = palette; }

    // --- Handing out puzzles ---
    // Seed -1 generates a new puzzle and never touches the books. Any other
    // seed takes the next puzzle of the first book matching the request,
    // telling the player once when that book has run out of such puzzles,
    // and generates with that seed when no book puzzle results. A book that
    // serves from a harder list than asked raises the request's difficulty
    // to that list's, so the caller sees what it got. Empty when no puzzle
    // could be made.
    ServedPuzzle GetPuzzle(PuzzleRequest& request, int seed, Clock* clock);
    // Builds and solves puzzles until one is as solvable as the request asks
    // (with a given seed, the first one built), between "BeginAutoSolvingEvent"
    // and "EndAutoSolvingEvent". Retries never repeat a rejected seed and end
    // after MAX_GENERATION_ATTEMPTS or MAX_GENERATION_MILLISECONDS with a
    // logged error and no puzzle.
    ServedPuzzle GenerateDynamicPuzzle(const PuzzleRequest& request, Clock* clock, int seed);
    // Whether a solve result satisfies a request's solvability type.
    static bool MeetsSolvability(int solvabilityType, const SolveResult& result);
    // Puzzles generated so far (every attempt counts), over the whole run.
    static int GetDynamicPuzzleCount();

    // --- Building ---
    // Seed -1; one recipe per board of the request.
    static PuzzleDescriptor InitDescriptorFromRequest(const PuzzleRequest& request);
    // A puzzle on the clock with a copy of the descriptor (a negative seed
    // replaced by a new one), its boards built when build is set. Null, with
    // the reason in the log, for a descriptor the chef cannot build: no
    // generator of the chef, no recipe or more than a puzzle's boards, a size
    // outside the boards' range, or a board that cannot be made.
    std::unique_ptr<Puzzle> CreatePuzzleFromDescriptor(const PuzzleDescriptor& descriptor, Clock* clock,
                                                       bool build);
    // Builds the boards from the puzzle's descriptor unless it has them. The
    // generator is reseeded with the descriptor's seed before each board's
    // values, so every board shares the answer, and lays out the cages of
    // all boards after that in one random sequence. False for a null puzzle
    // or when a board cannot be made.
    bool BuildBoardsForPuzzle(Puzzle* puzzle);
    // Boards of the request's settings without answers or cages, for the
    // tutorial to fill; the puzzle and its progress have an empty ID.
    ServedPuzzle CreateEmptyPuzzle(const PuzzleRequest& request, Clock* clock);
    // Every descriptor left in the first book matching the request, from
    // difficulty 0 up, as unbuilt puzzles on the clock; the book leaves the
    // chef. The request's difficulty ends at the last list served.
    std::vector<std::unique_ptr<Puzzle>> TakePuzzlesFromBook(PuzzleRequest& request, Clock* clock);

    // --- Solving ---
    // Solves the puzzle step by step (building its boards when needed),
    // then restarts it and records the steps (as par), their complexity sum
    // and the hardest step in the puzzle and its descriptor. The puzzle must
    // have a progress.
    SolveResult SolvePuzzle(Puzzle& puzzle);
    // The first mistake when there is one; otherwise the easiest next step
    // over the boards, found without changing them (but for the solution
    // marks steps 17 to 19, which are applied on the way).
    PuzzleStep FindNextPuzzleStep(Puzzle& puzzle);

private:
    BoardGenerator* GetGenerator(int generatorIndex) const;
    BoardSolver& GetSolverFor(const Board& board) const;
    StepResult FindNextBoardStep(Board& board);
    void RequireStarted(const char* operation) const;
    void ShowOutOfPuzzlesNotice();
    // Draws a seed for a retry, stepping past every seed already rejected.
    int DrawFreshSeed(BoardGenerator& generator, const std::set<int>& rejectedSeeds) const;
    // Why the chef cannot build the descriptor's puzzle; empty when it can.
    std::string FindBuildProblem(const PuzzleDescriptor& descriptor) const;

    std::unique_ptr<Clock> m_clock;
    std::array<std::unique_ptr<BoardGenerator>, 2> m_generators;
    std::array<std::unique_ptr<BoardSolver>, 2> m_solvers;
    std::vector<RecipeBook> m_recipeBooks;
    std::vector<Rgba> m_palette;
    PuzzleChefUIInterface* m_ui = nullptr;
};

} // namespace Pemberquill
