#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/UlvoTimeSystem_Win32.h"

TEST(ClockTree, ScaleAppliesAtEveryLevelAndChildrenGetTheScaledStep) {
  Clock master;
  master.Advance(1.0);
  Clock half(&master);
  half.SetScale(0.5f);
  Clock quarter(&half);
  quarter.SetScale(0.5f);
  Clock plain(&half);
  EXPECT_DOUBLE_EQ(quarter.GetTime(), 1.0);  // starts at its parent's time

  master.Advance(0.2);
  EXPECT_DOUBLE_EQ(half.GetTime(), 1.1);
  EXPECT_DOUBLE_EQ(quarter.GetLastStep(), 0.05);
  EXPECT_DOUBLE_EQ(plain.GetLastStep(), 0.1);
}

TEST(ClockTree, PausedClockPassesZeroAndChildMinimumStillApplies) {
  Clock master;
  Clock paused(&master);
  paused.SetMinimumStep(0.5);  // no limit applies while paused
  paused.SetPaused(true);
  Clock plainChild(&paused);
  Clock minimumChild(&paused);
  minimumChild.SetMinimumStep(0.001);

  master.Advance(0.25);
  EXPECT_DOUBLE_EQ(paused.GetTime(), 0.0);
  EXPECT_DOUBLE_EQ(plainChild.GetTime(), 0.0);
  EXPECT_DOUBLE_EQ(minimumChild.GetTime(), 0.001);

  paused.SetPaused(false);
  master.Advance(0.25);
  EXPECT_DOUBLE_EQ(plainChild.GetTime(), 0.5);
}

TEST(ClockTree, StepLimits) {
  Clock master;
  Clock capped(&master);
  capped.SetMaximumStep(0.05);
  Clock belowCap(&capped);
  Clock floored(&master);
  floored.SetMinimumStep(0.001);
  Clock contradictory(&master);
  contradictory.SetMinimumStep(0.2);
  contradictory.SetMaximumStep(0.1);

  master.Advance(0.3);
  EXPECT_DOUBLE_EQ(belowCap.GetTime(), 0.05);
  EXPECT_DOUBLE_EQ(floored.GetTime(), 0.3);
  EXPECT_DOUBLE_EQ(contradictory.GetLastStep(), 0.1);
}

TEST(ClockTree, DeletingMiddleClockMovesChildrenToGrandparent) {
  Clock master;
  Clock sibling(&master);
  auto middle = std::make_unique<Clock>(&master);
  middle->SetScale(0.5f);
  Clock childA(middle.get());
  Clock childB(middle.get());
  middle.reset();

  EXPECT_EQ(master.GetChildren(), (std::vector<Clock*>{&sibling, &childA, &childB}));
  EXPECT_EQ(childA.GetParent(), &master);
  master.Advance(0.25);
  EXPECT_DOUBLE_EQ(childB.GetTime(), 0.25);
}

TEST(TimeSystem, StartupAndUpdateDriveMasterAndFrameClocks) {
  // Times count from the time system's creation.
  int64_t milliseconds = 7000;
  UlvoTimeSystem_Win32 timeSystem([&milliseconds] { return milliseconds; }, 1000);
  milliseconds += 4000;
  timeSystem.Startup();
  Clock& master = timeSystem.GetMasterClock();
  Clock& frame = timeSystem.GetFrameClock();
  EXPECT_DOUBLE_EQ(frame.GetTime(), 4.0);

  milliseconds += 250;
  timeSystem.Update();
  EXPECT_DOUBLE_EQ(master.GetTime(), 4.25);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 0.25);

  // A stall: the master follows real time, the frame clock takes at most 1 s.
  milliseconds += 5000;
  timeSystem.Update();
  EXPECT_DOUBLE_EQ(master.GetTime(), 9.25);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 1.0);

  // A frame too short to measure still moves the frame clock a millisecond.
  timeSystem.Update();
  EXPECT_DOUBLE_EQ(master.GetLastStep(), 0.0);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 0.001);
}
