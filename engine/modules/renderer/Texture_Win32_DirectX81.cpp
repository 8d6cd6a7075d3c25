#include "engine/modules/renderer/Texture_Win32_DirectX81.h"

#include <cstring>

#include "engine/core/Diagnostics.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "platform/gpu/GpuDevice.h"

namespace {

constexpr const char* POPULATE_TITLE = "Texture_Win32_DirectX81::PopulateFromImage";

platform::GpuTextureFormat DeviceFormatOf(const Image& image) {
  switch (image.GetFormat()) {
    case Image::IMAGE_FORMAT_RGB:
      return platform::GpuTextureFormat::Rgb;
    case Image::IMAGE_FORMAT_RGBA:
      return platform::GpuTextureFormat::Rgba;
    case Image::IMAGE_FORMAT_GREY:
      return platform::GpuTextureFormat::Luminance;
    case Image::IMAGE_FORMAT_GREY_ALPHA:
      return platform::GpuTextureFormat::LuminanceAlpha;
    default:
      ULVO_ERROR(Stringf("Invalid pixel format %d for image '%s'", image.GetFormat(),
                         image.GetName().c_str()),
                 "Texture_Win32_DirectX81::GetImageD3DPixelFormat");
  }
}

UlvoRendererBasic_Win32_DirectX81* DefaultPlatformRenderer() {
  return dynamic_cast<UlvoRendererBasic_Win32_DirectX81*>(
      UlvoRendererInterface::GetDefaultInstance());
}

// One texel from one pixel of the image; the device keeps colour channels in
// the order blue, green, red.
void CopyPixel(const unsigned char* source, int sourceBytesPerPixel, uint8_t* texel) {
  switch (sourceBytesPerPixel) {
    case 1:
      texel[0] = source[0];
      break;
    case 2:
      texel[0] = source[0];
      texel[1] = source[1];
      break;
    case 3:
      texel[0] = source[2];
      texel[1] = source[1];
      texel[2] = source[0];
      break;
    case 4:
      texel[0] = source[2];
      texel[1] = source[1];
      texel[2] = source[0];
      texel[3] = source[3];
      break;
    default:
      ULVO_ERROR(Stringf("invalid srcBytesPerPixel = %d", sourceBytesPerPixel), POPULATE_TITLE);
  }
}

}  // namespace

Texture_Win32_DirectX81::Texture_Win32_DirectX81() = default;

Texture_Win32_DirectX81::~Texture_Win32_DirectX81() { ReleaseDeviceTexture(); }

platform::GpuTexture* Texture_Win32_DirectX81::ResolveDeviceTexture(Texture* texture) {
  auto* platformTexture = dynamic_cast<Texture_Win32_DirectX81*>(texture);
  return platformTexture != nullptr ? platformTexture->GetDeviceTexture() : nullptr;
}

void Texture_Win32_DirectX81::PopulateFromImage(const Image& image, bool tiled) {
  Texture::PopulateFromImage(image, tiled);
  m_tiled = tiled;
  ReleaseDeviceTexture();
  const platform::GpuTextureFormat format = DeviceFormatOf(image);

  UlvoRendererBasic_Win32_DirectX81* renderer = DefaultPlatformRenderer();
  platform::GpuDevice* device = renderer != nullptr ? renderer->GetDevice() : nullptr;
  if (device == nullptr) {
    ConsolePrintf("WARNING: no graphics device; the texture of image '%s' stays empty\n",
                  image.GetName().c_str());
    return;
  }
  std::unique_ptr<platform::GpuTexture> deviceTexture =
      device->CreateTexture(GetWidth(), GetHeight(), format);
  if (deviceTexture == nullptr) {
    ConsolePrintf("WARNING: no %d x %d texture for image '%s' (%s); it stays empty\n", GetWidth(),
                  GetHeight(), image.GetName().c_str(), device->LastError().c_str());
    return;
  }
  // Checked before the copy: an image of another size than the surface would
  // leave texels unfilled or write past the surface.
  if (deviceTexture->Width() != GetWidth()) {
    ULVO_ERROR(Stringf("Unexpected: srcWidth (%d) and surface width (%d) are inequal for image %s\n",
                       GetWidth(), deviceTexture->Width(), image.GetName().c_str()),
               POPULATE_TITLE);
  }
  if (deviceTexture->Height() != GetHeight()) {
    ULVO_ERROR(
        Stringf("Unexpected: srcHeight (%d) and surface height (%d) are inequal for image %s\n",
                GetHeight(), deviceTexture->Height(), image.GetName().c_str()),
        POPULATE_TITLE);
  }
  if (!CopyPixels(image, *deviceTexture)) {
    ConsolePrintf("WARNING: the texture of image '%s' could not be filled; it stays empty\n",
                  image.GetName().c_str());
    return;
  }
  m_surfaceWidth = deviceTexture->Width();
  m_surfaceHeight = deviceTexture->Height();
  m_deviceTexture = std::move(deviceTexture);
}

bool Texture_Win32_DirectX81::CopyPixels(const Image& image,
                                         platform::GpuTexture& deviceTexture) const {
  const platform::GpuLockedRect locked = deviceTexture.Lock();
  if (locked.bits == nullptr) {
    return false;
  }
  const int width = GetWidth();
  const int sourceBytesPerPixel = image.GetBytesPerPixel();
  const int texelSize = platform::BytesPerTexel(deviceTexture.Format());
  const unsigned char* pixels = image.GetPixels();
  for (int y = 0; y < GetHeight(); ++y) {
    uint8_t* row = locked.bits + static_cast<size_t>(y) * locked.pitch;
    // A channel the image lacks (alpha, the spare byte of an RGB texel)
    // reads 255.
    std::memset(row, 0, static_cast<size_t>(locked.pitch));
    std::memset(row, 0xFF, static_cast<size_t>(width) * texelSize);
    const unsigned char* source = pixels + static_cast<size_t>(y) * width * sourceBytesPerPixel;
    for (int x = 0; x < width; ++x) {
      CopyPixel(source + static_cast<size_t>(x) * sourceBytesPerPixel, sourceBytesPerPixel,
                row + static_cast<size_t>(x) * texelSize);
    }
  }
  deviceTexture.Unlock();
  return true;
}

void Texture_Win32_DirectX81::ReleaseDeviceTexture() {
  if (m_deviceTexture == nullptr) {
    return;
  }
  for (size_t i = 0; i < UlvoRendererInterface::GetInstanceCount(); ++i) {
    if (auto* renderer =
            dynamic_cast<UlvoRendererBasic_Win32_DirectX81*>(UlvoRendererInterface::GetInstance(i))) {
      renderer->OnDeviceTextureReleased(m_deviceTexture.get());
    }
  }
  m_deviceTexture.reset();
  m_surfaceWidth = 0;
  m_surfaceHeight = 0;
}
