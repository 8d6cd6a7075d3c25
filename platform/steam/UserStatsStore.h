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

  // Reads the stored values; lines may end in "\r\n" and blank lines are
  // skipped. A missing file is a fresh player. A malformed file is renamed
  // aside under a name no earlier copy has (".bad", ".bad2", ...) and the
  // store starts empty; returns false then. A file that is there but cannot
  // be read leaves the store empty and refuses every Store of this run, so
  // that the player's values are never replaced; returns false too.
  bool Load();
  // False, writing nothing, when Load could not read or keep aside the file.
  bool Store() const;
  // Why the last Load returned false, for the log; empty when it did not.
  const std::string& GetLoadProblem() const { return m_loadProblem; }

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
  void KeepDamagedFileAside(int lineNumber);

  std::string m_file;
  std::string m_loadProblem;
  bool m_isStoreBlocked = false;
  std::map<std::string, Stat> m_stats;
  std::map<std::string, bool> m_achievements;
  std::map<std::string, int32_t> m_scores;
};

}  // namespace platform
