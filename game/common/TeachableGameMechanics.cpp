#include "game/common/TeachableGameMechanics.h"

#include <bitset>

namespace Pemberquill {

void TeachableGameMechanics::Merge(const TeachableGameMechanics& other)
{
    rules.SetFromMask(rules.GetMask() | other.rules.GetMask());
    mechanics.insert(other.mechanics.begin(), other.mechanics.end());
}

int TeachableGameMechanics::GetCount() const
{
    return static_cast<int>(std::bitset<NUM_CAGE_RULES>(rules.GetMask()).count() + mechanics.size());
}

TeachableGameMechanics operator-(const TeachableGameMechanics& a, const TeachableGameMechanics& b)
{
    TeachableGameMechanics result;
    result.rules.SetFromMask(a.rules.GetMask() & ~b.rules.GetMask());
    for (int mechanicId : a.mechanics) {
        if (!b.HasMechanic(mechanicId)) {
            result.mechanics.insert(mechanicId);
        }
    }
    return result;
}

} // namespace Pemberquill
