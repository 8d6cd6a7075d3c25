#pragma once

#include <memory>
#include <string>

#include "platform/gpu/GpuTexture.h"
#include "platform/gpu/GpuTypes.h"
#include "platform/gpu/OrthographicProjection.h"

namespace platform {

// The graphics device the 2-D renderer draws through: one back buffer, a
// small set of fixed states and triangle fans. Abstract so that tests can put
// a recorder in place of the real device and check the geometry it is given.
//
// Fixed behaviour of every device: triangles are never culled, vertex colours
// modulate the texture's colour and alpha, textures are filtered linearly,
// and there is no depth test.
//
// A device can be lost (the graphics driver took its resources away). From
// then on draws and clears do nothing, Present reports DeviceLost, and
// TestDeviceState says when Reset can bring the device back. Textures keep
// their content across a loss; Reset restores them.
class GpuDevice {
 public:
  virtual ~GpuDevice() = default;

  // Draws are accepted only between BeginScene and EndScene.
  virtual GpuResult BeginScene() = 0;
  virtual GpuResult EndScene() = 0;
  // Shows the back buffer in the window.
  virtual GpuResult Present() = 0;

  // Ok while the device is usable; DeviceLost or DeviceNotReset once lost.
  virtual GpuResult TestDeviceState() = 0;
  // Rebuilds the back buffer at the given size and brings a lost device
  // back. Resets every state below to its default: the viewport to the whole
  // back buffer, the projection to the identity, the blend to
  // (SourceAlpha, InverseSourceAlpha), no texture, clamp addressing.
  virtual GpuResult Reset(int backBufferWidth, int backBufferHeight) = 0;
  virtual int BackBufferWidth() const = 0;
  virtual int BackBufferHeight() const = 0;

  // The rectangle of the back buffer that the projection maps onto; nothing
  // is drawn outside it. It may reach beyond the back buffer (what lies
  // outside is cut off); a negative size is refused.
  virtual GpuResult SetViewport(const GpuRect& viewport) = 0;
  virtual void SetProjection(const OrthographicProjection& projection) = 0;
  virtual void SetBlendMode(GpuBlendFactor source, GpuBlendFactor destination) = 0;
  // The texture of the following fans, or null for plain colour. A texture
  // that this device did not make counts as null.
  virtual void SetTexture(GpuTexture* texture) = 0;
  virtual void SetTextureAddressMode(GpuAddressMode mode) = 0;

  // Fills the whole back buffer, whatever the viewport.
  virtual void Clear(GpuColor color) = 0;
  // One convex polygon drawn as the triangles (0, i, i + 1); at least three
  // vertices. Positions go through the projection and the viewport.
  virtual GpuResult DrawTriangleFan(const GpuVertex* vertices, int count) = 0;

  // A texture of the given size and format, its texels all zero; null when
  // the size is not positive or the device cannot hold it (LastError says
  // why). May be called while the device is lost.
  virtual std::unique_ptr<GpuTexture> CreateTexture(int width, int height,
                                                    GpuTextureFormat format) = 0;
  // Copies the back buffer's pixels in `source` into the texture with their
  // top-left at (destinationX, destinationY), converted to the texture's
  // format and fully opaque. The part of either rectangle that lies outside
  // its surface is left out; InvalidCall when nothing is left to copy.
  virtual GpuResult CopyBackBufferToTexture(const GpuRect& source, GpuTexture& destination,
                                            int destinationX, int destinationY) = 0;

  // Why the last call that failed with Failed or a null texture failed.
  virtual const std::string& LastError() const = 0;

 protected:
  GpuDevice() = default;
  GpuDevice(const GpuDevice&) = delete;
  GpuDevice& operator=(const GpuDevice&) = delete;
};

}  // namespace platform
