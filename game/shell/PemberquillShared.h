#pragma once

#include <memory>
#include <string>

class UlvoCore;
class UlvoCommandConsoleBasic;
class UlvoApplicationBasic_Win32;
class UlvoRendererBasic_Win32_DirectX81;
class UlvoImageStudioBasic_Win32;
class UlvoInputBasic_Win32;
class UlvoSoundBasic_FMOD;
class UlvoUIBasic;

// The game's own share of the helpers used across it; the rule tables, the
// records, the sound shortcuts and the play-time text sit below it, in
// game/common.

// The eight engine modules of the running game. The driver makes each with
// its factory at start-up and destroys them at shutdown; they are null
// before and after.
extern std::unique_ptr<UlvoCore> ulvoCore;
extern std::unique_ptr<UlvoCommandConsoleBasic> ulvoConsole;
extern std::unique_ptr<UlvoApplicationBasic_Win32> ulvoApp;
extern std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> ulvoRenderer;
extern std::unique_ptr<UlvoImageStudioBasic_Win32> ulvoImageStudio;
extern std::unique_ptr<UlvoInputBasic_Win32> ulvoInput;
extern std::unique_ptr<UlvoSoundBasic_FMOD> ulvoSound;
extern std::unique_ptr<UlvoUIBasic> ulvoUI;

namespace Pemberquill {

// Fails an assertion naming the first of the eight modules that is null.
void ValidateEngineModules();

// Times the start-up tasks: each call logs how long the previous label took
// and starts timing the new one; an empty label closes the last measurement.
void StartProfiling(const std::string& label);

}  // namespace Pemberquill
