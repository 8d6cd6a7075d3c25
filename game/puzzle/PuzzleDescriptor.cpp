#include "game/puzzle/PuzzleDescriptor.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"
#include "game/puzzle/PuzzleRequest.h"

#include <limits>

namespace Pemberquill {

namespace {

constexpr int PUZZLE_DESCRIPTOR_RECORD_VERSION = 1;

PatternNameBoard ToPatternNameBoard(const BoardRecipe& recipe)
{
    return PatternNameBoard{recipe.boardType, recipe.solvingAttributes, recipe.cageRules};
}

} // namespace

PuzzleDescriptor::PuzzleDescriptor(ResourceStream& stream)
{
    Read(stream);
}

void PuzzleDescriptor::SetSeed(int seed)
{
    if (seed != m_seed) {
        m_puzzleID.clear();
    }
    m_seed = seed;
}

BoardRecipe& PuzzleDescriptor::GetBoardRecipe(size_t boardRecipeIndex)
{
    ULVO_ASSERT(boardRecipeIndex < m_boardRecipes.size(), "BoardRecipe index out of range.",
                "PuzzleDescriptor::GetBoardRecipe");
    return m_boardRecipes[boardRecipeIndex];
}

const BoardRecipe& PuzzleDescriptor::GetBoardRecipe(size_t boardRecipeIndex) const
{
    ULVO_ASSERT(boardRecipeIndex < m_boardRecipes.size(), "BoardRecipe index out of range.",
                "PuzzleDescriptor::GetBoardRecipe");
    return m_boardRecipes[boardRecipeIndex];
}

std::string PuzzleDescriptor::GetName() const
{
    // A descriptor read from a damaged file may have no recipe; it is named
    // as a board of the default recipe, so that it can still be written.
    const PatternNameBoard first =
        ToPatternNameBoard(m_boardRecipes.empty() ? BoardRecipe() : GetBoardRecipe(0));
    if (m_boardRecipes.size() <= 1) {
        return FormatPatternName(m_generatorIndex, m_size, first, nullptr, m_isSolvable ? 1 : 0);
    }
    const PatternNameBoard second = ToPatternNameBoard(GetBoardRecipe(1));
    return FormatPatternName(m_generatorIndex, m_size, first, &second, m_isSolvable ? 1 : 0);
}

std::string PuzzleDescriptor::GetPuzzleID() const
{
    if (m_puzzleID.empty()) {
        m_puzzleID = Stringf("%d-%s", m_seed, GetName().c_str());
    }
    return m_puzzleID;
}

void PuzzleDescriptor::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin("PuzzleDescriptor");
    stream.WriteInt32(PUZZLE_DESCRIPTOR_RECORD_VERSION);
    stream.WriteString(GetPuzzleID(), "PuzzleID");
    stream.WriteBool(m_isSolvable, "Is Solvable");
    stream.WriteBool(m_isUnlockPuzzle, "Is an Unlock Puzzle");
    stream.WriteInt32(m_seed, "Puzzle Seed Value");
    stream.WriteInt32(m_size, "Puzzle size");
    stream.WriteInt32(m_difficultyRating, "Difficulty Rating enumeration.");
    stream.WriteInt32(m_hardestStep, "Enumeration of hardest solver step used.");
    stream.WriteFloat(m_totalComplexity, "Total complexity across all boards.");
    stream.WriteInt32(m_solverSteps, "Number of steps solver took.");
    stream.WriteInt32(m_solverIterations, "Number of iterations solver took.");
    stream.WriteInt32(m_generatorIndex, "Generator Index (0=Simple, 1=Hybrid)");
    stream.WriteFloat(m_generatorVersion, "Generator Version");
    stream.WriteInt32(m_buildTimeMilliseconds, "Build time in MS");
    stream.WriteInt32(m_solveTimeMilliseconds, "Solve time in MS");
    stream.WriteBool(m_forceReducedCageSize, "Force reduced cage size");
    stream.WriteInt32(static_cast<int32_t>(m_boardRecipes.size()), "Number of Board Recipes to follow");
    for (const BoardRecipe& recipe : m_boardRecipes) {
        recipe.Write(stream);
    }
    stream.WriteBlockEnd();
}

void PuzzleDescriptor::Read(ResourceStream& stream)
{
    PuzzleDescriptor read;
    ReadRecordBlockBegin(stream);
    stream.ReadInt32(); // the version: only one has ever been written
    read.m_puzzleID = stream.ReadString();
    read.m_isSolvable = stream.ReadBool();
    read.m_isUnlockPuzzle = stream.ReadBool();
    read.m_seed = stream.ReadInt32();
    read.m_size = stream.ReadInt32();
    read.m_difficultyRating = stream.ReadInt32();
    read.m_hardestStep = stream.ReadInt32();
    read.m_totalComplexity = stream.ReadFloat();
    read.m_solverSteps = stream.ReadInt32();
    read.m_solverIterations = stream.ReadInt32();
    read.m_generatorIndex = stream.ReadInt32();
    read.m_generatorVersion = stream.ReadFloat();
    read.m_buildTimeMilliseconds = stream.ReadInt32();
    read.m_solveTimeMilliseconds = stream.ReadInt32();
    read.m_forceReducedCageSize = stream.ReadBool();
    // More recipes than a puzzle has boards still read (the chef refuses to
    // build them); only a count the file cannot hold is refused.
    const int numRecipes = ReadRecordCount(stream, std::numeric_limits<int>::max(), "board recipes",
                                           "PuzzleDescriptor::Read");
    for (int i = 0; i < numRecipes; ++i) {
        BoardRecipe recipe;
        recipe.Read(stream);
        read.m_boardRecipes.push_back(recipe);
    }
    ReadRecordBlockEnd(stream);
    *this = std::move(read);
}

bool PuzzleDescriptor::operator==(const PuzzleDescriptor& other) const
{
    return m_seed == other.m_seed && m_size == other.m_size && m_puzzleID == other.m_puzzleID &&
           m_boardRecipes == other.m_boardRecipes && m_solverSteps == other.m_solverSteps &&
           m_solverIterations == other.m_solverIterations && m_totalComplexity == other.m_totalComplexity &&
           m_hardestStep == other.m_hardestStep && m_difficultyRating == other.m_difficultyRating &&
           m_isSolvable == other.m_isSolvable && m_isUnlockPuzzle == other.m_isUnlockPuzzle &&
           m_generatorIndex == other.m_generatorIndex && m_generatorVersion == other.m_generatorVersion &&
           m_buildTimeMilliseconds == other.m_buildTimeMilliseconds &&
           m_solveTimeMilliseconds == other.m_solveTimeMilliseconds &&
           m_forceReducedCageSize == other.m_forceReducedCageSize;
}

} // namespace Pemberquill
