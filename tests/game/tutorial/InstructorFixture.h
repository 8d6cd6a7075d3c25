#pragma once

// An instructor started on a chef of its own, showing its lessons on the
// given screens, with a player profile to learn into.

#include "engine/core/AABB2.h"
#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/player/PlayerProfile.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/tutorial/Instructor.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SilentConsole.h"

#include <gtest/gtest.h>

namespace tutorial_test {

using namespace Pemberquill;

template <typename Screens>
class InstructorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        chef.Startup(&clock);
        instructor.Startup(&clock);
        instructor.SetScreens(&screens);
        instructor.SetActiveProfileLookup([this] { return &profile; });
    }

    // The tutorial's board shown in 400 x 400.
    void ShowTutorial()
    {
        NamedProperties args;
        args.Set("Bounds", AABB2(Vector2(0.0f, 0.0f), Vector2(400.0f, 400.0f)));
        events.FireEvent("InstructorPuzzleShownEvent", args);
    }
    // The frame that takes the instructor's clock from one lesson time to
    // the next.
    void Frame(double fromLessonTime, double toLessonTime)
    {
        instructor.GetClock()->SetTime(fromLessonTime);
        clock.Advance(toLessonTime - fromLessonTime);
        instructor.UpdateLessonAnimation();
    }

    UlvoEventSystem events;
    testsupport::SilentConsole console;
    testsupport::ScopedDataFolder data;
    Clock clock;
    PuzzleChef chef;
    Instructor instructor;
    Screens screens;
    PlayerProfile profile{"player"};
};

} // namespace tutorial_test
