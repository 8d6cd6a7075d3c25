#include "engine/modules/application/UlvoApplicationBasic.h"

#include <utility>

#include "engine/core/Diagnostics.h"

namespace {

IntVector2 TruncatedSize(const AABB2& box) {
  const Vector2 size = box.CalcSize();
  return IntVector2(static_cast<int32_t>(size.x), static_cast<int32_t>(size.y));
}

}  // namespace

bool UlvoApplicationBasic::IsWindowed() const { return Properties().m_fullscreen == 0; }

void UlvoApplicationBasic::SetAspectRatio(float ratio) {
  if (!(ratio > 0.0f)) {
    ConsolePrintf("WARNING: UlvoApplicationBasic::SetAspectRatio : ignoring aspect ratio %f\n",
                  static_cast<double>(ratio));
    return;
  }
  if (m_properties == nullptr) {
    return;
  }
  m_properties->m_aspectRatio = ratio;
  ApplyWindowProperties();
}

IntVector2 UlvoApplicationBasic::GetScreenBoundsSize() const {
  return TruncatedSize(Properties().m_screenBounds);
}

IntVector2 UlvoApplicationBasic::GetViewBoundsSize() const {
  return TruncatedSize(Properties().m_viewBounds);
}

AABB2 UlvoApplicationBasic::GetScreenBounds() const { return Properties().m_screenBounds; }

AABB2 UlvoApplicationBasic::GetViewBounds() const { return Properties().m_viewBounds; }

Vector2 UlvoApplicationBasic::GetViewScale() const { return Properties().m_viewScale; }

void UlvoApplicationBasic::ApplyWindowProperties() {
  if (m_properties != nullptr) {
    m_properties->RecomputeBounds();
  }
}

const ApplicationWindowProperties& UlvoApplicationBasic::Properties() const {
  static const ApplicationWindowProperties noWindow(IntVector2(0, 0), 0);
  return m_properties != nullptr ? *m_properties : noWindow;
}

void UlvoApplicationBasic::ReplaceProperties(
    std::unique_ptr<ApplicationWindowProperties> properties) {
  m_properties = std::move(properties);
}
