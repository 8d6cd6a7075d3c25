#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/AABB2.h"
#include "engine/core/FontDescriptor.h"
#include "engine/core/IntVector2.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "engine/modules/renderer/FontDefinition.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "tests/support/DevicelessRenderer.h"

namespace ui_test {

// The default renderer while it lives: draws nothing and keeps every drawing
// call the widgets make, in order. Faces given to LoadTestFont are "loaded"
// with the default glyph table, every glyph half a font size wide.
class RecordingWidgetRenderer : public testsupport::DevicelessRenderer {
 public:
  struct Box {
    AABB2 box;
    Rgba color;
    bool filled;
    float shade;
    float thickness;
  };
  struct Line {
    Vector2 from;
    Vector2 to;
    Rgba color;
    float thickness;
  };
  struct Text {
    const BitmapFont* font;
    AABB2 box;
    std::string text;
    float size;
    Rgba color;
    int verticalAlignment;
    int horizontalAlignment;
  };

  RecordingWidgetRenderer() { LoadTestFont("MainFont"); }

  BitmapFont* LoadTestFont(const std::string& face) {
    std::unique_ptr<BitmapFont>& font = m_fonts[face];
    if (font == nullptr) {
      font =
          std::make_unique<BitmapFont>(FontDefinition(), std::vector<std::unique_ptr<Texture>>());
    }
    return font.get();
  }

  void Forget() {
    boxes.clear();
    lines.clear();
    texts.clear();
  }

  BitmapFont* GetFont(const std::string& face) override {
    const auto found = m_fonts.find(face);
    return found == m_fonts.end() ? nullptr : found->second.get();
  }

  Vector2 CalcTextExtent(const BitmapFont* font, const std::string& text,
                         float size) const override {
    return font != nullptr ? font->CalcTextExtent(text, size) : Vector2(0.0f, size);
  }
  void DrawTextInBox(const BitmapFont* font, const AABB2& box, const std::string& text, float size,
                     const Rgba& color, int verticalAlignment, int horizontalAlignment) override {
    texts.push_back({font, box, text, size, color, verticalAlignment, horizontalAlignment});
  }
  void DrawText(const BitmapFont* font, const Vector2& anchor, const std::string& text, float size,
                const Rgba& color, int verticalAlignment, int horizontalAlignment) override {
    texts.push_back(
        {font, AABB2(anchor, anchor), text, size, color, verticalAlignment, horizontalAlignment});
  }
  void DrawBox(const Vector2& mins, const Vector2& maxs, const Rgba& color, bool filled,
               float shade, float outlineThickness) override {
    boxes.push_back({AABB2(mins, maxs), color, filled, shade, outlineThickness});
  }
  void DrawLine(const Vector2& from, const Vector2& to, const Rgba& fromColor, const Rgba&,
                float thickness, bool) override {
    lines.push_back({from, to, fromColor, thickness});
  }

  BitmapFont* LoadFont(const std::string& face, const std::string&) override {
    return LoadTestFont(face);
  }
  void Clear(const Rgba&) override {}
  void DrawQuad(const Vector2&, const Vector2&, const Vector2&, const Vector2&, const Rgba&,
                const Rgba&, const Rgba&, const Rgba&, bool, float) override {}
  void DrawAlignedQuad(const Vector2&, const Vector2&, const Rgba&, const Rgba&, const Rgba&,
                       const Rgba&, bool, float) override {}
  void DrawTexturedQuad(Texture*, const Vector2&, const Vector2&, const Rgba&, const Vector2&,
                        const Vector2&) override {}

  std::vector<Box> boxes;
  std::vector<Line> lines;
  std::vector<Text> texts;

 private:
  std::map<std::string, std::unique_ptr<BitmapFont>> m_fonts;
};

}  // namespace ui_test
