#include "game/puzzle/solver/HintCallOutInterface.h"

namespace Pemberquill {

namespace {

HintCallOutInterface* g_installedCallOuts = nullptr;

} // namespace

void SetHintCallOuts(HintCallOutInterface* callOuts)
{
    g_installedCallOuts = callOuts;
}

HintCallOutInterface* GetHintCallOuts()
{
    return g_installedCallOuts;
}

} // namespace Pemberquill
