#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"

#include <algorithm>
#include <utility>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "platform/gpu/GpuDevice.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "platform/system/HighResolutionCounter.h"
#include "platform/window/Window.h"

using platform::GpuResult;
using platform::GpuVertex;

namespace {

constexpr unsigned LOST_DEVICE_SLEEP_MILLISECONDS = 10;
const Rgba OPAQUE_BLACK(0, 0, 0, 255);

platform::GpuColor ToGpuColor(const Rgba& color) { return {color.r, color.g, color.b, color.a}; }

GpuVertex ColoredVertex(const Vector2& position, const Rgba& color) {
  GpuVertex vertex;
  vertex.x = position.x;
  vertex.y = position.y;
  vertex.color = ToGpuColor(color);
  return vertex;
}

GpuVertex TexturedVertex(float x, float y, const Rgba& color, float u, float v) {
  GpuVertex vertex;
  vertex.x = x;
  vertex.y = y;
  vertex.color = ToGpuColor(color);
  vertex.u = u;
  vertex.v = v;
  return vertex;
}

platform::GpuBlendFactor ToGpuBlendFactor(int factor) {
  switch (factor) {
    case ULVO_BLEND_ZERO:
      return platform::GpuBlendFactor::Zero;
    case ULVO_BLEND_SOURCE_COLOR:
      return platform::GpuBlendFactor::SourceColor;
    case ULVO_BLEND_INVERSE_SOURCE_COLOR:
      return platform::GpuBlendFactor::InverseSourceColor;
    case ULVO_BLEND_SOURCE_ALPHA:
      return platform::GpuBlendFactor::SourceAlpha;
    case ULVO_BLEND_INVERSE_SOURCE_ALPHA:
      return platform::GpuBlendFactor::InverseSourceAlpha;
    case ULVO_BLEND_DESTINATION_COLOR:
      return platform::GpuBlendFactor::DestinationColor;
    case ULVO_BLEND_INVERSE_DESTINATION_COLOR:
      return platform::GpuBlendFactor::InverseDestinationColor;
    case ULVO_BLEND_DESTINATION_ALPHA:
      return platform::GpuBlendFactor::DestinationAlpha;
    case ULVO_BLEND_INVERSE_DESTINATION_ALPHA:
      return platform::GpuBlendFactor::InverseDestinationAlpha;
    default:
      return platform::GpuBlendFactor::One;
  }
}

// A device cannot have a back buffer without pixels, even for a window that
// has none yet.
IntVector2 BackBufferSizeFor(const IntVector2& clientSize) {
  return IntVector2(std::max(clientSize.x, 1), std::max(clientSize.y, 1));
}

// The pixels of a region that a texture can take: the region's size cut to
// the texture's, 0 for an empty or malformed region.
int CopyableExtent(float regionExtent, int textureExtent) {
  const float extent = std::min(regionExtent, static_cast<float>(textureExtent));
  return extent >= 1.0f ? static_cast<int>(extent) : 0;
}

}  // namespace

std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> UlvoRendererBasic_Win32_DirectX81::Create() {
  return std::make_unique<UlvoRendererBasic_Win32_DirectX81>(
      [](platform::Window* window, const IntVector2& backBufferSize,
         std::string* error) -> std::unique_ptr<platform::GpuDevice> {
        return platform::SdlGpuDevice::Create(window != nullptr ? window->NativeHandle() : nullptr,
                                              backBufferSize.x, backBufferSize.y, error);
      });
}

UlvoRendererBasic_Win32_DirectX81::UlvoRendererBasic_Win32_DirectX81(
    GpuDeviceFactory deviceFactory)
    : m_deviceFactory(std::move(deviceFactory)) {}

UlvoRendererBasic_Win32_DirectX81::~UlvoRendererBasic_Win32_DirectX81() = default;

void UlvoRendererBasic_Win32_DirectX81::Startup() {
  ULVO_ASSERT(m_device == nullptr, "Startup called on an initialized subsystem.", STARTUP_TITLE);
  ConsolePrintf("::: Initialization of UlvoRendererBasic_Win32_DirectX81 starting...\n");
  SetDrawsThickLines(true);

  UlvoApplicationInterface* theApp = UlvoApplicationInterface::GetDefaultInstance();
  ULVO_ASSERT(theApp != NULL, "Ulvo application interface object was NULL!", STARTUP_TITLE);
  platform::Window* window =
      GetDeviceContext() != nullptr ? GetDeviceContext() : theApp->GetDeviceContext();
  m_backBufferSize = BackBufferSizeFor(theApp->GetClientSize());

  std::string error;
  m_device = m_deviceFactory(window, m_backBufferSize, &error);
  if (m_device == nullptr) {
    // Named as the device creation's result has always been checked.
    UlvoRaiseFailedCheck("!FAILED( result )", __FILE__, __LINE__, STARTUP_TITLE,
                         Stringf("m_d3dInterface->CreateDevice() failed!\n%s", error.c_str()));
  }
  m_deviceLost = false;
  ApplyDefaultRenderStates();

  UlvoRendererBasic::Startup();
  ConsolePrintf("::: Initialization of UlvoRendererBasic_Win32_DirectX81 finished.\n");

  if (UlvoEventSystem* events = UlvoEventSystem::GetGlobal()) {
    RegisterEventHandler("ForceMinimizeRestoreAndFocus", events,
                         &UlvoRendererBasic_Win32_DirectX81::Event_OnForceMinimizeRestoreAndFocus,
                         this);
    events->FireEvent("RendererStartupEvent");
  }
}

void UlvoRendererBasic_Win32_DirectX81::Shutdown() {
  m_device.reset();
  m_deviceLost = false;
  m_lastTexture = nullptr;
}

void UlvoRendererBasic_Win32_DirectX81::Update() {
  if (IsDeviceUsable() && m_device->BeginScene() == GpuResult::DeviceLost) {
    m_deviceLost = true;
  }
  UlvoRendererBasic::Update();
}

void UlvoRendererBasic_Win32_DirectX81::Render() {
  if (m_device == nullptr) {
    return;
  }
  if (m_deviceLost) {
    ResetDevice();
    return;
  }
  m_device->EndScene();
  const GpuResult result = m_device->Present();
  if (result == GpuResult::DeviceLost) {
    DebuggerPrintf("!!! Present() reported D3DERR_DEVICELOST; we have lost the device!\n");
    m_deviceLost = true;
  } else if (result != GpuResult::Ok) {
    DebuggerPrintf("!!! Present() failed: %s\n", m_device->LastError().c_str());
  }
}

void UlvoRendererBasic_Win32_DirectX81::OnWindowResize(const IntVector2& clientSize) {
  DebuggerPrintf("DX81 renderer :: OnWindowResize( %d, %d )\n", clientSize.x, clientSize.y);
  if (clientSize.x <= 0 || clientSize.y <= 0) {
    return;
  }
  m_backBufferSize = clientSize;
  ResetDevice();
}

void UlvoRendererBasic_Win32_DirectX81::ApplyDefaultRenderStates() {
  m_lastTexture = nullptr;
  m_device->SetTexture(nullptr);
  m_device->SetTextureAddressMode(platform::GpuAddressMode::Clamp);
  SetBlendMode(ULVO_BLEND_SOURCE_ALPHA, ULVO_BLEND_INVERSE_SOURCE_ALPHA);
}

void UlvoRendererBasic_Win32_DirectX81::ResetDevice() {
  if (m_device == nullptr) {
    return;
  }
  DebuggerPrintf("*** ResetDevice() called... testing cooperative level\n");
  const GpuResult state = m_device->TestDeviceState();
  switch (state) {
    case GpuResult::DeviceLost:
      DebuggerPrintf(
          "  * TestCooperativeLevel() got result D3DERR_DEVICELOST; sleeping for 10 ms\n");
      platform::SleepMilliseconds(LOST_DEVICE_SLEEP_MILLISECONDS);
      return;
    case GpuResult::DeviceNotReset:
      DebuggerPrintf("  * TestCooperativeLevel() got result D3DERR_DEVICENOTRESET; resetting...\n");
      break;
    case GpuResult::Ok:
      DebuggerPrintf("  * TestCooperativeLevel() got result D3D_OK; resetting...\n");
      break;
    default:
      DebuggerPrintf("  * TestCooperativeLevel() got unknown result #%d\n",
                     static_cast<int>(state));
      return;
  }

  DebuggerPrintf("xxx Resetting the device...\n");
  const GpuResult result = m_device->Reset(m_backBufferSize.x, m_backBufferSize.y);
  if (result != GpuResult::Ok) {
    m_deviceLost = true;
    ReportResetFailure(static_cast<int>(result));
    return;
  }
  m_deviceLost = false;
  DebuggerPrintf("  x ResetDevice() succeeded.\n");
  ApplyDefaultRenderStates();
}

void UlvoRendererBasic_Win32_DirectX81::ReportResetFailure(int result) {
  switch (static_cast<GpuResult>(result)) {
    case GpuResult::InvalidCall:
      DebuggerPrintf("  x ResetDevice() returned D3DERR_INVALIDCALL\n");
      break;
    case GpuResult::DeviceLost:
      ConsolePrintf("  x ResetDevice() returned D3DERR_DEVICELOST (undocumented return value!)\n");
      break;
    default:
      ConsolePrintf("  x ResetDevice() returned UNKNOWN ERROR CODE #%d (#%u or 0x%08x or 0x%08x)\n",
                    result, static_cast<unsigned>(result), static_cast<unsigned>(result),
                    static_cast<unsigned>(result));
      break;
  }
  if (!m_device->LastError().empty()) {
    DebuggerPrintf("  x %s\n", m_device->LastError().c_str());
  }
}

bool UlvoRendererBasic_Win32_DirectX81::ResizeBackBuffer(const IntVector2& size) {
  if (m_device->BackBufferWidth() == size.x && m_device->BackBufferHeight() == size.y) {
    return true;
  }
  const GpuResult result = m_device->Reset(size.x, size.y);
  if (result != GpuResult::Ok) {
    m_deviceLost = true;
    ReportResetFailure(static_cast<int>(result));
    return false;
  }
  ApplyDefaultRenderStates();
  return true;
}

void UlvoRendererBasic_Win32_DirectX81::ExecuteEnqueuedDynamicTextureUpdateRequest(
    const DynamicTextureUpdateRequest& request) {
  if (!IsDeviceUsable()) {
    return;
  }
  platform::GpuTexture* target =
      Texture_Win32_DirectX81::ResolveDeviceTexture(request.GetTexture());
  if (target == nullptr) {
    return;
  }
  const Vector2 regionSize = request.GetRegion().CalcSize();
  const IntVector2 scratchSize(CopyableExtent(regionSize.x, target->Width()),
                               CopyableExtent(regionSize.y, target->Height()));
  if (scratchSize.x == 0 || scratchSize.y == 0) {
    return;
  }

  // The back buffer holds nothing of this frame yet: the frame is drawn
  // after the update pass.
  const bool wasInScene = m_device->EndScene() == GpuResult::Ok;
  if (!ResizeBackBuffer(scratchSize)) {
    return;
  }
  m_device->BeginScene();
  SetViewport(IntVector2(0, 0), scratchSize);
  SetTransform(0.0f, 0.0f, static_cast<float>(scratchSize.x), static_cast<float>(scratchSize.y));
  Clear(OPAQUE_BLACK);

  NamedProperties args;
  args.Set<Texture*>("Texture", request.GetTexture());
  args.Set("UpdatedRegionBounds", request.GetRegion());
  args.Set("UpdatedRegionSize", regionSize);
  args.Set<NamedProperties>("PassBackProperties", request.GetPassBackProperties());
  if (UlvoEventSystem* events = UlvoEventSystem::GetGlobal()) {
    events->FireEvent(request.GetEventName(), args);
  }

  // A device lost meanwhile gets the frame's back buffer back with its
  // reset in the render pass.
  if (!IsDeviceUsable()) {
    return;
  }
  // The listener may have destroyed or refilled the texture, which cancels
  // the request.
  if (!request.IsCancelled() &&
      m_device->CopyBackBufferToTexture({0, 0, scratchSize.x, scratchSize.y}, *target, 0, 0) !=
          GpuResult::Ok) {
    DebuggerPrintf("!!! Render to texture for \"%s\" not copied: %s\n",
                   request.GetEventName().c_str(), m_device->LastError().c_str());
  }
  m_device->EndScene();
  if (ResizeBackBuffer(m_backBufferSize) && wasInScene) {
    m_device->BeginScene();
  }
}

void UlvoRendererBasic_Win32_DirectX81::SetViewport(const IntVector2& topLeft,
                                                    const IntVector2& size) {
  if (IsDeviceUsable()) {
    m_device->SetViewport({topLeft.x, topLeft.y, size.x, size.y});
  }
}

void UlvoRendererBasic_Win32_DirectX81::SetBlendMode(int sourceFactor, int destinationFactor) {
  if (IsDeviceUsable()) {
    m_device->SetBlendMode(ToGpuBlendFactor(sourceFactor), ToGpuBlendFactor(destinationFactor));
  }
}

void UlvoRendererBasic_Win32_DirectX81::Clear(const Rgba& color) {
  if (IsDeviceUsable()) {
    m_device->Clear(ToGpuColor(color));
  }
}

void UlvoRendererBasic_Win32_DirectX81::SetTransform(float minX, float minY, float maxX,
                                                     float maxY) {
  if (IsDeviceUsable()) {
    // minY on top: y grows downward.
    m_device->SetProjection(platform::OrthographicProjection(minX, maxX, maxY, minY));
  }
}

void UlvoRendererBasic_Win32_DirectX81::SetTexture(Texture* texture) {
  if (!IsDeviceUsable()) {
    return;
  }
  auto* platformTexture = dynamic_cast<Texture_Win32_DirectX81*>(texture);
  platform::GpuTexture* deviceTexture =
      platformTexture != nullptr ? platformTexture->GetDeviceTexture() : nullptr;
  if (deviceTexture == m_lastTexture) {
    return;
  }
  m_lastTexture = deviceTexture;
  m_device->SetTexture(deviceTexture);
  if (deviceTexture != nullptr) {
    m_device->SetTextureAddressMode(platformTexture->IsTiled() ? platform::GpuAddressMode::Wrap
                                                               : platform::GpuAddressMode::Clamp);
  }
}

void UlvoRendererBasic_Win32_DirectX81::OnDeviceTextureReleased(
    const platform::GpuTexture* texture) {
  if (texture != nullptr && texture == m_lastTexture) {
    m_lastTexture = nullptr;
  }
}

void UlvoRendererBasic_Win32_DirectX81::DrawFan(const GpuVertex* vertices, int count) {
  if (IsDeviceUsable() && m_device->DrawTriangleFan(vertices, count) == GpuResult::DeviceLost) {
    m_deviceLost = true;
  }
}

void UlvoRendererBasic_Win32_DirectX81::DrawLine(const Vector2& from, const Vector2& to,
                                                 const Rgba& fromColor, const Rgba& toColor,
                                                 float thickness, bool mitredEnds) {
  if (!(thickness > 0.0f)) {
    return;
  }
  const Vector2 delta = to - from;
  const float length = delta.CalcLength();
  // A segment without length has no direction to build the band on.
  if (!(length > 0.0f)) {
    return;
  }
  const float halfThickness = thickness * 0.5f;
  // Dividing each component keeps axis-aligned lines exact.
  const Vector2 along(delta.x / length * halfThickness, delta.y / length * halfThickness);
  const Vector2 across = Vector2::Perpendicular(along);
  if (!mitredEnds) {
    DrawQuad(from + across, from - across, to - across, to + across, fromColor, fromColor, toColor,
             toColor, true, 0.0f);
    return;
  }
  DrawQuad(from, to, to - along + across, from + along + across, fromColor, toColor, toColor,
           fromColor, true, 0.0f);
  DrawQuad(from, to, to - along - across, from + along - across, fromColor, toColor, toColor,
           fromColor, true, 0.0f);
}

void UlvoRendererBasic_Win32_DirectX81::DrawQuad(const Vector2& p0, const Vector2& p1,
                                                 const Vector2& p2, const Vector2& p3,
                                                 const Rgba& c0, const Rgba& c1, const Rgba& c2,
                                                 const Rgba& c3, bool filled,
                                                 float outlineThickness) {
  if (!filled) {
    if (outlineThickness > 0.0f) {
      DrawLine(p0, p1, c0, c1, outlineThickness, true);
      DrawLine(p1, p2, c1, c2, outlineThickness, true);
      DrawLine(p2, p3, c2, c3, outlineThickness, true);
      DrawLine(p3, p0, c3, c0, outlineThickness, true);
    }
    return;
  }
  if (!IsDeviceUsable()) {
    return;
  }
  SetTexture(nullptr);
  const GpuVertex fan[4] = {ColoredVertex(p0, c0), ColoredVertex(p1, c1), ColoredVertex(p2, c2),
                            ColoredVertex(p3, c3)};
  DrawFan(fan, 4);
}

void UlvoRendererBasic_Win32_DirectX81::DrawTexturedQuad(Texture* texture, const Vector2& mins,
                                                         const Vector2& maxs, const Rgba& tint,
                                                         const Vector2& textureMins,
                                                         const Vector2& textureMaxs) {
  if (!IsDeviceUsable() || texture == nullptr || texture->GetWidth() <= 0 ||
      texture->GetHeight() <= 0 || Texture_Win32_DirectX81::ResolveDeviceTexture(texture) == nullptr) {
    return;
  }
  SetTexture(texture);
  const GpuVertex fan[4] = {
      TexturedVertex(mins.x, mins.y, tint, textureMins.x, textureMins.y),
      TexturedVertex(maxs.x, mins.y, tint, textureMaxs.x, textureMins.y),
      TexturedVertex(maxs.x, maxs.y, tint, textureMaxs.x, textureMaxs.y),
      TexturedVertex(mins.x, maxs.y, tint, textureMins.x, textureMaxs.y)};
  DrawFan(fan, 4);
}

Vector2 UlvoRendererBasic_Win32_DirectX81::GetTextExtent(const FontDescriptor*,
                                                         const std::string&) const {
  return Vector2(0.0f, 0.0f);
}

void UlvoRendererBasic_Win32_DirectX81::DrawTextAt(const FontDescriptor*, const Vector2&,
                                                   const std::string&, const Rgba&) {}

float UlvoRendererBasic_Win32_DirectX81::GetTextScaleToFit(const FontDescriptor*,
                                                           const std::string&, float,
                                                           float) const {
  return 1.0f;
}

float UlvoRendererBasic_Win32_DirectX81::GetTextScaleForHeight(const FontDescriptor*,
                                                               const std::string&,
                                                               float) const {
  return 1.0f;
}

float UlvoRendererBasic_Win32_DirectX81::GetTextScaleToFitBox(const FontDescriptor*,
                                                              const std::string&,
                                                              const Vector2&, const Vector2&,
                                                              float, int, int) const {
  return 1.0f;
}

float UlvoRendererBasic_Win32_DirectX81::GetTextScaleToFitLine(const FontDescriptor*,
                                                               const std::string&,
                                                               const Vector2&, const Vector2&,
                                                               float, float) const {
  return 1.0f;
}

void UlvoRendererBasic_Win32_DirectX81::GetTextScaleInBox(Vector2& outScale,
                                                          const FontDescriptor*,
                                                          const std::string&, const Vector2&,
                                                          const Vector2&, float) const {
  outScale = Vector2(1.0f, 1.0f);
}

void UlvoRendererBasic_Win32_DirectX81::Event_OnForceMinimizeRestoreAndFocus(
    NamedProperties& /*args*/) {
  UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
  ULVO_ASSERT(application != nullptr, "Ulvo application interface object was NULL!",
              STARTUP_TITLE);
  if (platform::Window* window = application->GetDeviceContext()) {
    window->Show();
    window->RaiseAndFocus();
  }
}
