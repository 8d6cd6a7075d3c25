#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/EventRecipient.h"
#include "game/steam/SteamLeaderboards.h"
#include "game/steam/SteamStatsAndAchievements.h"
#include "platform/steam/OnlineService.h"

namespace Pemberquill {

// The game's one connection to the online service: brings it up, learns the
// player's name, sends the player-storage files to its remote storage and
// delivers its answers once per frame, on the game thread. The game's one
// instance is GetSteamInterface(); tests make their own.
class SteamInterface : public EventRecipient {
 public:
  // The service's folder below the user-data folder.
  static constexpr const char* DEFAULT_SERVICE_FOLDER = "pemberquill-online";
  // The name until Startup learns the player's own.
  static constexpr const char* INITIAL_USER_NAME = "Steam User";

  // Player files an earlier run kept in the user-data folder (the profile,
  // the options and the copies kept aside of malformed ones); Startup moves
  // them into remote storage.
  static const std::vector<std::string>& GetLocalPlayerFilePatterns();

  // Cheap, as it runs before the entry function: the service's folder is
  // looked for only by Startup.
  explicit SteamInterface(const std::string& serviceFolder = DEFAULT_SERVICE_FOLDER);
  ~SteamInterface() override;
  SteamInterface(const SteamInterface&) = delete;
  SteamInterface& operator=(const SteamInterface&) = delete;

  // Brings the service up; when that fails the game plays offline and the
  // player files stay in the user-data folder.
  void Startup(Clock* parentClock);
  // Delivers the service's pending answers, asks for the statistics once
  // the player is logged on and sends those waiting to be stored.
  void Update();
  void Shutdown();

  bool IsSteamAvailable() const { return m_isSteamAvailable; }
  bool IsInitialized() const { return m_isInitialized; }
  bool IsLoggedOn() const { return m_isSteamAvailable && m_service.IsLoggedOn(); }
  const std::string& GetUserName() const { return m_userName; }
  Clock* GetClock() const { return m_clock.get(); }
  platform::OnlineService& GetOnlineService() { return m_service; }
  SteamStatsAndAchievements& GetStatsAndAchievements() { return m_statsAndAchievements; }
  SteamLeaderboards& GetLeaderboards() { return m_leaderboards; }

 private:
  void InstallPlayerStorageHooks();
  void MoveLocalPlayerFilesToRemoteStorage();
  void MoveLocalPlayerFile(const std::string& folder, const std::string& name);

  bool m_isSteamAvailable = false;
  bool m_isInitialized = false;
  std::string m_userName = INITIAL_USER_NAME;
  std::unique_ptr<Clock> m_clock;
  platform::OnlineService m_service;
  // After the service, which they listen to.
  SteamStatsAndAchievements m_statsAndAchievements;
  SteamLeaderboards m_leaderboards;
};

SteamInterface& GetSteamInterface();

}  // namespace Pemberquill
