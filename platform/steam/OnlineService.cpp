#include "platform/steam/OnlineService.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/system/FileSystem.h"

namespace platform {

namespace {

const char* const STATS_FILE_NAME = "stats.txt";
const char* const SCORES_FILE_NAME = "leaderboards.txt";
const char* const STORAGE_FOLDER_NAME = "storage";

}  // namespace

OnlineService::OnlineService(std::string folderName) : m_folderName(std::move(folderName)) {}

bool OnlineService::Initialise() {
  if (m_running) {
    return true;
  }
  const std::string base = UserDataBaseFolder();
  if (base.empty() || m_folderName.empty()) {
    return false;
  }
  const std::string folder = base + "/" + m_folderName;
  if (!CreateFolderRecursive(folder)) {
    return false;
  }
  m_storage = std::make_unique<RemoteStorage>(folder + "/" + STORAGE_FOLDER_NAME);
  m_stats = std::make_unique<UserStatsStore>(folder + "/" + STATS_FILE_NAME);
  m_stats->Load();
  m_scores = std::make_unique<UserStatsStore>(folder + "/" + SCORES_FILE_NAME);
  m_scores->Load();
  m_running = true;
  return true;
}

void OnlineService::Shutdown() {
  m_running = false;
  m_statsReceived = false;
  m_queue = CallbackQueue();
  m_unlockedSinceStore.clear();
  m_leaderboards.clear();
  m_stats.reset();
  m_scores.reset();
  m_storage.reset();
}

std::vector<std::string> OnlineService::GetLoadProblems() const {
  std::vector<std::string> problems;
  for (const UserStatsStore* store : {m_stats.get(), m_scores.get()}) {
    if (store != nullptr && !store->GetLoadProblem().empty()) {
      problems.push_back(store->GetLoadProblem());
    }
  }
  return problems;
}

std::string OnlineService::GetUserName() {
  const char* user = std::getenv("USER");
  if (user == nullptr || *user == '\0') {
    return "Player";
  }
  return user;
}

void OnlineService::RunCallbacks() {
  if (m_running) {
    m_queue.RunPending();
  }
}

RemoteStorage* OnlineService::GetRemoteStorage() { return m_running ? m_storage.get() : nullptr; }

void OnlineService::AddStatsListener(OnlineStatsListener* listener) {
  m_listeners.push_back(listener);
}

void OnlineService::RemoveStatsListener(OnlineStatsListener* listener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                    m_listeners.end());
}

template <typename Notify>
void OnlineService::NotifyListeners(Notify notify) {
  // A listener may unregister itself while it is told.
  const std::vector<OnlineStatsListener*> listeners = m_listeners;
  for (OnlineStatsListener* listener : listeners) {
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) {
      notify(*listener);
    }
  }
}

bool OnlineService::RequestCurrentStats() {
  if (!m_running) {
    return false;
  }
  m_queue.Post([this] {
    m_statsReceived = true;
    NotifyListeners([](OnlineStatsListener& listener) { listener.OnStatsReceived(true); });
  });
  return true;
}

bool OnlineService::SetStat(const std::string& name, int32_t value) {
  return CanUseStats() && m_stats->SetStat(name, value);
}

bool OnlineService::SetStat(const std::string& name, float value) {
  return CanUseStats() && m_stats->SetStat(name, value);
}

bool OnlineService::UpdateAverageRateStat(const std::string& name, float count,
                                          double durationSeconds) {
  if (!CanUseStats() || !(durationSeconds > 0.0)) {
    return false;
  }
  return m_stats->SetStat(name, static_cast<float>(count / durationSeconds));
}

bool OnlineService::GetStat(const std::string& name, int32_t& value) const {
  return CanUseStats() && m_stats->GetStat(name, value);
}

bool OnlineService::GetStat(const std::string& name, float& value) const {
  return CanUseStats() && m_stats->GetStat(name, value);
}

bool OnlineService::SetAchievement(const std::string& name) {
  if (!CanUseStats() || !UserStatsStore::IsValidName(name)) {
    return false;
  }
  if (!m_stats->IsAchieved(name)) {
    m_unlockedSinceStore.push_back(name);
  }
  return m_stats->SetAchievement(name, true);
}

bool OnlineService::ClearAchievement(const std::string& name) {
  if (!CanUseStats() || !m_stats->SetAchievement(name, false)) {
    return false;
  }
  m_unlockedSinceStore.erase(
      std::remove(m_unlockedSinceStore.begin(), m_unlockedSinceStore.end(), name),
      m_unlockedSinceStore.end());
  return true;
}

bool OnlineService::GetAchievement(const std::string& name, bool& achieved) const {
  if (!CanUseStats()) {
    return false;
  }
  achieved = m_stats->IsAchieved(name);
  return true;
}

bool OnlineService::StoreStats() {
  if (!CanUseStats()) {
    return false;
  }
  const bool stored = m_stats->Store();
  std::vector<std::string> unlocked;
  if (stored) {
    unlocked.swap(m_unlockedSinceStore);
  }
  m_queue.Post([this, stored, unlocked] {
    NotifyListeners([stored](OnlineStatsListener& listener) { listener.OnStatsStored(stored); });
    for (const std::string& name : unlocked) {
      NotifyListeners(
          [&name](OnlineStatsListener& listener) { listener.OnAchievementStored(name); });
    }
  });
  return true;
}

OnlineService::CallId OnlineService::FindOrCreateLeaderboard(const std::string& name,
                                                             bool lowerIsBetter,
                                                             LeaderboardFound onFound) {
  if (!m_running) {
    return 0;
  }
  LeaderboardHandle handle = 0;
  if (UserStatsStore::IsValidName(name)) {
    const auto known =
        std::find_if(m_leaderboards.begin(), m_leaderboards.end(),
                     [&name](const Leaderboard& board) { return board.name == name; });
    if (known == m_leaderboards.end()) {
      m_leaderboards.push_back({name, lowerIsBetter});
      handle = m_leaderboards.size();
    } else {
      handle = static_cast<LeaderboardHandle>(known - m_leaderboards.begin()) + 1;
    }
  }
  return m_queue.Post([handle, onFound = std::move(onFound)] { onFound(handle, handle != 0); });
}

std::string OnlineService::GetLeaderboardName(LeaderboardHandle handle) const {
  if (handle == 0 || handle > m_leaderboards.size()) {
    return std::string();
  }
  return m_leaderboards[handle - 1].name;
}

OnlineService::CallId OnlineService::UploadBestScore(LeaderboardHandle handle, int32_t score,
                                                     ScoreUploaded onUploaded) {
  if (!m_running || handle == 0 || handle > m_leaderboards.size()) {
    return 0;
  }
  const Leaderboard& board = m_leaderboards[handle - 1];
  const bool changed = m_scores->SubmitBestScore(board.name, score, board.lowerIsBetter);
  const bool stored = !changed || m_scores->Store();
  int32_t kept = score;
  m_scores->GetScore(board.name, kept);
  return m_queue.Post(
      [stored, kept, onUploaded = std::move(onUploaded)] { onUploaded(stored, kept); });
}

}  // namespace platform
