#pragma once

#include "engine/core/Rgba.h"

#include <utility>
#include <vector>

namespace Pemberquill {

// The tutorial's hand-made puzzles.
enum InstructorPuzzleID : int {
    INSTRUCTOR_PUZZLE_NONE = -1,
    INSTRUCTOR_PUZZLE_WHOLE_BOARD = 0,
    INSTRUCTOR_PUZZLE_CAGES = 1,
    INSTRUCTOR_PUZZLE_RULES = 2,
    INSTRUCTOR_PUZZLE_SINGLE_SQUARE = 3,
    INSTRUCTOR_PUZZLE_DIVISION_AND_STRAIGHT = 4,
};
constexpr int NUM_INSTRUCTOR_PUZZLES = 5;

// One puzzle as three tables, rows from the top, columns from the left: the
// answer of every square, the cage of every square, and per cage its rule
// bit and its colour (an index into the tutorial palette, -1 none).
struct TutorialPuzzleDefinition {
    int size = 0;
    std::vector<int> squareValues;
    std::vector<int> squareCageIDs;
    std::vector<std::pair<int, int>> cageRules;
};

// Null for INSTRUCTOR_PUZZLE_NONE or an identifier without a puzzle.
const TutorialPuzzleDefinition* GetTutorialPuzzleDefinition(int puzzleID);

// The colours the tutorial's cage colour indices name.
const std::vector<Rgba>& GetTutorialPalette();

} // namespace Pemberquill
