#pragma once

#include "engine/core/EventRecipient.h"

namespace Pemberquill {

// The base of the game's subsystems. The game object offers every key to its
// subsystems in turn until one takes it; a subsystem that has no use for
// keys keeps this answer and passes them on.
class GameSubsystem : public EventRecipient {
public:
    ~GameSubsystem() override = default;

    virtual bool OnKeyEvent(int /*action*/, int /*key*/) { return false; }
};

} // namespace Pemberquill
