// The profile manager's slots as the player meets them: what the select
// dialog offers as the slots fill, and what a save of a slot reports.
#include "game/player/PlayerProfileManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/ui/ContainerWidget.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

using namespace Pemberquill;

namespace {

bool HasChild(int windowId, const std::string& name)
{
    auto* window =
        dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId)));
    for (size_t index = 0; window != nullptr && index < window->GetChildCount(); ++index) {
        if (window->GetChild(index)->GetName() == name) {
            return true;
        }
    }
    return false;
}

class ProfileSlotsTest : public ::testing::Test {
protected:
    ProfileSlotsTest() { screens.ui.Startup(screens.clock); }

    void Create(const std::string& name)
    {
        NamedProperties args;
        args.Set<std::string>("OnActivationEventNameProperty", name);
        FireGlobalEvent("CreateProfileEvent", args);
    }

    testsupport::RecordingConsole console;
    screen_test::ScreenEnvironment screens;
    testsupport::TemporaryFolder folder;
    options_test::RecordingApplication application{folder.File("")};
    PlayerProfileManager manager;
};

// Catches the offer to create a player shown with every slot taken, or
// hidden while one is free.
TEST_F(ProfileSlotsTest, TheSelectDialogOffersANewPlayerOnlyWhileASlotIsFree)
{
    manager.Startup("Ann");
    for (const char* name : {"Bob", "Cid", "Dan", "Eve", "Fay"}) {
        FireGlobalEvent("ShowSelectProfileDialogEvent");
        EXPECT_TRUE(HasChild(GAME_WINDOW_SELECT_PROFILE, "CreateProfileButton")) << "before " << name;
        Create(name);
    }
    FireGlobalEvent("ShowSelectProfileDialogEvent");
    EXPECT_FALSE(HasChild(GAME_WINDOW_SELECT_PROFILE, "CreateProfileButton")) << "six players";
}

// Catches a save of an empty slot reported as stored.
TEST_F(ProfileSlotsTest, SavingAnEmptySlotStoresNothingAndSaysSo)
{
    manager.Startup("Ann");
    EXPECT_TRUE(manager.SavePlayerProfile(manager.FindProfileSlotByName("Ann")));
    EXPECT_FALSE(manager.SavePlayerProfile(1));
    EXPECT_FALSE(manager.SavePlayerProfile(PlayerProfileManager::NO_SLOT));
    EXPECT_FALSE(std::filesystem::exists(folder.File("steamuser-1.playerProfile")));
}

} // namespace
