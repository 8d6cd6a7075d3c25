#pragma once

#include "game/puzzle/generation/BoardRecipe.h"

#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

// A puzzle as it is stored: never a grid, but a seed, a size and one recipe
// per board, from which the generator rebuilds the boards exactly; plus what
// the solver found when the puzzle was made. Its ID links the puzzle to the
// player's progress record.
class PuzzleDescriptor {
public:
    PuzzleDescriptor() = default;
    // A malformed record throws UlvoException.
    explicit PuzzleDescriptor(ResourceStream& stream);

    // The seed is part of the ID, so changing it forgets a cached ID.
    int GetSeed() const { return m_seed; }
    void SetSeed(int seed);
    int GetSize() const { return m_size; }
    void SetSize(int size) { m_size = size; }

    std::vector<BoardRecipe>& GetBoardRecipes() { return m_boardRecipes; }
    const std::vector<BoardRecipe>& GetBoardRecipes() const { return m_boardRecipes; }
    // An index past the recipes is an assertion.
    BoardRecipe& GetBoardRecipe(size_t boardRecipeIndex);
    const BoardRecipe& GetBoardRecipe(size_t boardRecipeIndex) const;
    void AddBoardRecipe(const BoardRecipe& recipe) { m_boardRecipes.push_back(recipe); }

    // The pattern name of the puzzle ("5x1x0x1"), taken from the first two
    // recipes, with the solvable flag as the solvability. A descriptor
    // without recipes (only a damaged file gives one) is named as one board
    // of the default recipe.
    std::string GetName() const;
    // "<seed>-<name>", worked out once and kept from then on; a descriptor
    // read from a file keeps the ID the file gave.
    std::string GetPuzzleID() const;

    // What the solver found when the puzzle was made.
    int GetSolverSteps() const { return m_solverSteps; } // the puzzle's par
    void SetSolverSteps(int steps) { m_solverSteps = steps; }
    int GetSolverIterations() const { return m_solverIterations; }
    void SetSolverIterations(int iterations) { m_solverIterations = iterations; }
    float GetTotalComplexity() const { return m_totalComplexity; } // orders the puzzles of a set
    void SetTotalComplexity(float complexity) { m_totalComplexity = complexity; }
    int GetHardestStep() const { return m_hardestStep; }
    void SetHardestStep(int stepId) { m_hardestStep = stepId; }
    int GetDifficultyRating() const { return m_difficultyRating; }
    void SetDifficultyRating(int rating) { m_difficultyRating = rating; }
    bool IsSolvable() const { return m_isSolvable; }
    void SetSolvable(bool solvable) { m_isSolvable = solvable; }
    bool IsUnlockPuzzle() const { return m_isUnlockPuzzle; }
    void SetUnlockPuzzle(bool isUnlockPuzzle) { m_isUnlockPuzzle = isUnlockPuzzle; }

    // How it was made.
    int GetGeneratorIndex() const { return m_generatorIndex; }
    void SetGeneratorIndex(int index) { m_generatorIndex = index; }
    float GetGeneratorVersion() const { return m_generatorVersion; }
    void SetGeneratorVersion(float version) { m_generatorVersion = version; }
    int GetBuildTime() const { return m_buildTimeMilliseconds; }
    void SetBuildTime(int milliseconds) { m_buildTimeMilliseconds = milliseconds; }
    int GetSolveTime() const { return m_solveTimeMilliseconds; }
    void SetSolveTime(int milliseconds) { m_solveTimeMilliseconds = milliseconds; }
    bool GetForceReducedCageSize() const { return m_forceReducedCageSize; }
    void SetForceReducedCageSize(bool force) { m_forceReducedCageSize = force; }

    void Write(ResourceStream& stream) const;
    // Replaces everything with the record, recipes and ID included. A
    // malformed record throws UlvoException and leaves this descriptor as it
    // was.
    void Read(ResourceStream& stream);

    // Field by field, the cached ID included.
    bool operator==(const PuzzleDescriptor& other) const;
    bool operator!=(const PuzzleDescriptor& other) const { return !(*this == other); }

private:
    int m_seed = -1;
    int m_size = 0;
    mutable std::string m_puzzleID; // empty until worked out or read
    std::vector<BoardRecipe> m_boardRecipes;
    int m_solverSteps = 0;
    int m_solverIterations = 0;
    float m_totalComplexity = 0.0f;
    int m_hardestStep = 0;
    int m_difficultyRating = 0;
    bool m_isSolvable = true;
    bool m_isUnlockPuzzle = false;
    int m_generatorIndex = 0;
    float m_generatorVersion = 1.0f;
    int m_buildTimeMilliseconds = 0;
    int m_solveTimeMilliseconds = 0;
    bool m_forceReducedCageSize = false;
};

} // namespace Pemberquill
