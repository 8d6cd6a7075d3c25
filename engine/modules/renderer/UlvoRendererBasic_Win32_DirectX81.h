#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/core/EventRecipient.h"
#include "engine/modules/renderer/UlvoRendererBasic.h"

class NamedProperties;

namespace platform {
class GpuDevice;
class GpuTexture;
struct GpuVertex;
}  // namespace platform

// The renderer on the platform's graphics device. It owns the device, made
// at Startup on the application's window with a back buffer of the client
// area's size, brackets each frame with begin scene (Update) and end scene
// and present (Render), and brings a lost device back: while the device is
// lost every draw and state call does nothing, and each Render tries one
// reset.
//
// Render-to-texture requests are drawn into a scratch back buffer of the
// region's size (at most the texture's), so that the size of the window
// never cuts them; the frame's back buffer is rebuilt afterwards.
class UlvoRendererBasic_Win32_DirectX81 : public UlvoRendererBasic, public EventRecipient {
 public:
  // Makes the device on the window with the given back-buffer size; null,
  // with the reason in *error, when it cannot.
  using GpuDeviceFactory = std::function<std::unique_ptr<platform::GpuDevice>(
      platform::Window* window, const IntVector2& backBufferSize, std::string* error)>;

  static constexpr const char* STARTUP_TITLE = "UlvoRendererBasic_Win32_DirectX81::Startup";

  // A renderer on SDL's renderer.
  static std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> Create();

  explicit UlvoRendererBasic_Win32_DirectX81(GpuDeviceFactory deviceFactory);
  ~UlvoRendererBasic_Win32_DirectX81() override;

  // Needs the default application; draws into the window handed over by
  // SetDeviceContext, or else the application's. Without an application, or
  // when the device cannot be made, start-up fails with an UlvoException.
  // Fires "RendererStartupEvent" once the device and the default font are
  // ready.
  void Startup() override;
  void Shutdown() override;
  void Update() override;
  void Render() override;
  // A client area without width or height (a minimised window) keeps the
  // back buffer as it is.
  void OnWindowResize(const IntVector2& clientSize) override;

  void SetViewport(const IntVector2& topLeft, const IntVector2& size) override;
  void SetBlendMode(int sourceFactor, int destinationFactor) override;
  void Clear(const Rgba& color) override;
  void SetTransform(float minX, float minY, float maxX, float maxY) override;
  void SetTexture(Texture* texture) override;

  void DrawLine(const Vector2& from, const Vector2& to, const Rgba& fromColor,
                const Rgba& toColor, float thickness, bool mitredEnds) override;
  void DrawQuad(const Vector2& p0, const Vector2& p1, const Vector2& p2, const Vector2& p3,
                const Rgba& c0, const Rgba& c1, const Rgba& c2, const Rgba& c3, bool filled,
                float outlineThickness) override;
  void DrawTexturedQuad(Texture* texture, const Vector2& mins, const Vector2& maxs,
                        const Rgba& tint, const Vector2& textureMins,
                        const Vector2& textureMaxs) override;

  // Only bitmap fonts are drawn here: text in a descriptor's face measures
  // (0, 0) and draws nothing.
  Vector2 GetTextExtent(const FontDescriptor* font, const std::string& text) const override;
  void DrawTextAt(const FontDescriptor* font, const Vector2& position, const std::string& text,
                  const Rgba& color) override;
  // For the same reason, the scale that fits such text to a space is always
  // 1: it takes no room to shrink or grow.
  virtual float GetTextScaleToFit(const FontDescriptor* font, const std::string& text,
                                  float width, float height) const;
  virtual float GetTextScaleForHeight(const FontDescriptor* font, const std::string& text,
                                      float height) const;
  virtual float GetTextScaleToFitBox(const FontDescriptor* font, const std::string& text,
                                     const Vector2& mins, const Vector2& maxs, float size,
                                     int verticalAlignment, int horizontalAlignment) const;
  virtual float GetTextScaleToFitLine(const FontDescriptor* font, const std::string& text,
                                      const Vector2& from, const Vector2& to, float size,
                                      float margin) const;
  virtual void GetTextScaleInBox(Vector2& outScale, const FontDescriptor* font,
                                 const std::string& text, const Vector2& mins,
                                 const Vector2& maxs, float size) const;

  // Null before Startup and after Shutdown. Textures are made on it.
  platform::GpuDevice* GetDevice() const { return m_device.get(); }
  bool IsDeviceLost() const { return m_deviceLost; }
  const IntVector2& GetBackBufferSize() const { return m_backBufferSize; }

  // A texture's device copy is about to go: it must not be taken for the
  // texture last set, should a new one be made at the same address.
  void OnDeviceTextureReleased(const platform::GpuTexture* texture);

  // Shows the application's window, brings it to the front and focuses it.
  void Event_OnForceMinimizeRestoreAndFocus(NamedProperties& args);

 protected:
  void ExecuteEnqueuedDynamicTextureUpdateRequest(
      const DynamicTextureUpdateRequest& request) override;

 private:
  bool IsDeviceUsable() const { return m_device != nullptr && !m_deviceLost; }
  void ApplyDefaultRenderStates();
  // Tests whether the device can be reset and, if so, resets it with the
  // frame's back-buffer size.
  void ResetDevice();
  void ReportResetFailure(int result);
  // Rebuilds the back buffer at the size unless it has it already; a failure
  // leaves the device lost.
  bool ResizeBackBuffer(const IntVector2& size);
  void DrawFan(const platform::GpuVertex* vertices, int count);

  GpuDeviceFactory m_deviceFactory;
  std::unique_ptr<platform::GpuDevice> m_device;
  IntVector2 m_backBufferSize;
  bool m_deviceLost = false;
  const platform::GpuTexture* m_lastTexture = nullptr;
};
