#pragma once

// Moves, and records written to bytes and read back from a file, as the
// game loads them.

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/board/BoardMove.h"

#include "tests/support/ServedPlayerFile.h"

#include <string>
#include <vector>

namespace puzzle_test {

// Everything the record writes, in one encoding.
template <typename Record>
std::string WriteRecord(const Record& record, ResourceStreamFormat format)
{
    ResourceStream stream(format, 8192);
    record.Write(stream);
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

// A stream loaded from a player file that holds exactly these bytes, the
// way the game loads player records.
class LoadedStream {
public:
    explicit LoadedStream(const std::string& bytes)
        : m_file(std::vector<uint8_t>(bytes.begin(), bytes.end())),
          m_stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "puzzle/record"))
    {
    }

    ResourceStream& operator*() { return m_stream; }

private:
    testsupport::ServedPlayerFile m_file;
    ResourceStream m_stream;
};

// A move of the type at a square with its data; the rest as a new move has it.
inline Pemberquill::BoardMove MakeMove(int type, int x, int y, int data)
{
    Pemberquill::BoardMove move;
    move.type = type;
    move.x = x;
    move.y = y;
    move.data = data;
    return move;
}

// Writes the record and returns a new one read from it.
template <typename Record>
Record RoundTrip(const Record& record, ResourceStreamFormat format)
{
    LoadedStream stream(WriteRecord(record, format));
    return Record(*stream);
}

} // namespace puzzle_test
