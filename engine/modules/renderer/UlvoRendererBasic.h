#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/modules/renderer/AnimatedTextureDefinition.h"
#include "engine/modules/renderer/BitmapFontTable.h"
#include "engine/modules/renderer/DynamicTextureUpdateRequest.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

// The platform-independent part of the renderer: the default font, the
// loaded bitmap fonts and text drawing, the animated textures, box shading,
// aligned quads and the queue of render-to-texture requests. A platform
// class draws the primitives and carries out the requests.
class UlvoRendererBasic : public UlvoRendererInterface {
 public:
  static constexpr const char* DEFAULT_FONT_FACE = "Tahoma";
  static constexpr int DEFAULT_FONT_SIZE = 18;

  ~UlvoRendererBasic() override;

  // Creates the default font and loads every animated-texture definition.
  void Startup() override;
  // Carries out, in queue order, every render-to-texture request queued
  // before this call; requests queued meanwhile wait for the next Update.
  void Update() override;

  void SetDeviceContext(platform::Window* deviceContext) override;
  platform::Window* GetDeviceContext() const { return m_deviceContext; }

  void EnqueueDynamicTextureUpdateRequest(Texture* texture, const AABB2& region,
                                          const std::string& eventName,
                                          const NamedProperties* passBackProperties) override;
  void CancelDynamicTextureUpdateRequests(
      const std::function<bool(const DynamicTextureUpdateRequest&)>& matches) override;
  // Requests still waiting, cancelled ones included until the next Update.
  size_t GetQueuedDynamicTextureUpdateCount() const { return m_dynamicTextureUpdates.size(); }

  // Exact, case-sensitive face name.
  BitmapFont* GetFont(const std::string& face) override;
  void SetDefaultFont(std::unique_ptr<FontDescriptor> font) override;
  FontDescriptor* GetDefaultFont() const override { return m_defaultFont.get(); }
  BitmapFont* LoadFont(const std::string& face, const std::string& locale) override;

  Vector2 CalcTextExtent(const BitmapFont* font, const std::string& text,
                         float size) const override;
  void DrawText(const BitmapFont* font, const Vector2& anchor, const std::string& text,
                float size, const Rgba& color, int verticalAlignment,
                int horizontalAlignment) override;
  void DrawTextInBox(const BitmapFont* font, const AABB2& box, const std::string& text,
                     float size, const Rgba& color, int verticalAlignment,
                     int horizontalAlignment) override;

  void DrawAlignedQuad(const Vector2& mins, const Vector2& maxs, const Rgba& c0, const Rgba& c1,
                       const Rgba& c2, const Rgba& c3, bool filled,
                       float outlineThickness) override;
  void DrawBox(const Vector2& mins, const Vector2& maxs, const Rgba& color, bool filled,
               float shade, float outlineThickness) override;

  // Whether lines are drawn as bands of their thickness; the platform sets
  // it when it starts.
  bool DrawsThickLines() const { return m_drawsThickLines; }

  // Mapping one rectangle's coordinate system onto another's is not
  // available: always raises the engine's internal error.
  [[noreturn]] void TransformCoordinateSystem2dToMapRectAOntoRectB();

 protected:
  UlvoRendererBasic();

  // Carries out one request of the queue: the platform fires the request's
  // event with "Texture", "UpdatedRegionBounds", "UpdatedRegionSize" and
  // "PassBackProperties" while the region is the render target, then copies
  // what the listener drew into the texture. Only reached through Update, so
  // that a cancellation always finds the request.
  virtual void ExecuteEnqueuedDynamicTextureUpdateRequest(
      const DynamicTextureUpdateRequest& request) = 0;

  void SetDrawsThickLines(bool drawsThickLines) { m_drawsThickLines = drawsThickLines; }

 private:
  // The glyphs of the text, one textured quad each, the pen starting at the
  // line's top-left corner.
  void DrawGlyphRun(const BitmapFont& font, const std::string& text, const Vector2& topLeft,
                    float size, const Rgba& color);

  platform::Window* m_deviceContext = nullptr;
  bool m_drawsThickLines = false;
  std::unique_ptr<FontDescriptor> m_defaultFont;
  BitmapFontTable m_fonts;
  // Loaded at Startup, kept for the renderer's life.
  std::vector<std::unique_ptr<AnimatedTextureDefinition>> m_animatedTextures;
  // A deque, so that the request being carried out stays where it is while
  // its listener queues or cancels others. Cancelled requests stay in place
  // and are skipped.
  std::deque<DynamicTextureUpdateRequest> m_dynamicTextureUpdates;
};
