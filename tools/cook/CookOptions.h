#pragma once

#include "game/puzzle/PuzzleRequest.h"

#include <string>
#include <vector>

namespace Pemberquill {

// What one run of the cook makes: a recipe book of count puzzles for the
// request, tried from firstSeed on.
struct CookOptions {
    PuzzleRequest request;
    int count = 0;
    int firstSeed = 0;
    // Seeds tried at most; the book comes out short when too few of them
    // make puzzles of the request's solvability.
    int maxSeeds = 100000;
    // Empty: the request's pattern name with ".recipes", in the working
    // folder.
    std::string outputPath;
    bool printBoards = false;
};

struct CookOptionsParse {
    CookOptions options;
    bool wantsHelp = false;
    // Empty when the arguments were understood.
    std::string error;
};

// The arguments after the program name.
CookOptionsParse ParseCookOptions(const std::vector<std::string>& arguments);

// A rule mask from its number ("1023") or its letters ("AXE", "M" for all
// five arithmetic rules, as in pattern names); false for anything else.
bool ParseCageRuleMask(const std::string& text, unsigned& outMask);

const char* GetCookUsage();

} // namespace Pemberquill
