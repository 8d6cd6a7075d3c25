#include "engine/ui/SliderWidget.h"

#include <initializer_list>
#include <utility>

#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/PartDescriptions.h"

class Texture;

namespace {

const char* const INCREASE_PREFIX = "Increase";
const char* const DECREASE_PREFIX = "Decrease";
const char* const ROLLOVER_TEXT_EVENT = "RolloverTextChangedEvent";
const Rgba FOCUSED_TEXT_COLOR(255, 255, 0, 255);

// Left edges and widths of the parts as fractions of the slider's width.
constexpr float CAPTION_LEFT = 0.0f;
constexpr float CAPTION_WIDTH = 0.4f;
constexpr float DECREASE_LEFT = 0.4f;
constexpr float BUTTON_WIDTH = 0.1f;
constexpr float VALUE_LEFT = 0.5f;
constexpr float VALUE_WIDTH = 0.4f;
constexpr float INCREASE_LEFT = 0.9f;

}  // namespace

SliderWidget::SliderWidget(const std::string& name, BaseWidget* parent)
    : BaseWidget(name, parent),
      m_caption(name + "Label", nullptr),
      m_valueLabel(name + "CurrentValueLabel", nullptr),
      m_increaseButton(INCREASE_PREFIX + name, nullptr),
      m_decreaseButton(DECREASE_PREFIX + name, nullptr) {
  for (BaseWidget* part :
       {static_cast<BaseWidget*>(&m_caption), static_cast<BaseWidget*>(&m_valueLabel),
        static_cast<BaseWidget*>(&m_increaseButton), static_cast<BaseWidget*>(&m_decreaseButton)}) {
    part->SetParent(this);
  }
  NamedProperties& own = GetProperties();
  own.Set("RolloverText", std::string());
  for (const char* textureProperty :
       {"ButtonEnabledTexture", "ButtonDisabledTexture", "ButtonFocusedTexture", "IncreaseTexture",
        "DecreaseTexture"}) {
    own.Set(textureProperty, static_cast<Texture*>(nullptr));
  }
  for (LabelWidget* label : {&m_caption, &m_valueLabel}) {
    label->GetStateProperties(UI_STATE_FOCUSED).Set("FontColor", FOCUSED_TEXT_COLOR);
    label->GetProperties().Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  }
}

// The members go in reverse: decrease, increase, value label, caption.
SliderWidget::~SliderWidget() { WithdrawRolloverTextIfFocused(); }

void SliderWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  BaseWidget::ApplyProperties(source, destination);
  ReadProperty<std::string>("RolloverText", source, destination, PROPERTY_READ_COPY);
  std::string activationEventName;
  if (source.Get("OnActivationEventName", activationEventName) == PROPERTY_FETCH_OK) {
    ConfigureParts(source, activationEventName);
  }
  ApplyButtonTextures(source);
}

void SliderWidget::ConfigureParts(const NamedProperties& source,
                                  const std::string& activationEventName) {
  NamedProperties captionDescription = MakePartCaptionDescription(source);
  m_caption.ApplyStateProperty(captionDescription);

  // The value label alone keeps "SetDefaultLabelEvent": the game's value
  // text reaches it and not the caption.
  NamedProperties valueDescription(source);
  valueDescription.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  m_valueLabel.ApplyStateProperty(valueDescription);

  NamedProperties increaseDescription =
      MakePartButtonDescription(source, INCREASE_PREFIX + activationEventName);
  m_increaseButton.ApplyStateProperty(increaseDescription);
  NamedProperties decreaseDescription =
      MakePartButtonDescription(source, DECREASE_PREFIX + activationEventName);
  m_decreaseButton.ApplyStateProperty(decreaseDescription);
}

void SliderWidget::ApplyButtonTextures(const NamedProperties& source) {
  ButtonWidget& increase = m_increaseButton;
  ButtonWidget& decrease = m_decreaseButton;
  CopyToPartsIfPresent<Texture*>(source, "ButtonDisabledTexture",
                                 {&increase.GetStateProperties(UI_STATE_DISABLED),
                                  &decrease.GetStateProperties(UI_STATE_DISABLED)},
                                 "BaseTexture");
  CopyToPartsIfPresent<Texture*>(source, "ButtonEnabledTexture",
                                 {&increase.GetProperties(), &decrease.GetProperties()},
                                 "BaseTexture");
  CopyToPartsIfPresent<Texture*>(source, "ButtonFocusedTexture",
                                 {&increase.GetStateProperties(UI_STATE_FOCUSED),
                                  &decrease.GetStateProperties(UI_STATE_FOCUSED),
                                  &increase.GetStateProperties(UI_STATE_ACTIVATED),
                                  &decrease.GetStateProperties(UI_STATE_ACTIVATED)},
                                 "BaseTexture");
  for (auto [textureName, button] : {std::make_pair("IncreaseTexture", &increase),
                                     std::make_pair("DecreaseTexture", &decrease)}) {
    if (CopyToPartsIfPresent<Texture*>(source, textureName, {&button->GetProperties()},
                                       "OverlayTexture")) {
      button->GetProperties().Set("Label", std::string());
    }
  }
  for (auto [sourceName, destinationName] :
       {std::make_pair("ButtonMinBaseTextureCoords", "MinBaseTextureCoords"),
        std::make_pair("ButtonMaxBaseTextureCoords", "MaxBaseTextureCoords")}) {
    CopyToPartsIfPresent<Vector2>(source, sourceName,
                                  {&increase.GetProperties(), &decrease.GetProperties()},
                                  destinationName);
  }
}

void SliderWidget::LayoutContents() {
  const Vector2 topLeft = GetBounds().mins;
  const Vector2 size = GetProperty<Vector2>("Size");
  const auto place = [&](BaseWidget& part, float left, float width) {
    PlacePart(part, Vector2(topLeft.x + left * size.x, topLeft.y),
              Vector2(width * size.x, size.y));
  };
  place(m_caption, CAPTION_LEFT, CAPTION_WIDTH);
  place(m_decreaseButton, DECREASE_LEFT, BUTTON_WIDTH);
  place(m_valueLabel, VALUE_LEFT, VALUE_WIDTH);
  place(m_increaseButton, INCREASE_LEFT, BUTTON_WIDTH);
  ClearLayoutDirty();
}

void SliderWidget::Draw() {
  LayOutParentIfDirty();
}

bool SliderWidget::UpdateMouseOver(const Vector2& point) {
  return m_increaseButton.UpdateMouseOver(point) || m_decreaseButton.UpdateMouseOver(point) ||
         BaseWidget::UpdateMouseOver(point);
}

void SliderWidget::OnRolloverBegin() {
  NamedProperties args;
  args.Set("Label", GetProperty<std::string>("RolloverText"));
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
  m_caption.OnRolloverBegin();
  m_valueLabel.OnRolloverBegin();
  SetState(UI_STATE_GAINING_FOCUS);
}

void SliderWidget::WithdrawRolloverText() {
  NamedProperties args;
  args.Set("Label", std::string());
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
}

void SliderWidget::OnRolloverEnd() {
  WithdrawRolloverText();
  m_caption.OnRolloverEnd();
  m_valueLabel.OnRolloverEnd();
  if (GetState() != UI_STATE_HIDING) {
    SetState(UI_STATE_LOSING_FOCUS);
  }
  if (GetParent() != nullptr) {
    GetParent()->OnChildReleased(this);
  }
}

bool SliderWidget::OnKeyEvent(int action, int key) {
  return m_increaseButton.OnKeyEvent(action, key) || m_decreaseButton.OnKeyEvent(action, key);
}
