#pragma once

class UlvoCore;
class UlvoCommandConsoleBasic;
class UlvoApplicationBasic_Win32;
class UlvoRendererBasic_Win32_DirectX81;
class UlvoImageStudioBasic_Win32;
class UlvoInputBasic_Win32;
class UlvoSoundBasic_FMOD;
class UlvoUIBasic;

// The eight engine modules of the running game. The driver owns them and
// sets these while they live; they are null before start-up and after
// shutdown.
extern UlvoCore* ulvoCore;
extern UlvoCommandConsoleBasic* ulvoConsole;
extern UlvoApplicationBasic_Win32* ulvoApp;
extern UlvoRendererBasic_Win32_DirectX81* ulvoRenderer;
extern UlvoImageStudioBasic_Win32* ulvoImageStudio;
extern UlvoInputBasic_Win32* ulvoInput;
extern UlvoSoundBasic_FMOD* ulvoSound;
extern UlvoUIBasic* ulvoUI;

namespace Pemberquill {

// Fails an assertion naming the first of the eight pointers that is null.
void ValidateEngineModules();

}  // namespace Pemberquill
