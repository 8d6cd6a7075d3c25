#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/EventRecipient.h"
#include "game/common/TextLines.h"
#include "game/steam/AchievementDefinitions.h"
#include "game/steam/CampaignAccomplishments.h"

class NamedProperties;
class Texture;

namespace Pemberquill {

struct PlayerAchievements;
class SteamInterface;

// What the achievement system needs of the profiles and the campaign; the
// game shell implements it.
class AchievementPlayerContext {
 public:
  virtual ~AchievementPlayerContext() = default;
  // The selected player's record; null while no player is selected.
  virtual PlayerAchievements* GetCurrentRecord() = 0;
  // The campaign's active location; empty outside the campaign.
  virtual std::string GetActiveLocationName() const = 0;
  // The campaign's required locations, in campaign order.
  virtual std::vector<std::string> GetRequiredLocationNames() const = 0;
};

// The windows the achievement system opens; the screens implement it. Each
// dialog's close button fires the close event it is given.
class AchievementScreens {
 public:
  virtual ~AchievementScreens() = default;
  // Builds and pushes the achievement dialog listing what was just earned.
  virtual void ShowAchievementDialog(const std::vector<AchievementDefinition>& earned,
                                     const std::string& closeEvent) = 0;
  // Builds and pushes the information dialog.
  virtual void ShowInformationDialog(const std::vector<TextLines>& lines,
                                     const std::string& closeEvent,
                                     const std::string& buttonText) = 0;
  // Pops the achievement dialog and the information dialog.
  virtual void CloseDialogs() = 0;
  // Leaves the campaign window for the achievements window.
  virtual void ShowAchievementsWindow(const PlayerAchievements& record,
                                      const std::vector<AchievementDefinition>& definitions) = 0;
  virtual void CloseAchievementsWindow() = 0;
  // The data folder's image as a texture the screens own; null when it
  // cannot be read, which the screens log.
  virtual Texture* LoadTexture(const std::string& imagePath) = 0;
};

// Turns what the player does into numbers and achievements: counts the
// player's events and campaign results into the selected player's record,
// earns the achievements whose statistics reach their thresholds, hands the
// statistics to the online service and queues the dialogs that tell the
// player, one at a time, each after the previous one has closed.
class AchievementSystem : public EventRecipient, public CampaignAccomplishmentsReceiver {
 public:
  static constexpr const char* ACHIEVEMENTS_FILE = "Achievements.pqdf";
  static constexpr const char* STATS_FILE = "Stats.pqdf";
  static constexpr const char* DIALOG_CLOSE_EVENT = "AchievementDialogCloseEvent";

  explicit AchievementSystem(SteamInterface& steam);
  ~AchievementSystem() override;
  AchievementSystem(const AchievementSystem&) = delete;
  AchievementSystem& operator=(const AchievementSystem&) = delete;

  // Loads both definition files from the data folder; a missing or
  // malformed one throws UlvoException naming it. The achievements' images
  // load with them, through the screens set before.
  void Startup(Clock* parentClock);
  // Drops the event subscriptions, so that a later Startup does not count
  // every event twice.
  void Shutdown();
  bool IsInitialized() const { return m_isInitialized; }

  // Both may be null: without a context nothing is counted, without screens
  // each dialog counts as closed at once and no image is loaded. Other
  // screens drop the images of the old ones, which own them.
  void SetPlayerContext(AchievementPlayerContext* context) { m_context = context; }
  void SetScreens(AchievementScreens* screens);

  // Counts a campaign result and shows what it earned.
  void OnCampaignPuzzleFinished(const CampaignAccomplishments& result) override;
  // Per frame: shows the next unlock dialog of the pending result.
  void ShowUnlockDialogs();

  // Earns every achievement not yet earned whose statistic has reached its
  // threshold; returns those newly earned, in definition order.
  std::vector<AchievementDefinition> CheckAchievements(PlayerAchievements& record,
                                                       const std::string& location);
  // Recomputes every statistic from the record and hands them to the
  // online service for its next store.
  void UpdateStats(PlayerAchievements& record, const std::string& location);

  const std::vector<AchievementDefinition>& GetDefinitions() const { return m_definitions; }
  const std::vector<StatDefinition>& GetStatistics() const { return m_statistics; }
  std::vector<std::string> GetRequiredLocationNames() const;
  bool IsDialogShowing() const { return m_isDialogShowing; }
  const CampaignAccomplishments* GetPendingResult() const { return m_pendingResult.get(); }

  void Event_OnAchievementDialogClose(NamedProperties& args);
  void Event_OnShowAchievements(NamedProperties& args);
  void Event_OnQuitAchievements(NamedProperties& args);
  void Event_OnStartNewPuzzle(NamedProperties& args);
  void Event_OnCandidateEliminated(NamedProperties& args);
  void Event_OnHasMadeAMistake(NamedProperties& args);
  void Event_OnHasTakenAHint(NamedProperties& args);
  void Event_OnHasStartedTutorial(NamedProperties& args);
  void Event_OnHasCompletedTutorial(NamedProperties& args);

 private:
  void LoadDefinitions();
  void LoadImages();
  void RegisterEventHandlers();
  PlayerAchievements* GetCurrentRecord() const;
  std::string GetActiveLocationName() const;
  // Appends the next dialog's lines; empty when nothing is left to show.
  std::vector<TextLines> TakeNextUnlockDialogLines(std::string& eventAfterDialog);
  // Without screens the dialog is taken as closed at once.
  void ShowInformationDialog(const std::vector<TextLines>& lines,
                             const std::string& eventAfterDialog);
  void ShowAchievementDialog(const std::vector<AchievementDefinition>& earned,
                             const std::string& eventAfterDialog);
  void FireEventAfterDialog();

  SteamInterface& m_steam;
  AchievementPlayerContext* m_context = nullptr;
  AchievementScreens* m_screens = nullptr;
  std::unique_ptr<Clock> m_clock;
  bool m_isInitialized = false;
  bool m_isDialogShowing = false;
  std::unique_ptr<CampaignAccomplishments> m_pendingResult;
  std::vector<AchievementDefinition> m_definitions;
  std::vector<StatDefinition> m_statistics;
  std::string m_eventAfterDialog;
};

// The game's one achievement system.
AchievementSystem& GetAchievementSystem();

}  // namespace Pemberquill
