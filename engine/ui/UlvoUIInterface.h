#pragma once

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoModuleInterface.h"
#include "engine/modules/input/UlvoUIKeyHandlerInterface.h"
#include "engine/ui/UIState.h"

// The UI module as the driver and the game see it. Game code never holds
// widget pointers: it builds widgets from description bags, keeps the
// integer handles and otherwise talks to widgets by events. The input module
// offers it every key after the console and before the game.
class UlvoUIInterface : public UlvoModuleInterface,
                        public UlvoCollectedClassInterface<UlvoUIInterface>,
                        public UlvoUIKeyHandlerInterface {
 public:
  // The registry of UI modules, not that of key handlers.
  using UlvoCollectedClassInterface<UlvoUIInterface>::GetDefaultInstance;
  using UlvoCollectedClassInterface<UlvoUIInterface>::GetInstanceCount;
  using UlvoCollectedClassInterface<UlvoUIInterface>::GetInstance;

  // Builds a widget from a description ("Type", "Name", "Parent", "Overlay"
  // and the widget's properties) and returns its handle. A description that
  // breaks the rules is an assertion.
  virtual int CreateComponent(const NamedProperties& properties) = 0;
  // Destroys the widget and everything it holds; false when no live widget
  // has the handle.
  virtual bool DeleteComponent(int handle) = 0;
  // Applies the bag to the widget's own properties; nothing for an unknown
  // handle. Names that the widget reads may be taken out of properties.
  virtual void SetWidgetProperties(int handle, NamedProperties& properties) = 0;
  // Makes the bag's properties those the widget takes in state; "State" is
  // added to the caller's bag. Nothing for an unknown handle.
  virtual void SetWidgetState(int handle, UIState state, NamedProperties& properties) = 0;
};
