#include "platform/gpu/GpuTypes.h"

namespace platform {

int BytesPerTexel(GpuTextureFormat format) {
  switch (format) {
    case GpuTextureFormat::Rgb:
    case GpuTextureFormat::Rgba:
      return 4;
    case GpuTextureFormat::Luminance:
      return 1;
    case GpuTextureFormat::LuminanceAlpha:
      return 2;
  }
  return 4;
}

}  // namespace platform
