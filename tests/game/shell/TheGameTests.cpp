// The whole game on the real engine modules, headless: start-up behind the
// loading screen, frames, the quit request and the shutdown.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/application/UlvoApplicationSetup.h"
#include "engine/modules/application/UlvoGameInterface.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "engine/ui/UlvoUIBasic.h"
#include "engine/ui/WindowWidget.h"
#include "game/shell/EngineModules.h"
#include "game/shell/FreePlay.h"
#include "game/shell/GameEntry.h"
#include "game/shell/LoadingScreen.h"
#include "game/shell/PemberquillGame.h"
#include "game/shell/PlayerProfile.h"
#include "game/shell/TheGame.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/presentation/ui/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "engine/core/NamedProperties.h"
#include "game/steam/SteamInterface.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "platform/system/Debugger.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace Pemberquill {
namespace {

namespace fs = std::filesystem;

std::string ProjectRoot()
{
    return PQ_SOURCE_DIR;
}

// Where the loading screen's picture goes for a person to look at:
// $PQ_LOADING_SCREENSHOT, or beside the test program in the build folder.
std::string ScreenshotPath()
{
    const char* requested = std::getenv("PQ_LOADING_SCREENSHOT");
    if (requested != nullptr && requested[0] != '\0') {
        return requested;
    }
    return fs::read_symlink("/proc/self/exe").parent_path().append("LoadingScreenshot.png").string();
}

void SaveScreenshot(int width, int height, const std::vector<platform::GpuColor>& pixels)
{
    testsupport::Bytes rgba;
    for (const platform::GpuColor& pixel : pixels) {
        rgba.insert(rgba.end(), {pixel.r, pixel.g, pixel.b, 255});
    }
    const testsupport::Bytes png = font_test::EncodeRgbaPng(width, height, rgba);
    const std::string path = ScreenshotPath();
    ASSERT_TRUE(platform::WriteFileAtomically(path, png.data(), png.size())) << path;
}

std::string ReadWholeFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Each text must appear in the log after the one before it.
void ExpectInOrder(const std::string& log, const std::vector<std::string>& texts)
{
    size_t position = 0;
    for (const std::string& text : texts) {
        const size_t found = log.find(text, position);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << text << "\nin:\n" << log;
        position = found + text.size();
    }
}

// A fresh user-data folder and the game's working folder, whose Data/ holds
// the real fonts and whatever splash images a test adds.
class TheGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_userData.Path().c_str(), 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        fs::create_directories(fs::path(m_gameFolder.Path()) / "Data");
        fs::create_directory_symlink(fs::path(ProjectRoot()) / "Data" / "Locale",
                                     fs::path(m_gameFolder.Path()) / "Data" / "Locale");
        UlvoApplicationSetup("-windowed 640 400");
    }

    void AddSplashImage(int index)
    {
        const fs::path path = fs::path(m_gameFolder.Path()) / "Data" / PemberquillGame::GetSplashScreenName(index);
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "image";
    }

    fs::path LogPath() const { return fs::path(m_userData.Path()) / "Pemberquill" / "application.log"; }
    fs::path OptionsPath() const
    {
        // The online service keeps the player's files.
        return fs::path(m_userData.Path()) / "pemberquill-online" / "storage" / "steamuser.pqoptions";
    }

    testsupport::TemporaryFolder m_userData;
    testsupport::TemporaryFolder m_gameFolder;
};

TEST_F(TheGameTest, StartsBehindTheLoadingScreenRunsFramesAndQuitsOnQuitGameEvent)
{
    testsupport::ScopedWorkingDirectory inGameFolder(m_gameFolder.Path());
    {
        TheGame game;
        EXPECT_EQ(UlvoGameInterface::GetGlobal(), &game);
        game.Startup();
        ASSERT_NE(game.GetGameObject(), nullptr);
        EXPECT_EQ(PemberquillGame::GetGlobal(), game.GetGameObject());
        // The first report, one for each of the 27 sounds the audio registers
        // and its task, then the tasks of the online service, the achievements,
        // the credits, the puzzle chef, free play, the campaign, the instructor,
        // the GUI, the animations and the screens; no recipe books or campaign
        // here.
        EXPECT_EQ(game.GetGameObject()->GetLoadingScreen().GetStepCount(), 1 + 27 + 1 + 10);
        EXPECT_TRUE(GetFreePlay().IsInitialized());

        const double startTime = game.GetGameObject()->GetClock().GetTime();
        for (int frame = 0; frame < 5; ++frame) {
            game.RunFrame();
        }
        EXPECT_GT(game.GetGameObject()->GetClock().GetTime(), startTime);
        EXPECT_FALSE(game.IsQuitting());

        // Learnt since the last save: only the quit can keep it.
        PlayerProfile* player = game.GetGameObject()->GetProfileManager().GetActiveProfile();
        ASSERT_NE(player, nullptr);
        // Without the selected player's record the title's Play leads nowhere.
        EXPECT_EQ(game.GetGameObject()->GetCampaign().GetProgress(), &player->GetCampaignProgress());
        player->GetGameMechanicsKnown().mechanics.insert(4242);
        player->GetAchievements().highScore = 4321;
        FireGlobalEvent("QuitGameEvent");
        EXPECT_TRUE(game.IsQuitting());
        // The save hands the score to the leaderboard; the service's next
        // frame stores it.
        GetSteamInterface().Update();
        EXPECT_EQ(ReadWholeFile(fs::path(m_userData.Path()) / SteamInterface::DEFAULT_SERVICE_FOLDER /
                                "leaderboards.txt"),
                  "score\t4321\tHigh Score\n");
        EXPECT_TRUE(fs::exists(OptionsPath()));
        ResourceStream stored(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile"));
        EXPECT_EQ(PlayerProfile(stored).GetGameMechanicsKnown().mechanics.count(4242), 1u);
        // Already quitting: the loop returns without another frame.
        game.Run();

        // After the console the shutdown lines reach only the debugger output.
        const platform_test::ScopedEnvironment debugOutput(platform::DEBUG_OUTPUT_VARIABLE, "1");
        testing::internal::CaptureStderr();
        game.Shutdown();
        const std::string shutdownOutput = testing::internal::GetCapturedStderr();
        ExpectInOrder(shutdownOutput, {"::: Shutdown : UlvoSoundBasic_FMOD (starting)",
                                       "::: Shutdown : UlvoInputBasic_Win32 (starting)",
                                       "::: Shutdown : UlvoUIBasic (starting)"});
        EXPECT_EQ(ulvoCore, nullptr);
        EXPECT_EQ(ulvoRenderer, nullptr);
    }
    EXPECT_EQ(UlvoGameInterface::GetGlobal(), nullptr);
    EXPECT_EQ(PemberquillGame::GetGlobal(), nullptr);
    EXPECT_FALSE(GetFreePlay().IsInitialized());

    const std::string log = ReadWholeFile(LogPath());
    ExpectInOrder(log, {"::: Initialization : UlvoUIBasic (finished)",
                        "Starting profiling for label \"SteamInterface startup\"",
                        "SteamInterface Startup begun.",
                        "Starting profiling for label \"AchievementSystem startup\"",
                        "AchievementSystem Startup started.",
                        "Starting profiling for label \"PuzzleChef startup\"",
                        "PuzzleChef Startup begun.",
                        "Profiling time for label \"PuzzleChef startup\" was ",
                        "Starting profiling for label \"FreePlay startup\"",
                        "FreePlay Startup begun.",
                        "Starting profiling for label \"Campaign startup\"",
                        "PemberquillCampaign Startup begun.",
                        "Starting profiling for label \"ProfileManager startup\"",
                        "End SetProfileDependentWidgetsAvailable for PlayerProfileManager",
                        "Starting profiling for label \"Load Options\"",
                        "Starting profiling for label \"Register options callbacks\"",
                        "Starting profiling for label \"Fire Options events\"",
                        "Starting profiling for label \"Load splash screens\"",
                        "Profiling time for label \"Load splash screens\" was ",
                        "Starting profiling for label \"\"",
                        "::: Shutdown : UlvoCommandConsole (starting)"});
}

// Each event reaches a subsystem only through what the game object handed
// it at start-up: the player's record, the screens, the player's lessons.
TEST_F(TheGameTest, TheJoinedSubsystemsReachThePlayerAndTheScreens)
{
    testsupport::ScopedWorkingDirectory inGameFolder(m_gameFolder.Path());
    TheGame game;
    game.Startup();
    PlayerProfile* player = game.GetGameObject()->GetProfileManager().GetActiveProfile();
    ASSERT_NE(player, nullptr);

    FireGlobalEvent("HasTakenAHintEvent");
    EXPECT_EQ(player->GetAchievements().hintsTaken, 1);

    TeachableGameMechanics welcome;
    welcome.mechanics.insert(PlayerProfileManager::WELCOME_MECHANIC_ID);
    NamedProperties lesson;
    lesson.Set("GameMechanicsToTeach", welcome);
    lesson.Set("ParentWindowContextHandle", PemberquillUI::GetWindowHandle(GAME_WINDOW_TITLE));
    FireGlobalEvent("TeachMechanicsEvent", lesson);
    EXPECT_EQ(player->GetGameMechanicsKnown().mechanics.count(PlayerProfileManager::WELCOME_MECHANIC_ID), 1u);

    FireGlobalEvent("PlayCreditsEvent");
    EXPECT_NE(PemberquillUI::GetWindowHandle(GAME_WINDOW_CREDITS), PemberquillUI::NO_WINDOW);

    // The campaign must not keep the record of a deleted player.
    NamedProperties deletion;
    deletion.Set<std::string>("OnActivationEventNameProperty", player->GetName());
    FireGlobalEvent("DeleteProfileEvent", deletion);
    EXPECT_EQ(game.GetGameObject()->GetProfileManager().GetActiveProfile(), nullptr);
    EXPECT_EQ(game.GetGameObject()->GetCampaign().GetProgress(), nullptr);
    game.Shutdown();
}

TEST_F(TheGameTest, ClosingTheWindowEndsTheRunLoop)
{
    testsupport::ScopedWorkingDirectory inGameFolder(m_gameFolder.Path());
    TheGame game;
    game.Startup();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    game.Run();
    EXPECT_TRUE(game.IsQuitting());
    game.Shutdown();
}

TEST_F(TheGameTest, LoadingScreenShowsItsTitleProgressTextAndBar)
{
    testsupport::ScopedWorkingDirectory inGameFolder(m_gameFolder.Path());
    TheGame game;
    game.Startup();
    // Loading switched the window to the options' mode, which resets the
    // device; one more report draws the screen again.
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    auto* device = dynamic_cast<platform::SdlGpuDevice*>(ulvoRenderer->GetDevice());
    ASSERT_NE(device, nullptr);
    const IntVector2 size = ulvoApp->GetClientSize();
    const std::vector<platform::GpuColor> pixels = device->ReadBackBuffer({0, 0, size.x, size.y});
    int titlePixels = 0;
    int progressPixels = 0;
    int barPixels = 0;
    for (const platform::GpuColor& pixel : pixels) {
        titlePixels += pixel.b > 200 && pixel.r < 90 && pixel.g > 70 && pixel.g < 130;
        progressPixels += pixel.r > 150 && pixel.r == pixel.g && pixel.g == pixel.b;
        barPixels += pixel.b > 60 && pixel.b < 170 && pixel.r < 50 && pixel.r > 10 && pixel.g < 70;
    }
    EXPECT_GT(titlePixels, 500);
    EXPECT_GT(progressPixels, 200);
    EXPECT_GT(barPixels, 20);
    SaveScreenshot(size.x, size.y, pixels);
    game.Shutdown();
}

// The name of the window on top of the stack, or "" with none.
std::string TopWindowName()
{
    auto* ui = dynamic_cast<UlvoUIBasic*>(UlvoUIInterface::GetDefaultInstance());
    const WindowWidget* top = ui != nullptr ? ui->GetRootWindow()->GetTopWindow() : nullptr;
    return top != nullptr ? top->GetName() : "";
}

TEST_F(TheGameTest, SplashImagesRunOutOnTheGameClockOrOnAClick)
{
    AddSplashImage(0);
    AddSplashImage(1);
    AddSplashImage(3);
    testsupport::ScopedWorkingDirectory inGameFolder(m_gameFolder.Path());
    TheGame game;
    game.Startup();
    PemberquillGame& gameObject = *game.GetGameObject();
    // The list stops at the first missing number.
    ASSERT_EQ(gameObject.GetSplashScreenCount(), 2u);

    gameObject.GetClock().SetPaused(true);
    for (int frame = 0; frame < 3; ++frame) {
        game.RunFrame();
    }
    EXPECT_EQ(gameObject.GetSplashScreenCount(), 2u);
    EXPECT_EQ(TopWindowName(), "SplashScreenDialog");
    const int firstDialog = PemberquillUI::GetWindowHandle(GAME_WINDOW_SPLASH_SCREEN);

    // A click ends the first image at once; the second one then starts.
    FireGlobalEvent("HideSplashScreenDialogEvent");
    EXPECT_EQ(gameObject.GetSplashScreenCount(), 1u);
    EXPECT_EQ(TopWindowName(), "");
    game.RunFrame();
    EXPECT_EQ(gameObject.GetSplashScreenCount(), 1u);
    EXPECT_EQ(TopWindowName(), "SplashScreenDialog");
    EXPECT_NE(PemberquillUI::GetWindowHandle(GAME_WINDOW_SPLASH_SCREEN), firstDialog);

    gameObject.GetClock().SetPaused(false);
    gameObject.GetClock().SetTime(gameObject.GetClock().GetTime() + 5.5);
    game.RunFrame();
    EXPECT_EQ(gameObject.GetSplashScreenCount(), 0u);
    game.RunFrame();
    EXPECT_EQ(TopWindowName(), "TitleWindow");
    game.Shutdown();
}

TEST_F(TheGameTest, FailedLoadingLeavesNothingOfTheGameObjectBehind)
{
    testsupport::ScopedDataFolder emptyData;
    TheGame game;
    // Without its font the loading screen cannot be drawn: start-up fails.
    EXPECT_THROW(game.Startup(), UlvoException);
    EXPECT_EQ(game.GetGameObject(), nullptr);
    EXPECT_EQ(PemberquillGame::GetGlobal(), nullptr);
    EXPECT_FALSE(GetFreePlay().IsInitialized());
}

TEST_F(TheGameTest, AFailedStartIsLoggedThenShownAloneOnStderr)
{
    testsupport::ScopedDataFolder dataWithoutFonts;
    const char* const arguments[] = {"pemberquill", "-windowed", "640", "400"};
    testing::internal::CaptureStderr();
    const int status = RunPemberquill(4, arguments);
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_NE(status, 0);
    // Headless, the box goes to stderr: it is the first and only thing there,
    // not buried under what the half-started parts say on their way out.
    EXPECT_EQ(shown.rfind("BitmapFont::Load\nFont definition \"Data/Locale/Fonts/MainFont_EN.FontDef\"", 0), 0u)
        << shown;
    EXPECT_EQ(shown.find("Shutdown"), std::string::npos) << shown;
    const std::string log = ReadWholeFile(LogPath());
    ExpectInOrder(log, {"FATAL ERROR: BitmapFont::Load\nFont definition", "The application will now close."});
}

TEST(LoadingScreenTest, CountStopsAt135SoTheTextNeverPasses99Percent)
{
    LoadingScreen screen;
    screen.ReportStep();
    EXPECT_EQ(screen.GetStepCount(), 1);
    EXPECT_FLOAT_EQ(screen.GetFraction(), 1.0f / 136.0f);
    for (int step = 1; step < 200; ++step) {
        screen.ReportStep();
    }
    EXPECT_EQ(screen.GetStepCount(), 135);
    EXPECT_EQ(Stringf(LoadingScreen::PROGRESS_FORMAT, screen.GetFraction() * 100.0f), "99% complete");
}

}  // namespace
}  // namespace Pemberquill
