#include "tools/screentour/TourStops.h"

#include <memory>
#include <string>

#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/shell/CampaignProgress.h"
#include "game/shell/PemberquillCampaign.h"

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
      {"CampaignWindow", EnterCampaign, LeaveCampaign},
      {"CampaignRegionWindow", [] { EnterRegion("Ocean"); }, [] { Fire("QuitCampaignRegionEvent")(); LeaveCampaign(); }},
      {"PuzzleSetWindow", [] { EnterLocation("Ocean", "Beginnings"); },
       [] { Fire("QuitCampaignNodeEvent")(); Fire("QuitCampaignRegionEvent")(); LeaveCampaign(); }},
  };
}

}  // namespace screentour
