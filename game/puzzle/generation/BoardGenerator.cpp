#include "game/puzzle/generation/BoardGenerator.h"

namespace Pemberquill {

namespace {

const BoardTypeRecord BOARD_TYPES[] = {
    {"Unused", {false, false, false, false, false, false, false, false, false, false, false}},
    {"Pemberquill", {true, true, true, false, false, false, false, false, true, true, false}},
};

} // namespace

const BoardTypeRecord& GetBoardTypeRecord(int boardType)
{
    const int count = static_cast<int>(sizeof(BOARD_TYPES) / sizeof(BOARD_TYPES[0]));
    if (boardType < 0 || boardType >= count) {
        return BOARD_TYPES[BOARD_TYPE_UNUSED];
    }
    return BOARD_TYPES[boardType];
}

void ApplyBoardTypeRecord(Board& board, int boardType)
{
    const BoardTypeRecord& record = GetBoardTypeRecord(boardType);
    board.SetBoardType(boardType, record.name, record.flags);
}

} // namespace Pemberquill
