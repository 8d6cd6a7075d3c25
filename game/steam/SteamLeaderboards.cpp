#include "game/steam/SteamLeaderboards.h"

#include "game/steam/PlayerAchievements.h"

namespace Pemberquill {

SteamLeaderboards::~SteamLeaderboards() {
  m_service.CancelCall(m_uploadCall);
  m_service.CancelCall(m_findCall);
}

void SteamLeaderboards::SetUp() {
  m_findCall = 0;
  m_uploadCall = 0;
  m_leaderboard = 0;
  FindLeaderboard();
}

void SteamLeaderboards::FindLeaderboard() {
  if (m_findCall != 0 || m_leaderboard != 0) {
    return;
  }
  // The campaign score grows as the player solves puzzles: higher is better.
  m_findCall =
      m_service.FindOrCreateLeaderboard(LEADERBOARD_NAME, false,
                                        [this](platform::OnlineService::LeaderboardHandle handle,
                                               bool found) { OnFindLeaderboard(handle, found); });
}

void SteamLeaderboards::OnFindLeaderboard(platform::OnlineService::LeaderboardHandle handle,
                                          bool found) {
  m_findCall = 0;
  if (!found) {
    return;
  }
  if (m_service.GetLeaderboardName(handle) == LEADERBOARD_NAME) {
    m_leaderboard = handle;
  }
  FindLeaderboard();
}

void SteamLeaderboards::UploadScore(const PlayerAchievements& record) {
  if (!m_service.IsRunning() || m_leaderboard == 0) {
    return;
  }
  m_service.CancelCall(m_uploadCall);
  m_uploadCall = m_service.UploadBestScore(m_leaderboard, record.highScore,
                                           [this](bool, int32_t) { m_uploadCall = 0; });
}

}  // namespace Pemberquill
