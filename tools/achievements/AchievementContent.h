#pragma once

#include <vector>

#include "game/steam/AchievementDefinitions.h"

namespace achievement_content {

// The game's achievements, in bit order, and its statistics.
std::vector<Pemberquill::AchievementDefinition> GameAchievements();
std::vector<Pemberquill::StatDefinition> GameStatistics();

}  // namespace achievement_content
