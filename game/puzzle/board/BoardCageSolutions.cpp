#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

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
    for (const Cage& cage : m_cages) {
        UpdateVisibleCageSolutions(cage);
    }
}

void Board::UpdateVisibleCageSolutions(const Cage& cage)
{
    BoardProgress& progress = *m_progress;
    SquareGroupValues group;
    for (const Square* square : cage.squares) {
        AddSquareToGroup(group, *cage.squares.front(), *square, GetPlacedValueBit(progress, *square),
                         GetAvailableValueBits(progress, *square, m_puzzleSize));
    }
    for (size_t i = 0; i < cage.solutions.size(); ++i) {
        const CageSolution& solution = cage.solutions[i];
        const bool fits = DoesSolutionFitGroup(solution, GetSolutionValueMask(solution), group, false);
        progress.SetSolutionAutoBit(cage.index, static_cast<int>(i), !fits);
    }
}

} // namespace Pemberquill
