#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/steam/CallbackQueue.h"
#include "platform/steam/RemoteStorage.h"
#include "platform/steam/UserStatsStore.h"

namespace platform {

// Told of the statistics traffic; every call arrives inside RunCallbacks.
class OnlineStatsListener {
 public:
  virtual ~OnlineStatsListener() = default;
  virtual void OnStatsReceived(bool succeeded) = 0;
  virtual void OnStatsStored(bool succeeded) = 0;
  // Once for each achievement that a store newly unlocked.
  virtual void OnAchievementStored(const std::string& name) = 0;
};

// The local stand-in for the online game service: the player's name, remote
// storage, statistics, achievements and leaderboards, all kept in files in a
// folder of its own below the user-data folder. Answers to requests are
// queued and delivered only by RunCallbacks, once per frame on the game thread.
class OnlineService {
 public:
  using CallId = CallbackQueue::CallId;
  using LeaderboardHandle = uint64_t;
  using LeaderboardFound = std::function<void(LeaderboardHandle handle, bool found)>;
  using ScoreUploaded = std::function<void(bool succeeded, int32_t keptScore)>;

  // folderName: the service's folder below platform::UserDataBaseFolder().
  explicit OnlineService(std::string folderName);

  // True when the service runs: the user-data folder is usable and its
  // folder exists. Until then (and after Shutdown) every request is refused.
  bool Initialise();
  // Drops what is still queued.
  void Shutdown();
  bool IsRunning() const { return m_running; }
  // The stand-in has no network: a running service is logged on.
  bool IsLoggedOn() const { return m_running; }
  // $USER, or "Player" when that is unset or empty.
  static std::string GetUserName();

  void RunCallbacks();
  void CancelCall(CallId id) { m_queue.Cancel(id); }

  // Null unless running.
  RemoteStorage* GetRemoteStorage();
  // What went wrong reading the statistics and scores files when the
  // service started, one entry a file, for the game's log; empty when
  // nothing did.
  std::vector<std::string> GetLoadProblems() const;

  // The listener must outlive its registration.
  void AddStatsListener(OnlineStatsListener* listener);
  void RemoveStatsListener(OnlineStatsListener* listener);

  // The listeners hear OnStatsReceived at the next RunCallbacks; false
  // (nothing queued) when not running.
  bool RequestCurrentStats();
  // Reads and settings are refused until the statistics have been received.
  bool SetStat(const std::string& name, int32_t value);
  bool SetStat(const std::string& name, float value);
  // A rate kept as count / duration; a duration of 0 or less is refused.
  bool UpdateAverageRateStat(const std::string& name, float count, double durationSeconds);
  bool GetStat(const std::string& name, int32_t& value) const;
  bool GetStat(const std::string& name, float& value) const;
  bool SetAchievement(const std::string& name);
  bool ClearAchievement(const std::string& name);
  bool GetAchievement(const std::string& name, bool& achieved) const;
  // Writes the statistics and achievements; the listeners hear of it at the
  // next RunCallbacks. False when not running or nothing received yet.
  bool StoreStats();

  // 0 when not running; the answer comes in RunCallbacks. A board keeps the
  // order it was first found with in this run.
  CallId FindOrCreateLeaderboard(const std::string& name, bool lowerIsBetter,
                                 LeaderboardFound onFound);
  // Empty for an unknown handle.
  std::string GetLeaderboardName(LeaderboardHandle handle) const;
  // Keeps the better of the stored score and this one; 0 when not running
  // or the handle is unknown.
  CallId UploadBestScore(LeaderboardHandle handle, int32_t score, ScoreUploaded onUploaded);

 private:
  struct Leaderboard {
    std::string name;
    bool lowerIsBetter = false;
  };

  bool CanUseStats() const { return m_running && m_statsReceived; }
  template <typename Notify>
  void NotifyListeners(Notify notify);

  std::string m_folderName;
  bool m_running = false;
  bool m_statsReceived = false;
  CallbackQueue m_queue;
  std::unique_ptr<RemoteStorage> m_storage;
  std::unique_ptr<UserStatsStore> m_stats;
  // Scores apart from the statistics, so that an upload never stores
  // statistics that the game has not asked to store yet.
  std::unique_ptr<UserStatsStore> m_scores;
  std::vector<std::string> m_unlockedSinceStore;
  std::vector<OnlineStatsListener*> m_listeners;
  // A handle is its index + 1.
  std::vector<Leaderboard> m_leaderboards;
};

}  // namespace platform
