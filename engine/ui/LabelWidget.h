#pragma once

#include <memory>
#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/FontDescriptor.h"
#include "engine/core/Rgba.h"
#include "engine/ui/BaseWidget.h"

class UlvoRendererInterface;

// One line of text in a font chosen by face, height and weight, aligned in
// the widget's box, with an optional drop shadow, background box and, while
// the text is being edited, a blinking cursor. A label never takes the
// mouse or keys; its text can be replaced by the event named in
// "SetDefaultLabelEvent".
class LabelWidget : public BaseWidget {
 public:
  // The cursor shows for this long of every blink period.
  static constexpr double CURSOR_BLINK_PERIOD_SECONDS = 0.5;
  static constexpr double CURSOR_VISIBLE_SECONDS = 0.4;

  LabelWidget(const std::string& name, BaseWidget* parent);
  ~LabelWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  // "TextAlignmentOffset" goes back to (0, 0).
  void LayoutContents() override;
  void Draw() override;
  // Never starts a roll-over: always false.
  bool UpdateMouseOver(const Vector2& point) override;
  // The text scales with the box, whatever the layout mode.
  void ScaleLayout(float scaleX, float scaleY) override;

  // "FontColor" with its alpha multiplied by "FontAlpha".
  Rgba GetFontColor() const;
  // "ShadowColor" with its alpha multiplied by "ShadowAlpha".
  Rgba GetShadowColor() const;

 private:
  // A new descriptor from "FontName", "FontHeight" (rounded half away from
  // zero) and "FontBold", stored as "FontDescriptor" in the own bag.
  void RebuildFontDescriptor();
  void StoreFontDescriptor(const std::string& face, float height, bool bold);

  void DrawBackground(UlvoRendererInterface& renderer, const AABB2& box) const;
  void DrawCursor(UlvoRendererInterface& renderer, const FontDescriptor& font, const AABB2& textBox,
                  const std::string& text) const;
  void DrawLabelText(UlvoRendererInterface& renderer, const FontDescriptor& font, const AABB2& box,
                     const std::string& text) const;
  void DrawTextAtPoint(UlvoRendererInterface& renderer, const FontDescriptor& font,
                       const AABB2& box, const std::string& text) const;
  Vector2 GetTextAlignmentOffset() const;

  // The descriptor the own bag points at; a replaced one is released when
  // the bag no longer holds it.
  std::unique_ptr<FontDescriptor> m_fontDescriptor;
};
