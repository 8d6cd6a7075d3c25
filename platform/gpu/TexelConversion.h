#pragma once

#include <cstdint>

#include "platform/gpu/GpuTypes.h"

namespace platform {

// Converts `count` texels of the format into pixels of four bytes each in the
// order blue, green, red, alpha: the layout the device uploads.
void TexelsToBgra(GpuTextureFormat format, const uint8_t* texels, int count, uint8_t* bgra);

// Converts `count` pixels read from the back buffer (blue, green, red,
// alpha) into opaque texels of the format; grey formats take the pixel's
// luminance.
void BgraToTexels(GpuTextureFormat format, const uint8_t* bgra, int count, uint8_t* texels);

}  // namespace platform
