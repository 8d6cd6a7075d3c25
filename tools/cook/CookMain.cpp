// The recipe-book cook: makes the "*.recipes" files under
// Data/Puzzles/Recipes that the puzzle chef and the puzzle sets hand out.
#include "engine/core/Clock.h"
#include "game/puzzle/PuzzleChef.h"
#include "tools/cook/CookOptions.h"
#include "tools/cook/RecipeBookCook.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace Pemberquill;

int main(int argc, char** argv)
{
    const CookOptionsParse parse = ParseCookOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parse.wantsHelp) {
        std::fputs(GetCookUsage(), stdout);
        return 0;
    }
    if (!parse.error.empty()) {
        std::fprintf(stderr, "cook: %s\n\n%s", parse.error.c_str(), GetCookUsage());
        return 1;
    }
    const CookOptions& options = parse.options;
    if (options.count % NUM_DIFFICULTY_RATINGS != 0) {
        std::fprintf(stderr, "cook: warning: the game drops the last %d puzzles of a book of %d\n",
                     options.count % NUM_DIFFICULTY_RATINGS, options.count);
    }

    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    const CookedBook book =
        CookRecipeBook(chef, clock, options.request, options.count, options.firstSeed, options.maxSeeds);
    if (options.printBoards) {
        PrintCookedBook(chef, clock, book, std::cout);
    }

    const std::string path =
        options.outputPath.empty() ? options.request.GetPatternName() + ".recipes" : options.outputPath;
    if (!WriteCookedBook(path, options.request, book)) {
        std::fprintf(stderr, "cook: could not write %s\n", path.c_str());
        return 1;
    }
    std::fprintf(stderr, "cook: %zu of %d puzzles from %d seeds written to %s\n", book.descriptors.size(),
                 options.count, book.seedsTried, path.c_str());
    return static_cast<int>(book.descriptors.size()) == options.count ? 0 : 2;
}
