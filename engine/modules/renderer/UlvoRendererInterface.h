#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoFontSourceInterface.h"
#include "engine/core/UlvoModuleInterface.h"
#include "engine/core/Vector2.h"
#include "engine/modules/application/UlvoWindowResizeInterface.h"

class DynamicTextureUpdateRequest;
class FontDescriptor;
class NamedProperties;
class Texture;

namespace platform {
class Window;
}

// The blend factors of SetBlendMode; any value outside them counts as ONE.
constexpr int ULVO_BLEND_ZERO = 0;
constexpr int ULVO_BLEND_ONE = 1;
constexpr int ULVO_BLEND_SOURCE_COLOR = 2;
constexpr int ULVO_BLEND_INVERSE_SOURCE_COLOR = 3;
constexpr int ULVO_BLEND_SOURCE_ALPHA = 4;
constexpr int ULVO_BLEND_INVERSE_SOURCE_ALPHA = 5;
constexpr int ULVO_BLEND_DESTINATION_COLOR = 6;
constexpr int ULVO_BLEND_INVERSE_DESTINATION_COLOR = 7;
constexpr int ULVO_BLEND_DESTINATION_ALPHA = 8;
constexpr int ULVO_BLEND_INVERSE_DESTINATION_ALPHA = 9;

// The 2-D renderer module. Everything is drawn in the units of the current
// projection (SetTransform), whose minimum corner is the top-left of the
// viewport, so y grows downward. Every vertex has its own colour: quads and
// lines blend their corner colours across their surface.
//
// The renderer is also the engine's font source (FontDescriptor asks it for
// loaded fonts) and is told of the window's new size by the application.
class UlvoRendererInterface : public UlvoModuleInterface,
                              public UlvoCollectedClassInterface<UlvoRendererInterface>,
                              public UlvoFontSourceInterface,
                              public UlvoWindowResizeInterface {
 public:
  // The registry of renderers, not those of font sources or resize listeners.
  using UlvoCollectedClassInterface<UlvoRendererInterface>::GetDefaultInstance;
  using UlvoCollectedClassInterface<UlvoRendererInterface>::GetInstanceCount;
  using UlvoCollectedClassInterface<UlvoRendererInterface>::GetInstance;

  // The window to draw into, handed over by the driver before Startup.
  virtual void SetDeviceContext(platform::Window* deviceContext) = 0;

  // --- Render to texture ---
  // Queues a redraw of the texture's top-left region: at the next Update the
  // renderer fires eventName so that a listener draws the region's content,
  // then copies it into the texture. passBackProperties (copied; null for
  // none) reach the listener as "PassBackProperties".
  virtual void EnqueueDynamicTextureUpdateRequest(Texture* texture, const AABB2& region,
                                                  const std::string& eventName,
                                                  const NamedProperties* passBackProperties) = 0;
  // Cancels every queued request for which matches is true, including one
  // whose listener is running: it will not touch its texture afterwards.
  virtual void CancelDynamicTextureUpdateRequests(
      const std::function<bool(const DynamicTextureUpdateRequest&)>& matches) = 0;

  // --- Fonts ---
  // The renderer keeps it; text without a font of its own uses it.
  virtual void SetDefaultFont(std::unique_ptr<FontDescriptor> font) = 0;
  // Null before Startup.
  virtual FontDescriptor* GetDefaultFont() const = 0;
  // Reads "Locale/Fonts/<face>_<locale>.FontDef" and its page images from
  // the data folder and enters the font under the face (loading a face again
  // takes its entry over); the renderer keeps every font it loaded. A
  // missing or malformed font throws UlvoException.
  virtual BitmapFont* LoadFont(const std::string& face, const std::string& locale) = 0;

  // --- Text ---
  // One line: text ends at its first NUL and every byte is a glyph (no line
  // breaks, no kerning). Nothing is drawn without a font.
  // (width, height) of the text at the size; (0, size) without a font.
  virtual Vector2 CalcTextExtent(const BitmapFont* font, const std::string& text,
                                 float size) const = 0;
  // Placed against the anchor: horizontal alignment 0 ends the text at it,
  // 2 starts the text there, any other value centres it; vertical alignment
  // 0 puts the bottom of the line at it, 2 the top, any other value centres
  // it. While an application exists, a line whose top lies below the view
  // or more than two sizes above it is skipped.
  virtual void DrawText(const BitmapFont* font, const Vector2& anchor, const std::string& text,
                        float size, const Rgba& color, int verticalAlignment,
                        int horizontalAlignment) = 0;
  // Placed inside the box, at a smaller size when it is wider than 90 % of
  // the box (then it fills those 90 %): horizontal alignment 0 at the left,
  // 2 at the right, vertical 0 at the top, 2 at the bottom, other values
  // centred. Nothing for a text without width or a box without width.
  virtual void DrawTextInBox(const BitmapFont* font, const AABB2& box, const std::string& text,
                             float size, const Rgba& color, int verticalAlignment,
                             int horizontalAlignment) = 0;

  // Text in the face a descriptor names, measured and drawn without one of
  // the bitmap fonts above (the descriptor has no handle to one). A renderer
  // that draws only bitmap fonts measures such text as (0, 0) and draws
  // nothing.
  virtual Vector2 GetTextExtent(const FontDescriptor* font, const std::string& text) const = 0;
  virtual void DrawTextAt(const FontDescriptor* font, const Vector2& position,
                          const std::string& text, const Rgba& color) = 0;

  // --- States ---
  // In pixels of the back buffer; nothing is drawn outside it.
  virtual void SetViewport(const IntVector2& topLeft, const IntVector2& size) = 0;
  virtual void SetBlendMode(int sourceFactor, int destinationFactor) = 0;
  // Clears the whole render target, whatever the viewport.
  virtual void Clear(const Rgba& color) = 0;
  // Maps the rectangle onto the viewport, (minX, minY) at its top-left.
  virtual void SetTransform(float minX, float minY, float maxX, float maxY) = 0;
  // The texture of the next textured draw; null for none.
  virtual void SetTexture(Texture* texture) = 0;

  // --- Drawing ---
  // A band of the given thickness from one point to the other. Mitred ends
  // are bevelled at 45 degrees, so that four mitred lines make a clean
  // outline. Nothing for a thickness of 0 or less or a zero-length segment.
  virtual void DrawLine(const Vector2& from, const Vector2& to, const Rgba& fromColor,
                        const Rgba& toColor, float thickness, bool mitredEnds) = 0;
  // Filled: the polygon p0, p1, p2, p3. Outlined: its four edges as mitred
  // lines of the thickness (nothing for a thickness of 0 or less).
  virtual void DrawQuad(const Vector2& p0, const Vector2& p1, const Vector2& p2,
                        const Vector2& p3, const Rgba& c0, const Rgba& c1, const Rgba& c2,
                        const Rgba& c3, bool filled, float outlineThickness) = 0;
  // DrawQuad with the corners top-left, top-right, bottom-right, bottom-left.
  virtual void DrawAlignedQuad(const Vector2& mins, const Vector2& maxs, const Rgba& c0,
                               const Rgba& c1, const Rgba& c2, const Rgba& c3, bool filled,
                               float outlineThickness) = 0;
  // A box in one colour, bevelled by the shade: s > 0 darkens toward the
  // bottom-right (to 1 - s), s < 0 toward the top-left (to 1 + s); 0 is flat.
  virtual void DrawBox(const Vector2& mins, const Vector2& maxs, const Rgba& color, bool filled,
                       float shade, float outlineThickness) = 0;
  void DrawBounds(const AABB2& box, const Rgba& color, bool filled, float shade,
                  float outlineThickness) {
    DrawBox(box.mins, box.maxs, color, filled, shade, outlineThickness);
  }
  // The texture's coordinates textureMins..textureMaxs (0..1 across the
  // texture) stretched over the box, modulated by the tint. Nothing for a
  // null or empty texture.
  virtual void DrawTexturedQuad(Texture* texture, const Vector2& mins, const Vector2& maxs,
                                const Rgba& tint, const Vector2& textureMins,
                                const Vector2& textureMaxs) = 0;
};
