#pragma once

#include <cstdint>

// The states of a widget's life. A widget has focus in the states from
// UI_STATE_GAINING_FOCUS to UI_STATE_ACTIVATED.
enum UIState : int32_t {
  UI_STATE_HIDDEN = 0,          // not shown, not drawn, takes no mouse
  UI_STATE_HIDING = 1,          // playing its hide animation
  UI_STATE_APPEARING = 2,       // playing its show animation
  UI_STATE_ENABLING = 3,        // leaving the disabled state
  UI_STATE_IDLE = 4,            // shown, enabled, not under the mouse
  UI_STATE_GAINING_FOCUS = 5,   // the mouse has come over it
  UI_STATE_FOCUSED = 6,         // under the mouse
  UI_STATE_SELECTED = 7,        // a button is held on it
  UI_STATE_ACTIVATING = 8,      // being activated
  UI_STATE_ACTIVATED = 9,       // activated
  UI_STATE_LOSING_FOCUS = 10,   // the mouse has left it
  UI_STATE_DISABLING = 11,      // becoming disabled
  UI_STATE_DISABLED = 12,       // shown grey, takes no roll-over
  UI_STATE_LAST = 13,           // count of states, never a widget's state
};

// "UI_STATE_HIDDEN" and so on, as the tracked-widget log prints them;
// "UI_STATE_UNKNOWN" for a value outside the enumeration.
const char* GetUIStateName(UIState state);

// True for a real state, UI_STATE_HIDDEN to UI_STATE_DISABLED.
constexpr bool IsValidUIState(int state) { return state >= UI_STATE_HIDDEN && state < UI_STATE_LAST; }
