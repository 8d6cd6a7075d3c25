#pragma once

#include <string>

#include "engine/core/Clock.h"
#include "engine/core/PropertyAnimation.h"

enum class AnimationPlayMode {
  Once = 1,  // stops after the last key and holds the last values
  Loop = 2,  // starts again from time 0 after the last key
};

// One play of an animation on a target, on a clock of its own below the
// animation clock. The target starts it, updates it once per frame and reads
// the animated values of its properties from it.
class PropertyAnimationInstance {
 public:
  // Takes a play state in every track of animation; the clock joins
  // parentClock's children.
  PropertyAnimationInstance(PropertyAnimation& animation, AnimationPlayMode playMode,
                            Clock& parentClock);

  PropertyAnimation& GetAnimation() const { return m_animation; }
  AnimationPlayMode GetPlayMode() const { return m_playMode; }
  int GetInstanceIndex() const { return m_instanceIndex; }
  Clock& GetClock() { return m_clock; }
  // The play position in seconds: the clock's time.
  double GetTime() const { return m_clock.GetTime(); }
  bool IsPlaying() const { return m_isPlaying; }

  // Plays from startTimeSeconds, from the beginning of every track, whether
  // the instance is new, running or finished. Timed events after time 0 and
  // up to the start time fire together at the first update.
  void Start(double startTimeSeconds);
  // Stops without changing the tracks' play states.
  void Stop() { m_isPlaying = false; }

  // Once per frame, after the clock tree has advanced: ends or wraps the play
  // past the animation's duration, then fires the timed events that the play
  // position has passed since the previous update.
  void Update();

  // The animated value of a property at the current play position. False, and
  // out untouched, when the animation has no track of that name and type.
  template <typename T>
  bool GetValue(const std::string& propertyName, T& out) {
    return m_animation.GetValueAtTime(propertyName, m_instanceIndex, m_clock.GetTime(), out);
  }

 private:
  void FireTimedEventsUpTo(double time);

  PropertyAnimation& m_animation;
  AnimationPlayMode m_playMode;
  Clock m_clock;
  bool m_isPlaying = false;
  int m_instanceIndex;
  // The play position at the previous update.
  double m_lastTime = 0.0;
};
