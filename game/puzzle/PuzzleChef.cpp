#include "game/puzzle/PuzzleChef.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/PuzzleChefUIInterface.h"
#include "game/puzzle/generation/SimpleBoardGenerator.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "platform/crt/CrtRandom.h"
#include "platform/system/HighResolutionCounter.h"

#include <algorithm>

namespace Pemberquill {

namespace {

constexpr size_t SIMPLE_SOLVER = 0;
constexpr size_t HIDDEN_CAGE_SOLVER = 1;

// Generators draw seeds below this.
constexpr int SEED_RANGE = 100000;

const char* const RECIPE_FOLDER = "Puzzles/Recipes";

int s_dynamicPuzzleCount = 0;

int64_t CurrentTimeMilliseconds()
{
    if (UlvoCore* core = UlvoCore::GetGlobal()) {
        return core->GetTimeSystem().GetCurrentTimeMilliseconds();
    }
    return platform::QueryCounter() / (platform::QueryCounterFrequency() / 1000);
}

int MillisecondsSince(int64_t start)
{
    return static_cast<int>(CurrentTimeMilliseconds() - start);
}

// The steps that only mark cage solutions invalid are taken on the way to a
// step the player can see.
bool IsSolutionMarkStep(int stepId)
{
    return stepId == STEP_ID_REMOVE_LINEAR_DUPLICATE_SOLUTIONS || stepId == STEP_ID_REMOVE_SOLUTIONS_BY_PLACED_VALUES ||
           stepId == STEP_ID_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES;
}

// Replaces what the puzzle took from its descriptor; the unlock flag is the
// owning set's business and stays.
void StoreDescriptor(Puzzle& puzzle, const PuzzleDescriptor& descriptor)
{
    const bool isUnlockPuzzle = puzzle.IsUnlockPuzzle();
    puzzle.SetDescriptor(descriptor);
    puzzle.SetUnlockPuzzle(isUnlockPuzzle);
}

void GiveNewProgress(ServedPuzzle& served)
{
    served.progress = std::make_unique<PuzzleProgress>(served.puzzle->GetPuzzleID());
    served.puzzle->SetProgress(served.progress.get());
}

// A board with the recipe's settings, before any seeding or generation.
std::unique_ptr<Board> CreateBoard(const PuzzleDescriptor& descriptor, size_t boardIndex, Puzzle& puzzle,
                                   const std::vector<Rgba>& palette)
{
    const BoardRecipe& recipe = descriptor.GetBoardRecipe(boardIndex);
    auto board = std::make_unique<Board>(static_cast<unsigned>(descriptor.GetSize()),
                                         static_cast<unsigned>(boardIndex), &puzzle.GetClock(),
                                         static_cast<unsigned>(descriptor.GetSeed()));
    board->SetSolvingAttributes(static_cast<unsigned>(recipe.solvingAttributes));
    board->GetCageRules() = recipe.cageRules;
    board->SetCustomColors(palette);
    return board;
}

BoardRecipe MakeRecipe(int boardType, int size, int solvingAttributes, const CageRules& cageRules,
                       const CageRules& requiredOperators)
{
    BoardRecipe recipe;
    recipe.boardType = boardType;
    recipe.boardSize = size;
    recipe.solvingAttributes = solvingAttributes;
    recipe.cageRules = cageRules;
    recipe.requiredOperators = requiredOperators;
    return recipe;
}

} // namespace

HintRecord PuzzleStep::ToHintRecord() const
{
    if (!isMistake) {
        return HintRecord::FromSolverStep(step, board);
    }
    // A mistake's step id already is its hint kind.
    HintRecord record;
    record.kind = step.stepId;
    record.move = step.move;
    record.board = board;
    return record;
}

PuzzleChef::PuzzleChef() = default;

PuzzleChef::~PuzzleChef() = default;

void PuzzleChef::Startup(Clock* parentClock)
{
    ULVO_ASSERT(!IsStarted(), "Startup called on an initialized subsystem.", "PuzzleChef::Startup");
    ConsolePrintf("PuzzleChef Startup begun.\n");
    m_clock = std::make_unique<Clock>(parentClock);
    RegisterEventHandler("LoadRecipesFileEvent", UlvoEventSystem::GetGlobal(), &PuzzleChef::Event_OnLoadRecipesFile,
                         this);

    ConsolePrintf("   Creating Generators and Solvers.\n");
    m_generators[GENERATOR_TYPE_SIMPLE] = std::make_unique<SimpleBoardGenerator>();
    m_generators[GENERATOR_TYPE_HYBRID] = std::make_unique<HybridBoardGenerator>();
    m_solvers[SIMPLE_SOLVER] = std::make_unique<SimpleBoardSolver>();
    m_solvers[HIDDEN_CAGE_SOLVER] = std::make_unique<HiddenCageSolver>();

    ConsolePrintf("\tLoading Recipe Books.\n");
    ListRecipeFiles();
    ConsolePrintf("PuzzleChef Startup ended.\n");
}

void PuzzleChef::ListRecipeFiles()
{
    std::vector<std::string> names;
    ListFolder(names, "LoadRecipesFileEvent", UlvoPath(PATH_MARKER_DATA, RECIPE_FOLDER), "*.recipes");
}

void PuzzleChef::Event_OnLoadRecipesFile(NamedProperties& properties)
{
    std::string fileName;
    properties.Get("File Name", fileName);
    const UlvoPath path(PATH_MARKER_DATA, Stringf("%s/%s", RECIPE_FOLDER, fileName.c_str()));
    ResourceStream stream(path);
    // A listed book ships with the game: one that cannot be read is a broken
    // installation, as a damaged one is.
    ULVO_ASSERT(stream.IsValid(),
                Stringf("PuzzleChef could not read the recipe book %s.", path.GetResolvedPath().c_str()),
                "PuzzleChef::Event_OnLoadRecipesFile");
    m_recipeBooks.emplace_back(stream, fileName);
    FireGlobalEvent("OnStartupLoadingTaskComplete");
}

void PuzzleChef::RequireStarted(const char* operation) const
{
    ULVO_ASSERT(IsStarted(), "The puzzle chef was used before its Startup.", operation);
}

BoardGenerator* PuzzleChef::GetGenerator(int generatorIndex) const
{
    if (generatorIndex < 0 || static_cast<size_t>(generatorIndex) >= m_generators.size()) {
        return nullptr;
    }
    return m_generators[static_cast<size_t>(generatorIndex)].get();
}

BoardSolver& PuzzleChef::GetSolverFor(const Board& board) const
{
    return *m_solvers[board.HasHiddenCages() ? HIDDEN_CAGE_SOLVER : SIMPLE_SOLVER];
}

// --- Handing out puzzles ---

ServedPuzzle PuzzleChef::GetPuzzle(PuzzleRequest& request, int seed, Clock* clock)
{
    RequireStarted("PuzzleChef::GetPuzzle");
    if (seed == -1) {
        return GenerateDynamicPuzzle(request, clock, -1);
    }
    const auto book = std::find_if(m_recipeBooks.begin(), m_recipeBooks.end(),
                                   [&request](const RecipeBook& candidate) { return candidate.MatchesRequest(request); });
    if (book == m_recipeBooks.end()) {
        return GenerateDynamicPuzzle(request, clock, seed);
    }

    PuzzleDescriptor descriptor;
    if (book->TakeNextDescriptor(request, descriptor)) {
        ServedPuzzle served;
        served.puzzle = CreatePuzzleFromDescriptor(descriptor, clock, true);
        if (served.puzzle != nullptr) {
            GiveNewProgress(served);
            return served;
        }
    } else if (book->IsExhaustedFor(request)) {
        ShowOutOfPuzzlesNotice();
    }
    return GenerateDynamicPuzzle(request, clock, seed);
}

void PuzzleChef::ShowOutOfPuzzlesNotice()
{
    const std::vector<TextLines> lines = {
        TextLines("We've run out of puzzles of this type and", 24.0f),
        TextLines("difficulty in the recipe books.", 24.0f),
    };
    if (m_ui == nullptr) {
        ConsolePrintf("%s %s\n", lines[0].runs.front().text.c_str(), lines[1].runs.front().text.c_str());
        return;
    }
    m_ui->ShowInformationDialog(lines, "", "OK");
    m_ui->PushWindow(INFORMATION_DIALOG_WINDOW, false);
}

bool PuzzleChef::MeetsSolvability(int solvabilityType, const SolveResult& result)
{
    switch (solvabilityType) {
    case SOLVABILITY_SOLVABLE:
        return result.isSolvable;
    case SOLVABILITY_UNSOLVABLE:
        return !result.isSolvable;
    case SOLVABILITY_EITHER:
        return true;
    default:
        return false;
    }
}

int PuzzleChef::GetDynamicPuzzleCount()
{
    return s_dynamicPuzzleCount;
}

int PuzzleChef::DrawFreshSeed(BoardGenerator& generator, const std::set<int>& rejectedSeeds) const
{
    // The generator's seed is the time in milliseconds, which a quick retry
    // would draw again.
    int seed = static_cast<int>(generator.NewSeed() % SEED_RANGE);
    while (rejectedSeeds.count(seed) != 0) {
        seed = (seed + 1) % SEED_RANGE;
    }
    return seed;
}

ServedPuzzle PuzzleChef::GenerateDynamicPuzzle(const PuzzleRequest& request, Clock* clock, int seed)
{
    RequireStarted("PuzzleChef::GenerateDynamicPuzzle");
    PuzzleDescriptor descriptor = InitDescriptorFromRequest(request);
    descriptor.SetSeed(seed);
    BoardGenerator* generator = GetGenerator(descriptor.GetGeneratorIndex());
    const bool seedIsGiven = seed != -1;

    FireGlobalEvent("BeginAutoSolvingEvent");
    const int64_t start = CurrentTimeMilliseconds();
    std::set<int> rejectedSeeds;
    ServedPuzzle accepted;
    int attempts = 0;
    while (true) {
        ++attempts;
        if (!seedIsGiven && generator != nullptr) {
            descriptor.SetSeed(DrawFreshSeed(*generator, rejectedSeeds));
        }
        ServedPuzzle candidate;
        candidate.puzzle = CreatePuzzleFromDescriptor(descriptor, clock, true);
        if (candidate.puzzle != nullptr) {
            GiveNewProgress(candidate);
            const SolveResult result = SolvePuzzle(*candidate.puzzle);
            if (seedIsGiven || MeetsSolvability(request.solvabilityType, result)) {
                accepted = std::move(candidate);
                break;
            }
        } else if (seedIsGiven || generator == nullptr) {
            break; // the same descriptor would fail again
        }
        rejectedSeeds.insert(descriptor.GetSeed());
        if (attempts >= MAX_GENERATION_ATTEMPTS || MillisecondsSince(start) >= MAX_GENERATION_MILLISECONDS) {
            ConsolePrintf("ERROR: PuzzleChef gave up on a \"%s\" puzzle after %d attempts in %d ms.\n",
                          request.GetPatternName().c_str(), attempts, MillisecondsSince(start));
            break;
        }
    }
    FireGlobalEvent("EndAutoSolvingEvent");

    s_dynamicPuzzleCount += attempts;
    if (accepted) {
        Puzzle& puzzle = *accepted.puzzle;
        puzzle.SetDisplayName(Stringf("Dynamic #%d", s_dynamicPuzzleCount));
        puzzle.SetNumberInSet(s_dynamicPuzzleCount);
        StoreDescriptor(puzzle, puzzle.GetDescriptor());
    }
    return accepted;
}

// --- Building ---

PuzzleDescriptor PuzzleChef::InitDescriptorFromRequest(const PuzzleRequest& request)
{
    PuzzleDescriptor descriptor;
    descriptor.SetSize(request.size);
    descriptor.SetDifficultyRating(request.difficultyRating);
    descriptor.SetGeneratorIndex(request.generatorTypeIndex);
    descriptor.SetGeneratorVersion(request.generatorVersion);
    descriptor.SetForceReducedCageSize(request.forceReducedCageSize);
    descriptor.AddBoardRecipe(MakeRecipe(request.boardType1, request.size, request.board1Attributes,
                                         request.cageRules1, request.requiredOperators1));
    if (request.numberOfBoards > 1) {
        descriptor.AddBoardRecipe(MakeRecipe(request.boardType2, request.size, request.board2Attributes,
                                             request.cageRules2, request.requiredOperators2));
    }
    return descriptor;
}

std::unique_ptr<Puzzle> PuzzleChef::CreatePuzzleFromDescriptor(const PuzzleDescriptor& descriptor, Clock* clock,
                                                               bool build)
{
    RequireStarted("PuzzleChef::CreatePuzzleFromDescriptor");
    const std::string problem = FindBuildProblem(descriptor);
    if (!problem.empty()) {
        ConsolePrintf("ERROR: PuzzleChef cannot build the puzzle of seed %d: %s.\n", descriptor.GetSeed(),
                      problem.c_str());
        return nullptr;
    }
    BoardGenerator* generator = GetGenerator(descriptor.GetGeneratorIndex());
    PuzzleDescriptor copy = descriptor;
    if (copy.GetSeed() < 0) {
        copy.SetSeed(static_cast<int>(generator->NewSeed()));
    }
    auto puzzle = std::make_unique<Puzzle>(clock);
    puzzle->SetDescriptor(copy);
    if (build && !BuildBoardsForPuzzle(puzzle.get())) {
        return nullptr;
    }
    return puzzle;
}

// A descriptor comes from a file that may be damaged or edited: anything
// the chef cannot build is refused here, before a puzzle or its ID is made
// from it.
std::string PuzzleChef::FindBuildProblem(const PuzzleDescriptor& descriptor) const
{
    if (GetGenerator(descriptor.GetGeneratorIndex()) == nullptr) {
        return Stringf("it names generator %d, which the chef does not have", descriptor.GetGeneratorIndex());
    }
    const size_t numBoards = descriptor.GetBoardRecipes().size();
    if (numBoards == 0 || numBoards > static_cast<size_t>(MAX_BOARDS_PER_PUZZLE)) {
        return Stringf("it has %zu board recipes; a puzzle has 1 to %d boards", numBoards, MAX_BOARDS_PER_PUZZLE);
    }
    if (descriptor.GetSize() < 1 || descriptor.GetSize() > static_cast<int>(MAX_BOARD_SIZE)) {
        return Stringf("its boards are of size %d; boards have 1 to %u rows", descriptor.GetSize(), MAX_BOARD_SIZE);
    }
    return std::string();
}

bool PuzzleChef::BuildBoardsForPuzzle(Puzzle* puzzle)
{
    RequireStarted("PuzzleChef::BuildBoardsForPuzzle");
    if (puzzle == nullptr) {
        return false;
    }
    if (puzzle->HasBoards()) {
        return true;
    }
    const int64_t start = CurrentTimeMilliseconds();
    const PuzzleDescriptor& descriptor = puzzle->GetDescriptor();
    const std::string problem = FindBuildProblem(descriptor);
    if (!problem.empty()) {
        ConsolePrintf("ERROR: PuzzleChef cannot build puzzle \"%s\": %s.\n", puzzle->GetPuzzleID().c_str(),
                      problem.c_str());
        return false;
    }
    BoardGenerator* generator = GetGenerator(descriptor.GetGeneratorIndex());
    const size_t numBoards = descriptor.GetBoardRecipes().size();

    const unsigned seed = static_cast<unsigned>(descriptor.GetSeed());
    std::vector<std::unique_ptr<Board>> boards;
    for (size_t i = 0; i < numBoards; ++i) {
        std::unique_ptr<Board> board = CreateBoard(descriptor, i, *puzzle, m_palette);
        const BoardRecipe& recipe = descriptor.GetBoardRecipe(i);
        platform::CrtSrand(seed);
        ApplyBoardTypeRecord(*board, recipe.boardType);
        board->GetRequiredOperators() = recipe.requiredOperators;
        generator->FillSolutionValues(*board);
        boards.push_back(std::move(board));
    }
    // The cages of all boards come from one random sequence, so a later
    // board's layout depends on every earlier one.
    for (const std::unique_ptr<Board>& board : boards) {
        generator->SetRoundRobinIndex(seed % static_cast<unsigned>(board->GetColorChoices().size()));
        if (!generator->Generate(*board, descriptor.GetForceReducedCageSize())) {
            return false;
        }
    }

    puzzle->SetBoards(std::move(boards));
    PuzzleDescriptor built = puzzle->GetDescriptor();
    built.SetBuildTime(MillisecondsSince(start));
    StoreDescriptor(*puzzle, built);
    return true;
}

ServedPuzzle PuzzleChef::CreateEmptyPuzzle(const PuzzleRequest& request, Clock* clock)
{
    RequireStarted("PuzzleChef::CreateEmptyPuzzle");
    PuzzleDescriptor descriptor = InitDescriptorFromRequest(request);
    descriptor.SetSolverSteps(100);
    descriptor.SetDifficultyRating(1);
    descriptor.SetTotalComplexity(0.0f);
    descriptor.SetHardestStep(-1);
    descriptor.SetUnlockPuzzle(false);

    ServedPuzzle served;
    served.puzzle = std::make_unique<Puzzle>(clock);
    served.puzzle->SetDescriptor(descriptor);
    served.puzzle->SetPuzzleID(std::string());
    std::vector<std::unique_ptr<Board>> boards;
    for (size_t i = 0; i < descriptor.GetBoardRecipes().size(); ++i) {
        std::unique_ptr<Board> board = CreateBoard(descriptor, i, *served.puzzle, m_palette);
        ApplyBoardTypeRecord(*board, descriptor.GetBoardRecipe(i).boardType);
        boards.push_back(std::move(board));
    }
    served.puzzle->SetBoards(std::move(boards));
    served.progress = std::make_unique<PuzzleProgress>(std::string());
    served.puzzle->SetProgress(served.progress.get());
    return served;
}

std::vector<std::unique_ptr<Puzzle>> PuzzleChef::TakePuzzlesFromBook(PuzzleRequest& request, Clock* clock)
{
    RequireStarted("PuzzleChef::TakePuzzlesFromBook");
    std::vector<std::unique_ptr<Puzzle>> puzzles;
    const auto book = std::find_if(m_recipeBooks.begin(), m_recipeBooks.end(),
                                   [&request](const RecipeBook& candidate) { return candidate.MatchesRequest(request); });
    if (book == m_recipeBooks.end()) {
        return puzzles;
    }
    if (book->IsEmpty()) {
        ConsolePrintf("Empty Recipe Book.  Probably accessed twice\n");
    }
    request.difficultyRating = 0;
    PuzzleDescriptor descriptor;
    while (book->TakeNextDescriptor(request, descriptor)) {
        if (std::unique_ptr<Puzzle> puzzle = CreatePuzzleFromDescriptor(descriptor, clock, false)) {
            puzzles.push_back(std::move(puzzle));
        }
    }
    m_recipeBooks.erase(book);
    return puzzles;
}

// --- Solving ---

SolveResult PuzzleChef::SolvePuzzle(Puzzle& puzzle)
{
    RequireStarted("PuzzleChef::SolvePuzzle");
    ULVO_ASSERT(puzzle.GetProgress() != nullptr, "Unable to solve a puzzle without a PuzzleProgress.",
                "PuzzleChef::SolvePuzzle");
    SolveResult result;
    result.iterations = 1;
    const int64_t start = CurrentTimeMilliseconds();
    if (!BuildBoardsForPuzzle(&puzzle)) {
        result.isSolvable = false;
        return result;
    }

    puzzle.Start();
    for (int calls = 0;; ++calls) {
        if (calls >= MAX_SOLVE_STEPS) {
            result.isSolvable = false;
            break;
        }
        const PuzzleStep next = FindNextPuzzleStep(puzzle);
        // A mistake can only come from play left on the progress; it is no
        // step of a solution.
        if (next.isMistake || next.step.stepId == STEP_ID_STUCK) {
            result.isSolvable = false;
            break;
        }
        if (next.step.stepId == STEP_ID_BOARD_SOLVED) {
            break;
        }
        puzzle.ApplyHintMove(next.board, next.step.move);
        ++result.steps;
        result.rating += next.step.complexity;
        result.hardestStep = std::max(result.hardestStep, next.step.stepId);
    }
    puzzle.Restart();

    PuzzleDescriptor solved = puzzle.GetDescriptor();
    solved.SetHardestStep(result.hardestStep);
    solved.SetSolverSteps(result.steps);
    solved.SetTotalComplexity(result.rating);
    solved.SetDifficultyRating(result.difficultyRating);
    solved.SetSolvable(result.isSolvable);
    solved.SetSolverIterations(result.iterations);
    solved.SetSolveTime(MillisecondsSince(start));
    StoreDescriptor(puzzle, solved);
    return result;
}

StepResult PuzzleChef::FindNextBoardStep(Board& board)
{
    BoardSolver& solver = GetSolverFor(board);
    StepResult step = solver.FindNextStep(board, true);
    // The marks are the search's, not the player's: they enter no history
    // (Undo would take them back and the next search make them again) and
    // count no step.
    const bool wasSuppressed = board.IsMoveRecordingSuppressed();
    board.SetMoveRecordingSuppressed(true);
    for (int applied = 0; IsSolutionMarkStep(step.stepId) && applied < MAX_SOLVE_STEPS; ++applied) {
        // The described mark is the one the solver would make: making it
        // here spares finding the same step a second time.
        if (step.move.type == MOVE_TYPE_SOLUTION_MARK) {
            board.MarkSolutionInvalid(step.move.x, step.move.y, false);
        } else {
            solver.FindNextStep(board, false);
        }
        step = solver.FindNextStep(board, true);
    }
    board.SetMoveRecordingSuppressed(wasSuppressed);
    return step;
}

PuzzleStep PuzzleChef::FindNextPuzzleStep(Puzzle& puzzle)
{
    RequireStarted("PuzzleChef::FindNextPuzzleStep");
    PuzzleStep next;
    if (!puzzle.GetMistakes().empty()) {
        const HintRecord& mistake = puzzle.GetMistakes().front();
        next.step.stepId = mistake.kind;
        next.step.move = mistake.move;
        next.board = mistake.board;
        next.isMistake = true;
        return next;
    }
    for (const std::unique_ptr<Board>& board : puzzle.GetBoards()) {
        const StepResult step = FindNextBoardStep(*board);
        // A board that is stuck never hides a step that another board has.
        const bool replaces = next.board == nullptr ||
                              (step.stepId != STEP_ID_STUCK &&
                               (next.step.stepId == STEP_ID_STUCK || step.complexity < next.step.complexity));
        if (replaces) {
            next.step = step;
            next.board = board.get();
        }
    }
    return next;
}

} // namespace Pemberquill
