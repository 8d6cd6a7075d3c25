#include "tools/screentour/TourStops.h"

#include <string>

#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/TextLines.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/shell/PlayerProfileManager.h"

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

std::function<void()> Pop(int windowId) {
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

void ShowCreditsWindow() {
  PemberquillUI::GetGlobal()->CreateCreditsWindow();
  PemberquillUI::GetGlobal()->PushWindow(Pemberquill::GAME_WINDOW_CREDITS, false);
}

// The instructor sets its region and writes its lesson into the window.
void ShowTutorialWithLesson() {
  FireGlobalEvent("ShowInstructionsEvent");
  PemberquillUI& ui = *PemberquillUI::GetGlobal();
  ui.SetInstructorTextRegion(AABB2(20.0f, 110.0f, 300.0f, 500.0f));
  ui.CreateInstructorTextArea(PemberquillUI::GetWindowHandle(Pemberquill::GAME_WINDOW_TUTORIAL),
                              {TextLines("Every cage shows a target", 18.0f),
                               TextLines("and the rule that reaches it.", 18.0f),
                               TextLines("Fill each row and column", Rgba(255, 255, 0, 255), nullptr, 18.0f),
                               TextLines("with each number once.", Rgba(255, 255, 0, 255), nullptr, 18.0f)});
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
      {"Select Profile Window", Fire("ShowSelectProfileDialogEvent"), Pop(Pemberquill::GAME_WINDOW_SELECT_PROFILE)},
      {"Create Profile Dialog", Fire("ShowCreateProfileDialogEvent"), Pop(Pemberquill::GAME_WINDOW_CREATE_PROFILE)},
      // Asked before a player is deleted.
      {"Confirmation Dialog", FireWithPlayerName("ConfirmDeleteProfileEvent"),
       Pop(Pemberquill::GAME_WINDOW_CONFIRMATION)},
      // A new player under a name that is taken.
      {"Information Dialog", FireWithPlayerName("CreateProfileEvent"), Pop(Pemberquill::GAME_WINDOW_INFORMATION)},
      {"Achievement Dialog", ShowAchievementDialog, Pop(Pemberquill::GAME_WINDOW_ACHIEVEMENT_DIALOG)},
      {"CreditsWindow", ShowCreditsWindow, Pop(Pemberquill::GAME_WINDOW_CREDITS)},
      {"TutorialWindow", ShowTutorialWithLesson, Fire("HideInstructionsEvent")},
  };
}

}  // namespace screentour
