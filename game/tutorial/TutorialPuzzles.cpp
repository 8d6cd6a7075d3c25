#include "game/tutorial/TutorialPuzzles.h"

#include "game/tutorial/Instructor.h"

#include "engine/core/Diagnostics.h"
#include "game/common/CageRules.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

namespace Pemberquill {

namespace {

const std::vector<int> FIRST_ANSWERS = {
    2, 3, 4, 1,
    4, 2, 1, 3,
    1, 4, 3, 2,
    3, 1, 2, 4,
};

const std::vector<int> FIRST_CAGES = {
    0, 1, 2, 3,
    4, 1, 5, 5,
    4, 5, 5, 6,
    4, 7, 7, 6,
};

const TutorialPuzzleDefinition DEFINITIONS[NUM_INSTRUCTOR_PUZZLES] = {
    {4, FIRST_ANSWERS, std::vector<int>(16, 0), {{CAGE_RULE_NOOP, -1}}},
    {4, FIRST_ANSWERS, FIRST_CAGES,
     {{CAGE_RULE_NOOP, 6}, {CAGE_RULE_NOOP, 0}, {CAGE_RULE_NOOP, 4}, {CAGE_RULE_NOOP, 6},
      {CAGE_RULE_NOOP, 4}, {CAGE_RULE_NOOP, 3}, {CAGE_RULE_NOOP, 0}, {CAGE_RULE_NOOP, 1}}},
    {4, FIRST_ANSWERS, FIRST_CAGES,
     {{CAGE_RULE_EQUALS, 6}, {CAGE_RULE_ADDITION, 0}, {CAGE_RULE_EQUALS, 4}, {CAGE_RULE_EQUALS, 6},
      {CAGE_RULE_MULTIPLICATION, 4}, {CAGE_RULE_MULTIPLICATION, 3}, {CAGE_RULE_EVEN, 0},
      {CAGE_RULE_ADDITION, 1}}},
    {1, {1}, {0}, {{CAGE_RULE_EQUALS, 6}}},
    {4,
     {4, 2, 3, 1,
      2, 4, 1, 3,
      3, 1, 2, 4,
      1, 3, 4, 2},
     {0, 1, 2, 3,
      4, 1, 5, 6,
      4, 5, 5, 6,
      4, 7, 7, 6},
     {{CAGE_RULE_EQUALS, 6}, {CAGE_RULE_DIVISION, 3}, {CAGE_RULE_EQUALS, 4}, {CAGE_RULE_EQUALS, 6},
      {CAGE_RULE_MULTIPLICATION, 4}, {CAGE_RULE_ADDITION, 0}, {CAGE_RULE_STRAIGHT, 1},
      {CAGE_RULE_ADDITION, 6}}},
};

const char* const POPULATE_TITLE = "Instructor::PopulateCustomBoard";

} // namespace

const TutorialPuzzleDefinition* GetTutorialPuzzleDefinition(int puzzleID)
{
    if (puzzleID < 0 || puzzleID >= NUM_INSTRUCTOR_PUZZLES) {
        return nullptr;
    }
    return &DEFINITIONS[puzzleID];
}

const std::vector<Rgba>& GetTutorialPalette()
{
    static const std::vector<Rgba> palette = {
        {255, 255, 92, 255},  {253, 209, 144, 255}, {255, 165, 180, 255}, {255, 170, 255, 255},
        {151, 190, 255, 255}, {168, 255, 255, 255}, {160, 255, 160, 255},
    };
    return palette;
}

ServedPuzzle Instructor::CreateCustomPuzzle(PuzzleChef& chef, Clock* clock, const TutorialPuzzleDefinition& definition)
{
    const int numSquares = definition.size * definition.size;
    const int numValues = static_cast<int>(definition.squareValues.size());
    ULVO_ASSERT(numValues == numSquares,
                Stringf("Puzzle size was %d, squareValues had %d members (should be %d)", definition.size,
                        numValues, numSquares),
                "Instructor::CreateCustomPuzzle");
    const PuzzleRequest request(definition.size, -1, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE);
    ServedPuzzle served = chef.CreateEmptyPuzzle(request, clock);
    const int numBoards = served.puzzle ? static_cast<int>(served.puzzle->GetBoards().size()) : 0;
    ULVO_ASSERT(numBoards >= 1 && numBoards <= 2,
                Stringf("Puzzle had %d boards; must have either 1 or 2", numBoards), "Instructor::CreateCustomPuzzle");
    PopulateCustomBoard(*served.puzzle->GetBoards()[0], definition);
    return served;
}

void Instructor::PopulateCustomBoard(Board& board, const TutorialPuzzleDefinition& definition)
{
    const int size = definition.size;
    const int numSquares = size * size;
    const int numCageIDs = static_cast<int>(definition.squareCageIDs.size());
    ULVO_ASSERT(numCageIDs == numSquares,
                Stringf("Puzzle size was %d, board0SquareCageIDs had %d members (should be %d)", size, numCageIDs,
                        numSquares),
                POPULATE_TITLE);
    const int numCages = static_cast<int>(definition.cageRules.size());
    ULVO_ASSERT(numCages > 0, "Board had no cages; must have at least one cage.", POPULATE_TITLE);

    std::vector<Cage>& cages = board.GetCages();
    for (const auto& [rule, color] : definition.cageRules) {
        Cage cage;
        cage.Init();
        cage.index = static_cast<int>(cages.size());
        cage.rule = rule;
        cage.color = color;
        cage.maxValue = size;
        cages.push_back(cage);
    }
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const int index = row * size + column;
            const int value = definition.squareValues[static_cast<size_t>(index)];
            const int cageID = definition.squareCageIDs[static_cast<size_t>(index)];
            // An answer must be a value the board offers: 0 or a negative
            // one would leave a square that can never be solved.
            ULVO_ASSERT(value >= 1 && value <= size,
                        Stringf("Illegal square value %d in %d-sized puzzle (at %d,%d)", value, size, column, row),
                        POPULATE_TITLE);
            ULVO_ASSERT(cageID >= 0 && cageID < numCages,
                        Stringf("Illegal square cageID %d (at %d,%d), must be in the range [0,%d]", cageID, column,
                                row, numCages - 1),
                        POPULATE_TITLE);
            Square& square = board.GetSquare(static_cast<unsigned>(column), static_cast<unsigned>(row));
            square.solutionValue = static_cast<unsigned>(value);
            square.cageIndex = cageID;
            cages[static_cast<size_t>(cageID)].squares.push_back(&square);
        }
    }
    for (Cage& cage : cages) {
        cage.FindTopLeftSquare();
        cage.ComputeTargetFromSolution();
        cage.GenerateSolutions(size, false);
    }
    BoardProgress* progress = board.GetProgress();
    ULVO_ASSERT(progress != nullptr, "Board had a NULL progress!", POPULATE_TITLE);
    progress->Resize(static_cast<unsigned>(size), static_cast<unsigned>(numCages), &cages);
}

} // namespace Pemberquill
