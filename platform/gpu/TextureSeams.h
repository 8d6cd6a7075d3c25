#pragma once

#include <vector>

#include "platform/gpu/GpuTypes.h"

namespace platform {

// SDL's renderer takes texture coordinates in 0..1 only and has no address
// modes. A triangle whose coordinates leave that range is therefore cut at
// the texture's seams into pieces that each lie within one repeat of the
// texture (Wrap), or within one of the regions where clamping either keeps a
// coordinate or pins it to an edge (Clamp). Inside one piece the address mode
// is a plain shift or clamp, so the piece's coordinates can be rewritten into
// 0..1 with the picture, positions and colours staying exactly where they were.
// A coordinate clamped to an edge is pinned to the centre of the edge texel:
// it shows the same colour, and no lookup can stray past the texture.

// The most pieces one triangle may be cut into; beyond that it is not drawn.
constexpr int kMaxSeamPieces = 4096;

// True when every texture coordinate of the vertices lies in 0..1.
bool TextureCoordinatesInRange(const GpuVertex* vertices, int count);

// Appends to `triangles` (three vertices each) the pieces that draw the
// triangle a, b, c under the address mode on a texture of the given size in
// texels. Returns false and appends nothing when a texture coordinate is not
// finite or the triangle would need more than kMaxSeamPieces pieces.
bool SplitTriangleAtTextureSeams(const GpuVertex& a, const GpuVertex& b, const GpuVertex& c,
                                 GpuAddressMode mode, int textureWidth, int textureHeight,
                                 std::vector<GpuVertex>& triangles);

}  // namespace platform
