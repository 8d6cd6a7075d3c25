#include "engine/ui/LabelWidget.h"

#include <algorithm>
#include <cmath>

#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/renderer/TextPlacement.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

namespace {

const char* const DEFAULT_FONT_FACE = "MainFont";
constexpr float DEFAULT_FONT_HEIGHT = 24.0f;

const Rgba CURSOR_COLOR(255, 255, 255, 255);
constexpr float CURSOR_THICKNESS = 2.0f;
// The gap between the last character before the cursor and the cursor.
constexpr float CURSOR_GAP = 2.0f;

int RoundHalfAwayFromZero(float value) { return static_cast<int>(std::lround(value)); }

bool IsCursorInVisiblePhase() {
  UlvoCore* core = UlvoCore::GetGlobal();
  if (core == nullptr) {
    return true;
  }
  const double now = core->GetTimeSystem().GetCurrentTimeSeconds();
  return std::fmod(now, LabelWidget::CURSOR_BLINK_PERIOD_SECONDS) <
         LabelWidget::CURSOR_VISIBLE_SECONDS;
}

}  // namespace

LabelWidget::LabelWidget(const std::string& name, BaseWidget* parent) : BaseWidget(name, parent) {
  NamedProperties& own = GetProperties();
  StoreFontDescriptor(DEFAULT_FONT_FACE, DEFAULT_FONT_HEIGHT, false);
  own.Set("BaseColor", Rgba(255, 255, 255, 0));
  own.Set("BorderColor", Rgba(255, 255, 255, 0));
  own.Set("Label", std::string("Label"));
  own.Set("FontName", std::string(DEFAULT_FONT_FACE));
  own.Set("FontHeight", DEFAULT_FONT_HEIGHT);
  own.Set("FontColor", Rgba(255, 255, 255, 255));
  own.Set("FontBold", false);
  own.Set("FontAlpha", 1.0f);
  own.Set("ShadowColor", Rgba(0, 0, 0, 255));
  own.Set("ShadowAlpha", 1.0f);
  own.Set("Shadowed", true);
  own.Set("SetDefaultLabelEvent", std::string());
  own.Set("TextOffset", Vector2(0.0f, 0.0f));
  own.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_TOP);
  own.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_LEFT);
  own.Set("Editable", false);
  own.Set("CursorPosition", 0);
  own.Set("RenderBackground", false);

  GetStateProperties(UI_STATE_FOCUSED).Set("FontColor", Rgba(255, 255, 0, 255));
  GetStateProperties(UI_STATE_DISABLED).Set("FontColor", Rgba(40, 40, 40, 255));
  GetStateProperties(UI_STATE_DISABLED).Set("ShadowColor", Rgba(140, 140, 140, 255));
}

LabelWidget::~LabelWidget() = default;

void LabelWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ReadProperty<bool>("Editable", source, destination, PROPERTY_READ_COPY);
  ReadProperty<int>("CursorPosition", source, destination, PROPERTY_READ_COPY);
  ReadProperty<bool>("RenderBackground", source, destination, PROPERTY_READ_COPY);
  ReadProperty<bool>("Shadowed", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Rgba>("ShadowColor", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Rgba>("FontColor", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("FontAlpha", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("ShadowAlpha", source, destination, PROPERTY_READ_COPY);
  ReadProperty<FontDescriptor*>("FontDescriptor", source, destination,
                                PROPERTY_READ_SET_LAYOUT_DIRTY);
  ReadProperty<std::string>("Label", source, destination, PROPERTY_READ_SET_LAYOUT_DIRTY);
  ReadProperty<Vector2>("TextOffset", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Vector2>("TextAlignmentOffset", source, destination, PROPERTY_READ_COPY);
  ReadProperty<VerticalTextAlignment>("VerticalTextAlignment", source, destination,
                                      PROPERTY_READ_SET_LAYOUT_DIRTY);
  ReadProperty<HorizontalTextAlignment>("HorizontalTextAlignment", source, destination,
                                        PROPERTY_READ_SET_LAYOUT_DIRTY);
  ReadProperty<std::string>("SetDefaultLabelEvent", source, destination, PROPERTY_READ_SUBSCRIBE);
  // All three readers must run, so none may be cut short by another.
  const bool heightChanged = ReadProperty<float>("FontHeight", source, destination, PROPERTY_READ_COPY);
  const bool boldChanged = ReadProperty<bool>("FontBold", source, destination, PROPERTY_READ_COPY);
  const bool nameChanged = ReadProperty<std::string>("FontName", source, destination, PROPERTY_READ_COPY);
  if (heightChanged || boldChanged || nameChanged) {
    RebuildFontDescriptor();
  }
  BaseWidget::ApplyProperties(source, destination);
}

void LabelWidget::RebuildFontDescriptor() {
  StoreFontDescriptor(GetProperty<std::string>("FontName"), GetProperty<float>("FontHeight"),
                      GetProperty<bool>("FontBold"));
}

void LabelWidget::StoreFontDescriptor(const std::string& face, float height, bool bold) {
  auto descriptor =
      std::make_unique<FontDescriptor>(face, RoundHalfAwayFromZero(height), bold, false);
  GetProperties().Set("FontDescriptor", descriptor.get());
  m_fontDescriptor = std::move(descriptor);
}

void LabelWidget::LayoutContents() {
  GetProperties().Set("TextAlignmentOffset", Vector2(0.0f, 0.0f));
  BaseWidget::LayoutContents();
}

bool LabelWidget::UpdateMouseOver(const Vector2& /*point*/) { return false; }

void LabelWidget::ScaleLayout(float scaleX, float scaleY) {
  BaseWidget::ScaleLayout(scaleX, scaleY);
  const Vector2 textOffset = GetProperty<Vector2>("TextOffset");
  GetProperties().Set("TextOffset", Vector2(textOffset.x * scaleX, textOffset.y * scaleY));
  const float height = GetProperty<float>("FontHeight") * scaleY;
  GetProperties().Set("FontHeight", height);
  StoreFontDescriptor(GetProperty<std::string>("FontName"), height, GetProperty<bool>("FontBold"));
  SetLayoutDirty();
}

Rgba LabelWidget::GetFontColor() const {
  return MultiplyAlpha(GetProperty<Rgba>("FontColor"), GetProperty<float>("FontAlpha"));
}

Rgba LabelWidget::GetShadowColor() const {
  return MultiplyAlpha(GetProperty<Rgba>("ShadowColor"), GetProperty<float>("ShadowAlpha"));
}

void LabelWidget::Draw() {
  LayOutParentIfDirty();
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr) {
    return;
  }
  const FontDescriptor* font = GetProperty<FontDescriptor*>("FontDescriptor");
  if (font == nullptr) {
    return;
  }
  const AABB2 box = GetAnimatedBounds();
  if (GetProperty<bool>("RenderBackground")) {
    DrawBackground(*renderer, box);
  }
  const std::string text = GetProperty<std::string>("Label");
  const AABB2 textBox = box + GetProperty<Vector2>("TextOffset");
  if (GetProperty<bool>("Editable") && IsCursorInVisiblePhase()) {
    DrawCursor(*renderer, *font, textBox, text);
  }
  // A face without a loaded bitmap font is left to the renderer's own text.
  if (font->GetHandle() == nullptr) {
    DrawTextAtPoint(*renderer, *font, box, text);
    return;
  }
  DrawLabelText(*renderer, *font, textBox, text);
}

void LabelWidget::DrawBackground(UlvoRendererInterface& renderer, const AABB2& box) const {
  const Rgba baseColor = GetBaseColor();
  const float gradient = GetTintGradient();
  const float left = GetProperty<float>("FeatherFractionLeft");
  const float right = GetProperty<float>("FeatherFractionRight");
  if (!(left > 0.0f) && !(right > 0.0f)) {
    renderer.DrawBounds(box, baseColor, true, gradient, 1.0f);
  } else {
    const float width = box.CalcSize().x;
    const float leftEdge = box.mins.x + width * left;
    const float rightEdge = box.maxs.x - width * right;
    Rgba faded = baseColor;
    faded.a = 0;
    if (left > 0.0f) {
      renderer.DrawAlignedQuad(box.mins, Vector2(leftEdge, box.maxs.y), faded, baseColor, baseColor,
                               faded, true, 1.0f);
    }
    if (right > 0.0f) {
      renderer.DrawAlignedQuad(Vector2(rightEdge, box.mins.y), box.maxs, baseColor, faded, faded,
                               baseColor, true, 1.0f);
    }
    if (left + right < 1.0f) {
      renderer.DrawBounds(AABB2(leftEdge, box.mins.y, rightEdge, box.maxs.y), baseColor, true, 0.0f,
                          1.0f);
    }
  }
  const int thickness = GetProperty<int>("BorderThickness");
  if (thickness > 0) {
    renderer.DrawBounds(box, GetBorderColor(), false, gradient, static_cast<float>(thickness));
  }
}

// The cursor stands after the characters before it, where the renderer puts
// them: the whole line is placed in the box (shrunk to 90 % of its width
// when wider), and the cursor spans the line's height.
void LabelWidget::DrawCursor(UlvoRendererInterface& renderer, const FontDescriptor& font,
                             const AABB2& textBox, const std::string& text) const {
  const int cursor = std::max(GetProperty<int>("CursorPosition"), 0);
  const std::string prefix = text.substr(0, std::min(static_cast<size_t>(cursor), text.size()));
  const float size = static_cast<float>(font.GetSize());
  const Vector2 lineExtent = renderer.CalcTextExtent(font.GetHandle(), text, size);
  const float widthAvailable = 0.9f * textBox.CalcSize().x;
  const float shrink =
      (lineExtent.x > widthAvailable && lineExtent.x > 0.0f) ? widthAvailable / lineExtent.x : 1.0f;
  const float lineWidth = lineExtent.x * shrink;
  const float lineHeight = lineExtent.y * shrink;
  const float lineLeft =
      StartOfLineInside(textBox.mins.x, textBox.maxs.x, lineWidth,
                  GetProperty<HorizontalTextAlignment>("HorizontalTextAlignment"));
  const float lineTop = StartOfLineInside(textBox.mins.y, textBox.maxs.y, lineHeight,
                                    GetProperty<VerticalTextAlignment>("VerticalTextAlignment"));
  const float x =
      lineLeft + renderer.CalcTextExtent(font.GetHandle(), prefix, size).x * shrink + CURSOR_GAP;
  renderer.DrawLine(Vector2(x, lineTop), Vector2(x, lineTop + lineHeight), CURSOR_COLOR,
                    CURSOR_COLOR, CURSOR_THICKNESS, true);
}

void LabelWidget::DrawTextAtPoint(UlvoRendererInterface& renderer, const FontDescriptor& font,
                                  const AABB2& box, const std::string& text) const {
  const Vector2 position = box.mins + GetTextAlignmentOffset() + GetProperty<Vector2>("TextOffset");
  if (GetProperty<bool>("Shadowed")) {
    renderer.DrawTextAt(&font, position + Vector2(1.0f, 1.0f), text, GetShadowColor());
  }
  renderer.DrawTextAt(&font, position, text, GetFontColor());
}

// Set by the layout or a description; (0, 0) before either.
Vector2 LabelWidget::GetTextAlignmentOffset() const {
  Vector2 offset;
  if (GetStateProperties(GetState()).Get("TextAlignmentOffset", offset) != PROPERTY_FETCH_OK) {
    GetProperties().Get("TextAlignmentOffset", offset);
  }
  return offset;
}

void LabelWidget::DrawLabelText(UlvoRendererInterface& renderer, const FontDescriptor& font,
                                const AABB2& textBox, const std::string& text) const {
  const int vertical = GetProperty<VerticalTextAlignment>("VerticalTextAlignment");
  const int horizontal = GetProperty<HorizontalTextAlignment>("HorizontalTextAlignment");
  const float size = static_cast<float>(font.GetSize());
  // The shadow sits one unit right and down, under the text.
  if (GetProperty<bool>("Shadowed")) {
    renderer.DrawTextInBox(font.GetHandle(), textBox + Vector2(1.0f, 1.0f), text, size,
                           GetShadowColor(), vertical, horizontal);
  }
  renderer.DrawTextInBox(font.GetHandle(), textBox, text, size, GetFontColor(), vertical,
                         horizontal);
}
