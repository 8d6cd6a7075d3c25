#include "tools/screentour/TourStops.h"

#include <memory>
#include <string>

#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/Clock.h"
#include "game/common/CageRules.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/board/Board.h"
#include "game/shell/PemberquillGame.h"
#include "tools/screentour/TourMouse.h"
#include "game/player/PlayerProfileManager.h"
#include "game/campaign/CampaignProgress.h"
#include "game/campaign/PemberquillCampaign.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/PlayerAchievements.h"
#include "game/tutorial/Credits.h"
#include "game/tutorial/Instructor.h"

namespace screentour {

namespace {

using Pemberquill::PemberquillUI;
using Pemberquill::PlayerProfileManager;

std::function<void()> Fire(const std::string& eventName) {
  return [eventName] { FireGlobalEvent(eventName); };
}

// A widget under the mouse publishes its roll-over text this way.
void ShowRolloverText() {
  NamedProperties rollover;
  rollover.Set<std::string>("Label", "Continue on your journey by playing puzzles.");
  rollover.Set("BaseColor", Rgba(0, 0, 0, 200));
  FireGlobalEvent("RolloverTextChangedEvent", rollover);
}

using Pemberquill::Board;
using Pemberquill::GAME_WINDOW_PUZZLE;
using Pemberquill::PemberquillGame;
using Pemberquill::Puzzle;

// The puzzle of the play stops, made by the chef from a fixed seed; it must
// outlive its window, which lets go of it only once it has been hidden.
Pemberquill::ServedPuzzle g_served;

Puzzle* ServedPuzzle() { return g_served.puzzle.get(); }

Board& FirstBoard() { return *ServedPuzzle()->GetBoards().front(); }

// The chef's puzzle for the request, played and shown as the campaign does;
// the puzzle before it goes, its window hidden by now.
void PlayPuzzle(Pemberquill::PuzzleRequest request) {
  g_served = Pemberquill::PuzzleChef::GetDefaultInstance()->GetPuzzle(request, 20261206,
                                                                      &PemberquillGame::GetGlobal()->GetClock());
  NamedProperties play;
  play.Set("Puzzle", ServedPuzzle());
  FireGlobalEvent("PlayPuzzleEvent", play);
  PemberquillUI* ui = PemberquillUI::GetGlobal();
  ui->CreatePuzzleWindow(ServedPuzzle(), "ShowCampaignEscapeDialogEvent", false, false);
  ui->PushWindow(GAME_WINDOW_PUZZLE, false);
}

// A 6 x 6 puzzle a few moves in, with the mouse over a cage so that the
// board publishes the cage's solutions.
void ShowPuzzleInPlay() {
  PlayPuzzle(Pemberquill::PuzzleRequest(6, 1, 1, 0, 0, 0, Pemberquill::SOLVABILITY_SOLVABLE));
  Board& board = FirstBoard();
  for (unsigned column = 0; column < 3; ++column) {
    const Pemberquill::Square& square = board.GetSquare(column, 0);
    board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);
  }
  // Over the square in column 2, row 3 of the square canvas.
  MoveTourMouse(Vector2(324.0f + 560.0f * 2.5f / 6.0f, 40.0f + 560.0f * 3.5f / 6.0f));
}

// Two squares set wrong; the hint request then offers the rewind.
void AskForHintWithTwoMistakes() {
  Board& board = FirstBoard();
  for (unsigned row = 4; row < 6; ++row) {
    const Pemberquill::Square& square = board.GetSquare(5, row);
    board.SetSquareValue(square, static_cast<int>(square.solutionValue % 6 + 1), false, false);
  }
  ServedPuzzle()->FindMistakes();
  FireGlobalEvent("GiveHintEvent");
}

void LeavePuzzle() {
  PemberquillUI::GetGlobal()->PopWindow(Pemberquill::GAME_WINDOW_REWIND_PUZZLE, false);
  PemberquillUI::GetGlobal()->PopWindow(GAME_WINDOW_PUZZLE, false);
}

std::function<void()> Push(int windowId) {
  return [windowId] { PemberquillUI::GetGlobal()->PushWindow(windowId, false); };
}

std::function<void()> Pop(int windowId) {
  return [windowId] { PemberquillUI::GetGlobal()->PopWindow(windowId, false); };
}

void ShowPuzzleSolvedDialog() {
  PemberquillUI::GetGlobal()->CreatePuzzleSolvedDialog(ServedPuzzle());
  Push(Pemberquill::GAME_WINDOW_PUZZLE_SOLVED)();
}

void ShowTwoBoardPuzzle() {
  PlayPuzzle(Pemberquill::PuzzleRequest(5, 1, 1, 0, 1, 1, Pemberquill::SOLVABILITY_SOLVABLE));
  // Over the middle of the first board.
  MoveTourMouse(Vector2(20.0f + 986.0f * 0.25f, 140.0f + 230.0f));
}

// A 9 x 9 puzzle with its candidates, the instructor pointing at one
// candidate that is to go.
void ShowNineByNineWithCandidateCallOut() {
  PlayPuzzle(Pemberquill::PuzzleRequest(9, 1, 1, 0, 0, 0, Pemberquill::SOLVABILITY_SOLVABLE));
  const Pemberquill::Square& square = FirstBoard().GetSquare(4, 4);
  const int wrongCandidate = static_cast<int>(square.solutionValue) % 9;
  PemberquillGame::GetGlobal()->GetInstructor().CallOutCandidateForRemoval(&square, wrongCandidate, "hint");
}

void LeaveNineByNine() {
  PemberquillGame::GetGlobal()->GetInstructor().DestroyCallOutsByChannel("hint");
  Pop(GAME_WINDOW_PUZZLE)();
}

void ShowHowToPlay() {
  // The last puzzle window is hidden by now.
  g_served = Pemberquill::ServedPuzzle();
  PemberquillUI::GetGlobal()->CreateHowToPlayWindow();
  Push(Pemberquill::GAME_WINDOW_HOW_TO_PLAY)();
}

void ShowSplashScreen() {
  PemberquillUI::GetGlobal()->CreateSplashScreenDialog(PemberquillGame::GetSplashScreenName(0),
                                                       "HideSplashScreenDialogEvent");
  Push(Pemberquill::GAME_WINDOW_SPLASH_SCREEN)();
}

// Popped as a button would, letting the hide animation finish.
std::function<void()> PopAnimated(int windowId) {
  return [windowId] { PemberquillUI::GetGlobal()->PopWindow(windowId, true); };
}

// A profile screen's request carrying the player's name.
std::function<void()> FireWithPlayerName(const std::string& eventName) {
  return [eventName] {
    NamedProperties args;
    args.Set<std::string>("OnActivationEventNameProperty", PlayerProfileManager::GetGlobal()->GetActiveProfileName());
    FireGlobalEvent(eventName, args);
  };
}

void ShowAchievementDialog() {
  PemberquillUI& ui = *PemberquillUI::GetGlobal();
  ui.ShowAchievementDialog(
      {{"First Steps", "Solve your first puzzle.", "Every journey begins somewhere.",
        ui.LoadTexture("Images/Achievements/png/Achieved/FirstPuzzle.png")},
       {"Ocean Satisfied", "Satisfy every location of the Ocean.", "The tide is with you.",
        ui.LoadTexture("Images/Achievements/png/Achieved/OceanSatisfied.png")}},
      "");
  ui.PushWindow(Pemberquill::GAME_WINDOW_ACHIEVEMENT_DIALOG, false);
}

// A player some way into the campaign: a few achievements earned, the rest
// still to come.
void ShowAchievementsWindow() {
  static Pemberquill::PlayerAchievements record;
  record.rank = "Apprentice";
  record.totalSolvingTime = 7384.0f;
  record.highScore = 12850;
  record.puzzlesSolved = 27;
  record.oceanPuzzles = 19;
  record.canyonPuzzles = 8;
  for (int bit : {0, 1, 2, 16, 19}) {
    record.SetAchievement(bit);
  }
  PemberquillUI& ui = *PemberquillUI::GetGlobal();
  ui.CreateAchievementsWindow(record, Pemberquill::GetAchievementSystem().GetDefinitions());
  ui.PushWindow(Pemberquill::GAME_WINDOW_ACHIEVEMENTS, false);
}

// Opened from the options as a player would, then wound on to the middle of
// the roll, where sections, groups and lines all show.
void ShowCreditsMidRoll() {
  FireGlobalEvent("PlayCreditsEvent");
  Pemberquill::GetCredits().GetClock()->SetTime(0.5 * Pemberquill::Credits::CREDITS_SCROLL_SECONDS);
}

// The tutorial window opens on its first page, which the canvas starts once
// it is shown.
void ShowTutorial() { FireGlobalEvent("ShowInstructionsEvent"); }

// Next Page up to the Equals page: the rule's cage outlined in the top-left
// corner, the arrow pointing at it, the board text slanted.
void TurnToTheEqualsPage() {
  for (int page = 0; page < 5; ++page) {
    FireGlobalEvent("InstructorAdvanceToNextLesson");
  }
}

// A lesson during play that comes in the information dialog.
void ShowLessonDialog() {
  Pemberquill::TeachableGameMechanics addition;
  addition.rules.SetFromMask(Pemberquill::CAGE_RULE_ADDITION);
  PemberquillGame::GetGlobal()->GetInstructor().TeachGameMechanic(PemberquillUI::NO_WINDOW, addition, nullptr,
                                                                    nullptr);
}

using Pemberquill::PemberquillCampaign;

// The tour runs without a player profile: the campaign plays on a fresh
// progress, as it would for a new player.
void EnsureCampaignProgress() {
  static std::unique_ptr<Pemberquill::CampaignProgress> progress;
  PemberquillCampaign* campaign = PemberquillCampaign::GetGlobal();
  if (campaign != nullptr && campaign->GetProgress() == nullptr) {
    progress = std::make_unique<Pemberquill::CampaignProgress>();
    campaign->SelectProgress(progress.get());
  }
}

void EnterCampaign() {
  EnsureCampaignProgress();
  FireGlobalEvent("PlayCampaignEvent");
}

// The region button under the mouse selects its region, and its activation
// enters it.
void EnterRegion(const std::string& regionName) {
  EnterCampaign();
  for (Pemberquill::CampaignRegion& region : PemberquillCampaign::GetGlobal()->GetRegions()) {
    if (region.GetName() == regionName) {
      NamedProperties args;
      args.Set("OnActivationEventNameProperty", &region);
      FireGlobalEvent("PlayCampaignRegionEvent", args);
    }
  }
}

void EnterLocation(const std::string& regionName, const std::string& nodeName) {
  EnterRegion(regionName);
  PemberquillCampaign* campaign = PemberquillCampaign::GetGlobal();
  NamedProperties args;
  args.Set("OnActivationEventNameProperty", Pemberquill::Campaign::FindNodeByName(campaign->GetNodes(), nodeName));
  FireGlobalEvent("PlayCampaignNodeEvent", args);
}

void LeaveCampaign() {
  FireGlobalEvent("QuitCampaignEvent");
}

// The location's first puzzle, chosen on its window as a player would, a
// few of its squares filled in.
void PlayFirstPuzzleOfBeginnings() {
  EnterLocation("Ocean", "Beginnings");
  Pemberquill::CampaignNode* node = PemberquillCampaign::GetGlobal()->GetActiveCampaignNode();
  const Pemberquill::PuzzleSet& set = *node->GetPuzzleSet();
  Puzzle* puzzle = set.GetPuzzles()[static_cast<size_t>(set.GetRanges()[Pemberquill::PUZZLE_SET_RANGE_HOMEWORK].begin)].get();
  NamedProperties args;
  args.Set("OnActivationEventNameProperty", puzzle);
  FireGlobalEvent("PlayCampaignPuzzleEvent", args);
  Board& board = *puzzle->GetBoards().front();
  for (unsigned column = 0; column < 2; ++column) {
    const Pemberquill::Square& square = board.GetSquare(column, 0);
    board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);
  }
}

// Satisfying Tide Pools opens Sandbar, an optional location that stays off
// the map until then. Last on the tour: the progress keeps it.
void EnterOceanWithSandbarOpen() {
  EnsureCampaignProgress();
  Pemberquill::CampaignNode::SatisfyNode(PemberquillCampaign::GetGlobal()->GetNodes(), "Tide Pools");
  EnterRegion("Ocean");
}

void LeaveCampaignPuzzle() {
  for (const char* eventName : {"QuitCampaignPuzzleEvent", "QuitCampaignNodeEvent", "QuitCampaignRegionEvent"}) {
    FireGlobalEvent(eventName);
  }
  LeaveCampaign();
}

}  // namespace

std::vector<TourStop> GetTourStops() {
  return {
      // Pushed by the game's first frame once no splash image is left.
      {"TitleWindow", nullptr, nullptr},
      {"MessageWindow", ShowRolloverText, PemberquillUI::ClearRolloverText},
      {"OptionsWindow", Fire("ShowOptionsEvent"), Fire("HideOptionsEvent")},
      // The campaign pushes it when Escape is pressed during a puzzle.
      {"CampaignPuzzleEscapeMenuDialog",
       [] { PemberquillUI::GetGlobal()->PushWindow(Pemberquill::GAME_WINDOW_CAMPAIGN_ESCAPE_MENU, false); },
       [] { PemberquillUI::GetGlobal()->PopWindow(Pemberquill::GAME_WINDOW_CAMPAIGN_ESCAPE_MENU, true); }},
      // Play: the puzzle window stays under the two dialogs after it.
      {"PuzzleWindow", ShowPuzzleInPlay, nullptr},
      // Once the canvas is shown the game knows the puzzle to hint at.
      {"PuzzleWindowHint", Fire("GiveHintEvent"), nullptr},
      {"PuzzleSolvedDialog", ShowPuzzleSolvedDialog, Pop(Pemberquill::GAME_WINDOW_PUZZLE_SOLVED)},
      {"RewindPuzzleDialog", AskForHintWithTwoMistakes, LeavePuzzle},
      // Two boards, the second with hidden cages to paint.
      {"PuzzleWindowTwoBoards", ShowTwoBoardPuzzle, Pop(GAME_WINDOW_PUZZLE)},
      {"PuzzleWindowNineByNine", ShowNineByNineWithCandidateCallOut, LeaveNineByNine},
      {"HowToPlayWindow", ShowHowToPlay, Pop(Pemberquill::GAME_WINDOW_HOW_TO_PLAY)},
      {"SplashScreenDialog", ShowSplashScreen, Pop(Pemberquill::GAME_WINDOW_SPLASH_SCREEN)},
      {"Select Profile Window", Fire("ShowSelectProfileDialogEvent"), PopAnimated(Pemberquill::GAME_WINDOW_SELECT_PROFILE)},
      {"Create Profile Dialog", Fire("ShowCreateProfileDialogEvent"), PopAnimated(Pemberquill::GAME_WINDOW_CREATE_PROFILE)},
      // Asked before a player is deleted.
      {"Confirmation Dialog", FireWithPlayerName("ConfirmDeleteProfileEvent"),
       PopAnimated(Pemberquill::GAME_WINDOW_CONFIRMATION)},
      // A new player under a name that is taken.
      {"Information Dialog", FireWithPlayerName("CreateProfileEvent"), PopAnimated(Pemberquill::GAME_WINDOW_INFORMATION)},
      {"Achievement Dialog", ShowAchievementDialog, PopAnimated(Pemberquill::GAME_WINDOW_ACHIEVEMENT_DIALOG)},
      {"AchievementsWindow", ShowAchievementsWindow, PopAnimated(Pemberquill::GAME_WINDOW_ACHIEVEMENTS)},
      {"CreditsWindow", ShowCreditsMidRoll, Fire("QuitCreditsEvent")},
      {"TutorialWindow", ShowTutorial, nullptr},
      {"TutorialWindowEqualsPage", TurnToTheEqualsPage, Fire("InstructorExitTutorial")},
      {"LessonDialog", ShowLessonDialog, Fire("HideTeachAGameMechanicEvent")},
      {"CampaignWindow", EnterCampaign, LeaveCampaign},
      {"CampaignRegionWindow", [] { EnterRegion("Ocean"); }, [] { Fire("QuitCampaignRegionEvent")(); LeaveCampaign(); }},
      {"PuzzleSetWindow", [] { EnterLocation("Ocean", "Beginnings"); },
       [] { Fire("QuitCampaignNodeEvent")(); Fire("QuitCampaignRegionEvent")(); LeaveCampaign(); }},
      {"CampaignPuzzleWindow", PlayFirstPuzzleOfBeginnings, LeaveCampaignPuzzle},
      {"CampaignRegionWindowWithOptionalLocation", EnterOceanWithSandbarOpen,
       [] { Fire("QuitCampaignRegionEvent")(); LeaveCampaign(); }},
  };
}

}  // namespace screentour
