// Writes the achievement and statistic definitions into a data folder:
//   achievementmaker <data folder>
// Both files are text resource streams; a second run writes the same bytes.

#include <cstdio>
#include <string>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "game/steam/AchievementSystem.h"
#include "tools/achievements/AchievementContent.h"

namespace {

template <typename Write>
bool WriteDefinitionFile(const std::string& path, Write write) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 4096);
  write(stream);
  if (!stream.SaveToFile(UlvoPath(PATH_MARKER_NONE, path))) {
    std::fprintf(stderr, "achievementmaker: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("wrote %s\n", path.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: achievementmaker <data folder>\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  try {
    const bool written =
        WriteDefinitionFile(folder + Pemberquill::AchievementSystem::ACHIEVEMENTS_FILE,
                            [](ResourceStream& stream) {
                              Pemberquill::WriteAchievementDefinitions(
                                  stream, achievement_content::GameAchievements());
                            }) &&
        WriteDefinitionFile(
            folder + Pemberquill::AchievementSystem::STATS_FILE, [](ResourceStream& stream) {
              Pemberquill::WriteStatDefinitions(stream, achievement_content::GameStatistics());
            });
    return written ? 0 : 1;
  } catch (const UlvoException& error) {
    std::fprintf(stderr, "achievementmaker: %s\n", error.GetMessage().c_str());
    return 1;
  }
}
