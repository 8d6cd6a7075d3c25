// The profile manager over real files (a first start, a stored profile and
// deleting one are in PlayerSessionTests): a damaged and an older profile,
// the stems of later profiles, deleting one profile without touching
// another, players after delete, re-create and restart, when a switch saves.
#include "game/common/KeepFileAside.h"
#include "game/player/PlayerProfileManager.h"
#include "game/player/PlayerProfileScreens.h"
#include "game/common/GameWindowID.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/ContainerWidget.h"
#include "game/steam/SteamInterface.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/PlayerStorageHooks.h"

using namespace Pemberquill;

namespace {

const std::string OWN_FILE = "steamuser.playerProfile";

testsupport::Bytes AsBytes(const std::string& text)
{
    return testsupport::Bytes(text.begin(), text.end());
}

// A child of a built window by its name; null when there is none.
BaseWidget* FindChild(int windowId, const std::string& name, size_t skip = 0)
{
    auto* window =
        dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId)));
    for (size_t index = 0; window != nullptr && index < window->GetChildCount(); ++index) {
        if (window->GetChild(index)->GetName() == name && skip-- == 0) {
            return window->GetChild(index);
        }
    }
    return nullptr;
}

// Larger than any profile the reader takes: it refuses it for its size
// without reading a byte (a sparse file costs no disk).
constexpr std::uintmax_t UNREADABLE_SIZE = (std::uintmax_t{1} << 31) + 5;

// Keeps each push with how it goes: "now", or "after" the window under it
// has faded. Stands in for the real screens while it exists.
class RecordingProfileScreens final : public PlayerProfileScreens {
public:
    RecordingProfileScreens() : m_previous(GetPlayerProfileScreens()) { SetPlayerProfileScreens(this); }
    ~RecordingProfileScreens() { SetPlayerProfileScreens(m_previous); }
    RecordingProfileScreens(const RecordingProfileScreens&) = delete;
    RecordingProfileScreens& operator=(const RecordingProfileScreens&) = delete;

    void PushWindow(int windowId, bool now) override
    {
        pushes.push_back("push " + std::to_string(windowId) + (now ? " now" : " after"));
    }
    void PopWindow(int, bool) override {}
    int GetWindowHandle(int) override { return -1; }
    void CreateSelectProfileWindow(const std::vector<std::string>&, bool, bool) override {}
    void CreateCreateProfileDialog(bool) override {}
    void ShowInformationDialog(const std::vector<TextLines>&, const std::string&) override {}
    void ShowConfirmationDialog(const std::string&, const std::string&, const std::string&, const std::string&,
                                const std::string&) override
    {
    }
    void SetInstructorTextRegion(const AABB2&) override {}

    std::vector<std::string> pushes;

private:
    PlayerProfileScreens* m_previous;
};

class PlayerProfileManagerTest : public ::testing::Test {
protected:
    PlayerProfileManagerTest()
    {
        screens.ui.Startup(screens.clock);
        log.Listen({"OnPlayerProfileSelected", "ShowSelectProfileDialogEvent", "TeachMechanicsEvent"});
    }

    std::string Path(const std::string& name) const { return folder.File(name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }
    testsupport::Bytes Bytes(const std::string& name) const { return testsupport::ReadFileBytes(Path(name)); }
    std::uintmax_t Size(const std::string& name) const { return std::filesystem::file_size(Path(name)); }
    void WriteUnreadable(const std::string& name) const
    {
        WriteBytes(name, "unreadable");
        std::filesystem::resize_file(Path(name), UNREADABLE_SIZE);
    }
    std::string NoticeText() const
    {
        std::string text;
        for (size_t line = 0; BaseWidget* label = FindChild(GAME_WINDOW_INFORMATION, "InfoLine", line); ++line) {
            text += label->GetProperty<std::string>("Label") + "\n";
        }
        return text;
    }
    void WriteBytes(const std::string& name, const std::string& text) const
    {
        testsupport::WriteFileBytes(Path(name), AsBytes(text));
    }
    std::set<int> StoredMechanics(const std::string& stem) const
    {
        ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, stem + ".playerProfile"));
        return PlayerProfile(stream).GetGameMechanicsKnown().mechanics;
    }
    void Fire(const std::string& eventName, const std::string& name)
    {
        NamedProperties args;
        args.Set<std::string>("OnActivationEventNameProperty", name);
        FireGlobalEvent(eventName, args);
    }
    std::vector<std::string> SlotNames() const
    {
        std::vector<std::string> names;
        for (int slot = 0; slot < PlayerProfileManager::NUM_PROFILE_SLOTS; ++slot) {
            names.push_back(manager.GetProfileNameInSlot(slot));
        }
        return names;
    }

    testsupport::RecordingConsole console;
    screen_test::ScreenEnvironment screens;
    testsupport::TemporaryFolder folder;
    options_test::RecordingApplication application{folder.File("")};
    options_test::EventLog log;
    PlayerProfileManager manager;
};

TEST_F(PlayerProfileManagerTest, ADamagedProfileIsKeptAsideOrNeverSavedOverAndThePlayerIsTold)
{
    WriteBytes(OWN_FILE, "first damage");
    manager.Startup("Ann");
    WriteBytes(OWN_FILE, "second damage");
    manager.Startup("Ann");

    EXPECT_EQ(Bytes(OWN_FILE + ".damaged"), AsBytes("first damage"));
    EXPECT_EQ(Bytes(OWN_FILE + ".damaged2"), AsBytes("second damage"));
    EXPECT_EQ(manager.GetActiveProfileName(), "Ann");
    EXPECT_EQ(StoredMechanics("steamuser"), std::set<int>{});

    manager.ShowPendingNotice();
    const int dialog = PemberquillUI::GetWindowHandle(GAME_WINDOW_INFORMATION);
    ASSERT_NE(dialog, PemberquillUI::NO_WINDOW);
    EXPECT_NE(NoticeText().find("steamuser.playerProfile.damaged2"), std::string::npos) << NoticeText();
    // Told once.
    manager.ShowPendingNotice();
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_INFORMATION), dialog);

    // Where no copy can go, the damaged profile is never saved over.
    for (int copy = 3; copy <= MAX_KEPT_ASIDE_COPIES; ++copy) {
        std::filesystem::create_directory(Path(OWN_FILE + ".damaged" + std::to_string(copy)));
    }
    WriteBytes(OWN_FILE, "damage");
    manager.Startup("Ann");
    FireGlobalEvent("SaveGameEvent");
    EXPECT_FALSE(manager.SavePlayerProfile(manager.FindProfileSlotByName("Ann"))) << "and never said to be saved";
    EXPECT_EQ(Bytes(OWN_FILE), AsBytes("damage"));
    EXPECT_EQ(manager.GetActiveProfileName(), "Ann");
}

// Catches an empty profile file taken for a damaged one: it holds nothing to
// keep, so a new profile simply takes its place, with nothing to tell.
TEST_F(PlayerProfileManagerTest, AnEmptyOwnProfileIsReplacedWithoutANotice)
{
    WriteBytes(OWN_FILE, "");
    manager.Startup("Ann");
    EXPECT_EQ(manager.GetActiveProfileName(), "Ann");
    EXPECT_FALSE(Exists(OWN_FILE + ".damaged"));
    manager.ShowPendingNotice();
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_INFORMATION), PemberquillUI::NO_WINDOW);
}

TEST_F(PlayerProfileManagerTest, AnOlderProfileIsCopiedAsideBeforeItsFirstSaveOnly)
{
    ResourceStream older(RESOURCE_STREAM_FORMAT_BINARY, 64);
    older.WriteString("Old");
    older.WriteInt32(PLAYER_PROFILE_VERSION - 1);
    ASSERT_TRUE(older.SaveToFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, OWN_FILE)));
    const testsupport::Bytes olderBytes = Bytes(OWN_FILE);
    manager.Startup("Ann");
    EXPECT_EQ(Bytes(OWN_FILE), olderBytes);

    FireGlobalEvent("SaveGameEvent");
    FireGlobalEvent("SaveGameEvent");
    EXPECT_EQ(Bytes(OWN_FILE + ".oldversion"), olderBytes);
    EXPECT_FALSE(Exists(OWN_FILE + ".oldversion2"));
    ResourceStream saved(UlvoPath(PATH_MARKER_PLAYER_STORAGE, OWN_FILE));
    EXPECT_EQ(PlayerProfile(saved).GetName(), "Ann");
}

TEST_F(PlayerProfileManagerTest, LaterProfilesTakeTheirOwnStemsAndDeletingOneTouchesNoOtherFile)
{
    manager.Startup("Ann");
    Fire("CreateProfileEvent", "Bob");
    Fire("CreateProfileEvent", "Cid");
    EXPECT_EQ(manager.GetProfileFileStem("Bob"), "steamuser-1");
    EXPECT_EQ(manager.GetProfileFileStem("Cid"), "steamuser-2");
    EXPECT_EQ(manager.GetActiveProfileName(), "Cid");
    std::map<std::string, testsupport::Bytes> kept;
    for (const std::string stem : {"steamuser", "steamuser-1", "steamuser-2"}) {
        WriteBytes(stem + ".pqoptions", stem);
    }
    for (const std::string name :
         {"steamuser.playerProfile", "steamuser.pqoptions", "steamuser-1.playerProfile", "steamuser-1.pqoptions"}) {
        kept[name] = Bytes(name);
    }

    Fire("DeleteProfileEvent", "Cid");
    EXPECT_FALSE(Exists("steamuser-2.playerProfile"));
    EXPECT_FALSE(Exists("steamuser-2.pqoptions"));
    for (const auto& [name, bytes] : kept) {
        EXPECT_EQ(Bytes(name), bytes) << name;
    }
    EXPECT_EQ(manager.GetActiveProfile(), nullptr);
    EXPECT_EQ(log.Count("ShowSelectProfileDialogEvent"), 1);
    // The remaining players, and no way back to a player who is gone.
    EXPECT_EQ(FindChild(GAME_WINDOW_SELECT_PROFILE, "SelectProfile", 1)
                  ->GetProperty<std::string>("OnActivationEventNameProperty"),
              "Bob");
    EXPECT_EQ(FindChild(GAME_WINDOW_SELECT_PROFILE, "LeaveSelectProfileButton"), nullptr);

    Fire("CreateProfileEvent", "Dan");
    EXPECT_EQ(manager.GetProfileFileStem("Dan"), "steamuser-2");
    for (const auto& [name, bytes] : kept) {
        EXPECT_EQ(Bytes(name), bytes) << name;
    }
    // A later stem is found past a gap.
    Fire("DeleteProfileEvent", "Bob");
    manager.Startup("Ann");
    EXPECT_EQ(manager.GetProfileFileStem("Dan"), "steamuser-2");
}

// An existing or empty name makes no profile; only a switch away saves the
// profile left.
TEST_F(PlayerProfileManagerTest, OnlyANewNameMakesAProfileAndOnlyASwitchAwaySavesTheProfileLeft)
{
    manager.Startup("Ann");
    Fire("CreateProfileEvent", "Ann");
    Fire("CreateProfileEvent", "");
    Fire("CreateProfileEvent", "Bob");
    EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Ann", "Bob", "", "", "", ""}));
    // Each new player is welcomed on the title screen.
    EXPECT_EQ(log.Count("TeachMechanicsEvent"), 2);
    manager.GetActiveProfile()->GetGameMechanicsKnown().mechanics.insert(99);
    const int selections = log.Count("OnPlayerProfileSelected");

    Fire("SelectProfileEvent", "Bob");
    EXPECT_EQ(StoredMechanics("steamuser-1"), std::set<int>{});
    EXPECT_EQ(log.Count("OnPlayerProfileSelected"), selections);

    Fire("SelectProfileEvent", "Ann");
    EXPECT_EQ(StoredMechanics("steamuser-1"), std::set<int>{99});
    EXPECT_EQ(log.Count("OnPlayerProfileSelected"), selections + 1);
}

// Catches the notice of a taken name pushed over the create dialog before
// that one has faded.
TEST_F(PlayerProfileManagerTest, TheTakenNameNoticeWaitsForTheWindowUnderIt)
{
    manager.Startup("Ann");
    RecordingProfileScreens recorder;
    Fire("CreateProfileEvent", "Ann");
    EXPECT_EQ(recorder.pushes, std::vector<std::string>{"push " + std::to_string(GAME_WINDOW_INFORMATION) + " after"});
}

// A profile the reader refuses for its size is moved aside whole, never
// read into memory nor saved over; the new profile goes beside it and the
// player is told once.
TEST_F(PlayerProfileManagerTest, AnUnreadableOwnProfileIsKeptAsideWholeAndTheNewOneGoesBesideIt)
{
    WriteUnreadable(OWN_FILE);
    manager.Startup("Ann");
    EXPECT_EQ(Size(OWN_FILE + ".damaged"), UNREADABLE_SIZE);
    EXPECT_EQ(StoredMechanics("steamuser"), std::set<int>{});
    EXPECT_EQ(manager.GetActiveProfileName(), "Ann");
    manager.ShowPendingNotice();
    EXPECT_NE(NoticeText().find("steamuser.playerProfile.damaged"), std::string::npos) << NoticeText();

    manager.Startup("Ann");
    EXPECT_EQ(Size(OWN_FILE + ".damaged"), UNREADABLE_SIZE);
    EXPECT_FALSE(Exists(OWN_FILE + ".damaged2"));
}

// A later profile file that cannot be read is still somebody's: a new
// profile takes the next stem. A current profile is never copied aside.
TEST_F(PlayerProfileManagerTest, ANewProfileNeverTakesTheStemOfAnUnreadableFileNorCopiesACurrentOne)
{
    manager.Startup("Ann");
    WriteUnreadable("steamuser-1.playerProfile");
    Fire("CreateProfileEvent", "Bob");
    EXPECT_EQ(manager.GetProfileFileStem("Bob"), "steamuser-2");
    EXPECT_EQ(Size("steamuser-1.playerProfile"), UNREADABLE_SIZE);

    manager.Startup("Ann");
    FireGlobalEvent("SaveGameEvent");
    Fire("SelectProfileEvent", "Bob");
    Fire("SelectProfileEvent", "Ann");
    for (const std::string stem : {"steamuser", "steamuser-2"}) {
        EXPECT_FALSE(Exists(stem + ".playerProfile.oldversion")) << stem;
    }
}

// Six players fill the six slots under six stems and all come back after a
// restart; a seventh is refused and writes nothing. A damaged later profile
// is moved aside, so its stem is free for the next player. A file under a
// stem past the fifth is no player's.
TEST_F(PlayerProfileManagerTest, SixPlayersComeBackAfterARestartAndADamagedOneFreesItsStem)
{
    manager.Startup("Ann");
    const std::vector<std::string> names = {"Ann", "Bob", "Cid", "Dan", "Eve", "Fay"};
    for (size_t i = 1; i < names.size(); ++i) {
        Fire("CreateProfileEvent", names[i]);
    }
    Fire("CreateProfileEvent", "Gus");
    EXPECT_EQ(manager.FindProfileSlotByName("Gus"), PlayerProfileManager::NO_SLOT);
    EXPECT_FALSE(Exists("steamuser-6.playerProfile"));

    manager.Startup("Ann");
    EXPECT_EQ(SlotNames(), names);
    for (size_t i = 1; i < names.size(); ++i) {
        EXPECT_EQ(manager.GetProfileFileStem(names[i]), "steamuser-" + std::to_string(i));
    }

    WriteBytes("steamuser-3.playerProfile", "damage");
    manager.Startup("Ann");
    EXPECT_EQ(Bytes("steamuser-3.playerProfile.damaged"), AsBytes("damage"));
    EXPECT_EQ(manager.FindProfileSlotByName("Dan"), PlayerProfileManager::NO_SLOT);
    Fire("CreateProfileEvent", "Gus");
    EXPECT_EQ(manager.GetProfileFileStem("Gus"), "steamuser-3");
    EXPECT_EQ(Bytes("steamuser-3.playerProfile.damaged"), AsBytes("damage"));

    // Only the five stems the game gives out are read.
    std::filesystem::rename(Path("steamuser-1.playerProfile"), Path("steamuser-6.playerProfile"));
    manager.Startup("Ann");
    EXPECT_EQ(manager.FindProfileSlotByName("Bob"), PlayerProfileManager::NO_SLOT);
}

// A damaged further profile is not replaced by a new one: the notice says
// that its player is gone from the list, by name (spaces and all) while the
// file still holds it, and promises no new profile.
TEST_F(PlayerProfileManagerTest, TheNoticeOfADamagedFurtherProfileSaysItsPlayerIsNoLongerListed)
{
    manager.Startup("Ann");
    Fire("CreateProfileEvent", "Bo B");
    Fire("CreateProfileEvent", "Cid");
    const testsupport::Bytes bob = Bytes("steamuser-1.playerProfile");
    testsupport::WriteFileBytes(Path("steamuser-1.playerProfile"), testsupport::Bytes(bob.begin(), bob.begin() + 12));
    WriteBytes("steamuser-2.playerProfile", "x");
    // A damaged profile whose name is too long to show, cut after the name.
    ResourceStream longName(RESOURCE_STREAM_FORMAT_BINARY, 64);
    longName.WriteString(std::string(41, 'D'));
    ASSERT_TRUE(longName.SaveToFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser-3.playerProfile")));
    manager.Startup("Ann");
    manager.ShowPendingNotice();

    EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Ann", "", "", "", "", ""}));
    const std::string notice = NoticeText();
    EXPECT_NE(notice.find("It was kept as \"steamuser-1.playerProfile.damaged\".\n"
                          "Its player, \"Bo B\", is no longer in the list of players.\n"),
              std::string::npos)
        << notice;
    for (const char* kept : {"steamuser-2.playerProfile.damaged", "steamuser-3.playerProfile.damaged"}) {
        EXPECT_NE(notice.find(std::string("It was kept as \"") + kept +
                              "\".\nIts player is no longer in the list of players.\n"),
                  std::string::npos)
            << notice;
    }
    EXPECT_EQ(notice.find("new profile"), std::string::npos) << notice;
}

// In remote storage nothing is removed: the damaged profile is moved aside
// there once, and the next start finds nothing damaged.
TEST_F(PlayerProfileManagerTest, ADamagedLaterProfileInRemoteStorageIsKeptAsideOnce)
{
    platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", folder.File("").c_str()};
    SteamInterface steam;
    Clock steamClock;
    steam.Startup(&steamClock);
    const std::string storage = std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/storage/";
    ASSERT_TRUE(std::filesystem::create_directories(Path(storage)));
    WriteBytes(storage + "steamuser-1.playerProfile", "damage");
    for (int start = 0; start < 3; ++start) {
        manager.Startup("Ann");
    }
    steam.Shutdown();
    testsupport::ForgetPlayerStorageHooks();
    EXPECT_EQ(Bytes(storage + "steamuser-1.playerProfile.damaged"), AsBytes("damage"));
    EXPECT_FALSE(Exists(storage + "steamuser-1.playerProfile"));
    EXPECT_FALSE(Exists(storage + "steamuser-1.playerProfile.damaged2"));
}

// Players after delete, re-create and restart. Catches a deleted player
// back at the next start because remote storage removes nothing, the own
// name made again under a further stem (the next start makes a fresh own
// profile beside it), and the deleted player's file destroyed rather than
// kept aside.
TEST_F(PlayerProfileManagerTest, ADeletedPlayerStaysGoneAndTheOneWhoPlayedStaysReachable)
{
    struct Step {
        const char* eventName; // or "Play": choose the player, learn a mechanic, save
        const char* name;
    };
    struct Case {
        bool isRemote;
        std::vector<Step> steps;
        std::vector<std::string> namesAfterRestart;
        const char* played;
        std::string keptAside;
    };
    const std::string remote = std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/storage/";
    const std::vector<Case> cases = {
        {true,
         {{"CreateProfileEvent", "Bob"}, {"DeleteProfileEvent", "Bob"}},
         {"Ann", "", "", "", "", ""},
         nullptr,
         remote + "steamuser-1.playerProfile.deleted"},
        {false,
         {{"DeleteProfileEvent", "Ann"}, {"CreateProfileEvent", "Ann"}, {"Play", "Ann"}},
         {"Ann", "", "", "", "", ""},
         "Ann",
         "steamuser.playerProfile.deleted"},
    };
    platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", folder.File("").c_str()};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.keptAside);
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            std::filesystem::remove_all(entry.path());
        }
        SteamInterface steam;
        Clock steamClock;
        if (row.isRemote) {
            steam.Startup(&steamClock);
        }
        manager.Startup("Ann");
        for (const Step& step : row.steps) {
            if (std::string(step.eventName) != "Play") {
                Fire(step.eventName, step.name);
                continue;
            }
            Fire("SelectProfileEvent", step.name);
            manager.GetActiveProfile()->GetGameMechanicsKnown().mechanics.insert(99);
            FireGlobalEvent("SaveGameEvent");
        }
        manager.Startup("Ann");

        EXPECT_EQ(SlotNames(), row.namesAfterRestart);
        if (row.played != nullptr) {
            EXPECT_EQ(StoredMechanics(manager.GetProfileFileStem(row.played)), std::set<int>{99});
        }
        if (row.isRemote) {
            steam.Shutdown();
            testsupport::ForgetPlayerStorageHooks();
        }
        EXPECT_TRUE(Exists(row.keptAside));
    }
}

// Catches two players listed under one name when files of an earlier build
// share it: choosing by name could reach only the first.
TEST_F(PlayerProfileManagerTest, PlayersStoredUnderOneNameAreEachListedUnderTheirOwn)
{
    manager.Startup("Ann");
    Fire("CreateProfileEvent", "Bob");
    std::filesystem::copy_file(Path("steamuser-1.playerProfile"), Path("steamuser-2.playerProfile"));
    std::filesystem::copy_file(Path("steamuser.playerProfile"), Path("steamuser-3.playerProfile"));
    manager.Startup("Ann");
    EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Ann", "Bob", "Bob (2)", "Ann (2)", "", ""}));
    EXPECT_EQ(manager.GetProfileFileStem("Bob (2)"), "steamuser-2");
}

// Catches a new player refused in silence, the create dialog left open with
// nothing said, when every further file is in use and only the own stem is
// free.
TEST_F(PlayerProfileManagerTest, WithNoFileFreeForANewPlayerThePlayerIsToldWhy)
{
    manager.Startup("Ann");
    for (const char* name : {"Bob", "Cid", "Dan", "Eve", "Fay"}) {
        Fire("CreateProfileEvent", name);
    }
    Fire("DeleteProfileEvent", "Ann");
    Fire("CreateProfileEvent", "Zed");
    EXPECT_EQ(manager.FindProfileSlotByName("Zed"), PlayerProfileManager::NO_SLOT);
    EXPECT_NE(NoticeText().find("There is no room for another player!"), std::string::npos) << NoticeText();
}

// Catches the global left pointing at a manager that is gone, or taken from
// the newest one when an older one goes.
TEST(PlayerProfileManagerGlobalTest, TheGlobalIsTheNewestManagerAndGoesWithIt)
{
    auto older = std::make_unique<PlayerProfileManager>();
    {
        PlayerProfileManager newest;
        older.reset();
        EXPECT_EQ(PlayerProfileManager::GetGlobal(), &newest);
    }
    EXPECT_EQ(PlayerProfileManager::GetGlobal(), nullptr);
}

} // namespace
