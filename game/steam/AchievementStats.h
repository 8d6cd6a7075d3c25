#pragma once

#include <cstdint>
#include <string>

namespace Pemberquill {

struct PlayerAchievements;

// The value of a statistic or achievement name in the player's record. The
// names compare exactly; an unknown name gives 0. The per-location names
// ("..._IN") read the location's entry, creating it with 0 when the location
// has none yet; with no location (empty) they give 0 and create nothing.
int32_t IntegerStat(PlayerAchievements& record, const std::string& name,
                    const std::string& location);
// "PUZZLE_SOLVING_TIME" is the last solving time in hours, "FLOAT_CONSTANT_1"
// is 1.0; any other name is its integer value.
float FloatStat(PlayerAchievements& record, const std::string& name, const std::string& location);

}  // namespace Pemberquill
