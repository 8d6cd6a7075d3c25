#pragma once

#include <cstdint>

namespace platform {

struct GpuColor {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 255;
};

inline bool operator==(const GpuColor& left, const GpuColor& right) {
  return left.r == right.r && left.g == right.g && left.b == right.b && left.a == right.a;
}
inline bool operator!=(const GpuColor& left, const GpuColor& right) { return !(left == right); }

// One corner of a triangle fan: a position in the units of the current
// projection, its colour (which modulates the texture when one is set) and
// texture coordinates (0..1 across the texture, (0, 0) at its top-left).
struct GpuVertex {
  float x = 0.0f;
  float y = 0.0f;
  GpuColor color;
  float u = 0.0f;
  float v = 0.0f;
};

// A rectangle in pixels of the back buffer or of a texture.
struct GpuRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class GpuResult {
  Ok,
  // The device is lost and cannot be reset yet; draws do nothing meanwhile.
  DeviceLost,
  // The device is lost and Reset will bring it back now.
  DeviceNotReset,
  // Arguments or call order the device refuses; nothing was done.
  InvalidCall,
  // The graphics library failed; GpuDevice::LastError says why.
  Failed,
};

// The factors of the blend equation result = source * S + destination * D.
enum class GpuBlendFactor {
  Zero,
  One,
  SourceColor,
  InverseSourceColor,
  SourceAlpha,
  InverseSourceAlpha,
  DestinationColor,
  InverseDestinationColor,
  DestinationAlpha,
  InverseDestinationAlpha,
};

// What a texture shows where texture coordinates leave 0..1.
enum class GpuAddressMode {
  Clamp,  // the edge texels stretch outward
  Wrap,   // the texture repeats
};

// Texture formats and the bytes of one texel as Lock presents them:
//   Rgb             4 bytes: blue, green, red, unused (the texture is opaque)
//   Rgba            4 bytes: blue, green, red, alpha
//   Luminance       1 byte:  luminance (drawn as grey, opaque)
//   LuminanceAlpha  2 bytes: luminance, alpha
enum class GpuTextureFormat {
  Rgb,
  Rgba,
  Luminance,
  LuminanceAlpha,
};

int BytesPerTexel(GpuTextureFormat format);

// A locked texture's texels: rows of `pitch` bytes, top row first. `bits` is
// null when the lock was refused.
struct GpuLockedRect {
  uint8_t* bits = nullptr;
  int pitch = 0;
};

}  // namespace platform
