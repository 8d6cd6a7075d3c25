#include "platform/steam/UserStatsStore.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "platform/system/Debugger.h"
#include "platform/system/FileSystem.h"

namespace platform {

namespace {

// One record a line: "<kind>\t<value>\t<name>", the name last so that it may
// hold spaces (location names do).
const char* const INT_STAT = "int";
const char* const FLOAT_STAT = "float";
const char* const ACHIEVEMENT = "achievement";
const char* const SCORE = "score";

// Far beyond what any player's statistics take; a larger file is damaged.
constexpr size_t MAX_STATS_FILE_BYTES = 64u << 20;
// Damaged copies kept before the store gives up and leaves the file alone.
constexpr int MAX_DAMAGED_COPIES = 1000;

bool ParseInt(const std::string& text, int32_t& value) {
  if (text.empty()) {
    return false;
  }
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX) {
    return false;
  }
  value = static_cast<int32_t>(parsed);
  return true;
}

bool ParseFloat(const std::string& text, float& value) {
  if (text.empty()) {
    return false;
  }
  char* end = nullptr;
  value = std::strtof(text.c_str(), &end);
  return *end == '\0';
}

std::string FormatFloat(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

}  // namespace

UserStatsStore::UserStatsStore(std::string file) : m_file(std::move(file)) {}

bool UserStatsStore::IsValidName(const std::string& name) {
  if (name.empty()) {
    return false;
  }
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) {
      return false;
    }
  }
  return true;
}

bool UserStatsStore::Load() {
  m_stats.clear();
  m_achievements.clear();
  m_scores.clear();
  m_loadProblem.clear();
  m_isStoreBlocked = false;
  std::vector<unsigned char> bytes;
  std::string error;
  switch (ReadWholeFile(m_file, MAX_STATS_FILE_BYTES, bytes, error)) {
    case FileReadStatus::MISSING:
      return true;
    case FileReadStatus::UNREADABLE:
      m_loadProblem = "The statistics file " + m_file + " could not be read (" + error +
                      "); it is left as it is and nothing is stored in this run.";
      m_isStoreBlocked = true;
      DebugOutput(m_loadProblem + "\n");
      return false;
    case FileReadStatus::READ:
      break;
  }
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (!line.empty() && !ParseLine(line)) {
      m_stats.clear();
      m_achievements.clear();
      m_scores.clear();
      KeepDamagedFileAside(lineNumber);
      return false;
    }
  }
  return true;
}

// Every damaged file gets a name of its own, so a later damage never
// replaces the copy of an earlier one.
void UserStatsStore::KeepDamagedFileAside(int lineNumber) {
  for (int copy = 1; copy <= MAX_DAMAGED_COPIES; ++copy) {
    const std::string copyName = m_file + ".bad" + (copy == 1 ? std::string() : std::to_string(copy));
    struct stat info {};
    if (lstat(copyName.c_str(), &info) == 0 || errno != ENOENT) {
      continue;
    }
    if (std::rename(m_file.c_str(), copyName.c_str()) == 0) {
      m_loadProblem = "The statistics file " + m_file + " is malformed at line " +
                      std::to_string(lineNumber) + "; it is kept as " + copyName +
                      " and the statistics start afresh.";
      DebugOutput(m_loadProblem + "\n");
      return;
    }
    break;
  }
  m_loadProblem = "The statistics file " + m_file + " is malformed at line " +
                  std::to_string(lineNumber) +
                  " and could not be kept aside; it is left as it is and nothing is stored in "
                  "this run.";
  m_isStoreBlocked = true;
  DebugOutput(m_loadProblem + "\n");
}

bool UserStatsStore::ParseLine(const std::string& line) {
  const size_t firstTab = line.find('\t');
  const size_t secondTab = firstTab == std::string::npos ? firstTab : line.find('\t', firstTab + 1);
  if (secondTab == std::string::npos) {
    return false;
  }
  const std::string kind = line.substr(0, firstTab);
  const std::string value = line.substr(firstTab + 1, secondTab - firstTab - 1);
  const std::string name = line.substr(secondTab + 1);
  if (!IsValidName(name)) {
    return false;
  }
  if (kind == INT_STAT || kind == FLOAT_STAT) {
    Stat stat;
    stat.isFloat = kind == FLOAT_STAT;
    const bool parsed = stat.isFloat ? ParseFloat(value, stat.floatValue)
                                     : ParseInt(value, stat.intValue);
    m_stats[name] = stat;
    return parsed;
  }
  if (kind == ACHIEVEMENT) {
    if (value != "0" && value != "1") {
      return false;
    }
    m_achievements[name] = value == "1";
    return true;
  }
  if (kind == SCORE) {
    return ParseInt(value, m_scores[name]);
  }
  return false;
}

bool UserStatsStore::Store() const {
  if (m_isStoreBlocked) {
    return false;
  }
  std::ostringstream out;
  for (const auto& [name, stat] : m_stats) {
    if (stat.isFloat) {
      out << FLOAT_STAT << '\t' << FormatFloat(stat.floatValue) << '\t' << name << '\n';
    } else {
      out << INT_STAT << '\t' << stat.intValue << '\t' << name << '\n';
    }
  }
  for (const auto& [name, achieved] : m_achievements) {
    out << ACHIEVEMENT << '\t' << (achieved ? 1 : 0) << '\t' << name << '\n';
  }
  for (const auto& [name, score] : m_scores) {
    out << SCORE << '\t' << score << '\t' << name << '\n';
  }
  const std::string text = out.str();
  return WriteFileAtomically(m_file, text.data(), text.size());
}

bool UserStatsStore::SetStat(const std::string& name, int32_t value) {
  if (!IsValidName(name)) {
    return false;
  }
  const auto found = m_stats.find(name);
  if (found != m_stats.end() && found->second.isFloat) {
    return false;
  }
  m_stats[name].intValue = value;
  return true;
}

bool UserStatsStore::SetStat(const std::string& name, float value) {
  if (!IsValidName(name)) {
    return false;
  }
  const auto found = m_stats.find(name);
  if (found != m_stats.end() && !found->second.isFloat) {
    return false;
  }
  Stat& stat = m_stats[name];
  stat.isFloat = true;
  stat.floatValue = value;
  return true;
}

bool UserStatsStore::GetStat(const std::string& name, int32_t& value) const {
  const auto found = m_stats.find(name);
  if (found == m_stats.end() || found->second.isFloat) {
    return false;
  }
  value = found->second.intValue;
  return true;
}

bool UserStatsStore::GetStat(const std::string& name, float& value) const {
  const auto found = m_stats.find(name);
  if (found == m_stats.end() || !found->second.isFloat) {
    return false;
  }
  value = found->second.floatValue;
  return true;
}

bool UserStatsStore::SetAchievement(const std::string& name, bool achieved) {
  if (!IsValidName(name)) {
    return false;
  }
  m_achievements[name] = achieved;
  return true;
}

bool UserStatsStore::IsAchieved(const std::string& name) const {
  const auto found = m_achievements.find(name);
  return found != m_achievements.end() && found->second;
}

bool UserStatsStore::SubmitBestScore(const std::string& board, int32_t score,
                                     bool lowerIsBetter) {
  if (!IsValidName(board)) {
    return false;
  }
  const auto found = m_scores.find(board);
  if (found != m_scores.end()) {
    const bool better = lowerIsBetter ? score < found->second : score > found->second;
    if (!better) {
      return false;
    }
  }
  m_scores[board] = score;
  return true;
}

bool UserStatsStore::GetScore(const std::string& board, int32_t& score) const {
  const auto found = m_scores.find(board);
  if (found == m_scores.end()) {
    return false;
  }
  score = found->second;
  return true;
}

}  // namespace platform
