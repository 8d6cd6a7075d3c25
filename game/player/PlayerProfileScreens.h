#pragma once

#include "engine/core/AABB2.h"
#include "game/common/InstalledInterface.h"
#include "game/common/TextLines.h"

#include <string>
#include <vector>

namespace Pemberquill {

// What the profile manager needs of the screens: the profile dialogs and the
// notices it shows. The screens stand above the players, so they implement
// this and install it while they exist; without screens the manager still
// keeps the files and shows nothing.
class PlayerProfileScreens {
public:
    virtual void PushWindow(int windowId, bool pushImmediately) = 0;
    virtual void PopWindow(int windowId, bool allowAnimationsToFinish) = 0;
    // The widget handle of a built window; -1 when it is not built.
    virtual int GetWindowHandle(int windowId) = 0;
    virtual void CreateSelectProfileWindow(const std::vector<std::string>& profileNames, bool canCreate,
                                           bool canLeave) = 0;
    virtual void CreateCreateProfileDialog(bool isFirstPlayer) = 0;
    virtual void ShowInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel) = 0;
    // The accept button fires acceptEvent with the profile name as its payload.
    virtual void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                        const std::string& cancelLabel, const std::string& acceptEvent,
                                        const std::string& profileName) = 0;
    virtual void SetInstructorTextRegion(const AABB2& region) = 0;

protected:
    ~PlayerProfileScreens() = default;
};

// Installs the screens the profile manager uses from now on; the caller
// keeps ownership and installs null before they go away.
inline void SetPlayerProfileScreens(PlayerProfileScreens* screens)
{
    InstalledInterface<PlayerProfileScreens>::Set(screens);
}

// The installed screens; null when none exist (tools, tests without screens).
inline PlayerProfileScreens* GetPlayerProfileScreens()
{
    return InstalledInterface<PlayerProfileScreens>::Get();
}

} // namespace Pemberquill
