#pragma once

#include <functional>
#include <memory>

#include "engine/core/Clock.h"
#include "game/common/CageRules.h"
#include "game/puzzle/board/Board.h"

namespace testsupport {

// A 3x3 board with the answer (x + y) mod 3 + 1, every square its own cage of
// the rule ruleFor gives for its answer, or without a cage where it gives 0.
inline std::unique_ptr<Pemberquill::Board> MakeHandBoard(Clock& clock, unsigned boardIndex,
                                                         const std::function<int(unsigned)>& ruleFor)
{
    auto board = std::make_unique<Pemberquill::Board>(3, boardIndex, &clock, 5);
    board->SetCustomColors({});
    for (Pemberquill::Square& square : board->GetSquares()) {
        square.solutionValue = (square.x + square.y) % 3 + 1;
        const int rule = ruleFor(square.solutionValue);
        if (rule == 0) {
            continue;
        }
        Pemberquill::Cage cage;
        cage.Init();
        cage.index = static_cast<int>(board->GetCages().size());
        cage.rule = rule;
        cage.color = 0;
        cage.squares.push_back(&square);
        cage.ComputeTargetFromSolution();
        cage.FindTopLeftSquare();
        cage.GenerateSolutions(3, false);
        square.cageIndex = cage.index;
        board->GetCages().push_back(cage);
    }
    return board;
}

} // namespace testsupport
