#include "game/shell/StartupProfiling.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem.h"

namespace Pemberquill {

namespace {

std::string g_profilingLabel;
double g_profilingStartSeconds = 0.0;

double CurrentTimeSeconds()
{
    UlvoCore* core = UlvoCore::GetGlobal();
    return core != nullptr ? core->GetTimeSystem().GetCurrentTimeSeconds() : 0.0;
}

}  // namespace

void StartProfiling(const std::string& label)
{
    const double now = CurrentTimeSeconds();
    if (!g_profilingLabel.empty()) {
        ConsolePrintf("Profiling time for label \"%s\" was %.02f seconds.\n",
                      g_profilingLabel.c_str(), now - g_profilingStartSeconds);
    }
    g_profilingLabel = label;
    g_profilingStartSeconds = label.empty() ? 0.0 : now;
    ConsolePrintf("Starting profiling for label \"%s\" at time %.02f.\n", label.c_str(), now);
}

}  // namespace Pemberquill
