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

} // namespace

void AssignmentSearch::Prepare(std::vector<CageCandidate>& dependents, const Cage& cage,
                               bool keepDuplicatesOutOfLines)
{
    m_dependents = &dependents;
    m_keepDuplicatesOutOfLines = keepDuplicatesOutOfLines;
    // Dependents name their square by address; the first listing of an
    // address stands for it.
    m_squareOf.clear();
    for (const CageCandidate& dependent : dependents) {
        const auto listed = std::find(cage.squares.begin(), cage.squares.end(), dependent.square);
        m_squareOf.push_back(static_cast<size_t>(listed - cage.squares.begin()));
    }
    m_isSquareTaken.assign(cage.squares.size() + 1, 0);
    m_numSquares = cage.squares.size();
    // The dependents of each value, in list order: which dependents take
    // part in a complete assignment does not depend on the order they are
    // tried in, only on the values each position asks for.
    m_valueStart.assign(MAX_VALUE + 2, 0);
    for (const CageCandidate& dependent : dependents) {
        if (dependent.value >= 1 && dependent.value <= MAX_VALUE) {
            ++m_valueStart[static_cast<size_t>(dependent.value) + 1];
        }
    }
    for (size_t value = 1; value < m_valueStart.size(); ++value) {
        m_valueStart[value] += m_valueStart[value - 1];
    }
    m_byValue.assign(m_valueStart.back(), 0);
    m_nextByValue.assign(m_valueStart.begin(), m_valueStart.end() - 1);
    for (size_t i = 0; i < dependents.size(); ++i) {
        const int value = dependents[i].value;
        if (value >= 1 && value <= MAX_VALUE) {
            m_byValue[m_nextByValue[static_cast<size_t>(value)]++] = i;
        }
    }
    m_used.clear();
    m_unvalidated = static_cast<size_t>(std::count_if(dependents.begin(), dependents.end(), [](const CageCandidate& dependent) {
        return !dependent.fixed && !dependent.validated;
    }));
}

bool AssignmentSearch::Run(const std::vector<int>& values)
{
    m_values = &values;
    const bool hasEqualValues = std::any_of(values.begin(), values.end(), [&](int value) {
        return std::count(values.begin(), values.end(), value) > 1;
    });
    m_useMemo = m_numSquares <= MAX_MEMO_SQUARES && !(m_keepDuplicatesOutOfLines && hasEqualValues);
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
    m_takenMask = 0;
    return Search(0);
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
    const size_t begin = value >= 1 && value <= MAX_VALUE ? m_valueStart[static_cast<size_t>(value)] : 0;
    const size_t end = value >= 1 && value <= MAX_VALUE ? m_valueStart[static_cast<size_t>(value) + 1] : 0;
    for (size_t k = begin; k < end; ++k) {
        const size_t i = m_byValue[k];
        CageCandidate& dependent = (*m_dependents)[i];
        const size_t square = m_squareOf[i];
        if (m_isSquareTaken[square] != 0) {
            continue;
        }
        if (m_keepDuplicatesOutOfLines && HasUsedTwinInLine(dependent)) {
            continue;
        }
        m_isSquareTaken[square] = 1;
        m_takenMask ^= TakenBit(square);
        m_used.push_back(&dependent);
        if (Search(first + 1)) {
            m_unvalidated -= !dependent.validated && !dependent.fixed ? 1 : 0;
            dependent.validated = true;
            anyComplete = true;
        }
        m_used.pop_back();
        m_takenMask ^= TakenBit(square);
        m_isSquareTaken[square] = 0;
    }
    if (m_useMemo) {
        m_memo[state] = (m_run << OUTCOME_BITS) | (anyComplete ? COMPLETES : FAILS);
    }
    return anyComplete;
}

bool AssignmentSearch::HasUsedTwinInLine(const CageCandidate& candidate) const
{
    return std::any_of(m_used.begin(), m_used.end(), [&](const CageCandidate* other) {
        return other->value == candidate.value &&
               (other->square->x == candidate.square->x || other->square->y == candidate.square->y);
    });
}

} // namespace Pemberquill
