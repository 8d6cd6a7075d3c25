#pragma once

#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleRequest.h"

#include <ostream>
#include <string>
#include <vector>

class Clock;

namespace Pemberquill {

class PuzzleChef;

struct CookedBook {
    // Easiest first, each rated by the difficulty list it will land in.
    std::vector<PuzzleDescriptor> descriptors;
    int seedsTried = 0;
};

// Builds and solves the puzzle of every seed from firstSeed on (at most
// maxSeeds of them, wrapping below the generators' seed range) and keeps the
// first count that are as solvable as the request asks. Timings are left out
// of the descriptors, so that the same request cooks the same book.
CookedBook CookRecipeBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, int count, int firstSeed,
                          int maxSeeds);

// The book file the chef loads: compact text.
bool WriteCookedBook(const std::string& path, const PuzzleRequest& request, const CookedBook& book);

// Every puzzle of the book as the chef rebuilds it: a heading line with the
// descriptor's numbers, then each board.
void PrintCookedBook(PuzzleChef& chef, Clock& clock, const CookedBook& book, std::ostream& out);

} // namespace Pemberquill
