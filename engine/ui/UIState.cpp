#include "engine/ui/UIState.h"

const char* GetUIStateName(UIState state) {
  static const char* const NAMES[UI_STATE_LAST + 1] = {
      "UI_STATE_HIDDEN",         "UI_STATE_HIDING",       "UI_STATE_APPEARING",
      "UI_STATE_ENABLING",       "UI_STATE_IDLE",         "UI_STATE_GAINING_FOCUS",
      "UI_STATE_FOCUSED",        "UI_STATE_SELECTED",     "UI_STATE_ACTIVATING",
      "UI_STATE_ACTIVATED",      "UI_STATE_LOSING_FOCUS", "UI_STATE_DISABLING",
      "UI_STATE_DISABLED",       "UI_STATE_LAST"};
  if (state < UI_STATE_HIDDEN || state > UI_STATE_LAST) {
    return "UI_STATE_UNKNOWN";
  }
  return NAMES[state];
}
