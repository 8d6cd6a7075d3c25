#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/core/AnimatableInstanceSet.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyKey.h"

// An event that an animation fires as its play position passes the time.
struct AnimationTimedEvent {
  std::string eventName;
  double time = 0.0;
  NamedProperties payload;
};

// A named set of keyframe tracks, one per widget property, built once and
// played on any number of targets at once. Each play is an instance with its
// own index into the play states of every track.
class PropertyAnimation {
 public:
  explicit PropertyAnimation(const std::string& name);
  // Instances point at their animation.
  PropertyAnimation(const PropertyAnimation&) = delete;
  PropertyAnimation& operator=(const PropertyAnimation&) = delete;

  const std::string& GetName() const { return m_name; }
  // The latest last-key time over the tracks; 0 without tracks.
  double GetDuration() const { return m_duration; }

  // Stores a clone of track (which must hold at least one key) under the
  // property name, replacing an earlier track of that name; names match
  // ignoring case. Instances that already exist get a playing state in it.
  void AddTrack(const std::string& propertyName, const AnimatableBase& track);
  int GetTrackCount() const { return static_cast<int>(m_tracks.size()); }
  // Null when no track has that name.
  AnimatableInstanceSet* FindTrack(const std::string& propertyName);
  const AnimatableInstanceSet* FindTrack(const std::string& propertyName) const;

  // Timed events fire in the order added.
  void AddTimedEvent(const std::string& eventName, double time, const NamedProperties& payload);
  const std::vector<AnimationTimedEvent>& GetTimedEvents() const { return m_timedEvents; }

  // A fresh, playing state in every track; returns the index of the new
  // play, or -1 while the animation has no track to hold one.
  int AddInstance();
  void SetInstancePlaying(int instanceIndex, bool playing);

  // The value of the named track for one play at time t (seconds). False,
  // and out untouched, when no track has that name or it holds another type,
  // or the play has no state in it (index -1).
  template <typename T>
  bool GetValueAtTime(const std::string& propertyName, int instanceIndex, double t, T& out) {
    AnimatableInstanceSet* set = FindTrack(propertyName);
    if (set == nullptr) {
      return false;
    }
    const Animatable<T>* track = set->GetTypedTrack<T>();
    if (track == nullptr || instanceIndex < 0 || instanceIndex >= set->GetStateCount()) {
      return false;
    }
    out = track->GetValueAtTime(set->GetState(instanceIndex), t);
    return true;
  }

 private:
  std::string m_name;
  double m_duration = 0.0;
  std::map<PropertyKey, AnimatableInstanceSet> m_tracks;
  std::vector<AnimationTimedEvent> m_timedEvents;
  int m_instanceCount = 0;
};
