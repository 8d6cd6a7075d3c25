#pragma once

#include <cstdint>
#include <memory>

#include "engine/modules/renderer/Texture.h"

namespace platform {
class GpuTexture;
}

// A texture on the default renderer's graphics device. The device keeps a
// copy of the texels, so the texture survives a lost device without being
// filled again.
class Texture_Win32_DirectX81 : public Texture {
 public:
  Texture_Win32_DirectX81();
  ~Texture_Win32_DirectX81() override;

  // Creates the device texture in the image's format and copies the pixels
  // in: red, green, blue become the device's blue, green, red order; a
  // channel the image lacks reads 255. An image format other than the four
  // known ones, or a device surface of another size than the image, is a
  // fatal engine error. Without a renderer device, or when the device cannot
  // make the texture, a warning is logged and the texture stays empty: it
  // draws nothing.
  void PopulateFromImage(const Image& image, bool tiled) override;

  // Null for a null texture, a texture of another kind or one left empty.
  static platform::GpuTexture* ResolveDeviceTexture(Texture* texture);

  platform::GpuTexture* GetDeviceTexture() const { return m_deviceTexture.get(); }
  bool IsTiled() const { return m_tiled; }
  // The device surface's size, (0, 0) while empty.
  IntVector2 GetSurfaceSize() const { return IntVector2(m_surfaceWidth, m_surfaceHeight); }

 private:
  void ReleaseDeviceTexture();
  // False when the device refuses to expose the texels.
  bool CopyPixels(const Image& image, platform::GpuTexture& deviceTexture) const;

  std::unique_ptr<platform::GpuTexture> m_deviceTexture;
  bool m_tiled = false;
  int32_t m_surfaceWidth = 0;
  int32_t m_surfaceHeight = 0;
};
