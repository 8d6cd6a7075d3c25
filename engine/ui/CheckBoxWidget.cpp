#include "engine/ui/CheckBoxWidget.h"

#include "engine/core/UlvoEventSystem.h"

class Texture;

namespace {

const char* const INTERNAL_TOGGLE_PREFIX = "InternalToggle";
const char* const TOGGLE_PREFIX = "Toggle";
const char* const SET_PREFIX = "Set";
const char* const ROLLOVER_TEXT_EVENT = "RolloverTextChangedEvent";

// The parts lay out in these fractions of the check box's width: the caption
// from the left edge, the box in the right tenth.
constexpr float CAPTION_WIDTH_FRACTION = 0.85f;
constexpr float BOX_LEFT_FRACTION = 0.9f;
constexpr float BOX_WIDTH_FRACTION = 0.1f;

void CopyTextureIfPresent(const NamedProperties& source, const std::string& sourceName,
                          NamedProperties& destination) {
  Texture* texture = nullptr;
  if (source.Get(sourceName, texture) == PROPERTY_FETCH_OK) {
    destination.Set("BaseTexture", texture);
  }
}

void CopyVectorIfPresent(const NamedProperties& source, const std::string& sourceName,
                         NamedProperties& destination, const std::string& destinationName) {
  Vector2 value;
  if (source.Get(sourceName, value) == PROPERTY_FETCH_OK) {
    destination.Set(destinationName, value);
  }
}

void PlacePart(BaseWidget& part, const Vector2& topLeft, const Vector2& size) {
  part.GetProperties().Set("Size", size);
  part.GetProperties().Set("Bounds", AABB2(topLeft, topLeft + size));
  part.LayoutContents();
}

}  // namespace

CheckBoxWidget::CheckBoxWidget(const std::string& name, BaseWidget* parent)
    : ActivatableWidget(name, parent),
      m_caption(name + "Label", nullptr),
      m_box(name + "Button", nullptr) {
  m_caption.SetParent(this);
  m_box.SetParent(this);
  NamedProperties& own = GetProperties();
  own.Set("RolloverText", std::string());
  own.Set("SetFontColor", Rgba(255, 255, 255, 255));
  own.Set("UnsetFontColor", Rgba(255, 255, 255, 255));
  own.Set("CheckedTexture", static_cast<Texture*>(nullptr));
  own.Set("UncheckedTexture", static_cast<Texture*>(nullptr));
  own.Set("CheckBoxEnabledTexture", static_cast<Texture*>(nullptr));
  own.Set("CheckBoxDisabledTexture", static_cast<Texture*>(nullptr));
  own.Set("CheckBoxFocusedTexture", static_cast<Texture*>(nullptr));
  own.Set("CheckBoxMinBaseTextureCoords", Vector2(0.0f, 0.0f));
  own.Set("CheckBoxMaxBaseTextureCoords", Vector2(1.0f, 1.0f));
  own.Set("Value", false);
  m_caption.GetStateProperties(UI_STATE_FOCUSED).Set("FontColor", Rgba(255, 255, 0, 255));
}

// The members go box first, then caption, before the activatable part.
CheckBoxWidget::~CheckBoxWidget() = default;

bool CheckBoxWidget::SetState(UIState newState) {
  m_caption.SetState(newState);
  m_box.SetState(newState);
  return ActivatableWidget::SetState(newState);
}

void CheckBoxWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ReadProperty<std::string>("RolloverText", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Rgba>("SetFontColor", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  ReadProperty<Rgba>("UnsetFontColor", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  ReadProperty<bool>("Value", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  ReadProperty<Texture*>("CheckedTexture", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  ReadProperty<Texture*>("UncheckedTexture", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  std::string activationEventName;
  if (source.Get("OnActivationEventName", activationEventName) == PROPERTY_FETCH_OK) {
    SubscribeToToggleAndSet(activationEventName);
    destination.Set("OnActivationEventName", activationEventName);
    ConfigureParts(source);
  }
  ApplyBoxTextures(source);
  ActivatableWidget::ApplyProperties(source, destination);
  UpdateCheckedAppearance();
}

// A second description naming the activation event must not subscribe the
// handlers again: each press would then flip the value twice and tell the
// game twice.
void CheckBoxWidget::SubscribeToToggleAndSet(const std::string& activationEventName) {
  UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
  if (eventSystem == nullptr) {
    return;
  }
  if (!m_isSubscribedToInternalToggle) {
    RegisterEventHandler(INTERNAL_TOGGLE_PREFIX + GetName(), eventSystem,
                         &CheckBoxWidget::Event_OnInternalToggle, this);
    m_isSubscribedToInternalToggle = true;
  }
  const std::string setEventName = SET_PREFIX + activationEventName;
  if (setEventName == m_subscribedSetEventName) {
    return;
  }
  if (!m_subscribedSetEventName.empty()) {
    eventSystem->Unregister(m_subscribedSetEventName, this);
  }
  RegisterEventHandler(setEventName, eventSystem, &CheckBoxWidget::Event_OnSet, this);
  m_subscribedSetEventName = setEventName;
}

void CheckBoxWidget::ConfigureParts(const NamedProperties& source) {
  NamedProperties captionDescription(source);
  captionDescription.Remove("SetDefaultLabelEvent");
  captionDescription.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
  captionDescription.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  m_caption.ApplyStateProperty(captionDescription);

  // The box's activation comes back to this check box, which then tells the
  // game under its own event name.
  NamedProperties boxDescription(source);
  boxDescription.Remove("SetDefaultLabelEvent");
  boxDescription.Set("OnActivationEventName", INTERNAL_TOGGLE_PREFIX + GetName());
  boxDescription.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
  boxDescription.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
  boxDescription.Set("Label", std::string());
  boxDescription.Set("TextOffset", Vector2(0.0f, 0.0f));
  m_box.ApplyStateProperty(boxDescription);
}

void CheckBoxWidget::ApplyBoxTextures(const NamedProperties& source) {
  CopyTextureIfPresent(source, "CheckBoxDisabledTexture",
                       m_box.GetStateProperties(UI_STATE_DISABLED));
  CopyTextureIfPresent(source, "CheckBoxEnabledTexture", m_box.GetProperties());
  CopyTextureIfPresent(source, "CheckBoxFocusedTexture",
                       m_box.GetStateProperties(UI_STATE_FOCUSED));
  CopyTextureIfPresent(source, "CheckBoxFocusedTexture",
                       m_box.GetStateProperties(UI_STATE_ACTIVATED));
  CopyVectorIfPresent(source, "CheckBoxMinBaseTextureCoords", m_box.GetProperties(),
                      "MinBaseTextureCoords");
  CopyVectorIfPresent(source, "CheckBoxMaxBaseTextureCoords", m_box.GetProperties(),
                      "MaxBaseTextureCoords");
}

void CheckBoxWidget::UpdateCheckedAppearance() {
  const bool value = GetProperty<bool>("Value");
  const Rgba color = GetProperty<Rgba>(value ? "SetFontColor" : "UnsetFontColor");
  Texture* checkedTexture = GetProperty<Texture*>("CheckedTexture");

  NamedProperties boxAppearance;
  if (checkedTexture == nullptr) {
    boxAppearance.Set("Label", std::string(value ? "X" : ""));
  } else {
    boxAppearance.Set("Label", std::string());
    boxAppearance.Set("OverlayTexture",
                      value ? checkedTexture : GetProperty<Texture*>("UncheckedTexture"));
  }
  boxAppearance.Set("FontColor", color);
  m_box.ApplyStateProperty(boxAppearance);

  NamedProperties captionAppearance;
  captionAppearance.Set("FontColor", color);
  m_caption.ApplyStateProperty(captionAppearance);
}

void CheckBoxWidget::Event_OnInternalToggle(NamedProperties& /*payload*/) {
  const bool value = !GetProperty<bool>("Value");
  GetProperties().Set("Value", value);
  NamedProperties args;
  args.Set("Value", value);
  FireEventFromProperty("OnActivationEventName", TOGGLE_PREFIX, args);
  UpdateCheckedAppearance();
}

void CheckBoxWidget::Event_OnSet(NamedProperties& payload) {
  bool value = false;
  if (payload.Get("Value", value) != PROPERTY_FETCH_OK) {
    return;
  }
  GetProperties().Set("Value", value);
  UpdateCheckedAppearance();
}

void CheckBoxWidget::LayoutContents() {
  const Vector2 topLeft = GetBounds().mins;
  const Vector2 size = GetProperty<Vector2>("Size");
  PlacePart(m_caption, topLeft, Vector2(CAPTION_WIDTH_FRACTION * size.x, size.y));
  PlacePart(m_box, Vector2(topLeft.x + BOX_LEFT_FRACTION * size.x, topLeft.y),
            Vector2(BOX_WIDTH_FRACTION * size.x, size.y));
  ClearLayoutDirty();
}

void CheckBoxWidget::Render() {
  ActivatableWidget::Render();
  m_caption.Render();
  m_box.Render();
}

void CheckBoxWidget::Draw() {
  if (IsLayoutDirty() && GetParent() != nullptr) {
    GetParent()->LayoutContents();
  }
}

bool CheckBoxWidget::UpdateMouseOver(const Vector2& point) {
  m_box.UpdateMouseOver(point);
  return ActivatableWidget::UpdateMouseOver(point);
}

bool CheckBoxWidget::Show() {
  if (!IsAbleToBeVisible()) {
    return false;
  }
  if (GetState() == UI_STATE_HIDDEN || GetState() == UI_STATE_HIDING) {
    SetState(UI_STATE_APPEARING);
  }
  m_caption.Show();
  m_box.Show();
  return true;
}

bool CheckBoxWidget::Hide() {
  bool hidden = AreChildrenHidden();
  if (GetState() >= UI_STATE_APPEARING) {
    SetState(UI_STATE_HIDING);
    hidden = true;
  }
  if (hidden) {
    m_caption.Hide();
    m_box.Hide();
  }
  return hidden;
}

void CheckBoxWidget::OnRolloverBegin() {
  NamedProperties args;
  args.Set("Label", GetProperty<std::string>("RolloverText"));
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
  m_caption.OnRolloverBegin();
  ActivatableWidget::OnRolloverBegin();
}

void CheckBoxWidget::OnRolloverEnd() {
  NamedProperties args;
  args.Set("Label", std::string());
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
  m_caption.OnRolloverEnd();
  ActivatableWidget::OnRolloverEnd();
}

void CheckBoxWidget::ScaleLayout(float scaleX, float scaleY) {
  ActivatableWidget::ScaleLayout(scaleX, scaleY);
  m_caption.ScaleLayout(scaleX, scaleY);
  m_box.ScaleLayout(scaleX, scaleY);
}

bool CheckBoxWidget::OnKeyEvent(int action, int key) { return m_box.OnKeyEvent(action, key); }
