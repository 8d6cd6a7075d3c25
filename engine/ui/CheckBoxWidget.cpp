#include "engine/ui/CheckBoxWidget.h"

#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/PartDescriptions.h"

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
  NamedProperties captionDescription = MakePartCaptionDescription(source);
  m_caption.ApplyStateProperty(captionDescription);

  // The box's activation comes back to this check box, which then tells the
  // game under its own event name.
  NamedProperties boxDescription =
      MakePartButtonDescription(source, INTERNAL_TOGGLE_PREFIX + GetName());
  m_box.ApplyStateProperty(boxDescription);
}

void CheckBoxWidget::ApplyBoxTextures(const NamedProperties& source) {
  CopyToPartsIfPresent<Texture*>(source, "CheckBoxDisabledTexture",
                                 {&m_box.GetStateProperties(UI_STATE_DISABLED)}, "BaseTexture");
  CopyToPartsIfPresent<Texture*>(source, "CheckBoxEnabledTexture", {&m_box.GetProperties()},
                                 "BaseTexture");
  CopyToPartsIfPresent<Texture*>(source, "CheckBoxFocusedTexture",
                                 {&m_box.GetStateProperties(UI_STATE_FOCUSED),
                                  &m_box.GetStateProperties(UI_STATE_ACTIVATED)},
                                 "BaseTexture");
  CopyToPartsIfPresent<Vector2>(source, "CheckBoxMinBaseTextureCoords", {&m_box.GetProperties()},
                                "MinBaseTextureCoords");
  CopyToPartsIfPresent<Vector2>(source, "CheckBoxMaxBaseTextureCoords", {&m_box.GetProperties()},
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
  // The display changes before the game hears of it: a handler may close the
  // screen and destroy this check box, so nothing of it is used after firing.
  UpdateCheckedAppearance();
  NamedProperties args;
  args.Set("Value", value);
  FireEventFromProperty("OnActivationEventName", TOGGLE_PREFIX, args);
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

void CheckBoxWidget::Draw() {
  LayOutParentIfDirty();
}

bool CheckBoxWidget::UpdateMouseOver(const Vector2& point) {
  m_box.UpdateMouseOver(point);
  return ActivatableWidget::UpdateMouseOver(point);
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

bool CheckBoxWidget::OnKeyEvent(int action, int key) { return m_box.OnKeyEvent(action, key); }
