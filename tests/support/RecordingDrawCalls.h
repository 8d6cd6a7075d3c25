#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
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

namespace testsupport {

// The default renderer while it lives: rasterises nothing and keeps every
// drawing call in one ordered list, so that a test can check both what a
// pass drew and the order of the passes. "MainFont" is known, with the
// default glyph table. The calls that are not drawing do nothing.
class RecordingDrawCalls : public UlvoRendererInterface {
 public:
  void SetDeviceContext(platform::Window*) override {}
  void EnqueueDynamicTextureUpdateRequest(Texture*, const AABB2&, const std::string&,
                                          const NamedProperties*) override {}
  void CancelDynamicTextureUpdateRequests(
      const std::function<bool(const DynamicTextureUpdateRequest&)>&) override {}
  void SetDefaultFont(std::unique_ptr<FontDescriptor>) override {}
  FontDescriptor* GetDefaultFont() const override { return nullptr; }
  void SetViewport(const IntVector2&, const IntVector2&) override {}
  void SetBlendMode(int, int) override {}
  void SetTransform(float, float, float, float) override {}
  void SetTexture(Texture*) override {}
  void OnWindowResize(const IntVector2&) override {}

  enum Kind { NONE, LINE, BOX, QUAD, TEXT, TEXTURE, CLEAR };

  struct Call {
    Kind kind = NONE;
    // LINE: from, to. BOX, TEXT (in a box), TEXTURE: mins, maxs. QUAD: the
    // four corners. TEXT at a point: the point twice.
    std::vector<Vector2> points;
    Rgba color;      // LINE: the colour at from; TEXTURE: the tint
    float width = 0; // LINE, BOX outline: thickness; TEXT: point size
    bool filled = false;
    float shade = 0;
    std::string text;
    int horizontal = 0;
    Texture* texture = nullptr;

    AABB2 Box() const { return AABB2(points[0], points[1]); }
  };

  RecordingDrawCalls() {
    m_font = std::make_unique<BitmapFont>(FontDefinition(), std::vector<std::unique_ptr<Texture>>());
  }

  std::vector<Call> Of(Kind kind) const {
    std::vector<Call> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [kind](const Call& c) { return c.kind == kind; });
    return found;
  }

  // A line between the two points, either way round, within 0.01.
  bool HasLine(const Vector2& from, const Vector2& to) const {
    const auto near = [](const Vector2& a, const Vector2& b) {
      return std::abs(a.x - b.x) < 1e-2f && std::abs(a.y - b.y) < 1e-2f;
    };
    return std::any_of(calls.begin(), calls.end(), [&](const Call& call) {
      return call.kind == LINE && ((near(call.points[0], from) && near(call.points[1], to)) ||
                                   (near(call.points[0], to) && near(call.points[1], from)));
    });
  }

  // The first text of the call list that reads so; a kind-less call if none.
  Call FindText(const std::string& text) const {
    const auto found = std::find_if(calls.begin(), calls.end(),
                                    [&](const Call& call) { return call.kind == TEXT && call.text == text; });
    return found != calls.end() ? *found : Call();
  }

  BitmapFont* GetFont(const std::string& face) override {
    return face == "MainFont" ? m_font.get() : nullptr;
  }
  Vector2 CalcTextExtent(const BitmapFont* font, const std::string& text,
                         float size) const override {
    return font != nullptr ? font->CalcTextExtent(text, size) : Vector2(0.0f, size);
  }
  void DrawTextInBox(const BitmapFont*, const AABB2& box, const std::string& text, float size,
                     const Rgba& color, int, int horizontal) override {
    Call call = Start(TEXT, {box.mins, box.maxs}, color);
    call.width = size;
    call.text = text;
    call.horizontal = horizontal;
    calls.push_back(call);
  }
  void DrawText(const BitmapFont* font, const Vector2& anchor, const std::string& text,
                float size, const Rgba& color, int vertical, int horizontal) override {
    DrawTextInBox(font, AABB2(anchor, anchor), text, size, color, vertical, horizontal);
  }
  void DrawBox(const Vector2& mins, const Vector2& maxs, const Rgba& color, bool filled,
               float shade, float thickness) override {
    Call call = Start(BOX, {mins, maxs}, color);
    call.filled = filled;
    call.shade = shade;
    call.width = thickness;
    calls.push_back(call);
  }
  void DrawLine(const Vector2& from, const Vector2& to, const Rgba& fromColor, const Rgba&,
                float thickness, bool) override {
    Call call = Start(LINE, {from, to}, fromColor);
    call.width = thickness;
    calls.push_back(call);
  }
  void DrawQuad(const Vector2& p0, const Vector2& p1, const Vector2& p2, const Vector2& p3,
                const Rgba& c0, const Rgba&, const Rgba&, const Rgba&, bool filled,
                float thickness) override {
    Call call = Start(QUAD, {p0, p1, p2, p3}, c0);
    call.filled = filled;
    call.width = thickness;
    calls.push_back(call);
  }
  void DrawTexturedQuad(Texture* texture, const Vector2& mins, const Vector2& maxs,
                        const Rgba& tint, const Vector2&, const Vector2&) override {
    Call call = Start(TEXTURE, {mins, maxs}, tint);
    call.texture = texture;
    calls.push_back(call);
  }
  void Clear(const Rgba& color) override { calls.push_back(Start(CLEAR, {}, color)); }
  void DrawAlignedQuad(const Vector2& mins, const Vector2& maxs, const Rgba& c0, const Rgba& c1,
                       const Rgba& c2, const Rgba& c3, bool filled, float thickness) override {
    DrawQuad(mins, Vector2(maxs.x, mins.y), maxs, Vector2(mins.x, maxs.y), c0, c1, c2, c3, filled,
             thickness);
  }

  Vector2 GetTextExtent(const FontDescriptor*, const std::string&) const override {
    return Vector2(0.0f, 0.0f);
  }
  // Recorded as text at a point.
  void DrawTextAt(const FontDescriptor*, const Vector2& position, const std::string& text,
                  const Rgba& color) override {
    DrawTextInBox(nullptr, AABB2(position, position), text, 0.0f, color, 0, 0);
  }

  BitmapFont* LoadFont(const std::string& face, const std::string&) override {
    return GetFont(face);
  }

  std::vector<Call> calls;

 private:
  static Call Start(Kind kind, std::vector<Vector2> points, const Rgba& color) {
    Call call;
    call.kind = kind;
    call.points = std::move(points);
    call.color = color;
    return call;
  }

  std::unique_ptr<BitmapFont> m_font;
};

}  // namespace testsupport
