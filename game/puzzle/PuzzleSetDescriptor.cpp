#include "game/puzzle/PuzzleSetDescriptor.h"

#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

namespace Pemberquill {

namespace {

constexpr int32_t PUZZLE_SET_DESCRIPTOR_RECORD_VERSION = 1;

// A location shows a few pages of puzzles; a larger count means a damaged
// file.
constexpr int MAX_PUZZLE_SET_DESCRIPTORS = 100000;

} // namespace

PuzzleSetDescriptor::PuzzleSetDescriptor(ResourceStream& stream)
{
    Read(stream);
}

void PuzzleSetDescriptor::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin();
    stream.WriteInt32(PUZZLE_SET_DESCRIPTOR_RECORD_VERSION, "Version of PuzzleSetDescriptor data");
    stream.WriteString(name, "Name of the PuzzleSet");
    stream.WriteRgba(baseColor, "Base color for backgrounds or buttons.");
    stream.WriteString(backgroundImage, "Background Image filename.");
    request.Write(stream);
    stream.WriteInt32(static_cast<int32_t>(descriptors.size()), "Number of PuzzleDescriptors to follow");
    for (const PuzzleDescriptor& descriptor : descriptors) {
        descriptor.Write(stream);
    }
    stream.WriteBlockEnd();
}

void PuzzleSetDescriptor::Read(ResourceStream& stream)
{
    PuzzleSetDescriptor read;
    ReadRecordBlockBegin(stream);
    stream.ReadInt32(); // the version: only one has ever been written
    read.name = stream.ReadString();
    read.baseColor = stream.ReadRgba();
    read.backgroundImage = stream.ReadString();
    read.request.Read(stream);
    const int count =
        ReadRecordCount(stream, MAX_PUZZLE_SET_DESCRIPTORS, "puzzle descriptors", "PuzzleSetDescriptor::Read");
    for (int i = 0; i < count; ++i) {
        read.descriptors.emplace_back(stream);
    }
    ReadRecordBlockEnd(stream);
    read.setID = read.name;
    *this = std::move(read);
}

} // namespace Pemberquill
