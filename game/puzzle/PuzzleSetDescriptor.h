#pragma once

#include "engine/core/Rgba.h"
#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleRequest.h"

#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

// The content of one ".PuzzleSet" file: what a campaign location shows and
// which puzzles it holds. Most sets list no puzzles of their own and take
// theirs from the recipe book that matches their request.
struct PuzzleSetDescriptor {
    std::string name;
    Rgba baseColor;
    std::string backgroundImage; // file name under "Images/Backgrounds/"
    PuzzleRequest request;
    std::vector<PuzzleDescriptor> descriptors; // the set's own puzzles; may be empty
    std::string setID;                         // names the player's progress record

    PuzzleSetDescriptor() = default;
    // A malformed file throws UlvoException.
    explicit PuzzleSetDescriptor(ResourceStream& stream);

    void Write(ResourceStream& stream) const;
    // Replaces everything with the record; the set ID becomes the name. A
    // malformed record throws UlvoException and leaves this descriptor as it
    // was.
    void Read(ResourceStream& stream);
};

} // namespace Pemberquill
