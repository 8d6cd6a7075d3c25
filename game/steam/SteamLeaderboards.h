#pragma once

#include "platform/steam/OnlineService.h"

namespace Pemberquill {

struct PlayerAchievements;

// Finds the "High Score" leaderboard and uploads the player's campaign score
// to it. The board keeps each player's best, that is highest, score.
class SteamLeaderboards {
 public:
  static constexpr const char* LEADERBOARD_NAME = "High Score";

  explicit SteamLeaderboards(platform::OnlineService& service) : m_service(service) {}
  // Cancels the calls still pending, whose answers would reach a dead holder.
  ~SteamLeaderboards();
  SteamLeaderboards(const SteamLeaderboards&) = delete;
  SteamLeaderboards& operator=(const SteamLeaderboards&) = delete;

  // Starts the search afresh (a service brought up again knows no earlier
  // call or board); the board is known from the frame whose callbacks bring
  // the answer.
  void SetUp();
  // Nothing goes out before the board is known; the next profile save sends
  // the then current score.
  void UploadScore(const PlayerAchievements& record);

  bool IsSearching() const { return m_findCall != 0; }
  platform::OnlineService::LeaderboardHandle GetLeaderboard() const { return m_leaderboard; }

 private:
  void FindLeaderboard();
  void OnFindLeaderboard(platform::OnlineService::LeaderboardHandle handle, bool found);

  platform::OnlineService& m_service;
  platform::OnlineService::CallId m_findCall = 0;
  platform::OnlineService::CallId m_uploadCall = 0;
  platform::OnlineService::LeaderboardHandle m_leaderboard = 0;
};

}  // namespace Pemberquill
