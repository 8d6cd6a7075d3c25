#include "game/puzzle/board/BoardProgress.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/Square.h"

#include <algorithm>
#include <limits>

namespace Pemberquill {

namespace {

// The history's length and position are saved as signed 16-bit numbers.
constexpr int MAX_SAVED_MOVES = std::numeric_limits<int16_t>::max();

void ReadBlockBegin(ResourceStream& stream)
{
    if (stream.IsTextFormat()) {
        stream.ReadExpectedToken('{');
    }
}

void ReadBlockEnd(ResourceStream& stream)
{
    if (stream.IsTextFormat()) {
        stream.ReadExpectedToken('}');
    }
}

void WriteMove(ResourceStream& stream, const BoardMove& move)
{
    stream.WriteBool(move.errorState, "Error state");
    stream.WriteUInt8(static_cast<uint8_t>(move.data), "Move data");
    stream.WriteUInt8(static_cast<uint8_t>(move.extraData), "Move extra data");
    stream.WriteUInt8(static_cast<uint8_t>(move.type), "Move type");
    stream.WriteInt8(static_cast<int8_t>(move.numCandidatesInvolved), "Number of candidates involved");
    stream.WriteUInt8(static_cast<uint8_t>(move.x), "X");
    stream.WriteUInt8(static_cast<uint8_t>(move.y), "Y");
    stream.WriteInt8(static_cast<int8_t>(move.columnIndex), "Column index");
    stream.WriteInt8(static_cast<int8_t>(move.rowIndex), "Row index");
    stream.WriteInt8(static_cast<int8_t>(move.originatingBoardIndex), "Originating board index");
}

BoardMove ReadMove(ResourceStream& stream, uint8_t version)
{
    BoardMove move;
    move.errorState = stream.ReadBool();
    move.data = stream.ReadUInt8();
    move.extraData = stream.ReadUInt8();
    move.type = stream.ReadUInt8();
    move.numCandidatesInvolved = stream.ReadInt8();
    move.x = stream.ReadUInt8();
    move.y = stream.ReadUInt8();
    move.columnIndex = stream.ReadInt8();
    move.rowIndex = stream.ReadInt8();
    if (version > 1) {
        move.originatingBoardIndex = stream.ReadInt8();
    }
    if (move.type == MOVE_TYPE_COLOR) {
        // Colour indices are signed: the byte 255 is "no colour".
        move.data = static_cast<int8_t>(move.data);
        move.extraData = static_cast<int8_t>(move.extraData);
    }
    return move;
}

} // namespace

void BoardProgress::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin("BoardProgress");
    stream.WriteUInt8(BOARD_PROGRESS_RECORD_VERSION, "Version");
    stream.WriteUInt8(m_size, "Puzzle size");
    stream.WriteUInt8(static_cast<uint8_t>(m_invalidSolutions.size()), "# of cages");
    stream.WriteInt16(static_cast<int16_t>(std::clamp(m_steps, 0, MAX_SAVED_STEPS)), "Number of steps taken");
    for (size_t i = 0; i < m_values.size(); ++i) {
        const int index = static_cast<int>(i);
        stream.WriteUInt8(m_values[i],
                          Stringf("Square #%d (%d,%d) value", index, index % m_size, index / m_size).c_str());
        stream.WriteInt8(m_colors[i], "...and custom color index");
        stream.WriteUInt16(m_playerEliminations[i], "Bits for solver-impossible candidates marked");
    }

    // A history too long to count in 16 bits loses its oldest moves, which
    // are the least likely to be undone.
    const int numMoves = static_cast<int>(m_moves.size());
    const int firstSaved = std::max(0, numMoves - MAX_SAVED_MOVES);
    const int tracker = std::clamp(m_moveTracker - firstSaved, 0, numMoves - firstSaved);
    stream.WriteInt16(static_cast<int16_t>(tracker), "Move tracker index");
    stream.WriteInt16(static_cast<int16_t>(numMoves - firstSaved), "Number of moves");
    stream.WriteBlockBegin("Move history");
    for (int i = firstSaved; i < numMoves; ++i) {
        WriteMove(stream, m_moves[static_cast<size_t>(i)]);
    }
    stream.WriteBlockEnd();
    stream.WriteBlockEnd();
}

// The record may come from a damaged or edited file, so nothing in it is
// trusted to fit the board: values above the size read as empty, the tracker
// is kept inside the history, and a history with a move that cannot belong
// to the board is dropped whole.
void BoardProgress::Read(ResourceStream& stream)
{
    ReadBlockBegin(stream);
    const uint8_t version = stream.ReadUInt8();
    const uint8_t size = stream.ReadUInt8();
    const uint8_t numberOfCages = stream.ReadUInt8();
    const int16_t steps = stream.ReadInt16();
    ULVO_ASSERT(size <= MAX_BOARD_SIZE,
                Stringf("A board progress record claims a puzzle size of %d; boards have at most %u rows.", size,
                        MAX_BOARD_SIZE),
                "BoardProgress::Read");
    // Every cage holds at least one square; the count sizes the allocations
    // below, so it must not exceed what the board can hold.
    ULVO_ASSERT(numberOfCages <= size * size,
                Stringf("A board progress record claims %d cages on a %dx%d board.", numberOfCages, size, size),
                "BoardProgress::Read");

    BoardProgress loaded(size, numberOfCages);
    loaded.m_steps = steps;
    loaded.ReadSquares(stream);
    loaded.ReadMoveHistory(stream, version);
    ReadBlockEnd(stream);

    const bool isPainting = m_isPainting;
    *this = std::move(loaded);
    m_isPainting = isPainting;
    m_hasChanged = true;
    // The squares and marks were read in whole, past the journal.
    StartJournal();
    m_solutionMarksRevision = NewRevision();
}

void BoardProgress::ReadSquares(ResourceStream& stream)
{
    const uint16_t candidateBits = static_cast<uint16_t>((1u << m_size) - 1);
    for (size_t i = 0; i < m_values.size(); ++i) {
        const uint8_t value = stream.ReadUInt8();
        m_values[i] = value <= m_size ? value : 0;
        m_colors[i] = stream.ReadInt8();
        m_playerEliminations[i] = static_cast<uint16_t>(stream.ReadUInt16() & candidateBits);
    }
}

void BoardProgress::ReadMoveHistory(ResourceStream& stream, uint8_t version)
{
    const int tracker = stream.ReadInt16();
    const int numMoves = std::max(0, static_cast<int>(stream.ReadInt16()));
    ReadBlockBegin(stream);
    bool allInside = true;
    for (int i = 0; i < numMoves; ++i) {
        BoardMove move = ReadMove(stream, version);
        allInside = allInside && IsMoveInsideBoard(move);
        m_moves.push_back(std::move(move));
    }
    ReadBlockEnd(stream);

    if (!allInside) {
        ConsolePrintf("WARNING: a board progress record holds moves outside its %dx%d board; its undo history was "
                      "dropped.\n",
                      m_size, m_size);
        m_moves.clear();
    }
    m_moveTracker = std::clamp(tracker, 0, static_cast<int>(m_moves.size()));
}

bool BoardProgress::IsMoveInsideBoard(const BoardMove& move) const
{
    const bool squareInside = move.x < m_size && move.y < m_size;
    switch (move.type) {
    case MOVE_TYPE_VALUE: return squareInside && move.data <= m_size && move.extraData <= m_size;
    case MOVE_TYPE_CANDIDATE: return squareInside && move.data < m_size;
    case MOVE_TYPE_COLOR: return squareInside;
    case MOVE_TYPE_SOLUTION_MARK:
        return move.x < static_cast<int>(m_invalidSolutions.size()) && IsTrackedSolution(move.y);
    default: return false;
    }
}

} // namespace Pemberquill
