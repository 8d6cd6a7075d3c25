#pragma once

// Building the exact bytes of stored records, and reading records back from
// given bytes the way the game loads a player's file.

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "tests/support/ServedPlayerFile.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace record_test {

// Little-endian values appended in the resource stream's binary widths.
class ByteWriter {
public:
    ByteWriter& Marker() { return Int32(static_cast<int32_t>(RESOURCE_STREAM_BINARY_MARKER)); }
    ByteWriter& Int8(int value) { return Raw(static_cast<uint32_t>(value), 1); }
    ByteWriter& Int16(int value) { return Raw(static_cast<uint32_t>(value), 2); }
    ByteWriter& Int32(int32_t value) { return Raw(static_cast<uint32_t>(value), 4); }
    ByteWriter& Bool(bool value) { return Int8(value ? 1 : 0); }
    ByteWriter& Float(float value)
    {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof(bits));
        return Raw(bits, 4);
    }
    ByteWriter& String(const std::string& text) { return Int32(static_cast<int32_t>(text.size())).Append(text); }
    ByteWriter& Append(const std::string& more)
    {
        bytes += more;
        return *this;
    }

    std::string bytes;

private:
    ByteWriter& Raw(uint32_t value, int width)
    {
        for (int i = 0; i < width; ++i) {
            bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return *this;
    }
};

// The achievement record of a new player, at the current version: rank,
// bits, score, steps, time, two int8 counts, eight int16 counts, two int8,
// the streak, candidates, the mistake flag, four int16, hints, errors, two
// int8, the two board kinds and three empty location tables.
inline std::string NewAchievementRecordBytes(int32_t highScore = 0)
{
    ByteWriter record;
    record.Int8(9).String("Beginner").Int32(0).Int32(highScore).Int32(0).Float(0.0f).Int8(0).Int8(0);
    record.Append(std::string(16, '\0')).Int8(0).Int8(0).Int16(0).Int32(0).Bool(false);
    record.Append(std::string(8, '\0')).Int32(0).Int32(0).Int8(0).Int8(0).Int16(0).Int16(0).Int8(0).Int8(0).Int8(0);
    return record.bytes;
}

template <typename Record>
std::string WriteRecord(Record&& record, ResourceStreamFormat format)
{
    ResourceStream stream(format, 256);
    record.Write(stream);
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

// A stream loaded from player storage that holds exactly these bytes.
class ServedStream {
public:
    explicit ServedStream(const std::string& bytes) : m_file(std::vector<uint8_t>(bytes.begin(), bytes.end()))
    {
        m_stream = std::make_unique<ResourceStream>(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile"));
    }
    ResourceStream& operator*() { return *m_stream; }

private:
    testsupport::ServedPlayerFile m_file;
    std::unique_ptr<ResourceStream> m_stream;
};

} // namespace record_test
