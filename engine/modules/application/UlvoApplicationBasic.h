#pragma once

#include <memory>

#include "engine/modules/application/ApplicationWindowProperties.h"
#include "engine/modules/application/UlvoApplicationInterface.h"

// The platform-independent part of the application module: the window's
// geometry record and the virtual screen laid out from it.
class UlvoApplicationBasic : public UlvoApplicationInterface {
 public:
  bool IsWindowed() const override;
  // A ratio that is not above 0 (or not a number) is refused with a warning.
  void SetAspectRatio(float ratio) override;

  IntVector2 GetScreenBoundsSize() const override;
  IntVector2 GetViewBoundsSize() const override;
  AABB2 GetScreenBounds() const override;
  AABB2 GetViewBounds() const override;
  Vector2 GetViewScale() const override;

  void ApplyWindowProperties() override;

 protected:
  // The record of the open window, or an all-zero record before the first
  // OpenWindow.
  const ApplicationWindowProperties& Properties() const;
  // Null before the first OpenWindow.
  ApplicationWindowProperties* MutableProperties() { return m_properties.get(); }
  void ReplaceProperties(std::unique_ptr<ApplicationWindowProperties> properties);

 private:
  std::unique_ptr<ApplicationWindowProperties> m_properties;
};
