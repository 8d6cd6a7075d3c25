#pragma once

// Descriptors and recipe books for the tests of the recipe books, the puzzle
// chef and the puzzle sets.

#include "engine/core/ResourceStream.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/RecipeBook.h"
#include "tests/support/ScopedDataFolder.h"

#include <string>
#include <vector>

namespace chef_test {

using namespace Pemberquill;

// A descriptor of the request as the cook writes them, with its own seed,
// complexity and par, rated 9 (the book's list decides the difficulty).
inline PuzzleDescriptor MakeDescriptor(const PuzzleRequest& request, int seed, float complexity = 0.0f)
{
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
    descriptor.SetSeed(seed);
    descriptor.SetDifficultyRating(9);
    descriptor.SetTotalComplexity(complexity);
    descriptor.SetSolverSteps(seed % 50 + 1);
    return descriptor;
}

// Descriptors with seeds first, first + 1, ...
inline std::vector<PuzzleDescriptor> MakeDescriptors(const PuzzleRequest& request, int count, int first = 100)
{
    std::vector<PuzzleDescriptor> descriptors;
    for (int i = 0; i < count; ++i) {
        descriptors.push_back(MakeDescriptor(request, first + i, static_cast<float>(i)));
    }
    return descriptors;
}

inline std::string RecipeBookBytes(const PuzzleRequest& request, const std::vector<PuzzleDescriptor>& descriptors)
{
    ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 4096);
    WriteRecipeBook(stream, request, descriptors);
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

// Writes the book where the chef looks for it, in the scope's data folder.
inline void WriteRecipeBook(const testsupport::ScopedDataFolder& folder, const std::string& fileName,
                            const PuzzleRequest& request, const std::vector<PuzzleDescriptor>& descriptors)
{
    folder.Write("Puzzles/Recipes/" + fileName, RecipeBookBytes(request, descriptors));
}

} // namespace chef_test
