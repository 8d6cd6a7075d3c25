#include "game/player/PlayerProfileScreens.h"

namespace Pemberquill {

namespace {

PlayerProfileScreens* g_installedScreens = nullptr;

} // namespace

void SetPlayerProfileScreens(PlayerProfileScreens* screens)
{
    g_installedScreens = screens;
}

PlayerProfileScreens* GetPlayerProfileScreens()
{
    return g_installedScreens;
}

} // namespace Pemberquill
