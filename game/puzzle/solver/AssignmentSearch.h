#pragma once

#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/Cage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Pemberquill {

// Gives the values of a solution, one each, to distinct squares of the
// cage, exploring every assignment; every (square, value) pair that takes
// part in a complete one is validated. A square takes its placed value, or
// one of its open candidates; with the line test, no two squares in one
// column or row take an equal value.
//
// Whether the values from one position on can still be given out depends
// only on the squares already taken, unless the line test looks at which
// square took an equal value; so each (position, taken squares) state is
// explored once: a second visit would validate the same pairs again.
//
// One search object serves every cage of a solve: its buffers keep their
// room from one cage to the next.
class AssignmentSearch {
public:
    // Readies the search for the cage's squares and what each may take:
    // the cage's candidates as Board::CollectCageCandidates lists them, in
    // the cage's square order (a fixed one for a filled square, one per open
    // candidate of an empty square, by increasing value).
    void Prepare(const Cage& cage, const std::vector<CageCandidate>& candidates, bool keepDuplicatesOutOfLines);
    // Validates every (square, value) pair that takes part in a complete
    // assignment of the values. A run none of whose values is open and
    // unvalidated in some square could validate nothing, and is skipped.
    void Run(const std::vector<int>& values);
    // Some open candidate is not yet validated: once every one is, further
    // runs can validate nothing new.
    bool HasUnvalidated() const { return m_unvalidated > 0; }
    // The first open candidate not validated, in square order and then by
    // value; false when there is none.
    bool FindUnvalidated(size_t& outPosition, int& outValue) const;

private:
    bool Search(size_t first);
    // Whether a value equal to the one given square takes was already given
    // in this assignment to a square sharing its column or row.
    bool HasUsedTwinInLine(size_t square, int value, size_t first) const;
    // Whether some value from the given position on could still be validated
    // in a square not yet taken.
    bool CanValidateFrom(size_t first) const;
    size_t TakenBit(size_t square) const { return square < m_numSquares && m_useMemo ? size_t{1} << square : 0; }

    const Cage* m_cage = nullptr;
    bool m_keepDuplicatesOutOfLines = false;
    size_t m_numSquares = 0;
    std::vector<uint16_t> m_allowed;   // per square position: the values it may take, as bits
    std::vector<uint16_t> m_open;      // per square position: its open candidates
    std::vector<uint16_t> m_validated; // per square position: the values validated for it
    std::vector<size_t> m_squareOf;    // per position, the first position listing the same square
    std::vector<char> m_isSquareTaken; // per square position
    std::vector<size_t> m_takenBy;     // per value position, the square position that took it
    // The positions that may take value v, in square order, are
    // m_positions[m_positionsBegin[v - 1]] up to m_positionsBegin[v].
    std::vector<size_t> m_positions;
    std::array<size_t, MAX_BOARD_SIZE + 1> m_positionsBegin{};
    std::vector<uint16_t> m_wantedFrom; // per value position, the bits of the values from there on
    size_t m_unvalidated = 0;          // open candidates not yet validated
    uint16_t m_repeatedValues = 0;     // the values a run gives out more than once, as bits
    bool m_useMemo = false;
    size_t m_takenMask = 0; // the taken squares as bits, while memoizing
    // Per (position, taken squares): the run that explored the state, shifted
    // left by two, with its outcome in the low bits; a state of another run
    // is unexplored, so no run needs to clear the table.
    std::vector<uint32_t> m_memo;
    uint32_t m_run = 0;
    const std::vector<int>* m_values = nullptr;
};

} // namespace Pemberquill
