#pragma once

#include <memory>
#include <vector>

#include "engine/core/Animatable.h"

// One property's track in an animation, with the play state of every
// instance of the animation in it, indexed by instance index.
class AnimatableInstanceSet {
 public:
  // Takes its own clone of the track; the caller keeps the original.
  explicit AnimatableInstanceSet(const AnimatableBase& track) : m_track(track.Clone()) {}

  // A copy clones the track and has no play states.
  AnimatableInstanceSet(const AnimatableInstanceSet& other) : m_track(other.m_track->Clone()) {}
  AnimatableInstanceSet& operator=(const AnimatableInstanceSet& other) {
    if (this != &other) {
      m_track = other.m_track->Clone();
      m_states.clear();
    }
    return *this;
  }
  AnimatableInstanceSet(AnimatableInstanceSet&&) = default;
  AnimatableInstanceSet& operator=(AnimatableInstanceSet&&) = default;
  ~AnimatableInstanceSet() = default;

  const AnimatableBase& GetTrack() const { return *m_track; }

  // Null when the track holds values of another type.
  template <typename T>
  const Animatable<T>* GetTypedTrack() const {
    return dynamic_cast<const Animatable<T>*>(m_track.get());
  }

  // A fresh, playing state; returns its index.
  int AddState() {
    m_states.emplace_back();
    return static_cast<int>(m_states.size()) - 1;
  }
  int GetStateCount() const { return static_cast<int>(m_states.size()); }
  AnimationInstanceState& GetState(int instanceIndex) { return m_states.at(instanceIndex); }
  const AnimationInstanceState& GetState(int instanceIndex) const {
    return m_states.at(instanceIndex);
  }

 private:
  std::unique_ptr<AnimatableBase> m_track;
  std::vector<AnimationInstanceState> m_states;
};
