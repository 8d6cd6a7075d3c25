#include "platform/gpu/TexelConversion.h"

namespace platform {

namespace {

void WriteBgra(uint8_t* out, uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
  out[0] = b;
  out[1] = g;
  out[2] = r;
  out[3] = a;
}

// ITU-R BT.601 weights, the ones grey-scale images are usually made with.
uint8_t Luminance(const uint8_t* bgra) {
  return static_cast<uint8_t>((bgra[2] * 299 + bgra[1] * 587 + bgra[0] * 114 + 500) / 1000);
}

}  // namespace

void TexelsToBgra(GpuTextureFormat format, const uint8_t* texels, int count, uint8_t* bgra) {
  for (int i = 0; i < count; ++i, bgra += 4) {
    switch (format) {
      case GpuTextureFormat::Rgb:
        WriteBgra(bgra, texels[4 * i], texels[4 * i + 1], texels[4 * i + 2], 255);
        break;
      case GpuTextureFormat::Rgba:
        WriteBgra(bgra, texels[4 * i], texels[4 * i + 1], texels[4 * i + 2], texels[4 * i + 3]);
        break;
      case GpuTextureFormat::Luminance:
        WriteBgra(bgra, texels[i], texels[i], texels[i], 255);
        break;
      case GpuTextureFormat::LuminanceAlpha:
        WriteBgra(bgra, texels[2 * i], texels[2 * i], texels[2 * i], texels[2 * i + 1]);
        break;
    }
  }
}

void BgraToTexels(GpuTextureFormat format, const uint8_t* bgra, int count, uint8_t* texels) {
  for (int i = 0; i < count; ++i, bgra += 4) {
    switch (format) {
      case GpuTextureFormat::Rgb:
      case GpuTextureFormat::Rgba:
        WriteBgra(texels + 4 * i, bgra[0], bgra[1], bgra[2], 255);
        break;
      case GpuTextureFormat::Luminance:
        texels[i] = Luminance(bgra);
        break;
      case GpuTextureFormat::LuminanceAlpha:
        texels[2 * i] = Luminance(bgra);
        texels[2 * i + 1] = 255;
        break;
    }
  }
}

}  // namespace platform
