#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

#include <algorithm>

namespace Pemberquill {

namespace {

void ListSolutions(const std::vector<CageSolution>& solutions, std::vector<int>& outList)
{
    outList.clear();
    for (const CageSolution& solution : solutions) {
        outList.push_back(static_cast<int>(solution.values.size()));
        outList.insert(outList.end(), solution.values.begin(), solution.values.end());
        outList.push_back(solution.hasNoRepeats ? 1 : 0);
    }
}

// Whether list is what ListSolutions makes of solutions.
bool HasSolutions(const std::vector<int>& list, const std::vector<CageSolution>& solutions)
{
    size_t at = 0;
    for (const CageSolution& solution : solutions) {
        const size_t size = solution.values.size();
        if (at + size + 2 > list.size() || list[at] != static_cast<int>(size) ||
            !std::equal(solution.values.begin(), solution.values.end(), list.begin() + static_cast<long>(at) + 1) ||
            list[at + size + 1] != (solution.hasNoRepeats ? 1 : 0)) {
            return false;
        }
        at += size + 2;
    }
    return at == list.size();
}

} // namespace

void Board::UpdateCageSolutions()
{
    if (m_progress == nullptr || m_suppressMoveRecording) {
        return;
    }
    if (HasHiddenCages()) {
        UpdateHiddenCageSolutions();
        return;
    }
    // What every square adds to a cage, read once for all cages.
    SquareValues values;
    for (const Square& square : m_squares) {
        const size_t index = square.y * m_puzzleSize + square.x;
        values.placed[index] = GetPlacedValueBit(*m_progress, square);
        values.available[index] = GetAvailableValueBits(*m_progress, square, m_puzzleSize);
    }
    m_cageMarks.resize(m_cages.size());
    for (size_t i = 0; i < m_cages.size(); ++i) {
        UpdateVisibleCageSolutions(m_cages[i], values, m_cageMarks[i]);
    }
}

void Board::UpdateVisibleCageSolutions(const Cage& cage, const SquareValues& values, CageMarks& marks)
{
    if (cage.solutions.empty()) {
        return;
    }
    BoardProgress& progress = *m_progress;
    SquareGroupValues group;
    for (const Square* square : cage.squares) {
        const size_t index = square->y * m_puzzleSize + square->x;
        AddSquareToGroup(group, *cage.squares.front(), *square, values.placed[index], values.available[index]);
    }
    const bool isSame = marks.isKnown && marks.placed == group.placed && marks.available == group.available &&
                        marks.isLinear == group.IsLinear() && HasSolutions(marks.solutions, cage.solutions);
    if (!isSame) {
        uint64_t eliminated = 0;
        const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
        for (size_t i = 0; i < tracked; ++i) {
            const CageSolution& solution = cage.solutions[i];
            if (!DoesSolutionFitGroup(solution, GetSolutionValueMask(solution), group, false)) {
                eliminated |= uint64_t{1} << i;
            }
        }
        ListSolutions(cage.solutions, marks.solutions);
        marks.placed = group.placed;
        marks.available = group.available;
        marks.isLinear = group.IsLinear();
        marks.isKnown = true;
        marks.eliminated = eliminated;
    }
    // Written every time: the marks on the progress may have been changed
    // since (a progress read, reset or attached).
    const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
    const uint64_t covered = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
    progress.SetAutoEliminatedSolutions(cage.index, covered, marks.eliminated);
}

} // namespace Pemberquill
