#pragma once

// Hand-built solver positions: a playable board whose squares outside the
// cages under test sit in one NoOp cage (which no technique reasons about),
// and the comparison of two moves.
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Pemberquill {

// The cages, and one NoOp cage holding every square they leave out.
inline std::vector<CageSpec> WithNoOpFiller(unsigned size, std::vector<CageSpec> cages)
{
    std::set<std::pair<unsigned, unsigned>> taken;
    for (const CageSpec& cage : cages) {
        taken.insert(cage.squares.begin(), cage.squares.end());
    }
    CageSpec filler{CAGE_RULE_NOOP, {}, 4};
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            if (taken.count({x, y}) == 0) {
                filler.squares.emplace_back(x, y);
            }
        }
    }
    if (!filler.squares.empty()) {
        cages.push_back(filler);
    }
    return cages;
}

// A position on a board with the given answer: the cages under test, the
// rest filler, the derived state brought up to date.
class SolverPosition : public PlayableBoard {
public:
    SolverPosition(const std::vector<std::string>& answerRows, const std::vector<CageSpec>& cages)
        : PlayableBoard(answerRows, WithNoOpFiller(static_cast<unsigned>(answerRows.size()), cages))
    {
        Refresh();
    }

    // Brings the automatic eliminations and solution marks up to date, as
    // every board edit does.
    void Refresh()
    {
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
    }
};

inline bool SameMove(const BoardMove& a, const BoardMove& b)
{
    return a.type == b.type && a.x == b.x && a.y == b.y && a.data == b.data && a.extraData == b.extraData &&
           a.rowIndex == b.rowIndex && a.columnIndex == b.columnIndex && a.text == b.text &&
           a.errorState == b.errorState && a.numCandidatesInvolved == b.numCandidatesInvolved &&
           a.originatingBoardIndex == b.originatingBoardIndex;
}

} // namespace Pemberquill
