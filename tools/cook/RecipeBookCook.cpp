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

// One cage as the player sees it: rule, target and squares in board order.
std::string DescribeCage(const Cage& cage)
{
    const SquareSet squares(cage.squares.begin(), cage.squares.end());
    std::string text = Stringf("%d %d:", cage.rule, cage.target);
    for (const Square* square : squares) {
        text += Stringf(" %u,%u", square->x, square->y);
    }
    return text;
}

} // namespace

std::string DescribePuzzleAsSeen(const Puzzle& puzzle)
{
    std::string text;
    for (const std::unique_ptr<Board>& board : puzzle.GetBoards()) {
        text += "board";
        for (unsigned y = 0; y < board->GetSize(); ++y) {
            for (unsigned x = 0; x < board->GetSize(); ++x) {
                text += Stringf(" %u", board->GetSquare(x, y).solutionValue);
            }
        }
        std::set<std::string> cages;
        for (const Cage& cage : board->GetCages()) {
            cages.insert(DescribeCage(cage));
        }
        for (const std::string& cage : cages) {
            text += " | " + cage;
        }
        text += "\n";
    }
    return text;
}

CookedBook CookRecipeBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int count, int firstSeed,
                          int maxSeeds)
{
    std::set<std::string> seen;
    return CookRecipeBook(chef, clock, request, count, firstSeed, maxSeeds, seen);
}

CookedBook CookRecipeBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int count, int firstSeed,
                          int maxSeeds, std::set<std::string>& seen)
{
    CookedBook book;
    const int seedLimit = std::min(maxSeeds, COOK_SEED_RANGE);
    while (static_cast<int>(book.descriptors.size()) < count && book.seedsTried < seedLimit) {
        const int seed = (firstSeed + book.seedsTried) % COOK_SEED_RANGE;
        ++book.seedsTried;
        bool accepted = false;
        const std::unique_ptr<Puzzle> puzzle = CookPuzzle(chef, clock, request, seed, accepted);
        if (accepted && seen.insert(DescribePuzzleAsSeen(*puzzle)).second) {
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
