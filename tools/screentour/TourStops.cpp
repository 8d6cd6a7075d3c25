#include "tools/screentour/TourStops.h"

#include <string>

#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace screentour {

namespace {

using Pemberquill::PemberquillUI;

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
  };
}

}  // namespace screentour
