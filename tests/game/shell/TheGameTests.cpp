// What a player's session (PlayerSessionTests) does not reach: the loading
// screen's picture, splash images and the fatal path.

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/application/UlvoApplicationSetup.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "engine/ui/UlvoUIBasic.h"
#include "engine/ui/WindowWidget.h"
#include "game/campaign/FreePlay.h"
#include "game/common/SaveOutcomes.h"
#include "game/shell/GameEntry.h"
#include "game/shell/LoadingScreen.h"
#include "game/shell/PemberquillGame.h"
#include "game/shell/PemberquillShared.h"
#include "game/shell/TheGame.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestPuzzle.h"

namespace Pemberquill {
namespace {

class TheGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_userData.Path().c_str(), 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        UlvoApplicationSetup("-windowed 640 400");
    }

    void LinkWhatTheGameLoads()
    {
        for (const char* shipped : {"Locale", "Audio", "Images/UI", "Images/Backgrounds", "Images/Achievements",
                                    "Achievements.pqdf", "Stats.pqdf", "Credits.pqdf", "Puzzles"}) {
            m_data.LinkShipped(shipped);
        }
    }

    testsupport::TemporaryFolder m_userData;
    testsupport::ScopedDataFolder m_data;
};

// The pixels of the game's back buffer from the top-left corner.
std::vector<platform::GpuColor> ReadBackBuffer(const IntVector2& size)
{
    return dynamic_cast<platform::SdlGpuDevice&>(*ulvoRenderer->GetDevice()).ReadBackBuffer({0, 0, size.x, size.y});
}

std::string TopWindowName()
{
    const WindowWidget* top =
        dynamic_cast<UlvoUIBasic&>(*UlvoUIInterface::GetDefaultInstance()).GetRootWindow()->GetTopWindow();
    return top != nullptr ? top->GetName() : "";
}

TEST_F(TheGameTest, TheLoadingScreenThenTheSplashImagesWhichEndOnTheGameClockOrOnAClick)
{
    LinkWhatTheGameLoads();
    // The list stops at the first missing number.
    const testsupport::Bytes image =
        testsupport::ReadFileBytes(m_data.ShippedPath(PemberquillGame::GetSplashScreenName(0)));
    for (int index : {0, 1, 3}) {
        m_data.Write(PemberquillGame::GetSplashScreenName(index), image);
    }
    TheGame game;
    ASSERT_TRUE(game.Startup());
    // Loading switched the window to the options' mode, which resets the
    // device; one more report draws the title, progress text and bar again.
    FireGlobalEvent("OnStartupLoadingTaskComplete");
    const IntVector2 size = ulvoApp->GetClientSize();
    int drawn = 0;
    int barShades = 0;
    for (const platform::GpuColor& pixel : ReadBackBuffer(size)) {
        drawn += pixel.r + pixel.g + pixel.b > 60;
        barShades += pixel.r <= 40 && pixel.g <= 66 && pixel.b >= 90 && pixel.b <= 160;
    }
    EXPECT_GT(drawn, 700);
    EXPECT_GT(barShades, 5000) << "the progress bar is filled, not outlined";

    // Each image fades in. A click cuts the first at once; the next frame
    // starts the second, which ends on the game clock.
    screen_test::PushesAtOnce pushes;
    screen_test::PopFades pops;
    game.RunFrame();
    EXPECT_EQ(TopWindowName(), "SplashScreenDialog");
    FireGlobalEvent("HideSplashScreenDialogEvent");
    EXPECT_EQ(TopWindowName(), "");
    EXPECT_EQ(pops.fades, std::vector<bool>{false}) << "a clicked splash image is cut";
    game.RunFrame();
    EXPECT_EQ(game.GetGameObject()->GetSplashScreenCount(), 1u);
    EXPECT_EQ(TopWindowName(), "SplashScreenDialog");
    EXPECT_EQ(pushes.flags, (std::vector<bool>{false, false}));
    // A failed save waits for the images to end.
    ReportSaveFailure({"The options", "steamuser.pqoptions", "the disk is full"});
    game.RunFrame();
    EXPECT_EQ(TopWindowName(), "SplashScreenDialog");
    ForgetSaveOutcomes();
    Clock& clock = game.GetGameObject()->GetClock();
    clock.SetTime(clock.GetTime() + 5.5);
    pops.fades.clear();
    game.RunFrame();
    game.RunFrame();
    EXPECT_EQ(TopWindowName(), "TitleWindow");
    EXPECT_EQ(pops.fades, std::vector<bool>{false}) << "a splash image that has had its time is cut";
    game.Shutdown();
    game.Shutdown();  // a second call finds nothing left to stop
}

// Catches a game that never started taken for a started one when stopped:
// it would stop modules it never made.
TEST_F(TheGameTest, AGameNeverStartedStopsSafely)
{
    TheGame game;
    game.Shutdown();
    EXPECT_EQ(ulvoCore, nullptr);
}

// Catches the play screen drawn as a location's thumbnail: the board in play
// would show the picture taken of it, not the values since put in.
TEST_F(TheGameTest, ThePlayScreenDrawsTheBoardItselfNotItsThumbnail)
{
    LinkWhatTheGameLoads();
    TheGame game;
    ASSERT_TRUE(game.Startup());
    TestPuzzle test(4, {});
    test.GetProgress().RenderThumbnail(test.GetBoard());
    test.GetProgress().SetValue(test.GetBoard().GetSquare(0, 0), 1);
    const IntVector2 client = ulvoApp->GetClientSize();
    const auto draw = [&](const char* eventName) {
        ulvoRenderer->Update();
        ulvoRenderer->SetViewport(IntVector2(0, 0), client);
        ulvoRenderer->SetTransform(0.0f, 0.0f, static_cast<float>(client.x), static_cast<float>(client.y));
        ulvoRenderer->Clear(Rgba(255, 255, 255, 255));
        NamedProperties args;
        args.Set("PreRenderEventToFireProperty", test.puzzle.get());
        args.Set("Bounds", AABB2(Vector2(0.0f, 0.0f), Vector2(200.0f, 200.0f)));
        FireGlobalEvent(eventName, args);
        return ReadBackBuffer(IntVector2(200, 200));
    };
    const std::vector<platform::GpuColor> live = draw("PuzzleViewRenderEvent");
    const std::vector<platform::GpuColor> thumbnail = draw("PuzzleViewRenderThumbnailEvent");
    int differing = 0;
    for (size_t i = 0; i < live.size(); ++i) {
        differing += live[i] != thumbnail[i];
    }
    EXPECT_GT(differing, 1000);
    game.Shutdown();
}

// Links into the data folder everything the game ships but the file at
// brokenPath: the folders on its way are made, holding links to their other
// entries, so that the file can be left out or replaced without touching
// what ships.
void LinkShippedAllBut(const testsupport::ScopedDataFolder& data, const std::string& brokenPath)
{
    std::filesystem::path folder;
    for (const std::filesystem::path& part : std::filesystem::path(brokenPath)) {
        for (const auto& entry : std::filesystem::directory_iterator(data.ShippedPath(folder.string()))) {
            if (entry.path().filename() != part) {
                data.LinkShipped((folder / entry.path().filename()).string());
            }
        }
        folder /= part;
    }
}

// A shipped file broken one way, and the start of the error it must stop
// the start with.
struct BrokenShippedFile {
    const char* name;
    const char* file;
    std::function<void(const std::string& path)> breakFile;
    std::string error;
};

const BrokenShippedFile BROKEN_SHIPPED_FILES[] = {
    {"MissingCampaign", "Puzzles/Campaign.CampaignData", [](const std::string&) {},
     "Unable to read the campaign file Data/Puzzles/Campaign.CampaignData."},
    // Too large to read; sparse, so it takes no room on the disk.
    {"UnreadableRecipeBook", "Puzzles/Recipes/4-AQ-1.recipes",
     [](const std::string& path) {
         std::ofstream{path};
         std::filesystem::resize_file(path, std::uintmax_t{1} << 31);
     },
     "PuzzleChef could not read the recipe book Data/Puzzles/Recipes/4-AQ-1.recipes."},
    {"UndecodableSound", "Audio/SOUND_UI_BUTTON_ACTIVATED.ogg",
     [](const std::string& path) { std::ofstream{path} << "no sound"; },
     "FMOD failed to load the sound data in file Data/Audio/SOUND_UI_BUTTON_ACTIVATED.ogg\n"},
};

// One case a row: a start that failed leaves the objects of the whole
// program started, so each needs a process of its own, as the test command
// gives every case.
class BrokenShippedFileTest : public TheGameTest, public ::testing::WithParamInterface<BrokenShippedFile> {};

// Catches a broken installation that starts all the same: a shipped file
// that is missing, cannot be read or cannot be decoded stops the start with
// an error naming it.
TEST_P(BrokenShippedFileTest, StopsTheStartNamingTheFile)
{
    LinkShippedAllBut(m_data, GetParam().file);
    GetParam().breakFile(m_data.PathOf(GetParam().file));
    TheGame game;
    const testsupport::CaughtError error = testsupport::CatchUlvoException([&] { game.Startup(); });
    EXPECT_EQ(error.message.rfind(GetParam().error, 0), 0u) << error.message;
}

void PrintTo(const BrokenShippedFile& row, std::ostream* out)
{
    *out << row.file;
}

INSTANTIATE_TEST_SUITE_P(Shipped, BrokenShippedFileTest, ::testing::ValuesIn(BROKEN_SHIPPED_FILES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TheGameTest, AFailedStartLeavesNothingBehindAndIsShownAloneOnStderr)
{
    const char* const arguments[] = {"pemberquill", "-windowed", "640", "400"};
    testing::internal::CaptureStderr();
    EXPECT_NE(RunPemberquill(4, arguments), 0);
    const std::string shown = testing::internal::GetCapturedStderr();
    // Headless, the box goes to stderr: it is the first and only thing there,
    // not buried under what the half-started parts say on their way out.
    EXPECT_EQ(shown.rfind("BitmapFont::Load\nFont definition \"Data/Locale/Fonts/MainFont_EN.FontDef\"", 0), 0u)
        << shown;
    EXPECT_EQ(shown.find("Shutdown"), std::string::npos) << shown;
    EXPECT_EQ(PemberquillGame::GetGlobal(), nullptr);
    EXPECT_FALSE(GetFreePlay().IsInitialized());
    std::ostringstream log;
    log << std::ifstream(std::filesystem::path(m_userData.Path()) / "Pemberquill" / "application.log").rdbuf();
    EXPECT_NE(log.str().find("FATAL ERROR: BitmapFont::Load\nFont definition"), std::string::npos) << log.str();
}

TEST(LoadingScreenTest, CountStopsAt135SoTheTextNeverPasses99Percent)
{
    LoadingScreen screen;
    for (int step = 0; step < 200; ++step) {
        screen.ReportStep();
    }
    EXPECT_EQ(screen.GetStepCount(), 135);
    EXPECT_EQ(Stringf(LoadingScreen::PROGRESS_FORMAT, screen.GetFraction() * 100.0f), "99% complete");
}

}  // namespace
}  // namespace Pemberquill
