// A set of teachable mechanics written as a rule mask and mechanic ids.
#pragma once

#include <initializer_list>

#include "game/common/TeachableGameMechanics.h"

namespace mechanics_test {

inline Pemberquill::TeachableGameMechanics Mechanics(unsigned ruleMask, std::initializer_list<int> ids)
{
    Pemberquill::TeachableGameMechanics mechanics;
    mechanics.rules.SetFromMask(ruleMask);
    for (int id : ids) {
        mechanics.AddMechanic(id);
    }
    return mechanics;
}

} // namespace mechanics_test
