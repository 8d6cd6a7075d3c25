#include "tools/cook/RecipeBookCook.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardPrinter.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/RecipeBook.h"

#include <algorithm>

namespace Pemberquill {

namespace {

// The generators' seeds lie below this.
constexpr int SEED_RANGE = 100000;

// Solved and rated, or null when the seed builds no puzzle.
std::unique_ptr<Puzzle> CookPuzzle(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int seed,
                                   bool& outAccepted)
{
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
    descriptor.SetSeed(seed);
    std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    outAccepted = false;
    if (puzzle != nullptr) {
        PuzzleProgress progress(puzzle->GetPuzzleID());
        puzzle->SetProgress(&progress);
        outAccepted = PuzzleChef::MeetsSolvability(request.solvabilityType, chef.SolvePuzzle(*puzzle));
        puzzle->SetProgress(nullptr);
    }
    return puzzle;
}

} // namespace

CookedBook CookRecipeBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int count, int firstSeed,
                          int maxSeeds)
{
    CookedBook book;
    while (static_cast<int>(book.descriptors.size()) < count && book.seedsTried < std::min(maxSeeds, SEED_RANGE)) {
        const int seed = (firstSeed + book.seedsTried) % SEED_RANGE;
        ++book.seedsTried;
        bool accepted = false;
        const std::unique_ptr<Puzzle> puzzle = CookPuzzle(chef, clock, request, seed, accepted);
        if (accepted) {
            PuzzleDescriptor descriptor = puzzle->GetDescriptor();
            descriptor.SetBuildTime(0);
            descriptor.SetSolveTime(0);
            book.descriptors.push_back(descriptor);
        }
    }

    // The reader deals the book out by position, easiest first.
    std::stable_sort(book.descriptors.begin(), book.descriptors.end(),
                     [](const PuzzleDescriptor& a, const PuzzleDescriptor& b) {
                         return a.GetTotalComplexity() < b.GetTotalComplexity();
                     });
    const size_t perDifficulty = std::max<size_t>(book.descriptors.size() / NUM_DIFFICULTY_RATINGS, 1);
    for (size_t i = 0; i < book.descriptors.size(); ++i) {
        book.descriptors[i].SetDifficultyRating(
            static_cast<int>(std::min<size_t>(i / perDifficulty, NUM_DIFFICULTY_RATINGS - 1)));
    }
    return book;
}

bool WriteCookedBook(const std::string& path, const PuzzleRequest& request, const CookedBook& book)
{
    ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 65536);
    WriteRecipeBook(stream, request, book.descriptors);
    return stream.SaveToFile(UlvoPath(PATH_MARKER_NONE, path));
}

void PrintCookedBook(PuzzleChef& chef, Clock& clock, const CookedBook& book, std::ostream& out)
{
    for (size_t i = 0; i < book.descriptors.size(); ++i) {
        const PuzzleDescriptor& descriptor = book.descriptors[i];
        out << Stringf("puzzle %zu id %s difficulty %d steps %d complexity %.2f hardest step %d solvable %d\n", i,
                       descriptor.GetPuzzleID().c_str(), descriptor.GetDifficultyRating(),
                       descriptor.GetSolverSteps(), static_cast<double>(descriptor.GetTotalComplexity()),
                       descriptor.GetHardestStep(), descriptor.IsSolvable() ? 1 : 0);
        const std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
        if (puzzle == nullptr) {
            out << "(cannot be rebuilt)\n";
            continue;
        }
        for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
            out << PrintBoard(*board);
        }
        out << "\n";
    }
}

} // namespace Pemberquill
