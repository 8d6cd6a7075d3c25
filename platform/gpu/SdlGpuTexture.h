#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gpu/GpuTexture.h"
#include "platform/gpu/SdlHandles.h"

namespace platform {

class SdlGpuDevice;

// A texture of SdlGpuDevice: a copy of the texels in memory, which Lock
// exposes, and a streaming SDL texture made from it. The SDL texture goes
// with a lost device and is made again from the copy when the device is
// reset. A texture that outlives its device keeps its texels and can still be
// locked, but draws nowhere.
class SdlGpuTexture final : public GpuTexture {
 public:
  ~SdlGpuTexture() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  GpuTextureFormat Format() const override { return format_; }
  GpuLockedRect Lock() override;
  void Unlock() override;

 private:
  friend class SdlGpuDevice;

  SdlGpuTexture(SdlGpuDevice* device, int width, int height, GpuTextureFormat format);

  const SdlGpuDevice* Device() const { return device_; }
  bool IsLocked() const { return locked_; }
  SDL_Texture* GpuCopy() const { return gpuCopy_.get(); }
  uint8_t* TexelRow(int y) { return texels_.data() + static_cast<size_t>(y) * Pitch(); }
  int Pitch() const { return width_ * BytesPerTexel(format_); }

  // Makes the SDL texture from the texels; false, with SDL's reason in
  // *error, when SDL cannot.
  bool CreateGpuCopy(SDL_Renderer* renderer, std::string* error);
  void ReleaseGpuCopy() { gpuCopy_.reset(); }
  void DetachFromDevice();
  // Hands the texels inside the region to the SDL texture, if there is one;
  // false, with SDL's reason in *error, when SDL refuses them.
  bool Upload(const SDL_Rect& region, std::string* error);

  SdlGpuDevice* device_;
  int width_;
  int height_;
  GpuTextureFormat format_;
  std::vector<uint8_t> texels_;
  SdlTexturePtr gpuCopy_;
  bool locked_ = false;
};

}  // namespace platform
