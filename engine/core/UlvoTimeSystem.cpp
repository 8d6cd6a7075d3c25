#include "engine/core/UlvoTimeSystem.h"

namespace {

// The frame clock never reports a step shorter than a millisecond or longer
// than a second, whatever the real frame took.
constexpr double FRAME_CLOCK_MINIMUM_STEP = 0.001;
constexpr double FRAME_CLOCK_MAXIMUM_STEP = 1.0;

}  // namespace

UlvoTimeSystem::UlvoTimeSystem() : m_frameClock(std::make_unique<Clock>(&m_masterClock)) {}

UlvoTimeSystem::~UlvoTimeSystem() = default;

void UlvoTimeSystem::Startup() {
  const double now = GetCurrentTimeSeconds();
  m_masterClock.SetTime(now);
  m_masterClock.SetLastStep(0.0);
  m_frameClock->SetTime(now);
  m_frameClock->SetLastStep(0.0);
  m_frameClock->SetMinimumStep(FRAME_CLOCK_MINIMUM_STEP);
  m_frameClock->SetMaximumStep(FRAME_CLOCK_MAXIMUM_STEP);
}

void UlvoTimeSystem::Update() {
  m_masterClock.Advance(GetCurrentTimeSeconds() - m_masterClock.GetTime());
  ++m_frameCount;
}
