#include "engine/ui/ActivatableWidget.h"

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/input/UlvoInputInterface.h"

namespace {

constexpr int KEY_CODE_ENTER = 13;
const char* const ROLLOVER_TEXT_EVENT = "RolloverTextChangedEvent";

}  // namespace

ActivatableWidget::ActivatableWidget(const std::string& name, BaseWidget* parent)
    : BaseWidget(name, parent) {
  NamedProperties& own = GetProperties();
  own.Set("OnActivationEventName", std::string());
  own.Set("OnSelectionEventName", std::string());
  own.Set("GrabFocusEventToFire", std::string());
  own.Set("ReleaseFocusEventToFire", std::string());
  own.Set("RolloverText", std::string());
  own.Set("GrabFocusSoundHandle", -1);
  own.Set("LoseFocusSoundHandle", -1);
  own.Set("ActivateSoundHandle", -1);
}

ActivatableWidget::~ActivatableWidget() { WithdrawRolloverTextIfFocused(); }

void ActivatableWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ReadProperty<std::string>("RolloverText", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  for (const char* eventProperty : {"OnActivationEventName", "OnSelectionEventName",
                                    "GrabFocusEventToFire", "ReleaseFocusEventToFire"}) {
    ReadProperty<std::string>(eventProperty, source, destination,
                              PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_COPY_COMPANION);
  }
  for (const char* soundProperty :
       {"GrabFocusSoundHandle", "LoseFocusSoundHandle", "ActivateSoundHandle"}) {
    CopyAnyProperty(soundProperty, source, destination);
  }
  BaseWidget::ApplyProperties(source, destination);
}

bool ActivatableWidget::OnKeyEvent(int action, int key) {
  const UIState state = GetState();
  if (state < UI_STATE_GAINING_FOCUS || state > UI_STATE_ACTIVATED) {
    return false;
  }
  if (action == KEY_ACTION_DOWN && key == KEY_CODE_LEFT_BUTTON) {
    return Select();
  }
  if ((action == KEY_ACTION_DOWN || action == KEY_ACTION_REPEAT) && key == KEY_CODE_ENTER) {
    return Activate();
  }
  if (action == KEY_ACTION_UP && key == KEY_CODE_LEFT_BUTTON && state == UI_STATE_SELECTED) {
    return Activate();
  }
  return false;
}

bool ActivatableWidget::Select() {
  SetState(UI_STATE_SELECTED);
  FireEventFromProperty("OnSelectionEventName", std::string(), NamedProperties());
  return true;
}

bool ActivatableWidget::Activate() {
  if (IsTracked()) {
    ConsolePrintf("TRACKED WIDGET: UI Widget \"%s\" was Activated! (state was %s)\n",
                  GetName().c_str(), GetUIStateName(GetState()));
  }
  SetState(UI_STATE_ACTIVATED);
  PlaySoundFromProperty("ActivateSoundHandle");
  if (GetState() == UI_STATE_ACTIVATED) {
    SetState(UI_STATE_FOCUSED);
  }
  FireEventFromProperty("OnActivationEventName", std::string(), NamedProperties());
  return true;
}

void ActivatableWidget::OnRolloverBegin() {
  const std::string text = GetProperty<std::string>("RolloverText");
  if (!text.empty()) {
    NamedProperties args;
    args.Set("Label", text);
    args.Set("FontColor", Rgba(255, 255, 0, 255));
    args.Set("BaseColor", Rgba(0, 0, 0, 200));
    FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
  }
  StopSoundFromProperty("LoseFocusSoundHandle");
  PlaySoundFromProperty("GrabFocusSoundHandle");
  FireEventFromProperty("GrabFocusEventToFire", std::string(), NamedProperties());
  SetState(UI_STATE_GAINING_FOCUS);
}

void ActivatableWidget::WithdrawRolloverText() {
  NamedProperties args;
  args.Set("Label", std::string());
  args.Set("BaseColor", Rgba(255, 255, 255, 0));
  FireGlobalEvent(ROLLOVER_TEXT_EVENT, args);
}

void ActivatableWidget::OnRolloverEnd() {
  WithdrawRolloverText();
  StopSoundFromProperty("GrabFocusSoundHandle");
  PlaySoundFromProperty("LoseFocusSoundHandle");
  FireEventFromProperty("ReleaseFocusEventToFire", std::string(), NamedProperties());
  if (GetState() != UI_STATE_HIDING) {
    SetState(UI_STATE_LOSING_FOCUS);
  }
  if (GetParent() != nullptr) {
    GetParent()->OnChildReleased(this);
  }
}
