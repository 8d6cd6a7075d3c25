#include "game/shell/TheGame.h"

#include <cmath>
#include <ctime>

#include "engine/core/Clock.h"
#include "engine/core/CommandLine.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "engine/ui/UlvoUIBasic.h"
#include "game/shell/DataFolder.h"
#include "game/shell/EngineModules.h"
#include "game/shell/PemberquillGame.h"
#include "game/options/PemberquillOptions.h"
#include "game/shell/StartupWindowSize.h"
#include "platform/crt/CrtRandom.h"
#include "platform/system/ExecutableFolder.h"
#include "platform/system/HighResolutionCounter.h"

namespace Pemberquill {

TheGame::TheGame() = default;

TheGame::~TheGame()
{
    m_game.reset();
    m_gameClock.reset();
    DestroyEngineModules();
}

void TheGame::Startup()
{
    platform::CrtSrand(static_cast<unsigned>(std::time(nullptr)));
    CreateEngineModules();
    ValidateEngineModules();

    m_core->Startup();
    m_app->SetApplicationName(WINDOW_TITLE);
    m_app->SetUserDataFolder(USER_DATA_FOLDER);
    m_console->Startup();
    UseDataFolder(platform::ExecutableFolder());
    m_app->Startup();
    OpenWindow();

    m_renderer->SetDeviceContext(m_app->GetDeviceContext());
    m_renderer->Startup();
    m_imageStudio->Startup();
    m_input->Startup();
    m_sound->Startup();
    m_ui->Startup();

    RegisterEventHandler("QuitGameEvent", &m_core->GetEventSystem(), &TheGame::Event_OnQuitGame,
                         this);
    m_gameClock = std::make_unique<Clock>(&m_core->GetTimeSystem().GetMasterClock());
    CreateGameObject();
}

void TheGame::CreateEngineModules()
{
    m_core = UlvoCore::Create();
    ulvoCore = m_core.get();
    m_console = UlvoCommandConsoleBasic::Create();
    ulvoConsole = m_console.get();
    m_app = UlvoApplicationBasic_Win32::Create();
    ulvoApp = m_app.get();
    m_renderer = UlvoRendererBasic_Win32_DirectX81::Create();
    ulvoRenderer = m_renderer.get();
    m_imageStudio = UlvoImageStudioBasic_Win32::Create();
    ulvoImageStudio = m_imageStudio.get();
    m_input = UlvoInputBasic_Win32::Create();
    ulvoInput = m_input.get();
    m_sound = UlvoSoundBasic_FMOD::Create();
    ulvoSound = m_sound.get();
    m_ui = UlvoUIBasic::Create();
    ulvoUI = m_ui.get();
}

void TheGame::OpenWindow()
{
    const StartupWindowSize window =
        ChooseStartupWindowSize(m_app->GetDesktopSize(), CommandLine::GetInstance());
    m_app->OpenWindow(window.size, window.fullscreen ? 1 : 0, ICON_RESOURCE_ID);
}

void TheGame::CreateGameObject()
{
    m_game.reset();
    m_game = std::make_unique<PemberquillGame>(m_gameClock.get());
}

void TheGame::Run()
{
    while (!m_isQuitting) {
        RunFrame();
    }
}

void TheGame::RunFrame()
{
    m_core->Update();
    m_app->Update();
    m_input->Update();
    m_ui->Update();
    m_sound->Update();
    m_renderer->Update();
    m_imageStudio->Update();
    m_console->Update();

    UpdateGame();

    m_imageStudio->Render();
    m_ui->Render();
    m_console->Render();
    m_input->Render();
    m_sound->Render();
    m_app->Render();
    m_core->Render();
    // The boards are drawn inside the UI render pass, so the game has nothing
    // left to draw here; the renderer ends the scene and presents it last.
    m_renderer->Render();

    platform::SleepMilliseconds(1);
    LimitFrameRate(FRAMES_PER_SECOND);
}

void TheGame::UpdateGame()
{
    SetUpScreenProjection();
    m_renderer->Clear(Rgba(0, 0, 0, 255));
    SetUpVirtualScreenProjection();
    if (m_game != nullptr) {
        m_game->Update();
    }
}

void TheGame::SetUpScreenProjection()
{
    const IntVector2 clientSize = m_app->GetClientSize();
    m_renderer->SetViewport(IntVector2(0, 0), clientSize);
    m_renderer->SetTransform(0.0f, 0.0f, static_cast<float>(clientSize.x),
                             static_cast<float>(clientSize.y));
}

void TheGame::SetUpVirtualScreenProjection()
{
    const IntVector2 clientSize = m_app->GetClientSize();
    const IntVector2 screenSize = m_app->GetScreenBoundsSize();
    const IntVector2 viewSize = m_app->GetViewBoundsSize();
    const IntVector2 origin(static_cast<int>(std::lround((clientSize.x - screenSize.x) / 2.0)),
                            static_cast<int>(std::lround((clientSize.y - screenSize.y) / 2.0)));
    m_renderer->SetViewport(origin, screenSize);
    m_renderer->SetTransform(0.0f, 0.0f, static_cast<float>(viewSize.x),
                             static_cast<float>(viewSize.y));
}

void TheGame::LimitFrameRate(int framesPerSecond)
{
    if (framesPerSecond <= 0) {
        return;
    }
    const double now = m_core->GetTimeSystem().GetCurrentTimeSeconds();
    if (m_lastFrameLimitTime < 0.0) {
        m_lastFrameLimitTime = now;
    }
    const double target = 1.0 / framesPerSecond;
    const double elapsed = now - m_lastFrameLimitTime;
    if (elapsed > 0.0 && elapsed < target) {
        platform::SleepMilliseconds(static_cast<unsigned>((target - elapsed) * 1000.0));
    }
    m_lastFrameLimitTime = now;
}

bool TheGame::OnKeyEvent(int action, int code)
{
    return m_game != nullptr && m_game->HandleKey(action, code);
}

void TheGame::Event_OnQuitGame(NamedProperties& /*args*/)
{
    if (m_game != nullptr) {
        GetPemberquillOptions().SaveOptions();
        PlayerProfileManager& profiles = m_game->GetProfileManager();
        if (profiles.GetActiveProfile() != nullptr) {
            profiles.SavePlayerProfile(profiles.GetActiveSlotIndex());
        }
    }
    RequestQuit();
}

void TheGame::Shutdown()
{
    // The game's subsystems go first: their shutdown lines still reach the
    // log, and nothing they hold outlives the module that made it.
    m_game.reset();
    m_console->Shutdown();
    m_sound->Shutdown();
    m_input->Shutdown();
    m_ui->Shutdown();
    m_imageStudio->Shutdown();
    m_renderer->Shutdown();
    m_app->Shutdown();
    m_core->Shutdown();
    DestroyEngineModules();
}

void TheGame::DestroyEngineModules()
{
    // Cleared with their modules, so that nothing reaches a module that is
    // gone.
    m_console.reset();
    ulvoConsole = nullptr;
    m_sound.reset();
    ulvoSound = nullptr;
    m_input.reset();
    ulvoInput = nullptr;
    m_ui.reset();
    ulvoUI = nullptr;
    m_imageStudio.reset();
    ulvoImageStudio = nullptr;
    m_renderer.reset();
    ulvoRenderer = nullptr;
    m_app.reset();
    ulvoApp = nullptr;
    if (m_core != nullptr) {
        // The driver's handlers go before the event system they live in.
        m_core->GetEventSystem().UnregisterRecipient(this);
    }
    m_core.reset();
    ulvoCore = nullptr;
}

}  // namespace Pemberquill
