#include "game/shell/EngineModules.h"

#include "engine/core/Diagnostics.h"

UlvoCore* ulvoCore = nullptr;
UlvoCommandConsoleBasic* ulvoConsole = nullptr;
UlvoApplicationBasic_Win32* ulvoApp = nullptr;
UlvoRendererBasic_Win32_DirectX81* ulvoRenderer = nullptr;
UlvoImageStudioBasic_Win32* ulvoImageStudio = nullptr;
UlvoInputBasic_Win32* ulvoInput = nullptr;
UlvoSoundBasic_FMOD* ulvoSound = nullptr;
UlvoUIBasic* ulvoUI = nullptr;

namespace Pemberquill {

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

}  // namespace Pemberquill
