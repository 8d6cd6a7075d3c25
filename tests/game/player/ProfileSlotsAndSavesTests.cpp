// The profile manager's slots as the player meets them: what the select
// dialog offers as the slots fill, and what a save of a slot reports.
#include "game/player/PlayerProfileManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "engine/ui/ContainerWidget.h"
#include "game/common/KeepFileAside.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/FileBytes.h"
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

    // The player's own profile, of the version before this one, taken in.
    void StartWithAnOlderProfile()
    {
        ResourceStream older(RESOURCE_STREAM_FORMAT_BINARY, 64);
        older.WriteString("Old");
        older.WriteInt32(PLAYER_PROFILE_VERSION - 1);
        ASSERT_TRUE(older.SaveToFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile")));
        manager.Startup("Ann");
    }

    int Loaded() const
    {
        int count = 0;
        for (int slot = 0; slot < PlayerProfileManager::NUM_PROFILE_SLOTS; ++slot) {
            count += manager.GetProfileNameInSlot(slot).empty() ? 0 : 1;
        }
        return count;
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

// Catches the way back to the player in play missing from the select
// dialog, or the dialog shown at once without fading in.
TEST_F(ProfileSlotsTest, TheSelectDialogFadesInOfferingTheWayBackToThePlayerInPlay)
{
    manager.Startup("Ann");
    screen_test::PushesAtOnce pushes;
    FireGlobalEvent("ShowSelectProfileDialogEvent");
    EXPECT_TRUE(HasChild(GAME_WINDOW_SELECT_PROFILE, "LeaveSelectProfileButton"));
    EXPECT_EQ(pushes.flags, std::vector<bool>{false});
}

// Catches the new player's welcome given in a dialog of its own instead of
// over the title screen.
TEST_F(ProfileSlotsTest, ANewPlayerIsWelcomedOverTheTitleScreen)
{
    const int title = screens.ui.CreateTitleWindow();
    ASSERT_NE(title, PemberquillUI::NO_WINDOW);
    manager.Startup("Ann");
    struct Lessons : EventRecipient {
        Lessons() { RegisterEventHandler("TeachMechanicsEvent", UlvoEventSystem::GetGlobal(), &Lessons::On, this); }
        void On(NamedProperties& args) { args.Get("ParentWindowContextHandle", parent); }
        int parent = 0;
    } lessons;
    Create("Bob");
    EXPECT_EQ(lessons.parent, title);
}

// Catches the profile dialogs cut off at once instead of fading out when a
// new player is made.
TEST_F(ProfileSlotsTest, TheProfileDialogsFadeOutOnceANewPlayerIsMade)
{
    manager.Startup("Ann");
    screen_test::PopFades pops;
    Create("Bob");
    ASSERT_FALSE(pops.fades.empty());
    EXPECT_EQ(pops.fades, std::vector<bool>(pops.fades.size(), true));
}

// Catches a save of an empty slot reported as stored, and a profile made
// in a slot past the last.
TEST_F(ProfileSlotsTest, SavingAnEmptySlotStoresNothingAndSaysSo)
{
    manager.Startup("Ann");
    EXPECT_FALSE(manager.CreateProfileInSlot(PlayerProfileManager::NUM_PROFILE_SLOTS, "Bob"));
    EXPECT_FALSE(manager.CreateProfileInSlot(0, "Bob")) << "taken";
    EXPECT_TRUE(manager.SavePlayerProfile(manager.FindProfileSlotByName("Ann")));
    EXPECT_FALSE(manager.SavePlayerProfile(1));
    EXPECT_FALSE(manager.SavePlayerProfile(PlayerProfileManager::NO_SLOT));
    EXPECT_FALSE(manager.SavePlayerProfile(PlayerProfileManager::NUM_PROFILE_SLOTS));
    EXPECT_EQ(manager.GetProfileNameInSlot(PlayerProfileManager::NUM_PROFILE_SLOTS), "");
    EXPECT_FALSE(std::filesystem::exists(folder.File("steamuser-1.playerProfile")));
}

// Catches the first save after the older file is copied aside reported as
// failed and left unwritten.
TEST_F(ProfileSlotsTest, TheFirstSaveOfAnOlderProfileCopiesItAsideAndStoresTheCurrentOne)
{
    StartWithAnOlderProfile();
    EXPECT_TRUE(manager.SavePlayerProfile(manager.FindProfileSlotByName("Ann")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("steamuser.playerProfile.oldversion")));
    ResourceStream saved(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile"));
    EXPECT_EQ(PlayerProfile(saved).GetName(), "Ann");
}

// Catches an older profile written over although no copy of it could be
// kept, with the save reported as made.
TEST_F(ProfileSlotsTest, AnOlderProfileThatCannotBeCopiedAsideIsNotWrittenOver)
{
    StartWithAnOlderProfile();
    for (int copy = 1; copy <= MAX_KEPT_ASIDE_COPIES; ++copy) {
        testsupport::WriteFileBytes(folder.File(KeptAsideName("steamuser.playerProfile", ".oldversion", copy)), {});
    }
    const testsupport::Bytes older = testsupport::ReadFileBytes(folder.File("steamuser.playerProfile"));
    EXPECT_FALSE(manager.SavePlayerProfile(manager.FindProfileSlotByName("Ann")));
    EXPECT_EQ(testsupport::ReadFileBytes(folder.File("steamuser.playerProfile")), older);
}

// Catches an empty copy kept of an older profile emptied since it was read.
TEST_F(ProfileSlotsTest, AnOlderProfileEmptiedSinceItWasReadLeavesNoCopy)
{
    StartWithAnOlderProfile();
    testsupport::WriteFileBytes(folder.File("steamuser.playerProfile"), {});
    EXPECT_TRUE(manager.SavePlayerProfile(manager.FindProfileSlotByName("Ann")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("steamuser.playerProfile.oldversion")));
}

// Catches a file taken in under a stem a loaded profile holds, or from a
// file that is no profile file (either would be saved over another's file),
// a current profile taken in copied aside as if it were older, and a file
// taken in with no slot free.
TEST_F(ProfileSlotsTest, OnlyAProfileFileOfAStemNobodyHoldsIsTakenIn)
{
    manager.Startup("Ann");
    const auto load = [](const std::string& fileName) {
        NamedProperties args;
        args.Set<std::string>("File Name", fileName);
        FireGlobalEvent("LoadPlayerProfileFile", args);
    };
    std::filesystem::copy_file(folder.File("steamuser.playerProfile"), folder.File("notes.txt"));
    std::filesystem::copy_file(folder.File("steamuser.playerProfile"), folder.File("steamuser-4.playerProfile"));
    load("steamuser.playerProfile");
    load("notes.txt");
    EXPECT_EQ(Loaded(), 1);
    load("steamuser-4.playerProfile");
    EXPECT_EQ(Loaded(), 2);
    load("steamuser-4.playerProfile");
    EXPECT_EQ(Loaded(), 2);
    // A current profile taken in is saved back without a copy of its file.
    EXPECT_TRUE(manager.SavePlayerProfile(1));
    EXPECT_FALSE(std::filesystem::exists(folder.File("steamuser-4.playerProfile.oldversion")));

    // With every slot taken, a further file is refused as having no room.
    for (const char* name : {"Bo", "Cy", "Di", "Ed"}) {
        Create(name);
    }
    ASSERT_EQ(Loaded(), PlayerProfileManager::NUM_PROFILE_SLOTS);
    std::filesystem::copy_file(folder.File("steamuser.playerProfile"), folder.File("spare.playerProfile"));
    console.lines.clear();
    load("spare.playerProfile");
    EXPECT_EQ(Loaded(), PlayerProfileManager::NUM_PROFILE_SLOTS);
    EXPECT_NE(console.Text().find("\"spare.playerProfile\" was not loaded: not a profile file, already loaded, or no "
                                  "free slot."),
              std::string::npos)
        << console.Text();
}

} // namespace
