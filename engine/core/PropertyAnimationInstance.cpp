#include "engine/core/PropertyAnimationInstance.h"

#include "engine/core/UlvoEventSystem.h"

PropertyAnimationInstance::PropertyAnimationInstance(PropertyAnimation& animation,
                                                     AnimationPlayMode playMode,
                                                     Clock& parentClock)
    : m_animation(animation),
      m_playMode(playMode),
      m_clock(&parentClock),
      m_instanceIndex(animation.AddInstance()) {}

void PropertyAnimationInstance::Start(double startTimeSeconds) {
  // Made before its animation had tracks: the play gets its state now.
  if (m_instanceIndex == -1) {
    m_instanceIndex = m_animation.AddInstance();
  }
  m_clock.SetTime(startTimeSeconds);
  m_clock.SetLastStep(0.0);
  m_lastTime = 0.0;
  m_isPlaying = true;
  m_animation.SetInstancePlaying(m_instanceIndex, true);
}

void PropertyAnimationInstance::Update() {
  if (!m_isPlaying) {
    return;
  }
  double time = m_clock.GetTime();
  if (time > m_animation.GetDuration()) {
    if (m_playMode == AnimationPlayMode::Once) {
      m_animation.SetInstancePlaying(m_instanceIndex, false);
      m_isPlaying = false;
    } else {
      // Events between the previous update and the end of the loop are
      // skipped: the loop wraps before they are looked at.
      m_animation.SetInstancePlaying(m_instanceIndex, true);
      m_clock.SetTime(0.0);
      m_clock.SetLastStep(0.0);
      m_lastTime = 0.0;
      time = 0.0;
    }
  }
  if (time > m_lastTime) {
    FireTimedEventsUpTo(time);
  }
  m_lastTime = time;
}

void PropertyAnimationInstance::FireTimedEventsUpTo(double time) {
  // By index and with the bounds taken first: a handler may add events to the
  // animation or restart this instance while the loop runs.
  const double after = m_lastTime;
  const std::vector<AnimationTimedEvent>& events = m_animation.GetTimedEvents();
  for (size_t i = 0; i < events.size(); ++i) {
    if (events[i].time > after && events[i].time <= time) {
      // Each firing gets its own copy, so handlers that write into their
      // arguments never change what later firings carry.
      NamedProperties args = events[i].payload;
      FireGlobalEvent(events[i].eventName, args);
    }
  }
}
