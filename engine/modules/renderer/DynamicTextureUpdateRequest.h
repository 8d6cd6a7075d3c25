#pragma once

#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/NamedProperties.h"

class Texture;

// One queued render-to-texture request: redraw the top-left region of a
// texture by firing an event whose listener draws the content.
class DynamicTextureUpdateRequest {
 public:
  DynamicTextureUpdateRequest(Texture* texture, const AABB2& region, const std::string& eventName,
                              const NamedProperties& passBackProperties)
      : m_texture(texture),
        m_region(region),
        m_eventName(eventName),
        m_passBackProperties(passBackProperties) {}

  // Null once the request is cancelled.
  Texture* GetTexture() const { return m_texture; }
  // In the caller's units; its size is the number of pixels redrawn.
  const AABB2& GetRegion() const { return m_region; }
  const std::string& GetEventName() const { return m_eventName; }
  const NamedProperties& GetPassBackProperties() const { return m_passBackProperties; }

  bool IsCancelled() const { return m_cancelled; }
  // The texture may be gone by now: the pointer is dropped with the request.
  void Cancel() {
    m_cancelled = true;
    m_texture = nullptr;
  }

 private:
  Texture* m_texture;
  AABB2 m_region;
  std::string m_eventName;
  NamedProperties m_passBackProperties;
  bool m_cancelled = false;
};
