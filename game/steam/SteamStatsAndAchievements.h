#pragma once

#include <string>
#include <vector>

#include "game/steam/AchievementDefinitions.h"
#include "platform/steam/OnlineService.h"

namespace Pemberquill {

// Publishes the player's statistics and newly earned achievements to the
// online service and logs what the service reports back. The values are the
// game's own, computed by the achievement system; the service only receives
// copies. Every call is skipped while the service is not running.
class SteamStatsAndAchievements : public platform::OnlineStatsListener {
 public:
  // Listens to the service from construction to destruction.
  explicit SteamStatsAndAchievements(platform::OnlineService& service);
  ~SteamStatsAndAchievements() override;
  SteamStatsAndAchievements(const SteamStatsAndAchievements&) = delete;
  SteamStatsAndAchievements& operator=(const SteamStatsAndAchievements&) = delete;

  // Forgets an earlier run of the service: nothing requested or received.
  void SetUp();
  // Asks for the player's statistics until the service takes the request;
  // while the player is not logged on it waits for a later frame.
  void RequestStatsIfDue();
  bool HasRequestedStats() const { return m_requested; }
  bool HasReceivedStats() const { return m_received; }

  // Marks the achievements as earned; the next store sends them.
  void SetAchievements(const std::vector<AchievementDefinition>& earned);
  // Replaces the values the next store sends and asks for that store.
  void SetStatValues(const std::vector<StatDefinition>& stats);
  bool IsStoreRequested() const { return m_storeRequested; }
  // Sends the values when a store was asked for; a store the service turns
  // down is tried again, with the same values, on the next call.
  void StoreStatsIfRequested();

  void OnStatsReceived(bool succeeded) override;
  void OnStatsStored(bool succeeded) override;
  void OnAchievementStored(const std::string& name) override;

 private:
  // The service's copy of the definitions, for the log.
  void LogReceivedValues() const;
  void LogStat(const std::string& apiName, int32_t type) const;

  platform::OnlineService& m_service;
  bool m_requested = false;
  bool m_received = false;
  bool m_storeRequested = false;
  std::vector<StatDefinition> m_statValues;
};

}  // namespace Pemberquill
