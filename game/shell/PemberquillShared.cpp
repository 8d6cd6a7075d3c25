#include "game/shell/PemberquillShared.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "engine/ui/UlvoUIBasic.h"

std::unique_ptr<UlvoCore> ulvoCore;
std::unique_ptr<UlvoCommandConsoleBasic> ulvoConsole;
std::unique_ptr<UlvoApplicationBasic_Win32> ulvoApp;
std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> ulvoRenderer;
std::unique_ptr<UlvoImageStudioBasic_Win32> ulvoImageStudio;
std::unique_ptr<UlvoInputBasic_Win32> ulvoInput;
std::unique_ptr<UlvoSoundBasic_FMOD> ulvoSound;
std::unique_ptr<UlvoUIBasic> ulvoUI;

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

void ValidateEngineModules()
{
    const char* const title = "ValidateEngineModules";
    ULVO_VALIDATE(ulvoCore != NULL, "Pemberquill's global ulvoCore was NULL!", title);
    ULVO_VALIDATE(ulvoApp != NULL, "Pemberquill's global ulvoApp was NULL!", title);
    ULVO_VALIDATE(ulvoConsole != NULL, "Pemberquill's global ulvoConsole was NULL!", title);
    ULVO_VALIDATE(ulvoInput != NULL, "Pemberquill's global ulvoInput was NULL!", title);
    ULVO_VALIDATE(ulvoUI != NULL, "Pemberquill's global ulvoUI was NULL!", title);
    ULVO_VALIDATE(ulvoImageStudio != NULL, "Pemberquill's global ulvoImageStudio was NULL!", title);
    ULVO_VALIDATE(ulvoRenderer != NULL, "Pemberquill's global ulvoRenderer was NULL!", title);
    ULVO_VALIDATE(ulvoSound != NULL, "Pemberquill's global ulvoSound was NULL!", title);
}

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
