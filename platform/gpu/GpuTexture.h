#pragma once

#include "platform/gpu/GpuTypes.h"

namespace platform {

// An image on the graphics device. The device that made it keeps a copy of
// its texels, so what Lock exposes is always the texture's current content
// and survives a lost device.
class GpuTexture {
 public:
  virtual ~GpuTexture() = default;

  // The size of the texture's surface in texels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual GpuTextureFormat Format() const = 0;

  // Exposes every texel in the layout of Format() (see GpuTextureFormat) for
  // reading and writing until Unlock, which hands the changes to the device.
  // A second Lock before Unlock is refused (null bits).
  virtual GpuLockedRect Lock() = 0;
  virtual void Unlock() = 0;

 protected:
  GpuTexture() = default;
  GpuTexture(const GpuTexture&) = delete;
  GpuTexture& operator=(const GpuTexture&) = delete;
};

}  // namespace platform
