#pragma once

#include <memory>

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoModuleInterface.h"

class PropertyAnimationSystem;
class UlvoEventSystem;
class UlvoTimeSystem;

// The first engine module the driver creates and the last it destroys. It
// owns the time system and the event system and the engine-wide settings,
// and starts the property-animation system below the master clock.
class UlvoCore : public UlvoModuleInterface {
 public:
  // The core on the platform's high-resolution counter.
  static std::unique_ptr<UlvoCore> Create();

  // Becomes the global core. animationSystem is started and shut down with
  // the core; tests pass their own time source and animation system.
  UlvoCore(std::unique_ptr<UlvoTimeSystem> timeSystem, PropertyAnimationSystem& animationSystem);
  ~UlvoCore() override;

  // The live core, or null before it is created and after it is destroyed.
  static UlvoCore* GetGlobal();

  void Startup() override;
  void Shutdown() override;
  void Update() override;
  void Render() override;
  virtual void SetDefaultProperties();

  UlvoTimeSystem& GetTimeSystem() { return *m_timeSystem; }
  UlvoEventSystem& GetEventSystem() { return *m_eventSystem; }
  NamedProperties& GetEngineProperties() { return m_engineProperties; }

 private:
  // Destroyed in reverse: the time system, the event system, then the bag.
  NamedProperties m_engineProperties;
  std::unique_ptr<UlvoEventSystem> m_eventSystem;
  std::unique_ptr<UlvoTimeSystem> m_timeSystem;
  PropertyAnimationSystem& m_animationSystem;
};
