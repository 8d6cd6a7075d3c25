#include "game/steam/SteamStatsAndAchievements.h"

#include "engine/core/Diagnostics.h"
#include "game/steam/AchievementSystem.h"

namespace Pemberquill {

namespace {

// The stand-in service gives no result codes; the one it would report for
// any failure.
constexpr int FAILURE_RESULT_CODE = 2;

}  // namespace

SteamStatsAndAchievements::SteamStatsAndAchievements(platform::OnlineService& service)
    : m_service(service) {
  m_service.AddStatsListener(this);
}

SteamStatsAndAchievements::~SteamStatsAndAchievements() {
  m_statValues.clear();
  m_service.RemoveStatsListener(this);
}

void SteamStatsAndAchievements::SetUp() {
  m_requested = false;
  m_received = false;
  m_storeRequested = false;
}

void SteamStatsAndAchievements::RequestStatsIfDue() {
  if (m_requested || !m_service.IsLoggedOn()) {
    return;
  }
  m_requested = m_service.RequestCurrentStats();
}

void SteamStatsAndAchievements::SetAchievements(const std::vector<AchievementDefinition>& earned) {
  if (!m_service.IsRunning()) {
    return;
  }
  for (const AchievementDefinition& definition : earned) {
    m_service.SetAchievement(definition.steamName);
  }
}

void SteamStatsAndAchievements::SetStatValues(const std::vector<StatDefinition>& stats) {
  m_statValues = stats;
  m_storeRequested = true;
}

void SteamStatsAndAchievements::StoreStatsIfRequested() {
  if (!m_storeRequested || !m_service.IsRunning()) {
    return;
  }
  for (const StatDefinition& stat : m_statValues) {
    const std::string name = stat.GetApiName();
    switch (stat.type) {
      case STAT_TYPE_INTEGER:
        m_service.SetStat(name, stat.integerValue);
        break;
      case STAT_TYPE_FLOAT:
        m_service.SetStat(name, stat.floatValue);
        break;
      case STAT_TYPE_AVERAGE_RATE:
        m_service.UpdateAverageRateStat(name, stat.rateCount,
                                        static_cast<double>(stat.rateDuration));
        break;
      default:
        break;
    }
  }
  m_storeRequested = !m_service.StoreStats();
}

void SteamStatsAndAchievements::OnStatsReceived(bool succeeded) {
  if (!succeeded) {
    ConsolePrintf("RequestStats - failed, %d\n", FAILURE_RESULT_CODE);
    return;
  }
  m_received = true;
  LogReceivedValues();
}

void SteamStatsAndAchievements::LogReceivedValues() const {
  const AchievementSystem& system = GetAchievementSystem();
  for (const AchievementDefinition& definition : system.GetDefinitions()) {
    bool achieved = false;
    m_service.GetAchievement(definition.steamName, achieved);
    ConsolePrintf("%s: %s [%s]\n", achieved ? "true " : "false", definition.line1.c_str(),
                  definition.title.c_str());
  }
  const std::vector<std::string> locations = system.GetRequiredLocationNames();
  for (const StatDefinition& stat : system.GetStatistics()) {
    if (!stat.isPerLocation) {
      LogStat(stat.steamName, stat.type);
      continue;
    }
    for (const std::string& location : locations) {
      LogStat(Stringf("%s_%s", stat.steamName.c_str(), location.c_str()), stat.type);
    }
  }
}

void SteamStatsAndAchievements::LogStat(const std::string& apiName, int32_t type) const {
  if (type == STAT_TYPE_INTEGER) {
    int32_t value = 0;
    m_service.GetStat(apiName, value);
    ConsolePrintf("%s: %d\n", apiName.c_str(), value);
  } else {
    float value = 0.0f;
    m_service.GetStat(apiName, value);
    ConsolePrintf("%s: %g\n", apiName.c_str(), static_cast<double>(value));
  }
}

void SteamStatsAndAchievements::OnStatsStored(bool succeeded) {
  if (succeeded) {
    ConsolePrintf("StoreStats - success\n");
  } else {
    ConsolePrintf("StoreStats - failed, %d\n", FAILURE_RESULT_CODE);
  }
}

void SteamStatsAndAchievements::OnAchievementStored(const std::string& name) {
  ConsolePrintf("Achievement '%s' unlocked!", name.c_str());
}

}  // namespace Pemberquill
