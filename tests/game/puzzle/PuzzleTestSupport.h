#pragma once

// Helpers shared by the tests of the puzzle records and the puzzle.

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/board/Board.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace puzzle_test {

inline std::string BytesOf(const ResourceStream& stream)
{
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

// Everything the record writes, in one encoding.
template <typename Record>
std::string WriteRecord(const Record& record, ResourceStreamFormat format)
{
    ResourceStream stream(format, 8192);
    record.Write(stream);
    return BytesOf(stream);
}

// A stream loaded from a file that held exactly these bytes, the way the
// game loads records.
class LoadedStream {
public:
    explicit LoadedStream(const std::string& bytes)
    {
        const std::string path = ::testing::TempDir() + "pq_puzzle_record_" + std::to_string(::getpid());
        {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        m_stream = std::make_unique<ResourceStream>(UlvoPath(PATH_MARKER_NONE, path));
        std::remove(path.c_str());
    }

    ResourceStream& operator*() { return *m_stream; }
    ResourceStream* operator->() { return m_stream.get(); }

private:
    std::unique_ptr<ResourceStream> m_stream;
};

// Writes the record and returns a new one read from it.
template <typename Record>
Record RoundTrip(const Record& record, ResourceStreamFormat format)
{
    LoadedStream stream(WriteRecord(record, format));
    return Record(*stream);
}

// The message of the UlvoException the call throws; a test failure when it
// throws none.
template <typename Call>
std::string MessageOfThrow(Call&& call)
{
    try {
        call();
    } catch (const UlvoException& error) {
        return error.GetMessage();
    }
    ADD_FAILURE() << "no UlvoException was thrown";
    return {};
}

// A generated-looking board: answers (x + y) mod N + 1, and numCages cages
// with square i (row-major) in cage i mod numCages, each cage coloured with
// its index mod 5.
inline std::unique_ptr<Pemberquill::Board> MakeBoard(Clock& clock, unsigned size, unsigned boardIndex,
                                                      unsigned numCages)
{
    using namespace Pemberquill;
    auto board = std::make_unique<Board>(size, boardIndex, &clock, 1234);
    for (unsigned c = 0; c < numCages; ++c) {
        Cage cage;
        cage.index = static_cast<int>(c);
        cage.rule = CAGE_RULE_ADDITION;
        cage.color = static_cast<int>(c % 5);
        board->GetCages().push_back(cage);
    }
    std::vector<Square>& squares = board->GetSquares();
    for (size_t i = 0; i < squares.size(); ++i) {
        Square& square = squares[i];
        square.solutionValue = (square.x + square.y) % size + 1;
        if (numCages > 0) {
            Cage& cage = board->GetCages()[i % numCages];
            square.cageIndex = cage.index;
            cage.squares.push_back(&square);
        }
    }
    for (Cage& cage : board->GetCages()) {
        cage.FindTopLeftSquare();
    }
    return board;
}

} // namespace puzzle_test
