// A new player's first session and the next start, on the game object the
// executable builds, headless. The test acts only as a player would: mouse
// and keys pushed as window events, the clock moving by fixed steps.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "game/campaign/CampaignNode.h"
#include "game/options/PemberquillOptions.h"
#include "game/player/PlayerProfile.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/steam/AchievementSystem.h"
#include "tests/game/shell/PlayerSessionSupport.h"

namespace Pemberquill {
namespace {

using namespace player_session;

const char* const PLAYER_NAME = "Ada";

// Each label closes the one before it.
const std::vector<std::string> LOADING_TASKS = {
    "label \"Audio startup\" at", "label \"Audio startup\" was", "label \"SteamInterface startup\" at",
    "label \"AchievementSystem startup\" at", "label \"Credits startup\" at", "label \"PuzzleChef startup\" at",
    "label \"FreePlay startup\" at", "label \"Campaign startup\" at", "label \"Instructor startup\" at",
    "label \"GUI startup\" at", "label \"Animations startup\" at", "label \"PQUI startup\" at",
    "label \"ProfileManager startup\" at", "label \"PQRenderer startup\" at", "label \"Load Options\" at",
    "label \"Register options callbacks\" at", "label \"Fire Options events\" at", "label \"Load splash screens\" at",
    "label \"Start regional sounds\" at", "label \"Start regional sounds\" was", "label \"\" at time"};
const std::vector<std::string> SHUTDOWN_LINES = {
    "PemberquillCampaign Shutdown begun.\nPemberquillCampaign Shutdown complete.\nAnimations Shutdown begun.\n"
    "Animations Shutdown complete.\nPemberquillUI Shutdown begun.\nPemberquillUI Shutdown complete.\n"
    "PemberquillAudio Shutdown begun.\nPemberquillAudio Shutdown complete.\nFreePlay Shutdown begun.\n"
    "FreePlay Shutdown complete.\nCredits Shutdown begun.\nCredits Shutdown complete.\n"
    "AchievementSystem Shutdown started.", "AchievementSystem Shutodwn completed.", "SteamInterface Shutdown begun.",
    "SteamInterface Shutdown complete.\n::: Shutdown : UlvoCommandConsole (starting)"};

class PlayerSessionTest : public PlayerSession {
protected:
    // A new game, from the title to the first puzzle of Beginnings, past its
    // how-to-play page; that puzzle in played.
    void PlayTheFirstPuzzle(const Puzzle** played = nullptr)
    {
        ASSERT_NO_FATAL_FAILURE(StartGame());
        ASSERT_NO_FATAL_FAILURE(Clicks({"PlayButton", "OceanCampaignRegionButton", "BeginningsCampaignNodeButton"}));
        ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSetWindow"));
        BaseWidget* first = FindShown(FindShown(TopWindow(), "HomeworkPuzzlesGroup"), "PlayPuzzle");
        ASSERT_NE(first, nullptr);
        if (played != nullptr) {
            *played = first->GetProperty<Puzzle*>("OnActivationEventNameProperty");
        }
        ASSERT_NO_FATAL_FAILURE(Click(*first));
        ASSERT_NO_FATAL_FAILURE(Click("HowToPlayWindowBackButton"));
        ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleWindow"));
    }
};

TEST_F(PlayerSessionTest, ANewPlayerSolvesTheFirstPuzzleAndFindsItSolvedOnTheNextStart)
{
    ASSERT_NO_FATAL_FAILURE(StartGame());
    const std::string ownName = Game().GetProfileManager().GetActiveProfileName();
    ASSERT_NO_FATAL_FAILURE(Clicks({"ChangeProfileButton", "CreateProfileButton", "Profile Name EditBox"}));
    SDL_Event name{};
    name.text = {SDL_TEXTINPUT, 0, 0, "Ada"};
    ASSERT_NO_FATAL_FAILURE(Push({name}));
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_RETURN, SDL_SCANCODE_RETURN));
    EXPECT_EQ(Game().GetProfileManager().GetActiveProfileName(), PLAYER_NAME);
    // A new player starts full screen; Alt+Enter puts the game in a window.
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT));
    EXPECT_TRUE(GetPemberquillOptions().IsWindowed());
    ASSERT_NO_FATAL_FAILURE(Clicks({"PlayButton", "OceanCampaignRegionButton", "BeginningsCampaignNodeButton"}));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSetWindow"));
    const auto findFirstPuzzle = [] { return FindShown(FindShown(TopWindow(), "HomeworkPuzzlesGroup"), "PlayPuzzle"); };
    ASSERT_NE(findFirstPuzzle(), nullptr);
    Puzzle* puzzle = findFirstPuzzle()->GetProperty<Puzzle*>("OnActivationEventNameProperty");
    const Texture* unsolvedMark = findFirstPuzzle()->GetProperty<Texture*>("OverlayTexture");
    Puzzle* challenge = Game().GetCampaign().GetActiveCampaignNode()->GetPuzzleSet()->GetUnlockPuzzle();
    ASSERT_NO_FATAL_FAILURE(Click(*findFirstPuzzle()));
    // A new player is shown how to play first.
    ASSERT_NO_FATAL_FAILURE(Click("HowToPlayWindowBackButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleWindow"));
    ASSERT_NO_FATAL_FAILURE(PlaceTheAnswer());
    // The first puzzle solved earns its achievement; its OK plays the next.
    ASSERT_NO_FATAL_FAILURE(Click("AchievementOkButton"));
    ASSERT_TRUE(FramesUntil([&] { return Game().GetShownPuzzle() != nullptr && Game().GetShownPuzzle() != puzzle; }));
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    ASSERT_NO_FATAL_FAILURE(Click("ExitPuzzleButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSetWindow"));
    EXPECT_NE(findFirstPuzzle()->GetProperty<Texture*>("OverlayTexture"), unsolvedMark);
    // Chosen again, a solved puzzle offers the next one; from there the
    // player jumps to the location's challenge and makes a first move.
    ASSERT_NO_FATAL_FAILURE(Click(*findFirstPuzzle()));
    ASSERT_NO_FATAL_FAILURE(Clicks({"PlayNextAvailablePuzzleButton", "TakeTheChallengeButton", "ConfirmationOkButton"}));
    ASSERT_TRUE(FramesUntil([&] { return Game().GetShownPuzzle() == challenge; }));
    const BoardView view = Game().GetActivePuzzleView()->GetBoardViews().front();
    ASSERT_NO_FATAL_FAILURE(PressDigitOver(view, view.board->GetSquare(0, 0)));
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    ASSERT_NO_FATAL_FAILURE(Click("QuitGameButton"));
    ASSERT_TRUE(m_game->IsQuitting());
    QuitGameAndExpectCleanLogWith(LOADING_TASKS);

    // The quit kept the player, the window mode and the move on the
    // challenge; the exit before it the solved puzzle. The campaign lets go
    // of the record of a player deleted on the way.
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_NO_FATAL_FAILURE(Click("ChangeProfileButton"));
    ASSERT_NO_FATAL_FAILURE(Click("DeleteProfile", ownName));
    ASSERT_NO_FATAL_FAILURE(Click("ConfirmationOkButton"));
    EXPECT_EQ(Game().GetCampaign().GetProgress(), nullptr);
    ASSERT_NO_FATAL_FAILURE(Click("SelectProfile", PLAYER_NAME));
    ASSERT_NO_FATAL_FAILURE(WaitFor("TitleWindow"));
    EXPECT_TRUE(GetPemberquillOptions().IsWindowed());
    const PuzzleSet& beginnings =
        *Campaign::FindNodeByName(Game().GetCampaign().GetNodes(), "Beginnings")->GetPuzzleSet();
    const size_t first = static_cast<size_t>(beginnings.GetRanges()[PUZZLE_SET_RANGE_HOMEWORK].begin);
    EXPECT_TRUE(beginnings.GetPuzzles()[first]->GetProgress()->IsSolved());
    EXPECT_EQ(beginnings.GetUnlockPuzzle()->GetProgress()->GetState(), PUZZLE_STATE_STARTED);
    ASSERT_NO_FATAL_FAILURE(Click("QuitButton"));
    QuitGameAndExpectCleanLogWith(SHUTDOWN_LINES);
}

// Catches the grade of a puzzle solved just before the game ends left out
// of the last save, or given twice: the next start reads the solve graded
// once.
TEST_F(PlayerSessionTest, APuzzleSolvedAsTheGameEndsIsSavedGradedOnce)
{
    const Puzzle* puzzle = nullptr;
    ASSERT_NO_FATAL_FAILURE(PlayTheFirstPuzzle(&puzzle));
    ASSERT_NO_FATAL_FAILURE(PlaceTheAnswer());
    ASSERT_EQ(puzzle->GetProgress()->GetState(), PUZZLE_STATE_SOLVED) << "the solve is still on display";
    FireGlobalEvent("QuitGameEvent");
    QuitGameAndExpectCleanLogWith({});

    ASSERT_NO_FATAL_FAILURE(StartGame());
    const PuzzleSet& beginnings =
        *Campaign::FindNodeByName(Game().GetCampaign().GetNodes(), "Beginnings")->GetPuzzleSet();
    const size_t index = static_cast<size_t>(beginnings.GetRanges()[PUZZLE_SET_RANGE_HOMEWORK].begin);
    EXPECT_GT(beginnings.GetPuzzles()[index]->GetProgress()->GetState(), PUZZLE_STATE_SOLVED) << "graded";
    EXPECT_EQ(Game().GetProfileManager().GetActiveProfile()->GetAchievements().puzzlesSolved, 1);
}

// Each widget of the window, shown or not, whose name ends in the suffix.
void CollectByNameEnding(BaseWidget* widget, const std::string& suffix, std::vector<BaseWidget*>& found)
{
    const std::string& name = widget->GetName();
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
        found.push_back(widget);
    }
    if (auto* container = dynamic_cast<ContainerWidget*>(widget)) {
        for (size_t index = 0; index < container->GetChildCount(); ++index) {
            CollectByNameEnding(container->GetChild(index), suffix, found);
        }
    }
}

bool Overlap(const AABB2& a, const AABB2& b)
{
    return a.mins.x < b.maxs.x && b.mins.x < a.maxs.x && a.mins.y < b.maxs.y && b.mins.y < a.maxs.y;
}

// Catches the statistics received logged for the campaign's optional
// locations instead of those it needs.
TEST_F(PlayerSessionTest, ReceivedStatisticsAreLoggedForTheLocationsTheCampaignNeeds)
{
    ASSERT_NO_FATAL_FAILURE(StartGame());
    const std::vector<std::string> required = GetAchievementSystem().GetRequiredLocationNames();
    EXPECT_NE(std::find(required.begin(), required.end(), "Beginnings"), required.end());
    EXPECT_EQ(std::find(required.begin(), required.end(), "Sandbar"), required.end()) << "an optional location";
}

// The first region greets a new player with a lesson over its map; every
// location, its marker and its name, stays in sight beside it.
TEST_F(PlayerSessionTest, TheWelcomeToTheFirstRegionCoversNoLocation)
{
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_NO_FATAL_FAILURE(Clicks({"PlayButton", "OceanCampaignRegionButton"}));
    ASSERT_NO_FATAL_FAILURE(WaitFor("CampaignRegionWindow"));
    const BaseWidget* lesson = FindShown(TopWindow(), "InstructorTextArea");
    ASSERT_NE(lesson, nullptr);
    std::vector<BaseWidget*> locations;
    for (const char* part : {"CampaignNodeButton", "CampaignNodeLabel"}) {
        CollectByNameEnding(TopWindow(), part, locations);
    }
    EXPECT_EQ(locations.size(), 2u * 5u) << "a marker and a name for each location a new player sees";
    for (const BaseWidget* location : locations) {
        EXPECT_FALSE(Overlap(location->GetBounds(), lesson->GetBounds())) << location->GetName();
    }
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
}

// The lesson beside the board as the player reads it: each line's text and
// where it stands.
std::vector<std::string> ReadLessonPanel()
{
    std::vector<std::string> lines;
    auto* area = dynamic_cast<ContainerWidget*>(FindShown(TopWindow(), "InstructorTextArea"));
    for (size_t index = 0; area != nullptr && index < area->GetChildCount(); ++index) {
        const BaseWidget& line = *area->GetChild(index);
        std::ostringstream text;
        text << line.GetProperty<std::string>("Label") << " at " << line.GetBounds().mins.x << ","
             << line.GetBounds().mins.y;
        lines.push_back(text.str());
    }
    return lines;
}

// A press in the frame of the pointer's jump onto its target, as a pen or a
// touch screen gives it, acts on the target: not where the last frame left
// the pointer, which rests on a corner candidate. A release acts where it
// happens too: a pen lifted beside a button takes back its press.
TEST_F(PlayerSessionTest, APressActsWhereThePointerIsAsItHappens)
{
    ASSERT_NO_FATAL_FAILURE(PlayTheFirstPuzzle());
    const BoardView view = Game().GetActivePuzzleView()->GetBoardViews().front();
    const Board& board = *view.board;
    const Square& corner = board.GetSquare(0, 0);
    const Square& centre = board.GetSquare(1, 1);
    const Square& other = board.GetSquare(2, 2);
    const auto candidate = [&view, &board](const Square& square, unsigned value) {
        return OnScreen(view, board.ComputeBoundsForCandidate(square, static_cast<int>(value) - 1));
    };
    const AABB2 tip = FindShown(TopWindow(), "HintButton")->GetBounds();
    const Vector2 onTheTip = tip.CalcCenter();
    const Vector2 besideTheTip(tip.maxs.x + (tip.maxs.y - tip.mins.y), onTheTip.y);
    const Vector2 centreAnswer = candidate(centre, centre.solutionValue);
    const Vector2 otherAnswer = candidate(other, other.solutionValue);
    const PlayerAchievements& achievements = Game().GetProfileManager().GetActiveProfile()->GetAchievements();
    const auto tipsTaken = [&achievements] { return achievements.hintsTakenPerLocation.count("Beginnings"); };
    const struct {
        const char* target;
        Vector2 press;
        Vector2 release;
        Uint8 button;
        std::function<bool()> expected;
    } rows[] = {
        {"the Solving Tip button, lifted beside it", onTheTip, besideTheTip, SDL_BUTTON_LEFT,
         [&tipsTaken] { return tipsTaken() == 0; }},
        {"the Solving Tip button", onTheTip, onTheTip, SDL_BUTTON_LEFT, [&tipsTaken] { return tipsTaken() == 1; }},
        {"a candidate to place", centreAnswer, centreAnswer, SDL_BUTTON_LEFT,
         [&board, &centre] { return board.GetSquareValue(centre) == centre.solutionValue; }},
        {"a candidate to cross out", otherAnswer, otherAnswer, SDL_BUTTON_RIGHT,
         [&board, &other] { return board.IsSquareFlagSet(2, 2, static_cast<int>(other.solutionValue) - 1); }},
    };
    for (const auto& row : rows) {
        ASSERT_NO_FATAL_FAILURE(MoveMouse(candidate(corner, 1)));
        WarpMouse(row.press);
        ASSERT_NO_FATAL_FAILURE(Push({ButtonEvent(SDL_MOUSEBUTTONDOWN, row.button)}));
        WarpMouse(row.release);
        ASSERT_NO_FATAL_FAILURE(Push({ButtonEvent(SDL_MOUSEBUTTONUP, row.button)}));
        Frames(SETTLE_FRAMES);
        EXPECT_TRUE(row.expected()) << row.target;
        EXPECT_EQ(board.GetSquareValue(corner), 0u) << row.target;
        EXPECT_FALSE(board.IsSquareFlagSet(0, 0, 0)) << row.target;
    }
}

// The tutorial writes its pages where the play screen's lesson stood; back
// from it, by its button or by Escape, the player reads that lesson again,
// with no lesson dialog in the way. Space turns the tutorial's pages.
TEST_F(PlayerSessionTest, TheLessonBesideTheBoardIsBackAfterTheTutorial)
{
    ASSERT_NO_FATAL_FAILURE(PlayTheFirstPuzzle());
    const std::vector<std::string> lesson = ReadLessonPanel();
    ASSERT_FALSE(lesson.empty()) << "a new player's first puzzle comes with a lesson";
    // A tip taken at a location counts toward it.
    ASSERT_NO_FATAL_FAILURE(Click("HintButton"));
    EXPECT_EQ(Game().GetProfileManager().GetActiveProfile()->GetAchievements().hintsTakenPerLocation,
              (PlayerAchievements::LocationTable{{"Beginnings", 1}}));
    const std::function<void()> leaveTheTutorial[] = {
        [this] { Click("ExitTutorialButton"); },
        [this] { PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE); },
    };
    for (const std::function<void()>& leave : leaveTheTutorial) {
        ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
        ASSERT_NO_FATAL_FAILURE(Click("HowToPlayButton"));
        ASSERT_NO_FATAL_FAILURE(WaitFor("TutorialWindow"));
        const int page = Game().GetInstructor().GetCurrentLesson();
        ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_SPACE, SDL_SCANCODE_SPACE));
        EXPECT_EQ(Game().GetInstructor().GetCurrentLesson(), page + 1);
        ASSERT_NO_FATAL_FAILURE(leave());
        ASSERT_NO_FATAL_FAILURE(Click("ResumePlayingButton"));
        ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleWindow"));
        EXPECT_EQ(ReadLessonPanel(), lesson);
    }
}

}  // namespace
}  // namespace Pemberquill
