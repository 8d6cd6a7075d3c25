#include "engine/ui/SliderWidget.h"

#include <initializer_list>
#include <utility>

#include "engine/core/UlvoEventSystem.h"

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

void PlacePart(BaseWidget& part, float left, float top, float width, float height) {
  part.GetProperties().Set("Size", Vector2(width, height));
  part.GetProperties().Set("Bounds", AABB2(left, top, left + width, top + height));
  part.LayoutContents();
}

NamedProperties MakeButtonDescription(const NamedProperties& source,
                                      const std::string& activationEventName) {
  NamedProperties description(source);
  description.Remove("SetDefaultLabelEvent");
  description.Set("OnActivationEventName", activationEventName);
  description.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
  description.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  description.Set("Label", std::string());
  description.Set("TextOffset", Vector2(0.0f, 0.0f));
  return description;
}

void SetTextureIfPresent(const NamedProperties& source, const std::string& sourceName,
                         std::initializer_list<NamedProperties*> destinations,
                         const std::string& destinationName) {
  Texture* texture = nullptr;
  if (source.Get(sourceName, texture) != PROPERTY_FETCH_OK) {
    return;
  }
  for (NamedProperties* destination : destinations) {
    destination->Set(destinationName, texture);
  }
}

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
SliderWidget::~SliderWidget() = default;

bool SliderWidget::SetState(UIState newState) {
  m_caption.SetState(newState);
  m_valueLabel.SetState(newState);
  m_increaseButton.SetState(newState);
  m_decreaseButton.SetState(newState);
  return BaseWidget::SetState(newState);
}

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
  NamedProperties captionDescription(source);
  captionDescription.Remove("SetDefaultLabelEvent");
  captionDescription.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
  captionDescription.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  m_caption.ApplyStateProperty(captionDescription);

  // The value label alone keeps "SetDefaultLabelEvent": the game's value
  // text reaches it and not the caption.
  NamedProperties valueDescription(source);
  valueDescription.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  m_valueLabel.ApplyStateProperty(valueDescription);

  NamedProperties increaseDescription =
      MakeButtonDescription(source, INCREASE_PREFIX + activationEventName);
  m_increaseButton.ApplyStateProperty(increaseDescription);
  NamedProperties decreaseDescription =
      MakeButtonDescription(source, DECREASE_PREFIX + activationEventName);
  m_decreaseButton.ApplyStateProperty(decreaseDescription);
}

void SliderWidget::ApplyButtonTextures(const NamedProperties& source) {
  ButtonWidget& increase = m_increaseButton;
  ButtonWidget& decrease = m_decreaseButton;
  SetTextureIfPresent(source, "ButtonDisabledTexture",
                      {&increase.GetStateProperties(UI_STATE_DISABLED),
                       &decrease.GetStateProperties(UI_STATE_DISABLED)},
                      "BaseTexture");
  SetTextureIfPresent(source, "ButtonEnabledTexture",
                      {&increase.GetProperties(), &decrease.GetProperties()}, "BaseTexture");
  SetTextureIfPresent(source, "ButtonFocusedTexture",
                      {&increase.GetStateProperties(UI_STATE_FOCUSED),
                       &decrease.GetStateProperties(UI_STATE_FOCUSED),
                       &increase.GetStateProperties(UI_STATE_ACTIVATED),
                       &decrease.GetStateProperties(UI_STATE_ACTIVATED)},
                      "BaseTexture");
  for (auto [textureName, button] : {std::make_pair("IncreaseTexture", &increase),
                                     std::make_pair("DecreaseTexture", &decrease)}) {
    Texture* texture = nullptr;
    if (source.Get(textureName, texture) == PROPERTY_FETCH_OK) {
      button->GetProperties().Set("OverlayTexture", texture);
      button->GetProperties().Set("Label", std::string());
    }
  }
  for (auto [sourceName, destinationName] :
       {std::make_pair("ButtonMinBaseTextureCoords", "MinBaseTextureCoords"),
        std::make_pair("ButtonMaxBaseTextureCoords", "MaxBaseTextureCoords")}) {
    Vector2 coords;
    if (source.Get(sourceName, coords) == PROPERTY_FETCH_OK) {
      increase.GetProperties().Set(destinationName, coords);
      decrease.GetProperties().Set(destinationName, coords);
    }
  }
}

void SliderWidget::Render() {
  BaseWidget::Render();
  m_caption.Render();
  m_valueLabel.Render();
  m_increaseButton.Render();
  m_decreaseButton.Render();
}

void SliderWidget::LayoutContents() {
  const Vector2 topLeft = GetBounds().mins;
  const Vector2 size = GetProperty<Vector2>("Size");
  const auto place = [&](BaseWidget& part, float left, float width) {
    PlacePart(part, topLeft.x + left * size.x, topLeft.y, width * size.x, size.y);
  };
  place(m_caption, CAPTION_LEFT, CAPTION_WIDTH);
  place(m_decreaseButton, DECREASE_LEFT, BUTTON_WIDTH);
  place(m_valueLabel, VALUE_LEFT, VALUE_WIDTH);
  place(m_increaseButton, INCREASE_LEFT, BUTTON_WIDTH);
  ClearLayoutDirty();
}

void SliderWidget::Draw() {
  if (IsLayoutDirty() && GetParent() != nullptr) {
    GetParent()->LayoutContents();
  }
}

bool SliderWidget::UpdateMouseOver(const Vector2& point) {
  return m_increaseButton.UpdateMouseOver(point) || m_decreaseButton.UpdateMouseOver(point) ||
         BaseWidget::UpdateMouseOver(point);
}

bool SliderWidget::Show() {
  if (!IsAbleToBeVisible()) {
    return false;
  }
  if (GetState() == UI_STATE_HIDDEN || GetState() == UI_STATE_HIDING) {
    SetState(UI_STATE_APPEARING);
  }
  m_caption.Show();
  m_valueLabel.Show();
  m_increaseButton.Show();
  m_decreaseButton.Show();
  return true;
}

bool SliderWidget::Hide() {
  bool hidden = AreChildrenHidden();
  if (GetState() >= UI_STATE_APPEARING) {
    SetState(UI_STATE_HIDING);
    hidden = true;
  }
  if (hidden) {
    m_caption.Hide();
    m_valueLabel.Hide();
    m_increaseButton.Hide();
    m_decreaseButton.Hide();
  }
  return hidden;
}

void SliderWidget::OnRolloverBegin() {
  NamedProperties args;
  args.Set("Label", GetProperty<std::string>("RolloverText"));
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
  m_caption.OnRolloverBegin();
  m_valueLabel.OnRolloverBegin();
  SetState(UI_STATE_GAINING_FOCUS);
}

void SliderWidget::OnRolloverEnd() {
  NamedProperties args;
  args.Set("Label", std::string());
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
  m_caption.OnRolloverEnd();
  m_valueLabel.OnRolloverEnd();
  if (GetState() != UI_STATE_HIDING) {
    SetState(UI_STATE_LOSING_FOCUS);
  }
  if (GetParent() != nullptr) {
    GetParent()->OnChildReleased(this);
  }
}

void SliderWidget::ScaleLayout(float scaleX, float scaleY) {
  BaseWidget::ScaleLayout(scaleX, scaleY);
  m_caption.ScaleLayout(scaleX, scaleY);
  m_valueLabel.ScaleLayout(scaleX, scaleY);
  m_increaseButton.ScaleLayout(scaleX, scaleY);
  m_decreaseButton.ScaleLayout(scaleX, scaleY);
}

bool SliderWidget::OnKeyEvent(int action, int key) {
  return m_increaseButton.OnKeyEvent(action, key) || m_decreaseButton.OnKeyEvent(action, key);
}
