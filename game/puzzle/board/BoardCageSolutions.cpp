#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

#include <algorithm>

namespace Pemberquill {

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
    const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
    const bool isKept = marks.solutionsStamp != 0 && marks.solutionsStamp == cage.solutionsStamp &&
                        marks.numSolutions == cage.solutions.size() && marks.placed == group.placed &&
                        marks.available == group.available && marks.isLinear == group.IsLinear();
    if (!isKept) {
        uint64_t eliminated = 0;
        for (size_t i = 0; i < tracked; ++i) {
            const CageSolution& solution = cage.solutions[i];
            if (!DoesSolutionFitGroup(solution, GetSolutionValueMask(solution), group, false)) {
                eliminated |= uint64_t{1} << i;
            }
        }
        marks = {cage.solutionsStamp, cage.solutions.size(), group.placed, group.available, group.IsLinear(),
                 eliminated};
    }
    // Written every time: the marks on the progress may have been changed
    // since (a progress read, reset or attached).
    const uint64_t covered = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
    progress.SetAutoEliminatedSolutions(cage.index, covered, marks.eliminated);
}

} // namespace Pemberquill
