#pragma once

#include <memory>
#include <string>

#include "engine/core/Clock.h"
#include "engine/core/EventRecipient.h"
#include "platform/steam/OnlineService.h"

namespace Pemberquill {

// The game's one connection to the online service: brings it up, learns the
// player's name, sends the player-storage files to its remote storage and
// delivers its answers once per frame, on the game thread.
class SteamInterface : public EventRecipient {
 public:
  // The service's folder below the user-data folder.
  static constexpr const char* DEFAULT_SERVICE_FOLDER = "pemberquill-online";
  // The name until Startup learns the player's own.
  static constexpr const char* INITIAL_USER_NAME = "Steam User";

  // Brings the service up at once; when that fails the game plays offline.
  explicit SteamInterface(const std::string& serviceFolder = DEFAULT_SERVICE_FOLDER);
  ~SteamInterface() override;
  SteamInterface(const SteamInterface&) = delete;
  SteamInterface& operator=(const SteamInterface&) = delete;

  void Startup(Clock* parentClock);
  // Delivers the service's pending answers.
  void Update();
  void Shutdown();

  bool IsSteamAvailable() const { return m_isSteamAvailable; }
  bool IsInitialized() const { return m_isInitialized; }
  bool IsLoggedOn() const { return m_isSteamAvailable && m_service.IsLoggedOn(); }
  const std::string& GetUserName() const { return m_userName; }
  Clock* GetClock() const { return m_clock.get(); }
  platform::OnlineService& GetOnlineService() { return m_service; }

 private:
  void InstallPlayerStorageHooks();

  bool m_isSteamAvailable = false;
  bool m_isInitialized = false;
  std::string m_userName = INITIAL_USER_NAME;
  std::unique_ptr<Clock> m_clock;
  platform::OnlineService m_service;
};

}  // namespace Pemberquill
