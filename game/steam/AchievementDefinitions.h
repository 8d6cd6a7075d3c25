#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ResourceStream;
class Texture;

namespace Pemberquill {

// The record version the definition writers store; readers ignore it.
constexpr int8_t DEFINITION_RECORD_VERSION = 1;

constexpr const char* ACHIEVED_IMAGE_FOLDER = "Images/Achievements/png/Achieved/";
constexpr const char* UNACHIEVED_IMAGE_FOLDER = "Images/Achievements/png/Unachieved/";

// One achievement of "Achievements.pqdf": earned once the statistic it names
// reaches its threshold.
struct AchievementDefinition {
  std::string title;
  std::string line1;
  std::string line2;
  // The file name of its two images, one in each image folder.
  std::string imageName;
  std::string steamName;
  std::string statName;
  // Loaded with the definitions by the screens, which own them; null when
  // an image is missing or while no screens are there.
  Texture* achievedImage = nullptr;
  Texture* unachievedImage = nullptr;
  int32_t threshold = 0;
  // Its position in the file: the bit of the record's achievement bits.
  int8_t bitIndex = 0;

  std::string GetAchievedImagePath() const { return ACHIEVED_IMAGE_FOLDER + imageName; }
  std::string GetUnachievedImagePath() const { return UNACHIEVED_IMAGE_FOLDER + imageName; }
};

enum StatType : int32_t {
  STAT_TYPE_INTEGER = 0,
  STAT_TYPE_FLOAT = 1,
  STAT_TYPE_AVERAGE_RATE = 2,
};

// One online statistic of "Stats.pqdf", with the value last computed for it.
struct StatDefinition {
  // Read from the file for its authors; the game does not use it.
  std::string text;
  // Set before each computation of a per-location statistic.
  std::string currentLocation;
  std::string steamName;
  // Average rates only: the names of the values giving count and duration.
  std::string countName;
  std::string lengthName;
  int32_t type = STAT_TYPE_INTEGER;
  int32_t integerValue = 0;
  float floatValue = 0.0f;
  float rateCount = 0.0f;
  float rateDuration = 1.0f;
  bool isPerLocation = false;

  // The name the online service knows it by: per-location statistics carry
  // "_" and the location.
  std::string GetApiName() const;
};

// Each file: an int8 count, then that many records (in braces in text form).
// A count of 0 or less gives none. Malformed or truncated data throws
// UlvoException. The writers mirror the readers, for the content tool.
std::vector<AchievementDefinition> ReadAchievementDefinitions(ResourceStream& stream);
void WriteAchievementDefinitions(ResourceStream& stream,
                                 const std::vector<AchievementDefinition>& definitions);
std::vector<StatDefinition> ReadStatDefinitions(ResourceStream& stream);
void WriteStatDefinitions(ResourceStream& stream, const std::vector<StatDefinition>& stats);

}  // namespace Pemberquill
