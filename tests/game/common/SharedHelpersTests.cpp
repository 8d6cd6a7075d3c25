// The small shared helpers at their edges: sound names at both ends of the
// list, the last free name of a kept-aside series, rule sets told apart,
// and a subsystem without keys passing every key on.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/EventRecipient.h"
#include "engine/core/FileIO.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoPath.h"
#include "game/common/CageRules.h"
#include "game/common/GameSoundID.h"
#include "game/common/GameSounds.h"
#include "game/common/GameSubsystem.h"
#include "game/common/KeepFileAside.h"
#include "game/common/SaveOutcomes.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/SilentConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace Pemberquill;

// Catches a sound id just outside the list given a name, or the last one
// refused.
TEST(SharedHelpersTest, OnlyIdsInsideTheListHaveASoundName)
{
    const struct {
        int id;
        bool hasName;
    } rows[] = {{-1, false}, {0, true}, {NUM_GAME_SOUNDS - 1, true}, {NUM_GAME_SOUNDS, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(GetGameSoundName(row.id) != nullptr, row.hasName) << row.id;
    }
}

// Catches the last name of the series left unused, or a name past it taken.
TEST(SharedHelpersTest, AKeptCopyTakesTheLastFreeNameOfItsSeriesAndNoneBeyond)
{
    testsupport::SilentConsole console;
    testsupport::TemporaryFolder folder;
    file_test::FakeApplication application(folder.File(""));
    const unsigned char byte = 'x';
    const auto write = [&](const std::string& name) {
        return WriteWholeFile(&byte, UlvoPath(PATH_MARKER_PLAYER_STORAGE, name), 1) == 1;
    };
    for (int copy = 1; copy < MAX_KEPT_ASIDE_COPIES; ++copy) {
        ASSERT_TRUE(write(KeptAsideName("profile", ".old", copy)));
    }
    EXPECT_EQ(KeepFileAside(&byte, 1, "profile", ".old"), KeptAsideName("profile", ".old", MAX_KEPT_ASIDE_COPIES));
    EXPECT_EQ(KeepFileAside(&byte, 1, "profile", ".old"), "") << "every name taken";
    ASSERT_TRUE(write("profile"));
    EXPECT_EQ(MoveFileAside("profile", ".old"), "");
    EXPECT_TRUE(IsPlayerFileNameTaken("profile")) << "left where it was";
}

// Catches a copy that could not be written logged without the system's
// reason, which is all the player has to mend it by.
TEST(SharedHelpersTest, ACopyThatCannotBeWrittenIsLoggedWithTheReason)
{
    testsupport::RecordingConsole console;
    testsupport::TemporaryFolder folder;
    file_test::FakeApplication application(folder.File(""));
    const unsigned char byte = 'x';
    EXPECT_EQ(KeepFileAside(&byte, 1, "gone/profile", ".old"), "");
    EXPECT_EQ(console.Text(), "ERROR: A copy of \"gone/profile\" could not be saved to \"" +
                                  folder.File("gone/profile.old") + "\": No such file or directory\n");
}

// Catches two different rule sets taken for one, or one set for two.
TEST(SharedHelpersTest, RuleSetsDifferExactlyWhenTheirRulesDo)
{
    CageRules addition;
    addition.SetFromMask(CAGE_RULE_ADDITION);
    CageRules alsoAddition;
    alsoAddition.SetFromMask(CAGE_RULE_ADDITION);
    CageRules division;
    division.SetFromMask(CAGE_RULE_DIVISION);
    EXPECT_FALSE(addition != alsoAddition);
    EXPECT_TRUE(addition != division);
}

// Catches the run's first save failure told more than once, or a later one
// told in its place.
TEST(SharedHelpersTest, TheRunsFirstSaveFailureIsToldOnce)
{
    testsupport::SilentConsole console;
    ForgetSaveOutcomes();
    SaveFailure told;
    EXPECT_FALSE(TakeSaveFailureNotice(told));
    ReportSaveFailure({"The options", "first", "full"});
    ReportSaveFailure({"The player profile", "second", "gone"});
    ASSERT_TRUE(TakeSaveFailureNotice(told));
    EXPECT_EQ(told.path, "first");
    EXPECT_FALSE(TakeSaveFailureNotice(told));
    ForgetSaveOutcomes();
}

// Catches the puzzle menu promising "(progress saved)" after a failed save
// of the options alone, or warning on once the progress saved again.
TEST(SharedHelpersTest, AnyFailedSaveWarnsTheMenuUntilTheProgressSavesAgain)
{
    testsupport::SilentConsole console;
    UlvoEventSystem events;
    struct Menu : EventRecipient {
        void OnSaveState(NamedProperties& args) { args.Get("SaveState", state); }
        int state = -1;
    } menu;
    RegisterEventHandler(PROGRESS_SAVE_STATE_EVENT, &events, &Menu::OnSaveState, &menu);
    ForgetSaveOutcomes();
    ReportSaveFailure({"The options", "steamuser.pqoptions", "full"});
    EXPECT_EQ(GetProgressSaveState(), ProgressSaveState::FAILED);
    EXPECT_EQ(menu.state, static_cast<int>(ProgressSaveState::FAILED));
    ReportProgressSaved();
    EXPECT_EQ(menu.state, static_cast<int>(ProgressSaveState::SAVED));
    ForgetSaveOutcomes();
}

// Catches a subsystem that has no use for keys swallowing them, so that the
// subsystems after it never see one.
TEST(SharedHelpersTest, ASubsystemWithoutKeysPassesEveryKeyOn)
{
    struct NoKeys : GameSubsystem {};
    NoKeys subsystem;
    for (int key : {13, 27, 32, 65}) {
        EXPECT_FALSE(subsystem.OnKeyEvent(1, key)) << key;
    }
}

} // namespace
