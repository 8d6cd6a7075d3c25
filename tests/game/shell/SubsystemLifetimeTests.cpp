// The game's subsystems made and dropped without ever starting, as a
// failed start leaves them: none of them reports a missing shutdown.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "game/campaign/FreePlay.h"
#include "game/campaign/PemberquillCampaign.h"
#include "game/presentation/audio/PemberquillAudio.h"
#include "game/presentation/ui/PemberquillAnimations.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/steam/SteamInterface.h"
#include "game/tutorial/Credits.h"
#include "tests/support/RecordingConsole.h"

namespace Pemberquill {
namespace {

// Catches a subsystem's own "deleted without Shutdown" check turned over,
// which would put an error in every failed start's log.
TEST(SubsystemLifetimeTest, ASubsystemThatNeverStartedLeavesQuietly)
{
    UlvoEventSystem events;
    const struct {
        const char* name;
        std::function<void()> makeAndDrop;
    } rows[] = {
        {"animations", [] { PemberquillAnimations animations; }},
        {"UI", [] { PemberquillUI ui; }},
        {"audio", [] { PemberquillAudio audio; }},
        {"campaign", [] { PemberquillCampaign campaign; }},
        {"free play", [] { FreePlay freePlay; }},
        {"credits", [] { Credits credits; }},
        {"Steam", [] { SteamInterface steam; }},
    };
    for (const auto& row : rows) {
        testsupport::RecordingConsole console;
        row.makeAndDrop();
        EXPECT_EQ(console.Text().find("ERROR"), std::string::npos) << row.name << ": " << console.Text();
    }
}

} // namespace
} // namespace Pemberquill
