#include "engine/modules/renderer/UlvoRendererBasic.h"

#include <utility>

#include "engine/core/Diagnostics.h"
#include "engine/core/FontDescriptor.h"

namespace {

Rgba ScaledColor(const Rgba& color, float factor) {
  Rgba scaled = color;
  scaled.ScaleRGB(factor);
  return scaled;
}

}  // namespace

UlvoRendererBasic::UlvoRendererBasic() = default;

UlvoRendererBasic::~UlvoRendererBasic() = default;

void UlvoRendererBasic::Startup() {
  SetDefaultFont(std::make_unique<FontDescriptor>(DEFAULT_FONT_FACE, DEFAULT_FONT_SIZE, false,
                                                  false));
  m_animatedTextures = AnimatedTextureDefinition::LoadAll();
}

void UlvoRendererBasic::Update() {
  for (size_t remaining = m_dynamicTextureUpdates.size(); remaining > 0; --remaining) {
    const DynamicTextureUpdateRequest& request = m_dynamicTextureUpdates.front();
    if (!request.IsCancelled()) {
      ExecuteEnqueuedDynamicTextureUpdateRequest(request);
    }
    m_dynamicTextureUpdates.pop_front();
  }
}

void UlvoRendererBasic::SetDeviceContext(platform::Window* deviceContext) {
  m_deviceContext = deviceContext;
}

void UlvoRendererBasic::EnqueueDynamicTextureUpdateRequest(
    Texture* texture, const AABB2& region, const std::string& eventName,
    const NamedProperties* passBackProperties) {
  m_dynamicTextureUpdates.emplace_back(
      texture, region, eventName,
      passBackProperties != nullptr ? *passBackProperties : NamedProperties());
}

void UlvoRendererBasic::CancelDynamicTextureUpdateRequests(
    const std::function<bool(const DynamicTextureUpdateRequest&)>& matches) {
  for (DynamicTextureUpdateRequest& request : m_dynamicTextureUpdates) {
    if (!request.IsCancelled() && matches(request)) {
      request.Cancel();
    }
  }
}

void UlvoRendererBasic::SetDefaultFont(std::unique_ptr<FontDescriptor> font) {
  m_defaultFont = std::move(font);
}

void UlvoRendererBasic::DrawAlignedQuad(const Vector2& mins, const Vector2& maxs, const Rgba& c0,
                                        const Rgba& c1, const Rgba& c2, const Rgba& c3,
                                        bool filled, float outlineThickness) {
  DrawQuad(mins, Vector2(maxs.x, mins.y), maxs, Vector2(mins.x, maxs.y), c0, c1, c2, c3, filled,
           outlineThickness);
}

void UlvoRendererBasic::DrawBox(const Vector2& mins, const Vector2& maxs, const Rgba& color,
                                bool filled, float shade, float outlineThickness) {
  Rgba topLeft = color;
  Rgba offDiagonal = color;
  Rgba bottomRight = color;
  if (shade > 0.0f) {
    offDiagonal = ScaledColor(color, 1.0f - shade * 0.5f);
    bottomRight = ScaledColor(color, 1.0f - shade);
  } else if (shade < 0.0f) {
    topLeft = ScaledColor(color, 1.0f + shade);
    offDiagonal = ScaledColor(color, 1.0f + shade * 0.5f);
  }
  DrawAlignedQuad(mins, maxs, topLeft, offDiagonal, bottomRight, offDiagonal, filled,
                  outlineThickness);
}

void UlvoRendererBasic::TransformCoordinateSystem2dToMapRectAOntoRectB() {
  ULVO_ERROR(
      "UlvoRendererBasic::TransformCoordinateSystem2dToMapRectAOntoRectB() has not yet been "
      "implemented!",
      "Ulvo Engine internal error");
}
