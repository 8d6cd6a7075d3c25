#pragma once

#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleRequest.h"

#include <ostream>
#include <set>
#include <string>
#include <vector>

class Clock;

namespace Pemberquill {

class Puzzle;
class PuzzleChef;

// The generators' seeds lie below this.
constexpr int COOK_SEED_RANGE = 100000;

struct CookedBook {
    // Easiest first, each rated by the difficulty list it will land in.
    std::vector<PuzzleDescriptor> descriptors;
    int seedsTried = 0;
};

// A built puzzle as the player sees it: every board's answer and each
// cage's rule, target and squares; colours and the order of the cages play
// no part. Two seeds can make the same puzzle, most often on small boards.
std::string DescribePuzzleAsSeen(const Puzzle& puzzle);

// Builds and solves the puzzle of every seed from firstSeed on (at most
// maxSeeds of them, wrapping below the generators' seed range) and keeps the
// first count that are as solvable as the request asks and look like none
// in seen (DescribePuzzleAsSeen), adding each kept one to it. Timings are
// left out of the descriptors, so that the same request cooks the same book.
CookedBook CookRecipeBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int count, int firstSeed,
                          int maxSeeds, std::set<std::string>& seen);
// A book that repeats no puzzle of its own.
CookedBook CookRecipeBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int count, int firstSeed,
                          int maxSeeds);

// The book file the chef loads: compact text.
bool WriteCookedBook(const std::string& path, const PuzzleRequest& request, const CookedBook& book);

// Every puzzle of the book as the chef rebuilds it: a heading line with the
// descriptor's numbers, then each board.
void PrintCookedBook(PuzzleChef& chef, Clock& clock, const CookedBook& book, std::ostream& out);

} // namespace Pemberquill
