#pragma once

#include "game/puzzle/board/Board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Pemberquill {

// Gives the values of a solution, one each, to distinct squares of the
// cage, exploring every assignment; every dependent that takes part in a
// complete one is marked validated. A square is taken while one of its
// dependents is used, so availability is kept per square, and the used
// dependents are kept on a stack for the line test.
//
// Whether the values from one position on can still be given out depends
// only on the squares already taken, unless the line test looks at which
// square took an equal value; so each (position, taken squares) state is
// explored once: a second visit would mark the same dependents again.
//
// One search object serves every cage of a solve: its buffers keep their
// room from one cage to the next.
class AssignmentSearch {
public:
    // Readies the search for the cage's dependents, which it marks and so
    // keeps until the next Prepare.
    void Prepare(std::vector<CageCandidate>& dependents, const Cage& cage, bool keepDuplicatesOutOfLines);
    // True when any assignment of the values is complete.
    bool Run(const std::vector<int>& values);
    // Some dependent that is not fixed is not yet validated: once every one
    // is, further runs can mark nothing new.
    bool HasUnvalidated() const { return m_unvalidated > 0; }

private:
    bool Search(size_t first);
    // Whether a dependent with the same value already used in this
    // assignment shares the candidate's column or row.
    bool HasUsedTwinInLine(const CageCandidate& candidate) const;
    size_t TakenBit(size_t square) const { return square < m_numSquares && m_useMemo ? size_t{1} << square : 0; }

    std::vector<CageCandidate>* m_dependents = nullptr;
    size_t m_unvalidated = 0; // dependents neither fixed nor validated
    bool m_keepDuplicatesOutOfLines = false;
    size_t m_numSquares = 0;
    bool m_useMemo = false;
    size_t m_takenMask = 0; // the taken squares as bits, while memoizing
    // Per (position, taken squares): the run that explored the state, shifted
    // left by two, with its outcome in the low bits; a state of another run
    // is unexplored, so no run needs to clear the table.
    std::vector<uint32_t> m_memo;
    uint32_t m_run = 0;
    std::vector<size_t> m_squareOf;    // per dependent, its square's position in the cage
    std::vector<size_t> m_valueStart;  // per value, where its dependents start in m_byValue
    std::vector<size_t> m_byValue;     // dependent indices grouped by value
    std::vector<size_t> m_nextByValue; // where the next dependent of each value goes, while grouping
    std::vector<char> m_isSquareTaken; // per square position
    std::vector<const CageCandidate*> m_used;
    const std::vector<int>* m_values = nullptr;
};

} // namespace Pemberquill
