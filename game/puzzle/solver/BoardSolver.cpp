#include "game/puzzle/solver/BoardSolver.h"

#include "game/puzzle/board/BoardProgress.h"

namespace Pemberquill {

bool BoardSolver::IsCandidateEliminated(const BoardProgress& progress, const Square& square, int candidateIndex)
{
    return progress.IsCandidateEliminated(square, candidateIndex);
}

} // namespace Pemberquill
