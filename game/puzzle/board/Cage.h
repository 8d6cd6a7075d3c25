#pragma once

#include "game/common/CageRules.h"
#include "game/puzzle/board/CageSolution.h"
#include "game/puzzle/board/SolutionFit.h"
#include "game/puzzle/board/Square.h"
#include "game/puzzle/board/SquareMask.h"

#include <string>
#include <vector>

namespace Pemberquill {

class Board;
class SquareMaskSet;

// One candidate shape of a hidden cage: the squares it would cover, as bits
// of their board index (N * y + x), which the marks and the solver test many
// times a step. A board lists thousands of shapes per attempt, so a shape
// holds no allocated set of its squares.
struct CageValueSet {
    bool inUse = false;
    SquareMask mask;
};

// A group of squares under one rule. Copied by value, vectors and all; the
// squares belong to the board.
// A stamp for Cage::solutionsStamp that no list has had before.
unsigned NewSolutionsStamp();

struct Cage {
    int index = -1;  // position in the board's cage list, which squares refer to
    int target = 0;  // what the arithmetic rules must produce
    int rule = CAGE_RULE_NONE;
    std::vector<Square*> squares; // in the order they joined
    std::vector<CageValueSet> valueSets;
    int color = -1; // palette index, -1 = default colour
    std::vector<CageSolution> solutions;
    int maxValue = 0;     // the board size the solutions were enumerated for
    int keySquare = -1;   // position in squares of the square that carries the rule text
    int solutionSize = 0; // the square count being enumerated
    // Set anew, to a number no other list of the run has, whenever
    // GenerateSolutions or Clear replaces the solutions; 0 for a list never
    // generated. What is worked out from a list may be kept while it stays.
    unsigned solutionsStamp = 0;

    // Back to the state of a fresh cage.
    void Init();
    // Drops the solutions, shapes and squares.
    void Clear();

    Square* GetKeySquare() const
    {
        return keySquare < 0 || keySquare >= static_cast<int>(squares.size()) ? nullptr
                                                                                : squares[static_cast<size_t>(keySquare)];
    }

    // "12+", "Straight", "<,>": the text drawn on the key square.
    std::string GetRuleText() const;

    // Works the target out from the squares' solution values.
    void ComputeTargetFromSolution();
    // The key square is the top-most square, the left-most of those.
    void FindTopLeftSquare();

    bool HasSquareWithSameValue(const Square& square) const;
    bool AreAllValuesEven() const;
    bool AreAllValuesOdd() const;
    bool CanUseDivision() const;
    bool CanUseStraight() const;
    bool AreAllSquaresFilled(const Board& board) const;
    bool IsInOneLine() const;
    // The square of a three-square L that shares a column with one of the
    // other two and a row with the other; null for any other cage.
    Square* FindCornerSquare() const;
    // The squares common to every shape in use, as bits of their board
    // index (N * y + x); empty when none is in use.
    SquareMask IntersectActiveValueSets() const;
    // Solutions ruled out neither by the player nor automatically.
    int CountRemainingSolutions(const Board& board) const;

    // Enumerates the solutions for the cage's square count, or, for hidden
    // cages (useSizeRange), for every size the rule allows on the board. The
    // order of the list is part of every saved game: moves name solutions by
    // their position.
    void GenerateSolutions(int maxValue, bool useSizeRange);

    // --- Analysis for solvers and hidden cages (CageAnalysis.cpp) ---
    // The first solution neither marked invalid nor ruled out; null when none.
    const CageSolution* FirstOpenSolution(const Board& board) const;
    // All squares in one column or one row.
    bool IsLinear() const;
    // Squares of the cage painted in its own colour.
    int CountSquaresInCageColor(const Board& board) const;
    // The cage's squares that carry any paint, in the cage's order.
    std::vector<Square*> GetPaintedSquares(const Board& board) const;
    // (x, y) is the key square or comes after it in reading order; any
    // square counts when the cage has no key square.
    bool IsAtOrAfterKeySquare(unsigned x, unsigned y) const
    {
        const Square* key = GetKeySquare();
        return key == nullptr || y > key->y || (y == key->y && x >= key->x);
    }
    // The fewest and the most values of the cage's solutions, bounded by the
    // rule's cage sizes; 0 for the rules without solutions.
    int GetMinSolutionLength() const;
    int GetMaxSolutionLength() const;
    // How large a hidden cage can still grow from its painted squares.
    int GetReachableSize(const Board& board) const;
    // The square count, or on hidden-cage boards the size the cage can
    // still reach and its solutions allow.
    int GetMaxSolutionSize(const Board& board) const;
    // Every square of the cage, and no more, painted in its colour (always
    // true on boards without hidden cages).
    bool IsPaintComplete(const Board& board) const;
    // Appends the shape, not in use, unless listed has it: the shapes
    // valueSets held before a growth that offers each shape only once.
    void AddShapeIfNew(const SquareMask& shape, const SquareMaskSet& listed);
    // Whether the painting so far still allows the cage to take the shape:
    // no more squares wear the cage's colour than the shape holds, and none
    // of its squares is painted while it belongs to another cage.
    bool IsShapeFeasible(const Board& board, const CageValueSet& shape) const;
    // Adds to collected (a set over the cage's solutions) every solution
    // whose values could fill the shape (squares by row-major index): one
    // value per square, none repeated in a line, every value available in
    // the shape and every placed value among them. The squares are read as
    // Board::GetShapeWeighing gives them.
    void CollectCompatibleSolutions(const Board& board, const SquareMask& shape, SolutionSet& collected) const;
};

} // namespace Pemberquill
