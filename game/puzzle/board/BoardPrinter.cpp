#include "game/puzzle/board/BoardPrinter.h"

#include "engine/core/Diagnostics.h"
#include "game/puzzle/board/Board.h"

namespace Pemberquill {

std::string PrintBoard(const Board& board)
{
    const unsigned size = board.GetSize();
    std::string text = Stringf("size %u seed %u rules %u required %u\n", size, board.GetSeed(),
                               board.GetCageRules().GetMask(), board.GetRequiredOperators().GetMask());
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            text += Stringf("%u", board.GetSquare(x, y).solutionValue);
        }
        text += " |";
        for (unsigned x = 0; x < size; ++x) {
            text += Stringf(" %2d", board.GetSquare(x, y).cageIndex);
        }
        text += "\n";
    }
    for (const Cage& cage : board.GetCages()) {
        text += Stringf("cage %d rule %d target %d color %d key %d solutions %zu:", cage.index, cage.rule,
                        cage.target, cage.color, cage.keySquare, cage.solutions.size());
        for (const Square* square : cage.squares) {
            text += Stringf(" %u,%u", square->x, square->y);
        }
        text += "\n";
    }
    return text;
}

} // namespace Pemberquill
