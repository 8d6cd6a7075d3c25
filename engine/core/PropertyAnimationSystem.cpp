#include "engine/core/PropertyAnimationSystem.h"

#include <cstddef>

#include "engine/core/Diagnostics.h"

PropertyAnimationSystem& PropertyAnimationSystem::GetGlobal() {
  static PropertyAnimationSystem system;
  return system;
}

PropertyAnimationSystem::PropertyAnimationSystem() {
  m_animationClock.SetMaximumStep(ANIMATION_CLOCK_MAXIMUM_STEP);
}

PropertyAnimationSystem::~PropertyAnimationSystem() {
  ULVO_ASSERT_IN_DESTRUCTOR(m_isInitialized == false,
                            "Shutdown was not called on the PropertyAnimationSystem.",
                            "PropertyAnimationSystem::~PropertyAnimationSystem");
}

void PropertyAnimationSystem::Startup(Clock& masterClock) {
  ULVO_ASSERT(!m_isInitialized, "Startup called on a started PropertyAnimationSystem.",
              "PropertyAnimationSystem::Startup");
  m_animationClock.SetParent(&masterClock);
  m_animationClock.SetTime(masterClock.GetTime());
  m_animationClock.SetLastStep(0.0);
  m_isInitialized = true;
}

void PropertyAnimationSystem::Shutdown() { m_isInitialized = false; }

PropertyAnimation* PropertyAnimationSystem::CreateAnimation(const std::string& name) {
  m_animations.push_back(std::make_unique<PropertyAnimation>(name));
  PropertyAnimation* animation = m_animations.back().get();
  m_animationsByName[PropertyKey(name)] = animation;
  return animation;
}

PropertyAnimation* PropertyAnimationSystem::FindAnimation(const std::string& name) const {
  const auto found = m_animationsByName.find(PropertyKey(name));
  return found == m_animationsByName.end() ? nullptr : found->second;
}

PropertyAnimationInstance* PropertyAnimationSystem::CreateInstance(const std::string& name,
                                                                   AnimationPlayMode playMode) {
  PropertyAnimation* propertyAnimation = FindAnimation(name);
  ULVO_ASSERT(propertyAnimation != NULL,
              Stringf("Unable to find PropertyAnimation %s", name.c_str()),
              "PropertyAnimationSystem::CreateInstance");
  m_instances.push_back(
      std::make_unique<PropertyAnimationInstance>(*propertyAnimation, playMode, m_animationClock));
  return m_instances.back().get();
}
