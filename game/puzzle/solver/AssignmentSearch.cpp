#include "game/puzzle/solver/AssignmentSearch.h"

#include <algorithm>

namespace Pemberquill {

namespace {

constexpr size_t MAX_MEMO_SQUARES = 12;
constexpr int MAX_VALUE = static_cast<int>(MAX_BOARD_SIZE);
constexpr uint32_t FAILS = 1;
constexpr uint32_t COMPLETES = 2;
constexpr uint32_t OUTCOME_BITS = 2;
// Runs are numbered below this, so that a run shifted past the outcome bits
// stays inside 32 bits.
constexpr uint32_t RUN_LIMIT = 1u << 30;

// The candidate bit of a value; 0 for a value no square can hold.
uint16_t CandidateBit(int value)
{
    return value >= 1 && value <= MAX_VALUE ? static_cast<uint16_t>(1u << (value - 1)) : uint16_t{0};
}

int CountBits(unsigned bits)
{
    int count = 0;
    for (; bits != 0; bits &= bits - 1) {
        ++count;
    }
    return count;
}

} // namespace

void AssignmentSearch::Prepare(const Cage& cage, const std::vector<CageCandidate>& candidates,
                               bool keepDuplicatesOutOfLines)
{
    m_cage = &cage;
    m_keepDuplicatesOutOfLines = keepDuplicatesOutOfLines;
    m_numSquares = cage.squares.size();
    m_allowed.assign(m_numSquares, 0);
    m_open.assign(m_numSquares, 0);
    m_validated.assign(m_numSquares, 0);
    m_squareOf.resize(m_numSquares);
    m_unvalidated = 0;
    size_t next = 0;
    for (size_t i = 0; i < m_numSquares; ++i) {
        // A square listed twice is one square: its first listing is taken
        // for both.
        const auto listed = std::find(cage.squares.begin(), cage.squares.end(), cage.squares[i]);
        m_squareOf[i] = static_cast<size_t>(listed - cage.squares.begin());
        // The square's candidates: its fixed one, or its open ones by
        // increasing value (a square listed twice lists them again).
        int last = 0;
        for (; next < candidates.size() && candidates[next].square == cage.squares[i] && candidates[next].value > last &&
               !(last != 0 && candidates[next].fixed);
             ++next) {
            const CageCandidate& candidate = candidates[next];
            m_allowed[i] |= CandidateBit(candidate.value);
            m_open[i] |= candidate.fixed ? uint16_t{0} : CandidateBit(candidate.value);
            last = candidate.fixed ? MAX_VALUE + 1 : candidate.value;
        }
        m_unvalidated += static_cast<size_t>(CountBits(m_open[i]));
    }
    m_isSquareTaken.assign(m_numSquares + 1, 0);
    // The positions that may take each value, in square order: the order
    // the search tries them in.
    m_positions.clear();
    for (int value = 1; value <= MAX_VALUE; ++value) {
        m_positionsBegin[static_cast<size_t>(value - 1)] = m_positions.size();
        for (size_t i = 0; i < m_numSquares; ++i) {
            if ((m_allowed[i] & CandidateBit(value)) != 0) {
                m_positions.push_back(i);
            }
        }
    }
    m_positionsBegin[MAX_BOARD_SIZE] = m_positions.size();
}

void AssignmentSearch::Run(const std::vector<int>& values)
{
    m_values = &values;
    m_wantedFrom.resize(values.size() + 1);
    m_wantedFrom[values.size()] = 0;
    for (size_t j = values.size(); j-- > 0;) {
        m_wantedFrom[j] = m_wantedFrom[j + 1] | CandidateBit(values[j]);
    }
    // A run that validated the last candidate stopped with squares taken.
    std::fill(m_isSquareTaken.begin(), m_isSquareTaken.end(), 0);
    if (!CanValidateFrom(0)) {
        return;
    }
    // Only a repeated value can meet its twin in a line. A value no square
    // can hold ends every assignment where it stands, so whether it repeats
    // changes nothing.
    m_repeatedValues = 0;
    uint16_t seen = 0;
    for (int value : values) {
        m_repeatedValues |= seen & CandidateBit(value);
        seen |= CandidateBit(value);
    }
    m_useMemo = m_numSquares <= MAX_MEMO_SQUARES && !(m_keepDuplicatesOutOfLines && m_repeatedValues != 0);
    if (m_useMemo) {
        if (++m_run == RUN_LIMIT) {
            std::fill(m_memo.begin(), m_memo.end(), 0u);
            m_run = 1;
        }
        const size_t states = (values.size() + 1) << m_numSquares;
        if (m_memo.size() < states) {
            m_memo.resize(states, 0u);
        }
    }
    m_takenBy.resize(values.size());
    m_takenMask = 0;
    Search(0);
}

bool AssignmentSearch::Search(size_t first)
{
    const std::vector<int>& values = *m_values;
    if (first == values.size()) {
        return true;
    }
    const size_t state = (first << m_numSquares) | m_takenMask;
    if (m_useMemo && (m_memo[state] >> OUTCOME_BITS) == m_run) {
        return (m_memo[state] & COMPLETES) != 0;
    }
    bool anyComplete = false;
    const int value = values[first];
    const uint16_t bit = CandidateBit(value);
    const bool mayHaveTwin = m_keepDuplicatesOutOfLines && (m_repeatedValues & bit) != 0;
    size_t unvalidatedAtCheck = SIZE_MAX;
    const size_t end = bit != 0 ? m_positionsBegin[static_cast<size_t>(value)] : 0;
    for (size_t next = bit != 0 ? m_positionsBegin[static_cast<size_t>(value - 1)] : 0; next < end; ++next) {
        const size_t i = m_positions[next];
        const size_t square = m_squareOf[i];
        if (m_isSquareTaken[square] != 0) {
            continue;
        }
        if (mayHaveTwin && HasUsedTwinInLine(i, value, first)) {
            continue;
        }
        // Once the state completes, it goes on only while something it can
        // still reach is unvalidated; that can only change with a new
        // validation.
        if (anyComplete && m_unvalidated != unvalidatedAtCheck) {
            unvalidatedAtCheck = m_unvalidated;
            if (!CanValidateFrom(first)) {
                break;
            }
        }
        m_isSquareTaken[square] = 1;
        m_takenMask ^= TakenBit(square);
        m_takenBy[first] = i;
        if (Search(first + 1)) {
            if ((m_open[i] & bit) != 0 && (m_validated[i] & bit) == 0) {
                --m_unvalidated;
            }
            m_validated[i] |= bit;
            anyComplete = true;
        }
        m_takenMask ^= TakenBit(square);
        m_isSquareTaken[square] = 0;
        if (m_unvalidated == 0) {
            // Nothing is left to validate: the rest of the run can change
            // nothing, and its table entries die with the run.
            return true;
        }
    }
    if (m_useMemo) {
        m_memo[state] = (m_run << OUTCOME_BITS) | (anyComplete ? COMPLETES : FAILS);
    }
    return anyComplete;
}

bool AssignmentSearch::CanValidateFrom(size_t first) const
{
    unsigned unvalidated = 0;
    for (size_t i = 0; i < m_numSquares; ++i) {
        if (m_isSquareTaken[m_squareOf[i]] == 0) {
            unvalidated |= static_cast<unsigned>(m_open[i] & ~m_validated[i]);
        }
    }
    return (unvalidated & m_wantedFrom[first]) != 0;
}

bool AssignmentSearch::HasUsedTwinInLine(size_t square, int value, size_t first) const
{
    const Square& candidate = *m_cage->squares[square];
    for (size_t j = 0; j < first; ++j) {
        const Square& other = *m_cage->squares[m_takenBy[j]];
        if ((*m_values)[j] == value && (other.x == candidate.x || other.y == candidate.y)) {
            return true;
        }
    }
    return false;
}

bool AssignmentSearch::FindUnvalidated(size_t& outPosition, int& outValue) const
{
    for (size_t i = 0; i < m_numSquares; ++i) {
        const unsigned unvalidated = static_cast<unsigned>(m_open[i] & ~m_validated[i]);
        if (unvalidated != 0) {
            outPosition = i;
            outValue = __builtin_ctz(unvalidated) + 1;
            return true;
        }
    }
    return false;
}

} // namespace Pemberquill
