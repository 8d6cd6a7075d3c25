#include "engine/ui/BaseWidget.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "engine/modules/sound/UlvoSoundInterface.h"

class FontDescriptor;
class Texture;

namespace {

// Handles are never given twice in a run: the counter only grows.
int s_lastWidgetHandle = 1;

const char* const GET_PROPERTY_TITLE = "BaseWidget::GetProperty Error";

// What the widgets' sounds are played with: tag 1, played once, full
// volume, normal frequency, centred.
constexpr int WIDGET_SOUND_TAG = 1;
constexpr float WIDGET_SOUND_VOLUME = 1.0f;
constexpr float WIDGET_SOUND_FREQUENCY_SCALE = 1.0f;
constexpr float WIDGET_SOUND_PAN = 0.0f;

// States in which the pointer can no longer reach the widget.
bool IsOutOfReach(UIState state) {
  return state == UI_STATE_HIDDEN || state == UI_STATE_HIDING || state == UI_STATE_DISABLING ||
         state == UI_STATE_DISABLED;
}

}  // namespace

BaseWidget::BaseWidget(const std::string& name, BaseWidget* parent)
    : m_name(name), m_parent(parent), m_handle(++s_lastWidgetHandle), m_stateProperties(UI_STATE_LAST) {
  m_properties.Set("AbleToBeVisible", true);
  m_properties.Set("Enabled", true);
  m_properties.Set("State", m_state);
  m_properties.Set("Tracked", false);
  for (const char* animationName : {"IdleAnim", "ShowAnim", "HideAnim", "GrabFocusAnim",
                                    "LoseFocusAnim", "SelectAnim", "ActivateAnim", "DisableAnim"}) {
    m_properties.Set(animationName, std::string());
  }
  m_properties.Set("Transparent", false);
  m_properties.Set("BaseColor", Rgba(220, 0, 0, 255));
  m_properties.Set("BaseAlpha", 1.0f);
  m_properties.Set("TintGradient", 0.5f);
  m_properties.Set("FeatherFractionLeft", 0.0f);
  m_properties.Set("FeatherFractionRight", 0.0f);
  m_properties.Set("BaseTexture", static_cast<Texture*>(nullptr));
  m_properties.Set("OverlayTexture", static_cast<Texture*>(nullptr));
  m_properties.Set("Tint", Rgba(255, 255, 255, 255));
  m_properties.Set("MinBaseTextureCoords", Vector2(0.0f, 0.0f));
  m_properties.Set("MaxBaseTextureCoords", Vector2(1.0f, 1.0f));
  m_properties.Set("MinOverlayTextureCoords", Vector2(0.0f, 0.0f));
  m_properties.Set("MaxOverlayTextureCoords", Vector2(1.0f, 1.0f));
  m_properties.Set("BorderColor", Rgba(0, 0, 0, 255));
  m_properties.Set("BorderAlpha", 1.0f);
  m_properties.Set("BorderThickness", 1);
  m_properties.Set("Bounds", AABB2());
  m_properties.Set("AnimOffsetX", 0.0f);
  m_properties.Set("AnimOffsetY", 0.0f);
  m_properties.Set("AnimStartTime", 0.0);
  m_properties.Set("Size", Vector2(100.0f, 20.0f));
  m_properties.Set("Offset", Vector2(0.0f, 0.0f));
  m_properties.Set("Padding", Vector2(0.0f, 0.0f));
  m_properties.Set("LayoutMode", UI_LAYOUT_MODE_PARENT_RELATIVE);
  m_properties.Set("LinkedEdges", 0);
  for (const char* eventProperty : {"PreRenderEventToFire", "PostRenderEventToFire",
                                    "ShowEventToFire", "UpdateEventToFire", "HideEventToFire"}) {
    m_properties.Set(eventProperty, std::string());
  }
  m_properties.Set("ExternalRenderOffset", Vector2(0.0f, 0.0f));
  m_properties.Set("ExternalRenderInset", Vector2(0.0f, 0.0f));

  // A disabled widget is drawn grey without further settings.
  for (UIState disabledState : {UI_STATE_DISABLING, UI_STATE_DISABLED}) {
    m_stateProperties[disabledState].Set("BaseColor", Rgba(128, 128, 128, 255));
    m_stateProperties[disabledState].Set("TintGradient", -0.5f);
  }
}

BaseWidget::~BaseWidget() {
  // The widget's own handlers must not hear its hide event.
  if (UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal()) {
    eventSystem->UnregisterRecipient(this);
  }
  if (m_state != UI_STATE_HIDDEN) {
    try {
      FireEventFromProperty("HideEventToFire", std::string(), NamedProperties());
    } catch (const std::exception& error) {
      UlvoLogFailedCheck(nullptr, __FILE__, __LINE__, "BaseWidget::~BaseWidget",
                         Stringf("Hide event of widget \"%s\" failed: %s", m_name.c_str(),
                                 error.what()));
    }
  }
}

BaseWidget* BaseWidget::FindWidgetByHandle(int handle) {
  const size_t count = GetInstanceCount();
  for (size_t i = 0; i < count; ++i) {
    BaseWidget* widget = GetInstance(i);
    if (widget->GetHandle() == handle) {
      return widget;
    }
  }
  return nullptr;
}

bool BaseWidget::HasFocus() const {
  return m_state >= UI_STATE_GAINING_FOCUS && m_state <= UI_STATE_ACTIVATED;
}

bool BaseWidget::IsTakingInput() const {
  if (m_state == UI_STATE_APPEARING) {
    return m_activeAnimation == nullptr || !m_activeAnimation->IsPlaying();
  }
  return m_state >= UI_STATE_ENABLING && m_state <= UI_STATE_LOSING_FOCUS;
}

NamedProperties& BaseWidget::GetStateProperties(UIState state) {
  ULVO_ASSERT(IsValidUIState(state), Stringf("No such widget state: %d", static_cast<int>(state)),
              "BaseWidget::GetStateProperties");
  return m_stateProperties[state];
}

const NamedProperties& BaseWidget::GetStateProperties(UIState state) const {
  ULVO_ASSERT(IsValidUIState(state), Stringf("No such widget state: %d", static_cast<int>(state)),
              "BaseWidget::GetStateProperties");
  return m_stateProperties[state];
}

void BaseWidget::RaiseMissingProperty(const std::string& name, PropertyFetchResult result) const {
  if (result == PROPERTY_FETCH_EMPTY) {
    ULVO_ERROR(Stringf("BaseWidget couldn't get its default property for \"%s\", since it had NO "
                       "default properties!",
                       name.c_str()),
               GET_PROPERTY_TITLE);
  }
  if (result == PROPERTY_FETCH_WRONG_TYPE) {
    ULVO_ERROR(Stringf("BaseWidget couldn't get its default property for \"%s\", since the Set/Get "
                       "types were mismatched!",
                       name.c_str()),
               GET_PROPERTY_TITLE);
  }
  ULVO_ERROR(Stringf("BaseWidget does not have a default property named %s", name.c_str()),
             GET_PROPERTY_TITLE);
}

AABB2 BaseWidget::GetAnimatedBounds() const {
  const AABB2 bounds = GetBounds();
  if (m_activeAnimation == nullptr) {
    return bounds;
  }
  return bounds + Vector2(GetProperty<float>("AnimOffsetX"), GetProperty<float>("AnimOffsetY"));
}

AABB2 BaseWidget::GetExternalRenderBounds() const {
  const AABB2 bounds = GetAnimatedBounds();
  return AABB2(bounds.mins + GetProperty<Vector2>("ExternalRenderOffset"),
               bounds.maxs - GetProperty<Vector2>("ExternalRenderInset"));
}

Rgba BaseWidget::GetBaseColor() const {
  return MultiplyAlpha(GetProperty<Rgba>("BaseColor"), GetProperty<float>("BaseAlpha"));
}

Rgba BaseWidget::GetBorderColor() const {
  return MultiplyAlpha(GetProperty<Rgba>("BorderColor"), GetProperty<float>("BorderAlpha"));
}

bool BaseWidget::AreChildrenHidden() const { return true; }

bool BaseWidget::IsActive() const { return m_state != UI_STATE_HIDDEN; }

bool BaseWidget::SetState(UIState newState) {
  for (BaseWidget* part : GetParts()) {
    part->SetState(newState);
  }
  if (newState == m_state) {
    return false;
  }
  if (HasFocus() && IsOutOfReach(newState)) {
    WithdrawRolloverText();
  }
  if (IsTracked()) {
    ConsolePrintf("TRACKED WIDGET: UI Widget \"%s\" changed state from %s to %s\n", m_name.c_str(),
                  GetUIStateName(m_state), GetUIStateName(newState));
  }
  if (m_activeAnimation != nullptr) {
    m_activeAnimation->Stop();
  }
  m_state = newState;
  switch (newState) {
    case UI_STATE_HIDDEN:
      FireEventFromProperty("HideEventToFire", std::string(), NamedProperties());
      break;
    case UI_STATE_HIDING:
      if (!StartAnimation(newState)) {
        SetState(UI_STATE_HIDDEN);
      }
      break;
    case UI_STATE_APPEARING:
      m_isShowPending = true;
      if (!StartAnimation(newState)) {
        SetState(GetStateAfterAppearing());
      }
      break;
    case UI_STATE_ENABLING:
    case UI_STATE_LOSING_FOCUS:
      if (!StartAnimation(newState)) {
        SetState(UI_STATE_IDLE);
      }
      break;
    case UI_STATE_GAINING_FOCUS:
      if (!StartAnimation(newState)) {
        SetState(UI_STATE_FOCUSED);
      }
      break;
    case UI_STATE_DISABLING:
      if (!StartAnimation(newState)) {
        SetState(UI_STATE_DISABLED);
      }
      break;
    case UI_STATE_IDLE:
    case UI_STATE_FOCUSED:
    case UI_STATE_SELECTED:
    case UI_STATE_ACTIVATED:
      StartAnimation(newState);
      break;
    case UI_STATE_ACTIVATING:
    case UI_STATE_DISABLED:
    case UI_STATE_LAST:
      break;
  }
  return true;
}

UIState BaseWidget::GetStateAfterAppearing() const {
  // Without this a disabled widget would come back enabled each time its
  // window is shown again.
  return GetProperty<bool>("Enabled") ? UI_STATE_IDLE : UI_STATE_DISABLING;
}

void BaseWidget::ApplyStateProperty(NamedProperties& properties) {
  UIState state = UI_STATE_HIDDEN;
  if (properties.Get("State", state) == PROPERTY_FETCH_OK) {
    SetStateProperties(state, properties);
  } else {
    SetProperties(properties);
  }
}

void BaseWidget::SetProperties(NamedProperties& properties) {
  ApplyProperties(properties, m_properties);
}

void BaseWidget::SetStateProperties(UIState state, NamedProperties& properties) {
  ApplyProperties(properties, GetStateProperties(state));
}

void BaseWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  const unsigned copyRemove = PROPERTY_READ_REMOVE_FROM_SOURCE;
  const unsigned copyRemoveLayout = PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_SET_LAYOUT_DIRTY;
  const unsigned eventName = PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_COPY_COMPANION;
  const unsigned subscribe =
      PROPERTY_READ_DONT_STORE | PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_SUBSCRIBE;
  const unsigned unsubscribe =
      PROPERTY_READ_DONT_STORE | PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_UNSUBSCRIBE;

  ReadProperty<bool>("Tracked", source, destination, copyRemove);
  ReadProperty<bool>("Transparent", source, destination, PROPERTY_READ_COPY);
  ReadProperty<AABB2>("Bounds", source, destination, copyRemove);
  ReadProperty<Vector2>("ExternalRenderOffset", source, destination, copyRemove);
  ReadProperty<Vector2>("ExternalRenderInset", source, destination, copyRemove);
  ReadProperty<Rgba>("BaseColor", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Rgba>("BorderColor", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("TintGradient", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("FeatherFractionLeft", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("FeatherFractionRight", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Texture*>("BaseTexture", source, destination, copyRemove);
  ReadProperty<Texture*>("OverlayTexture", source, destination, copyRemove);
  ReadProperty<Vector2>("Padding", source, destination, copyRemoveLayout);
  ReadProperty<Vector2>("Size", source, destination, copyRemoveLayout);
  ReadProperty<Vector2>("Offset", source, destination, copyRemoveLayout);
  ReadProperty<UILayoutMode>("LayoutMode", source, destination, copyRemoveLayout);
  ReadProperty<int>("LinkedEdges", source, destination, copyRemoveLayout);
  ReadProperty<int>("BorderThickness", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("BaseAlpha", source, destination, PROPERTY_READ_COPY);
  ReadProperty<float>("BorderAlpha", source, destination, PROPERTY_READ_COPY);
  ReadProperty<Vector2>("MinBaseTextureCoords", source, destination, copyRemoveLayout);
  ReadProperty<Vector2>("MaxBaseTextureCoords", source, destination, copyRemoveLayout);
  ReadProperty<Vector2>("MinOverlayTextureCoords", source, destination, copyRemoveLayout);
  ReadProperty<Vector2>("MaxOverlayTextureCoords", source, destination, copyRemoveLayout);
  ReadProperty<Rgba>("Tint", source, destination, copyRemove);
  ReadProperty<std::string>("SetVisibilityEvent", source, destination, subscribe);
  ReadProperty<std::string>("SubscribeEvent", source, destination, subscribe);
  ReadProperty<std::string>("UnsubscribeEvent", source, destination, unsubscribe);
  for (const char* eventProperty : {"PreRenderEventToFire", "PostRenderEventToFire",
                                    "ShowEventToFire", "UpdateEventToFire", "HideEventToFire"}) {
    ReadProperty<std::string>(eventProperty, source, destination, eventName);
  }
  ReadProperty<std::string>("IdleAnim", source, destination,
                            PROPERTY_READ_DONT_STORE | PROPERTY_READ_ANIM_IDLE);
  ReadProperty<std::string>("ShowAnim", source, destination,
                            PROPERTY_READ_DONT_STORE | PROPERTY_READ_ANIM_APPEARING);
  ReadProperty<std::string>("HideAnim", source, destination,
                            PROPERTY_READ_DONT_STORE | PROPERTY_READ_ANIM_HIDING);
  ReadProperty<std::string>("DisableAnim", source, destination,
                            PROPERTY_READ_DONT_STORE | PROPERTY_READ_ANIM_DISABLING);
  ReadProperty<double>("AnimStartTime", source, destination, copyRemove);
  ApplyEnabled(source, destination);
  ApplyAbleToBeVisible(source);
}

void BaseWidget::ActOnTextProperty(const std::string& value, unsigned flags) {
  UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
  if ((flags & PROPERTY_READ_SUBSCRIBE) != 0 && !value.empty()) {
    RegisterEventHandler(value, eventSystem, &BaseWidget::Event_OnSubscribedEvent, this);
  }
  if ((flags & PROPERTY_READ_UNSUBSCRIBE) != 0 && eventSystem != nullptr) {
    eventSystem->Unregister(value, this);
  }
  if ((flags & PROPERTY_READ_ANIM_APPEARING) != 0) {
    AddPropertyAnim(value, UI_STATE_APPEARING, AnimationPlayMode::Once);
  }
  if ((flags & PROPERTY_READ_ANIM_IDLE) != 0) {
    AddPropertyAnim(value, UI_STATE_IDLE, AnimationPlayMode::Loop);
  }
  if ((flags & PROPERTY_READ_ANIM_HIDING) != 0) {
    AddPropertyAnim(value, UI_STATE_HIDING, AnimationPlayMode::Once);
  }
  if ((flags & PROPERTY_READ_ANIM_DISABLING) != 0) {
    AddPropertyAnim(value, UI_STATE_DISABLING, AnimationPlayMode::Once);
  }
}

void BaseWidget::ApplyEnabled(NamedProperties& source, NamedProperties& destination) {
  bool enabled = true;
  if (source.Get("Enabled", enabled) != PROPERTY_FETCH_OK) {
    return;
  }
  const UIState notedState = m_state;
  destination.Set("Enabled", enabled);
  if (enabled && (notedState == UI_STATE_DISABLING || notedState == UI_STATE_DISABLED)) {
    SetState(UI_STATE_ENABLING);
  } else if (!enabled && notedState != UI_STATE_DISABLED) {
    SetState(UI_STATE_DISABLING);
  }
}

void BaseWidget::ApplyAbleToBeVisible(NamedProperties& source) {
  bool ableToBeVisible = true;
  if (source.Get("AbleToBeVisible", ableToBeVisible) != PROPERTY_FETCH_OK) {
    return;
  }
  m_properties.Set("AbleToBeVisible", ableToBeVisible);
  if (ableToBeVisible) {
    Show();
  } else {
    Hide();
  }
}

bool BaseWidget::CopyAnyProperty(const std::string& name, const NamedProperties& source,
                                 NamedProperties& destination) {
  if (&source == &destination) {
    return false;
  }
  return destination.Set(name, source);
}

void BaseWidget::AddPropertyAnim(const std::string& animationName, UIState state,
                                 AnimationPlayMode playMode) {
  if (animationName.empty()) {
    return;
  }
  PropertyAnimationInstance* instance =
      PropertyAnimationSystem::GetGlobal().CreateInstance(animationName, playMode);
  ULVO_ASSERT(instance != nullptr,
              Stringf("Unable to create instance of animation %s", animationName.c_str()),
              "BaseWidget::AddPropertyAnim");
  m_stateAnimations[state] = instance;
}

PropertyAnimationInstance* BaseWidget::GetStateAnimation(UIState state) const {
  const auto found = m_stateAnimations.find(state);
  return found == m_stateAnimations.end() ? nullptr : found->second;
}

bool BaseWidget::StartAnimation(UIState state) {
  m_activeAnimation = GetStateAnimation(state);
  if (m_activeAnimation == nullptr) {
    return false;
  }
  m_activeAnimation->Start(GetProperty<double>("AnimStartTime"));
  return true;
}

void BaseWidget::UpdateAnimations() {
  if (m_activeAnimation != nullptr) {
    m_activeAnimation->Update();
  }
}

void BaseWidget::Render() {
  RenderOwnPass();
  RenderParts();
}

void BaseWidget::RenderOwnPass() {
  if (IsActive() && !IsTransparent()) {
    FireEventFromProperty("PreRenderEventToFire", std::string(), NamedProperties());
    Draw();
    FireEventFromProperty("PostRenderEventToFire", std::string(), NamedProperties());
  }
  if (m_isShowPending) {
    // Cleared first: a handler that shows the widget again sets it anew.
    m_isShowPending = false;
    FireEventFromProperty("ShowEventToFire", std::string(), NamedProperties());
  }
  FireEventFromProperty("UpdateEventToFire", std::string(), NamedProperties());
  if (m_activeAnimation != nullptr) {
    UpdateAnimations();
    if (m_activeAnimation != nullptr && !m_activeAnimation->IsPlaying()) {
      StepStateAfterAnimation();
    }
  }
}

void BaseWidget::StepStateAfterAnimation() {
  // Detached before the step, so that the next state's own animation (the
  // idle loop after appearing) stays attached.
  m_activeAnimation = nullptr;
  switch (m_state) {
    case UI_STATE_HIDING:
      SetState(UI_STATE_HIDDEN);
      break;
    case UI_STATE_APPEARING:
      SetState(GetStateAfterAppearing());
      break;
    case UI_STATE_DISABLING:
      SetState(UI_STATE_DISABLED);
      break;
    default:
      break;
  }
}

void BaseWidget::LayoutContents() { ClearLayoutDirty(); }

void BaseWidget::LayOutParentIfDirty() {
  if (m_isLayoutDirty && m_parent != nullptr) {
    m_parent->LayoutContents();
  }
}

bool BaseWidget::UpdateMouseOver(const Vector2& point) {
  if (!IsActive()) {
    return false;
  }
  if (!GetAnimatedBounds().IsPointInside(point)) {
    if (HasFocus()) {
      OnRolloverEnd();
    }
    return false;
  }
  if (HasFocus() || !m_isTopOfStack) {
    return true;
  }
  if (m_state == UI_STATE_APPEARING && m_activeAnimation != nullptr) {
    return true;
  }
  if (m_state == UI_STATE_HIDING || m_state == UI_STATE_DISABLING ||
      m_state == UI_STATE_DISABLED) {
    return true;
  }
  OnRolloverBegin();
  return true;
}

bool BaseWidget::Show() {
  if (!IsAbleToBeVisible()) {
    return false;
  }
  if (m_state == UI_STATE_HIDDEN || m_state == UI_STATE_HIDING) {
    SetState(UI_STATE_APPEARING);
  }
  ShowParts();
  return true;
}

bool BaseWidget::Hide() {
  bool hidden = true;
  if (m_state >= UI_STATE_APPEARING) {
    SetState(UI_STATE_HIDING);
  } else {
    hidden = AreChildrenHidden();
  }
  if (hidden) {
    HideParts();
  }
  return hidden;
}

std::vector<BaseWidget*> BaseWidget::GetParts() { return {}; }

void BaseWidget::ShowParts() {
  for (BaseWidget* part : GetParts()) {
    part->Show();
  }
}

void BaseWidget::HideParts() {
  for (BaseWidget* part : GetParts()) {
    part->Hide();
  }
}

void BaseWidget::PlacePart(BaseWidget& part, const Vector2& topLeft, const Vector2& size) {
  part.GetProperties().Set("Size", size);
  part.GetProperties().Set("Bounds", AABB2(topLeft, topLeft + size));
  part.LayoutContents();
}

void BaseWidget::CoverWithPart(BaseWidget& part) const {
  part.GetProperties().Set("Bounds", GetBounds());
  part.GetProperties().Set("Size", GetProperty<Vector2>("Size"));
  part.LayoutContents();
}

void BaseWidget::RenderParts() {
  for (BaseWidget* part : GetParts()) {
    part->Render();
  }
}

void BaseWidget::OnRolloverBegin() { SetState(UI_STATE_GAINING_FOCUS); }

void BaseWidget::OnRolloverEnd() {
  if (m_state != UI_STATE_HIDING) {
    SetState(UI_STATE_LOSING_FOCUS);
  }
  if (m_parent != nullptr) {
    m_parent->OnChildReleased(this);
  }
}

void BaseWidget::OnChildReleased(BaseWidget* /*child*/) {}

void BaseWidget::WithdrawRolloverText() {}

void BaseWidget::WithdrawRolloverTextIfFocused() noexcept {
  if (!HasFocus()) {
    return;
  }
  try {
    WithdrawRolloverText();
  } catch (const std::exception& error) {
    UlvoLogFailedCheck(nullptr, __FILE__, __LINE__, "BaseWidget::WithdrawRolloverTextIfFocused",
                       Stringf("Roll-over text of widget \"%s\" failed: %s", m_name.c_str(),
                               error.what()));
  }
}

std::unique_ptr<BaseWidget> BaseWidget::RemoveChild(BaseWidget* /*child*/) { return nullptr; }

void BaseWidget::ScaleLayout(float scaleX, float scaleY) {
  if (GetProperty<UILayoutMode>("LayoutMode") == UI_LAYOUT_MODE_PARENT_RELATIVE) {
    const Vector2 scale(scaleX, scaleY);
    m_properties.Set("Size", GetProperty<Vector2>("Size").MultiplyComponents(scale));
    m_properties.Set("Offset", GetProperty<Vector2>("Offset").MultiplyComponents(scale));
    m_properties.Set("Padding", GetProperty<Vector2>("Padding").MultiplyComponents(scale));
    m_properties.Set("Bounds", GetBounds().MultiplyComponents(scale));
  }
  for (BaseWidget* part : GetParts()) {
    part->ScaleLayout(scaleX, scaleY);
  }
}

void BaseWidget::DrawBaseBox(UlvoRendererInterface& renderer, const AABB2& box) const {
  Texture* baseTexture = GetProperty<Texture*>("BaseTexture");
  if (baseTexture == nullptr) {
    renderer.DrawBounds(box, GetBaseColor(), true, GetTintGradient(), 1.0f);
  } else {
    renderer.DrawTexturedQuad(baseTexture, box.mins, box.maxs, GetProperty<Rgba>("Tint"),
                              GetMinBaseTextureCoords(), GetMaxBaseTextureCoords());
  }
}

void BaseWidget::DrawOverlayTexture(UlvoRendererInterface& renderer, const AABB2& box) const {
  Texture* overlayTexture = GetProperty<Texture*>("OverlayTexture");
  if (overlayTexture != nullptr) {
    renderer.DrawTexturedQuad(overlayTexture, box.mins, box.maxs, GetProperty<Rgba>("Tint"),
                              GetMinOverlayTextureCoords(), GetMaxOverlayTextureCoords());
  }
}

void BaseWidget::DrawOutline(UlvoRendererInterface& renderer, const AABB2& box) const {
  const int thickness = GetProperty<int>("BorderThickness");
  if (thickness > 0) {
    renderer.DrawBounds(box, GetBorderColor(), false, 0.0f, static_cast<float>(thickness));
  }
}

bool BaseWidget::PlaySoundFromProperty(const std::string& propertyName) {
  const int soundId = GetProperty<int>(propertyName);
  UlvoSoundInterface* sound = UlvoSoundInterface::GetDefaultInstance();
  if (soundId == -1 || sound == nullptr) {
    return false;
  }
  sound->PlaySample(soundId, WIDGET_SOUND_TAG, UlvoSoundInterface::LOOP_OFF, WIDGET_SOUND_VOLUME,
                    WIDGET_SOUND_FREQUENCY_SCALE, WIDGET_SOUND_PAN);
  return true;
}

bool BaseWidget::StopSoundFromProperty(const std::string& propertyName) {
  const int soundId = GetProperty<int>(propertyName);
  UlvoSoundInterface* sound = UlvoSoundInterface::GetDefaultInstance();
  if (soundId == -1 || sound == nullptr) {
    return false;
  }
  sound->StopSample(soundId);
  return true;
}

bool BaseWidget::FireEventFromProperty(const std::string& propertyName, const std::string& prefix,
                                       const NamedProperties& payload) {
  const std::string eventName = GetProperty<std::string>(propertyName);
  if (eventName.empty()) {
    return false;
  }
  NamedProperties args(payload);
  args.Set(propertyName + "Property", m_properties);
  LayOutParentIfDirty();
  args.Set("Bounds", GetExternalRenderBounds());
  FireGlobalEvent(prefix + eventName, args);
  return true;
}

bool BaseWidget::OnKeyEvent(int /*action*/, int /*key*/) { return false; }

void BaseWidget::Event_OnSubscribedEvent(NamedProperties& payload) {
  NamedProperties properties(payload);
  ApplyStateProperty(properties);
}

Rgba MultiplyAlpha(const Rgba& color, float factor) {
  Rgba result = color;
  const float alpha = std::trunc(static_cast<float>(color.a) * factor);
  result.a = static_cast<uint8_t>(std::clamp(alpha, 0.0f, 255.0f));
  return result;
}
