#include "engine/modules/application/ApplicationWindowProperties.h"

IntVector2 BringToSixteenByTen(const IntVector2& size) {
  const float ratio =
      size.y == 0 ? 0.0f : static_cast<float>(size.x) / static_cast<float>(size.y);
  if (ratio > DEFAULT_ASPECT_RATIO) {
    return IntVector2((size.y * 16) / 10, size.y);
  }
  if (ratio < DEFAULT_ASPECT_RATIO) {
    return IntVector2(size.x, (size.x * 10) / 16);
  }
  return size;
}

ApplicationWindowProperties::ApplicationWindowProperties(const IntVector2& size,
                                                         int32_t fullscreen)
    : m_physicalSize(size),
      m_lastPhysicalSize(BringToSixteenByTen(size)),
      m_screenBounds(0.0f, 0.0f, static_cast<float>(size.x), static_cast<float>(size.y)),
      m_viewBounds(m_screenBounds),
      m_fullscreen(fullscreen) {}

void ApplicationWindowProperties::RecomputeBounds() {
  if (m_physicalSize.x <= 0 || m_physicalSize.y <= 0) {
    return;
  }
  const AABB2 client(0.0f, 0.0f, static_cast<float>(m_physicalSize.x),
                     static_cast<float>(m_physicalSize.y));
  m_screenBounds = client.GetCenteredBoxWithAspectRatio(m_aspectRatio);
  const float virtualWidth = static_cast<float>(m_virtualWidth);
  const float virtualHeight = virtualWidth / m_aspectRatio;
  m_viewBounds = AABB2(0.0f, 0.0f, virtualWidth, virtualHeight);
  const Vector2 screenSize = m_screenBounds.CalcSize();
  m_viewScale = Vector2(virtualWidth / screenSize.x, virtualHeight / screenSize.y);
}
