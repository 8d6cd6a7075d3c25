#pragma once

#include "game/common/GameSubsystem.h"

namespace Pemberquill {

// Registers the game's named UI animations (fades, tints, the region tab's
// slide) with the engine's property-animation system, where widgets find them
// by the names in their "ShowAnim" and "HideAnim". The animations belong to
// that system and outlive this object.
class PemberquillAnimations : public GameSubsystem {
public:
    PemberquillAnimations() = default;
    ~PemberquillAnimations() override;
    PemberquillAnimations(const PemberquillAnimations&) = delete;
    PemberquillAnimations& operator=(const PemberquillAnimations&) = delete;

    void Startup();
    void Shutdown();
    bool IsInitialized() const { return m_isInitialized; }

private:
    bool m_isInitialized = false;
};

} // namespace Pemberquill
