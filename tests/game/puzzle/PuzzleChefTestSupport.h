#pragma once

// Descriptors and recipe books for the tests of the recipe books, the puzzle
// chef and the puzzle sets.

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/puzzle/RecipeBook.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace chef_test {

using namespace Pemberquill;

// A one-board descriptor as the cook writes them, with its own seed, rating
// and complexity.
inline PuzzleDescriptor MakeDescriptor(const PuzzleRequest& request, int seed, float complexity = 0.0f)
{
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(seed);
    descriptor.SetSize(request.size);
    descriptor.SetGeneratorIndex(request.generatorTypeIndex);
    descriptor.SetGeneratorVersion(request.generatorVersion);
    descriptor.SetDifficultyRating(9);
    descriptor.SetTotalComplexity(complexity);
    descriptor.SetSolverSteps(seed % 50 + 1);
    BoardRecipe recipe;
    recipe.boardType = request.boardType1;
    recipe.boardSize = request.size;
    recipe.solvingAttributes = request.board1Attributes;
    recipe.cageRules = request.cageRules1;
    descriptor.AddBoardRecipe(recipe);
    if (request.numberOfBoards > 1) {
        recipe.boardType = request.boardType2;
        recipe.solvingAttributes = request.board2Attributes;
        recipe.cageRules = request.cageRules2;
        descriptor.AddBoardRecipe(recipe);
    }
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

inline std::string RecipeBookBytes(const PuzzleRequest& request, const std::vector<PuzzleDescriptor>& descriptors,
                                   ResourceStreamFormat format = RESOURCE_STREAM_FORMAT_TEXT_COMPACT)
{
    ResourceStream stream(format, 4096);
    WriteRecipeBook(stream, request, descriptors);
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

// A fresh folder that is the working directory while the object lives, so
// that "Data/..." paths land in it.
class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder() : m_inFolder(m_folder.Path()) {}

    // Writes Data/Puzzles/Recipes/<fileName>.
    void WriteRecipeBook(const std::string& fileName, const PuzzleRequest& request,
                         const std::vector<PuzzleDescriptor>& descriptors) const
    {
        const std::filesystem::path folder = std::filesystem::path(m_folder.Path()) / "Data" / "Puzzles" / "Recipes";
        std::filesystem::create_directories(folder);
        const std::string bytes = RecipeBookBytes(request, descriptors);
        testsupport::WriteFileBytes((folder / fileName).string(), testsupport::Bytes(bytes.begin(), bytes.end()));
    }

private:
    testsupport::TemporaryFolder m_folder;
    testsupport::ScopedWorkingDirectory m_inFolder;
};

} // namespace chef_test
