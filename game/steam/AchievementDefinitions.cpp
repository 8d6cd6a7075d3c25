#include "game/steam/AchievementDefinitions.h"

#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

namespace Pemberquill {

std::string StatDefinition::GetApiName() const {
  return isPerLocation ? steamName + "_" + currentLocation : steamName;
}

std::vector<AchievementDefinition> ReadAchievementDefinitions(ResourceStream& stream) {
  const int count = stream.ReadInt8();
  std::vector<AchievementDefinition> definitions;
  for (int index = 0; index < count; ++index) {
    AchievementDefinition definition;
    ReadRecordBlockBegin(stream);
    stream.ReadInt8();
    definition.title = stream.ReadString();
    definition.line1 = stream.ReadString();
    definition.line2 = stream.ReadString();
    definition.imageName = stream.ReadString();
    definition.steamName = stream.ReadString();
    definition.statName = stream.ReadString();
    definition.threshold = stream.ReadInt32();
    ReadRecordBlockEnd(stream);
    definition.bitIndex = static_cast<int8_t>(index);
    definitions.push_back(std::move(definition));
  }
  return definitions;
}

void WriteAchievementDefinitions(ResourceStream& stream,
                                 const std::vector<AchievementDefinition>& definitions) {
  stream.WriteInt8(static_cast<int8_t>(definitions.size()), "Number of achievements");
  for (const AchievementDefinition& definition : definitions) {
    stream.WriteBlockBegin();
    stream.WriteInt8(DEFINITION_RECORD_VERSION, "Version");
    stream.WriteString(definition.title, "Title");
    stream.WriteString(definition.line1, "Line 1");
    stream.WriteString(definition.line2, "Line 2");
    stream.WriteString(definition.imageName, "Image");
    stream.WriteString(definition.steamName, "Steam name");
    stream.WriteString(definition.statName, "Statistic");
    stream.WriteInt32(definition.threshold, "Threshold");
    stream.WriteBlockEnd();
  }
}

std::vector<StatDefinition> ReadStatDefinitions(ResourceStream& stream) {
  const int count = stream.ReadInt8();
  std::vector<StatDefinition> stats;
  for (int index = 0; index < count; ++index) {
    StatDefinition stat;
    ReadRecordBlockBegin(stream);
    stream.ReadInt8();
    stat.text = stream.ReadString();
    stat.steamName = stream.ReadString();
    stat.type = stream.ReadInt32();
    stat.isPerLocation = stream.ReadBool();
    if (stat.type == STAT_TYPE_AVERAGE_RATE) {
      stat.countName = stream.ReadString();
      stat.lengthName = stream.ReadString();
    }
    ReadRecordBlockEnd(stream);
    stats.push_back(std::move(stat));
  }
  return stats;
}

void WriteStatDefinitions(ResourceStream& stream, const std::vector<StatDefinition>& stats) {
  stream.WriteInt8(static_cast<int8_t>(stats.size()), "Number of statistics");
  for (const StatDefinition& stat : stats) {
    stream.WriteBlockBegin();
    stream.WriteInt8(DEFINITION_RECORD_VERSION, "Version");
    stream.WriteString(stat.text, "Text");
    stream.WriteString(stat.steamName, "Steam name");
    stream.WriteInt32(stat.type, "Type");
    stream.WriteBool(stat.isPerLocation, "Per location");
    if (stat.type == STAT_TYPE_AVERAGE_RATE) {
      stream.WriteString(stat.countName, "Count");
      stream.WriteString(stat.lengthName, "Length");
    }
    stream.WriteBlockEnd();
  }
}

}  // namespace Pemberquill
