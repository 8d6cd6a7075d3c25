#pragma once

#include <SDL.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/gpu/GpuDevice.h"
#include "platform/gpu/SdlHandles.h"

namespace platform {

class SdlGpuTexture;

// The graphics device on SDL's renderer. The back buffer is a render-target
// texture of the size given at creation or reset; Present stretches it over
// the window. SDL reports a lost device with SDL_RENDER_TARGETS_RESET or
// SDL_RENDER_DEVICE_RESET; either one makes this device lost until Reset,
// which makes the back buffer and every texture again from the texel copies
// the textures keep.
class SdlGpuDevice final : public GpuDevice {
 public:
  // A device with a renderer of its own on the window (a window holds one
  // renderer at most), which must outlive the device. Null, with SDL's reason
  // in *error, when SDL cannot make a renderer with render targets or the
  // back buffer.
  static std::unique_ptr<SdlGpuDevice> Create(SDL_Window* window, int backBufferWidth,
                                              int backBufferHeight, std::string* error);
  ~SdlGpuDevice() override;

  GpuResult BeginScene() override;
  GpuResult EndScene() override;
  GpuResult Present() override;

  GpuResult TestDeviceState() override;
  GpuResult Reset(int backBufferWidth, int backBufferHeight) override;
  int BackBufferWidth() const override { return backBufferWidth_; }
  int BackBufferHeight() const override { return backBufferHeight_; }

  GpuResult SetViewport(const GpuRect& viewport) override;
  void SetProjection(const OrthographicProjection& projection) override;
  void SetBlendMode(GpuBlendFactor source, GpuBlendFactor destination) override;
  void SetTexture(GpuTexture* texture) override;
  void SetTextureAddressMode(GpuAddressMode mode) override;

  void Clear(GpuColor color) override;
  GpuResult DrawTriangleFan(const GpuVertex* vertices, int count) override;

  std::unique_ptr<GpuTexture> CreateTexture(int width, int height,
                                            GpuTextureFormat format) override;
  GpuResult CopyBackBufferToTexture(const GpuRect& source, GpuTexture& destination,
                                    int destinationX, int destinationY) override;

  const std::string& LastError() const override { return lastError_; }

  // Acts as if the graphics driver had taken the device away, as SDL's
  // device-reset event says: the back buffer and the SDL textures are gone
  // and the device is lost until Reset. For tests.
  void SimulateDeviceLoss();

  // The back buffer's pixels inside the rectangle, row by row from the top;
  // empty when the rectangle does not lie inside the back buffer or the
  // device is lost. For tests.
  std::vector<GpuColor> ReadBackBuffer(const GpuRect& rect);

 private:
  friend class SdlGpuTexture;

  explicit SdlGpuDevice(SdlRendererPtr renderer);

  static int WatchEvents(void* device, SDL_Event* event);

  // Takes note of a loss that SDL or a test signalled; true while lost.
  bool IsLost();
  void LoseDevice();
  bool MakeBackBuffer(int width, int height);
  void RestoreDefaultStates();
  void ApplyViewport();
  GpuResult DrawTriangles(SDL_Texture* texture, const int* indices, int indexCount);
  bool ValidSurfaceSize(int width, int height) const;
  bool ReadPixels(const SDL_Rect& rect, Uint32 format, void* pixels, int pitch);
  SdlGpuTexture* OwnTexture(GpuTexture* texture) const;
  void ForgetTexture(SdlGpuTexture* texture);
  void SetLastError(const std::string& error) { lastError_ = error; }

  SdlRendererPtr renderer_;
  int maxTextureWidth_ = 0;
  int maxTextureHeight_ = 0;
  bool softwareRenderer_ = false;
  SdlTexturePtr backBuffer_;
  int backBufferWidth_ = 0;
  int backBufferHeight_ = 0;

  std::atomic<bool> lossSignalled_{false};
  bool lost_ = false;
  bool inScene_ = false;

  GpuRect viewport_;
  OrthographicProjection projection_;
  SDL_BlendMode blendMode_ = SDL_BLENDMODE_BLEND;
  SdlGpuTexture* texture_ = nullptr;
  GpuAddressMode addressMode_ = GpuAddressMode::Clamp;

  // Every live texture made by this device, to be remade after a reset.
  std::vector<SdlGpuTexture*> textures_;
  std::string lastError_;

  // Kept between draws so that drawing does not allocate.
  std::vector<GpuVertex> projected_;
  std::vector<GpuVertex> pieces_;
  std::vector<SDL_Vertex> sdlVertices_;
  std::vector<int> fanIndices_;
};

}  // namespace platform
