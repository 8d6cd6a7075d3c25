// The news after a location's challenge, as a player meets it: each unlock
// dialog answered with its OK button takes the player where the news leads,
// and the next one follows until none is left.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/campaign/CampaignNode.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/CampaignAccomplishments.h"
#include "tests/game/shell/PlayerSessionSupport.h"

namespace Pemberquill {
namespace {

using namespace player_session;

constexpr uint32_t UNLOCK_NEWS =
    ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_SATISFIED | ACCOMPLISHED_NODE_UNLOCKED | ACCOMPLISHED_REGION_UNLOCKED;
const std::vector<std::string> HEADINGS = {"New Rank!", "Puzzles Unlocked!", "New Location:", "New Region:"};

bool IsNewsWaiting()
{
    const AchievementSystem& achievements = GetAchievementSystem();
    const CampaignAccomplishments* pending = achievements.GetPendingResult();
    return achievements.IsDialogShowing() || (pending != nullptr && (pending->flags & UNLOCK_NEWS) != 0);
}

bool IsDialogOnTop()
{
    return TopWindow() != nullptr &&
           (TopWindow()->GetName() == "Information Dialog" || TopWindow()->GetName() == "Achievement Dialog");
}

// The headings among the shown lines of the dialog, top down.
std::vector<std::string> HeadingsOf(BaseWidget* dialog)
{
    std::vector<std::string> headings;
    const auto isHeading = [&headings](const BaseWidget& line) {
        const std::string text = line.GetProperty<std::string>("Label");
        if (std::find(HEADINGS.begin(), HEADINGS.end(), text) != HEADINGS.end()) {
            headings.push_back(text);
        }
        return false;
    };
    FindShown(dialog, "InfoLine", isHeading);
    return headings;
}

class CampaignUnlockDialogsTest : public PlayerSession {
protected:
    // From the region map, the location's challenge puzzle, solved.
    void SolveChallengeOf(const std::string& location, bool isFirstPuzzle)
    {
        ASSERT_NO_FATAL_FAILURE(Click(location + "CampaignNodeButton"));
        ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSetWindow"));
        const Puzzle* challenge =
            Campaign::FindNodeByName(Game().GetCampaign().GetNodes(), location)->GetPuzzleSet()->GetUnlockPuzzle();
        ASSERT_NE(challenge, nullptr) << location;
        BaseWidget* button = FindShown(TopWindow(), "PlayPuzzle", [challenge](const BaseWidget& widget) {
            return widget.GetProperty<Puzzle*>("OnActivationEventNameProperty") == challenge;
        });
        ASSERT_NE(button, nullptr) << location;
        ASSERT_NO_FATAL_FAILURE(Click(*button));
        if (isFirstPuzzle) {
            ASSERT_NO_FATAL_FAILURE(Click("HowToPlayWindowBackButton"));
        }
        ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleWindow"));
        ASSERT_NO_FATAL_FAILURE(PlaceTheAnswer());
        ASSERT_TRUE(challenge->GetProgress()->IsSolved()) << location;
    }

    // Each dialog answered with its OK as it comes, until no news waits;
    // the headings of each unlock dialog. The first comes once the solve
    // has been graded.
    std::vector<std::vector<std::string>> AnswerTheNews()
    {
        std::vector<std::vector<std::string>> dialogs;
        do {
            if (!FramesUntil(IsDialogOnTop)) {
                ADD_FAILURE() << "no dialog shown; news waiting: " << IsNewsWaiting();
                break;
            }
            Frames(SETTLE_FRAMES);
            if (TopWindow()->GetName() == "Achievement Dialog") {
                Click("AchievementOkButton");
                continue;
            }
            dialogs.push_back(HeadingsOf(TopWindow()));
            Click("InformationOkButton");
        } while (IsNewsWaiting());
        Frames(SETTLE_FRAMES);
        return dialogs;
    }
};

TEST_F(CampaignUnlockDialogsTest, EachUnlockDialogsOkLeadsOnAndTheNextFollows)
{
    using Dialogs = std::vector<std::vector<std::string>>;
    // Every location here opens the next; the lighthouse's lies in the next
    // region.
    const struct {
        const char* location;
        Dialogs dialogs;
        const char* windowAfter;
    } steps[] = {
        {"Beginnings", {{"New Rank!", "Puzzles Unlocked!"}, {"New Location:"}}, "CampaignRegionWindow"},
        {"Shallows", {{"Puzzles Unlocked!"}, {"New Location:"}}, "CampaignRegionWindow"},
        {"Tide Pools", {{"Puzzles Unlocked!"}, {"New Location:"}}, "CampaignRegionWindow"},
        {"Coral Reef", {{"Puzzles Unlocked!"}, {"New Location:"}}, "CampaignRegionWindow"},
        {"Lighthouse", {{"New Rank!", "Puzzles Unlocked!"}, {"New Location:"}, {"New Region:"}}, "CampaignWindow"},
    };
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_NO_FATAL_FAILURE(Clicks({"PlayButton", "OceanCampaignRegionButton"}));
    for (const auto& step : steps) {
        ASSERT_NO_FATAL_FAILURE(WaitFor("CampaignRegionWindow"));
        ASSERT_NO_FATAL_FAILURE(SolveChallengeOf(step.location, &step == &steps[0]));
        EXPECT_EQ(AnswerTheNews(), step.dialogs) << step.location;
        ASSERT_NE(TopWindow(), nullptr);
        ASSERT_EQ(TopWindow()->GetName(), step.windowAfter) << step.location;
    }
    EXPECT_FALSE(IsNewsWaiting());
}

}  // namespace
}  // namespace Pemberquill
