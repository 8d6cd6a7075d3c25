#include "engine/core/PropertyAnimation.h"

#include <algorithm>

#include "engine/core/Diagnostics.h"

PropertyAnimation::PropertyAnimation(const std::string& name) : m_name(name) {}

void PropertyAnimation::AddTrack(const std::string& propertyName, const AnimatableBase& track) {
  ULVO_ASSERT(track.GetKeyframeCount() > 0,
              Stringf("The track \"%s\" of the animation \"%s\" has no keyframes.",
                      propertyName.c_str(), m_name.c_str()),
              "PropertyAnimation::AddTrack");
  m_duration = std::max(m_duration, track.GetLastKeyTime());

  AnimatableInstanceSet set(track);
  for (int instance = 0; instance < m_instanceCount; ++instance) {
    set.AddState();
  }
  const PropertyKey key(propertyName);
  const auto found = m_tracks.find(key);
  if (found == m_tracks.end()) {
    m_tracks.emplace(key, std::move(set));
  } else {
    found->second = std::move(set);
  }
}

AnimatableInstanceSet* PropertyAnimation::FindTrack(const std::string& propertyName) {
  const auto found = m_tracks.find(PropertyKey(propertyName));
  return found == m_tracks.end() ? nullptr : &found->second;
}

const AnimatableInstanceSet* PropertyAnimation::FindTrack(const std::string& propertyName) const {
  const auto found = m_tracks.find(PropertyKey(propertyName));
  return found == m_tracks.end() ? nullptr : &found->second;
}

void PropertyAnimation::AddTimedEvent(const std::string& eventName, double time,
                                      const NamedProperties& payload) {
  m_timedEvents.push_back({eventName, time, payload});
}

int PropertyAnimation::AddInstance() {
  if (m_tracks.empty()) {
    return -1;
  }
  for (auto& entry : m_tracks) {
    entry.second.AddState();
  }
  return m_instanceCount++;
}

void PropertyAnimation::SetInstancePlaying(int instanceIndex, bool playing) {
  for (auto& entry : m_tracks) {
    entry.second.GetState(instanceIndex).isPlaying = playing;
  }
}
