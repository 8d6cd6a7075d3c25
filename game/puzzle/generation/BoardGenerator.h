#pragma once

#include "game/puzzle/board/Board.h"

#include <array>
#include <vector>

namespace Pemberquill {

struct Cage;

// Board types, as recipes name them.
constexpr int BOARD_TYPE_UNUSED = 0;
constexpr int BOARD_TYPE_PEMBERQUILL = 1;

// The board-type flags that steer generation; the others mean nothing to it.
constexpr int BOARD_TYPE_FLAG_FILL_VALUES = 1;
constexpr int BOARD_TYPE_FLAG_LAY_OUT_CAGES = 2;
constexpr int BOARD_TYPE_FLAG_ASSIGN_OPERATIONS = 9;

struct BoardTypeRecord {
    const char* name;
    std::array<bool, NUM_BOARD_TYPE_FLAGS> flags;
};

// The record of a board type; a type the table lacks gets the record of the
// unused type, whose flags let a generator do nothing with the board.
const BoardTypeRecord& GetBoardTypeRecord(int boardType);

// Gives the board its type together with that type's name and flags.
void ApplyBoardTypeRecord(Board& board, int boardType);

// How the squares are grouped into cages.
constexpr int CAGE_LAYOUT_RANDOM_WALKS = 0;
constexpr int CAGE_LAYOUT_WHOLE_BOARD = 2;

// Rebuilds a board from the seed the caller gave platform::CrtSrand and the
// settings the board took from its recipe. Stored puzzles are nothing but a
// seed and a recipe, so every implementation must draw its random numbers in
// a fixed order and number: one draw more or less changes every board built
// after it.
class BoardGenerator {
public:
    virtual ~BoardGenerator() = default;

    // A seed for a puzzle that has none yet.
    virtual unsigned NewSeed() = 0;
    // The colour choice at the round-robin index, which then moves on.
    virtual unsigned NextRoundRobinIndex(const Board& board) = 0;
    // Stores the index and returns it.
    virtual unsigned SetRoundRobinIndex(unsigned index) = 0;
    // The answer: a Latin square, when the board type asks for one.
    virtual void FillSolutionValues(Board& board) = 0;
    // Cages, their rules, targets, solutions and colours, as far as the board
    // type asks for them; false when the board cannot be made as its recipe
    // demands, or when the type asks for nothing.
    virtual bool Generate(Board& board, bool forceReducedCageSize) = 0;
    // One of the CAGE_LAYOUT_ values.
    virtual int GetCageLayoutMode(const Board& board) const = 0;
    // Appends the rules the cage may take, a rule listed twice being twice as
    // likely to be drawn; the result describes what was appended.
    virtual int GetCageOperatorCandidates(const Board& board, const Cage& cage,
                                          std::vector<int>& outCandidates) const = 0;
    // Makes sure that the board uses a rule its recipe requires; false when
    // no cage can take one.
    virtual bool AssignRequiredOperators(Board& board) = 0;
};

} // namespace Pemberquill
