#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"

// How a track's value is taken between two keys. Numeric and geometric types
// blend linearly; every other type keeps the previous key's value until the
// next key's time is reached.
//
// fromNext is the weight of the previous key: 0 at the next key's time and
// 1 at the previous key's time.
template <typename T>
struct KeyframeBlend {
  static T Between(const T& previous, const T& /*next*/, float /*fromNext*/) { return previous; }
};

template <>
struct KeyframeBlend<float> {
  static float Between(float previous, float next, float fromNext) {
    return (1.0f - fromNext) * next + fromNext * previous;
  }
};

template <>
struct KeyframeBlend<double> {
  static double Between(double previous, double next, float fromNext) {
    return (1.0 - fromNext) * next + fromNext * previous;
  }
};

template <>
struct KeyframeBlend<int> {
  // Halves go upward.
  static int Between(int previous, int next, float fromNext) {
    const float blended = (1.0f - fromNext) * static_cast<float>(next) +
                          fromNext * static_cast<float>(previous);
    return static_cast<int>(std::floor(blended + 0.5f));
  }
};

template <>
struct KeyframeBlend<Rgba> {
  static Rgba Between(const Rgba& previous, const Rgba& next, float fromNext) {
    return Rgba::Lerp(next, previous, fromNext);
  }
};

template <>
struct KeyframeBlend<Vector2> {
  static Vector2 Between(const Vector2& previous, const Vector2& next, float fromNext) {
    return Vector2::Lerp(next, previous, fromNext);
  }
};

template <>
struct KeyframeBlend<AABB2> {
  static AABB2 Between(const AABB2& previous, const AABB2& next, float fromNext) {
    return AABB2::Lerp(next, previous, fromNext);
  }
};

// One play of one track: where an animation instance stands in it.
struct AnimationInstanceState {
  bool isPlaying = true;
  int nextKeyIndex = 0;
  int previousKeyIndex = 0;
};

// A keyframe track of some value type.
class AnimatableBase {
 public:
  AnimatableBase() = default;
  AnimatableBase(const AnimatableBase&) = default;
  AnimatableBase& operator=(const AnimatableBase&) = default;
  virtual ~AnimatableBase() = default;

  // A new track with the same keys.
  virtual std::unique_ptr<AnimatableBase> Clone() const = 0;
  virtual size_t GetKeyframeCount() const = 0;
  // Seconds; 0 for a track without keys.
  virtual double GetLastKeyTime() const = 0;
};

// A keyframe track of values of T, each key a value at a time in seconds from
// the animation's start. Before its first key a track gives the first key's
// value; after its last key it holds the last key's value.
template <typename T>
class Animatable : public AnimatableBase {
 public:
  struct Keyframe {
    T value;
    double time;
  };

  Animatable() = default;
  // The first value becomes the key at time 0.
  explicit Animatable(const T& firstValue) { m_keys.push_back({firstValue, 0.0}); }

  std::unique_ptr<AnimatableBase> Clone() const override {
    return std::make_unique<Animatable<T>>(*this);
  }

  // Keys with equal times stay in the order added. A key earlier than those
  // already there is put in its place, since every lookup relies on the keys
  // being in time order.
  void AddKeyframe(const T& value, double time) {
    const auto position =
        std::upper_bound(m_keys.begin(), m_keys.end(), time,
                         [](double keyTime, const Keyframe& key) { return keyTime < key.time; });
    m_keys.insert(position, {value, time});
  }

  const std::vector<Keyframe>& GetKeyframes() const { return m_keys; }
  size_t GetKeyframeCount() const override { return m_keys.size(); }
  double GetLastKeyTime() const override { return m_keys.empty() ? 0.0 : m_keys.back().time; }

  // The value at time t (seconds) for one play of the track. Once t passes
  // the last key the state stops playing and holds the last value from then
  // on. Every call searches from the first key, so t may also move backwards
  // while the state plays. The track must hold at least one key.
  T GetValueAtTime(AnimationInstanceState& state, double t) const {
    ULVO_ASSERT(!m_keys.empty(), "A keyframe track without keys has no value.",
                "Animatable::GetValueAtTime");
    const int lastIndex = static_cast<int>(m_keys.size()) - 1;
    if (!state.isPlaying) {
      return m_keys[lastIndex].value;
    }
    t = std::max(t, 0.0);
    int next = 0;
    while (next <= lastIndex && m_keys[next].time <= t) {
      ++next;
    }
    if (next > lastIndex) {
      state.isPlaying = false;
      state.nextKeyIndex = lastIndex;
      state.previousKeyIndex = std::max(lastIndex - 1, 0);
      return m_keys[lastIndex].value;
    }
    state.nextKeyIndex = next;
    state.previousKeyIndex = std::max(next - 1, 0);
    if (next == 0) {
      return m_keys[0].value;
    }
    const Keyframe& previousKey = m_keys[next - 1];
    const Keyframe& nextKey = m_keys[next];
    const float fromNext = static_cast<float>(t - nextKey.time) /
                           static_cast<float>(previousKey.time - nextKey.time);
    return KeyframeBlend<T>::Between(previousKey.value, nextKey.value, fromNext);
  }

 private:
  std::vector<Keyframe> m_keys;
};
