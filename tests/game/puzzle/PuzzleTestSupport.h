#pragma once

// Records written to bytes and read back from a file, as the game loads them.

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"

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

} // namespace puzzle_test
