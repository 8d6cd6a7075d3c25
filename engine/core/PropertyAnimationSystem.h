#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/PropertyAnimation.h"
#include "engine/core/PropertyAnimationInstance.h"
#include "engine/core/PropertyKey.h"

// Keeps the named property animations and every instance made of them. All
// instances run on one animation clock whose step is capped, so a long frame
// never makes an animation jump.
class PropertyAnimationSystem {
 public:
  static constexpr double ANIMATION_CLOCK_MAXIMUM_STEP = 0.05;

  // The one system the engine core starts and the UI plays animations from.
  static PropertyAnimationSystem& GetGlobal();

  PropertyAnimationSystem();
  PropertyAnimationSystem(const PropertyAnimationSystem&) = delete;
  PropertyAnimationSystem& operator=(const PropertyAnimationSystem&) = delete;
  ~PropertyAnimationSystem();

  // Hangs the animation clock below masterClock.
  void Startup(Clock& masterClock);
  void Shutdown();
  bool IsInitialized() const { return m_isInitialized; }

  // A new, empty animation under name (names match ignoring case). An
  // animation already stored under that name leaves the map, but stays alive
  // for the instances made of it.
  PropertyAnimation* CreateAnimation(const std::string& name);
  // Null when no animation has that name.
  PropertyAnimation* FindAnimation(const std::string& name) const;
  int GetAnimationCount() const { return static_cast<int>(m_animationsByName.size()); }

  // A new instance of the named animation, not yet started. The system owns
  // it until the system itself is destroyed. A name that no animation bears
  // is an assertion.
  PropertyAnimationInstance* CreateInstance(const std::string& name, AnimationPlayMode playMode);
  int GetInstanceCount() const { return static_cast<int>(m_instances.size()); }

  Clock& GetAnimationClock() { return m_animationClock; }

 private:
  bool m_isInitialized = false;
  // Declared before the instances so that their clocks leave it first.
  Clock m_animationClock;
  // Every animation ever created, in creation order; the map points at the
  // current one of each name.
  std::vector<std::unique_ptr<PropertyAnimation>> m_animations;
  std::map<PropertyKey, PropertyAnimation*> m_animationsByName;
  std::vector<std::unique_ptr<PropertyAnimationInstance>> m_instances;
};
