#include "platform/gpu/SdlGpuTexture.h"

#include "platform/gpu/SdlGpuDevice.h"
#include "platform/gpu/TexelConversion.h"

namespace platform {

SdlGpuTexture::SdlGpuTexture(SdlGpuDevice* device, int width, int height,
                             GpuTextureFormat format)
    : device_(device),
      width_(width),
      height_(height),
      format_(format),
      texels_(static_cast<size_t>(width) * static_cast<size_t>(height) *
                  static_cast<size_t>(BytesPerTexel(format)),
              0) {}

SdlGpuTexture::~SdlGpuTexture() {
  if (device_ != nullptr) {
    device_->ForgetTexture(this);
  }
}

GpuLockedRect SdlGpuTexture::Lock() {
  if (locked_) {
    return {};
  }
  locked_ = true;
  return {texels_.data(), Pitch()};
}

void SdlGpuTexture::Unlock() {
  if (!locked_) {
    return;
  }
  locked_ = false;
  std::string error;
  if (!Upload({0, 0, width_, height_}, &error) && device_ != nullptr) {
    device_->SetLastError(error);
  }
}

bool SdlGpuTexture::CreateGpuCopy(SDL_Renderer* renderer, std::string* error) {
  gpuCopy_.reset(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_BGRA32, SDL_TEXTUREACCESS_STREAMING,
                                   width_, height_));
  if (!gpuCopy_) {
    *error = SDL_GetError();
    return false;
  }
  SDL_SetTextureScaleMode(gpuCopy_.get(), SDL_ScaleModeLinear);
  if (!Upload({0, 0, width_, height_}, error)) {
    gpuCopy_.reset();
    return false;
  }
  return true;
}

void SdlGpuTexture::DetachFromDevice() {
  gpuCopy_.reset();
  device_ = nullptr;
}

bool SdlGpuTexture::Upload(const SDL_Rect& region, std::string* error) {
  if (!gpuCopy_) {
    return true;
  }
  const int bytesPerTexel = BytesPerTexel(format_);
  int result = 0;
  if (format_ == GpuTextureFormat::Rgba) {
    result = SDL_UpdateTexture(gpuCopy_.get(), &region, TexelRow(region.y) + region.x * bytesPerTexel,
                               Pitch());
  } else {
    std::vector<uint8_t> bgra(static_cast<size_t>(region.w) * static_cast<size_t>(region.h) * 4);
    for (int row = 0; row < region.h; ++row) {
      TexelsToBgra(format_, TexelRow(region.y + row) + region.x * bytesPerTexel, region.w,
                   bgra.data() + static_cast<size_t>(row) * region.w * 4);
    }
    result = SDL_UpdateTexture(gpuCopy_.get(), &region, bgra.data(), region.w * 4);
  }
  if (result != 0) {
    *error = SDL_GetError();
    return false;
  }
  return true;
}

}  // namespace platform
