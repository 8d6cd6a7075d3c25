#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace platform {

// The player's statistics, achievements and leaderboard scores as the online
// service keeps them, persisted in one text file. Changes stay in memory
// until Store writes them, as the service only keeps what was stored.
class UserStatsStore {
 public:
  // file: the file that Load reads and Store replaces.
  explicit UserStatsStore(std::string file);

  // Reads the stored values. A missing file is a fresh player. A malformed
  // file is renamed aside (".bad") so that no later Store overwrites it, and
  // the store starts empty; returns false then.
  bool Load();
  bool Store() const;

  // Names hold no tab, line end or other control character; a setting under
  // any other name is refused.
  static bool IsValidName(const std::string& name);

  // A statistic keeps the kind of its first setting: setting an integer
  // statistic as a float (or the other way) is refused.
  bool SetStat(const std::string& name, int32_t value);
  bool SetStat(const std::string& name, float value);
  bool GetStat(const std::string& name, int32_t& value) const;
  bool GetStat(const std::string& name, float& value) const;

  bool SetAchievement(const std::string& name, bool achieved);
  // False for an achievement never set.
  bool IsAchieved(const std::string& name) const;

  // Keeps the better of the stored and the given score (the lower one when
  // the board ranks ascending); returns true when the kept score changed.
  bool SubmitBestScore(const std::string& board, int32_t score, bool lowerIsBetter);
  bool GetScore(const std::string& board, int32_t& score) const;

 private:
  struct Stat {
    bool isFloat = false;
    int32_t intValue = 0;
    float floatValue = 0.0f;
  };

  bool ParseLine(const std::string& line);

  std::string m_file;
  std::map<std::string, Stat> m_stats;
  std::map<std::string, bool> m_achievements;
  std::map<std::string, int32_t> m_scores;
};

}  // namespace platform
