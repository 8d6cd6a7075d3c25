// A new player's first session and the start after it, on the game object
// the executable builds, headless. The test acts only as a player would:
// the mouse moves and clicks and the keys are pushed as window events, and
// the clock moves by fixed steps.

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/application/UlvoApplicationSetup.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/UlvoUIBasic.h"
#include "engine/ui/WindowWidget.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/shell/CampaignNode.h"
#include "game/shell/PemberquillGame.h"
#include "game/shell/PemberquillOptions.h"
#include "game/shell/TheGame.h"
#include "platform/window/Window.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace Pemberquill {
namespace {

namespace fs = std::filesystem;

constexpr double FRAME_SECONDS = 0.1;
// Longer than any show or hide animation.
constexpr int SETTLE_FRAMES = 8;
constexpr int ENOUGH_FRAMES = 400;
const char* const PLAYER_NAME = "Ada";

// The order in which start-up reports its loading tasks, and shutdown its
// subsystems.
const std::vector<std::string> LOADING_TASKS = {
    "\"Audio startup\"", "\"SteamInterface startup\"", "\"AchievementSystem startup\"",
    "\"Credits startup\"", "\"PuzzleChef startup\"", "\"FreePlay startup\"", "\"Campaign startup\"",
    "\"Instructor startup\"", "\"GUI startup\"", "\"Animations startup\"", "\"PQUI startup\"",
    "\"ProfileManager startup\"", "\"PQRenderer startup\"", "\"Load Options\"",
    "\"Register options callbacks\"", "\"Fire Options events\"", "\"Load splash screens\"",
    "\"Start regional sounds\"", "\"\" at time"};
const std::vector<std::string> SHUTDOWN_LINES = {
    "PemberquillCampaign Shutdown begun.", "PemberquillCampaign Shutdown complete.", "Animations Shutdown begun.",
    "Animations Shutdown complete.", "PemberquillUI Shutdown begun.", "PemberquillUI Shutdown complete.",
    "PemberquillAudio Shutdown begun.", "PemberquillAudio Shutdown complete.", "FreePlay Shutdown begun.",
    "FreePlay Shutdown complete.", "Credits Shutdown begun.", "Credits Shutdown complete.",
    "AchievementSystem Shutdown started.", "AchievementSystem Shutodwn completed.",
    "SteamInterface Shutdown begun.", "SteamInterface Shutdown complete.",
    "::: Shutdown : UlvoCommandConsole (starting)"};

// Each text must follow the one before it.
void ExpectInOrder(const std::string& log, const std::vector<std::string>& texts)
{
    size_t position = 0;
    for (const std::string& text : texts) {
        const size_t found = log.find(text, position);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << text;
        position = found + text.size();
    }
}

void ExpectNoWarningOrError(const std::string& log)
{
    EXPECT_EQ(log.find("WARNING:"), std::string::npos) << log;
    EXPECT_EQ(log.find("ERROR:"), std::string::npos) << log;
}

std::string ReadWholeFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The first widget of that name below the widget, depth first, that the
// test accepts; null when none is shown.
BaseWidget* FindShown(BaseWidget* widget, const std::string& name,
                      const std::function<bool(const BaseWidget&)>& isWanted = nullptr)
{
    if (widget == nullptr || widget->GetState() == UI_STATE_HIDDEN) {
        return nullptr;
    }
    if (widget->GetName() == name && (!isWanted || isWanted(*widget))) {
        return widget;
    }
    auto* container = dynamic_cast<ContainerWidget*>(widget);
    for (size_t index = 0; container != nullptr && index < container->GetChildCount(); ++index) {
        if (BaseWidget* found = FindShown(container->GetChild(index), name, isWanted)) {
            return found;
        }
    }
    return nullptr;
}

void ListShown(BaseWidget* widget, std::string& names)
{
    if (widget == nullptr || widget->GetState() == UI_STATE_HIDDEN) {
        return;
    }
    names += widget->GetName() + "; ";
    auto* container = dynamic_cast<ContainerWidget*>(widget);
    for (size_t index = 0; container != nullptr && index < container->GetChildCount(); ++index) {
        ListShown(container->GetChild(index), names);
    }
}

WindowWidget* TopWindow()
{
    auto* ui = dynamic_cast<UlvoUIBasic*>(UlvoUIInterface::GetDefaultInstance());
    return ui != nullptr ? ui->GetRootWindow()->GetTopWindow() : nullptr;
}

std::string TopWindowName()
{
    const WindowWidget* top = TopWindow();
    return top != nullptr ? top->GetName() : "";
}

class PlayerSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_userData.Path().c_str(), 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // One virtual unit to a pixel.
        UlvoApplicationSetup("-windowed 1024 640");
    }

    void StartGame()
    {
        m_game = std::make_unique<TheGame>();
        m_game->Startup();
        Clock& master = UlvoCore::GetGlobal()->GetTimeSystem().GetMasterClock();
        master.SetMinimumStep(FRAME_SECONDS);
        master.SetMaximumStep(FRAME_SECONDS);
        m_windowId = SDL_GetWindowID(UlvoApplicationInterface::GetDefaultInstance()->GetDeviceContext()->NativeHandle());
        // What the window system tells the window the player brings to the
        // front; without the focus it takes no input.
        SDL_Event focus{};
        focus.type = SDL_WINDOWEVENT;
        focus.window.windowID = m_windowId;
        focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
        Push(focus);
    }

    void QuitGame()
    {
        m_game->Run();
        m_game->Shutdown();
        m_game.reset();
    }

    void Frames(int count)
    {
        for (int frame = 0; frame < count; ++frame) {
            m_game->RunFrame();
        }
    }

    // False when it does not come true in time.
    bool FramesUntil(const std::function<bool()>& isDone)
    {
        for (int frame = 0; frame < ENOUGH_FRAMES && !isDone(); ++frame) {
            m_game->RunFrame();
        }
        return isDone();
    }

    // Frames until the window is on top of the stack.
    void WaitFor(const std::string& windowName)
    {
        for (int frame = 0; frame < ENOUGH_FRAMES && TopWindowName() != windowName; ++frame) {
            m_game->RunFrame();
        }
        ASSERT_EQ(TopWindowName(), windowName);
        Frames(SETTLE_FRAMES);
    }

    void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    void MoveMouse(const Vector2& virtualPoint)
    {
        UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
        const AABB2 screen = application->GetScreenBounds();
        const Vector2 scale = application->GetViewScale();
        SDL_WarpMouseInWindow(application->GetDeviceContext()->NativeHandle(),
                              static_cast<int>(screen.mins.x + virtualPoint.x / scale.x),
                              static_cast<int>(screen.mins.y + virtualPoint.y / scale.y));
        Frames(2);
    }

    void PressMouseButton()
    {
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.type = type;
            event.button.windowID = m_windowId;
            event.button.button = SDL_BUTTON_LEFT;
            event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            event.button.clicks = 1;
            Push(event);
            Frames(1);
        }
    }

    void ClickAt(const Vector2& virtualPoint)
    {
        MoveMouse(virtualPoint);
        PressMouseButton();
    }

    // A widget takes the press once it has the focus under the mouse.
    void Click(const BaseWidget* widget)
    {
        MoveMouse((widget->GetBounds().mins + widget->GetBounds().maxs) * 0.5f);
        for (int frame = 0; frame < ENOUGH_FRAMES && widget->GetState() != UI_STATE_FOCUSED; ++frame) {
            m_game->RunFrame();
        }
        PressMouseButton();
        Frames(SETTLE_FRAMES);
    }

    // Every square of the puzzle in play, half of them by a click on the
    // answer among the square's candidates, the others by the answer's
    // digit key with the mouse over the square.
    void PlaceTheAnswer()
    {
        const PuzzleDisplay* display = m_game->GetGameObject()->GetActivePuzzleView();
        ASSERT_NE(display, nullptr);
        for (const BoardView& view : std::vector<BoardView>(display->GetBoardViews())) {
            // The board's own geometry, in the unit box, runs over its
            // rectangle on screen.
            const auto onScreen = [&view](const AABB2& inBoard) {
                const Vector2 centre = (inBoard.mins + inBoard.maxs) * 0.5f;
                const Vector2 size = view.rect.CalcSize();
                return view.rect.mins + Vector2(centre.x * size.x, centre.y * size.y);
            };
            for (const Square& square : view.board->GetSquares()) {
                const int value = static_cast<int>(square.solutionValue);
                if ((square.x + square.y) % 2 == 0) {
                    ClickAt(onScreen(view.board->ComputeBoundsForCandidate(square, value - 1)));
                } else {
                    MoveMouse(onScreen(square.bounds));
                    PressKey(SDLK_0 + value, static_cast<SDL_Scancode>(SDL_SCANCODE_1 + value - 1));
                }
                ASSERT_EQ(view.board->GetSquareValue(square), square.solutionValue)
                    << "square " << square.x << "," << square.y;
            }
        }
    }

    // Clicks the centre of the widget of that name in the top window once
    // it takes input.
    void Click(const std::string& widgetName)
    {
        BaseWidget* widget = FindShown(TopWindow(), widgetName);
        for (int frame = 0; frame < ENOUGH_FRAMES && (widget == nullptr || !widget->IsTakingInput()); ++frame) {
            m_game->RunFrame();
            widget = FindShown(TopWindow(), widgetName);
        }
        std::string names;
        ListShown(TopWindow(), names);
        ASSERT_NE(widget, nullptr) << widgetName << " is not shown in " << TopWindowName() << ": " << names;
        Click(widget);
    }

    void PressKey(SDL_Keycode key, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE)
    {
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            SDL_Event event{};
            event.type = type;
            event.key.windowID = m_windowId;
            event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            event.key.keysym.sym = key;
            event.key.keysym.scancode = scancode;
            event.key.keysym.mod = modifiers;
            Push(event);
            Frames(1);
        }
    }

    void Type(const std::string& text)
    {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = m_windowId;
        SDL_strlcpy(event.text.text, text.c_str(), sizeof(event.text.text));
        Push(event);
        Frames(1);
    }

    fs::path LogPath() const { return fs::path(m_userData.Path()) / "Pemberquill" / "application.log"; }

    testsupport::TemporaryFolder m_userData;
    testsupport::ScopedWorkingDirectory m_inProject{PQ_SOURCE_DIR};
    std::unique_ptr<TheGame> m_game;
    Uint32 m_windowId = 0;
};

TEST_F(PlayerSessionTest, NewPlayerSolvesTheFirstPuzzleAndFindsItSolvedNextTime)
{
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_NO_FATAL_FAILURE(WaitFor("TitleWindow"));
    ASSERT_NO_FATAL_FAILURE(Click("ChangeProfileButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("Select Profile Window"));
    ASSERT_NO_FATAL_FAILURE(Click("CreateProfileButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("Create Profile Dialog"));
    ASSERT_NO_FATAL_FAILURE(Click("Profile Name EditBox"));
    ASSERT_NO_FATAL_FAILURE(Type(PLAYER_NAME));
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_RETURN, SDL_SCANCODE_RETURN));
    ASSERT_NO_FATAL_FAILURE(WaitFor("TitleWindow"));
    EXPECT_EQ(m_game->GetGameObject()->GetProfileManager().GetActiveProfileName(), PLAYER_NAME);
    // A new player starts full screen; Alt+Enter puts the game in a window.
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT));
    EXPECT_TRUE(GetPemberquillOptions().IsWindowed());
    ASSERT_NO_FATAL_FAILURE(Click("PlayButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("CampaignWindow"));
    ASSERT_NO_FATAL_FAILURE(Click("OceanCampaignRegionButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("CampaignRegionWindow"));
    ASSERT_NO_FATAL_FAILURE(Click("BeginningsCampaignNodeButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSetWindow"));
    BaseWidget* firstPuzzleButton = FindShown(FindShown(TopWindow(), "HomeworkPuzzlesGroup"), "PlayPuzzle");
    ASSERT_NE(firstPuzzleButton, nullptr);
    Puzzle* puzzle = firstPuzzleButton->GetProperty<Puzzle*>("OnActivationEventNameProperty");
    ASSERT_NE(puzzle, nullptr);
    const Texture* unsolvedMark = firstPuzzleButton->GetProperty<Texture*>("OverlayTexture");
    const size_t firstPuzzleIndex = static_cast<size_t>(
        m_game->GetGameObject()->GetCampaign().GetActiveCampaignNode()->GetPuzzleSet()->GetRanges()[PUZZLE_SET_RANGE_HOMEWORK].begin);
    ASSERT_NO_FATAL_FAILURE(Click(firstPuzzleButton));
    // A new player is shown how to play first.
    ASSERT_NO_FATAL_FAILURE(WaitFor("HowToPlayWindow"));
    ASSERT_NO_FATAL_FAILURE(Click("HowToPlayWindowBackButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleWindow"));
    ASSERT_NO_FATAL_FAILURE(PlaceTheAnswer());
    // The first puzzle solved earns its achievement; its OK plays the next.
    ASSERT_NO_FATAL_FAILURE(WaitFor("Achievement Dialog"));
    ASSERT_NO_FATAL_FAILURE(Click("AchievementOkButton"));
    ASSERT_TRUE(FramesUntil([&] {
        const Puzzle* shown = m_game->GetGameObject()->GetShownPuzzle();
        return shown != nullptr && shown != puzzle;
    }));
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    ASSERT_NO_FATAL_FAILURE(WaitFor("CampaignPuzzleEscapeMenuDialog"));
    ASSERT_NO_FATAL_FAILURE(Click("ExitPuzzleButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSetWindow"));
    firstPuzzleButton = FindShown(FindShown(TopWindow(), "HomeworkPuzzlesGroup"), "PlayPuzzle");
    ASSERT_NE(firstPuzzleButton, nullptr);
    EXPECT_NE(firstPuzzleButton->GetProperty<Texture*>("OverlayTexture"), unsolvedMark);
    // Chosen again, a solved puzzle offers the next one instead.
    ASSERT_NO_FATAL_FAILURE(Click(firstPuzzleButton));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleSolvedDialog"));
    ASSERT_NO_FATAL_FAILURE(Click("PlayNextAvailablePuzzleButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("PuzzleWindow"));
    // From any other puzzle of the location the player may jump to its
    // challenge, once asked.
    ASSERT_NO_FATAL_FAILURE(Click("TakeTheChallengeButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("Confirmation Dialog"));
    ASSERT_NO_FATAL_FAILURE(Click("ConfirmationOkButton"));
    const Puzzle* challenge =
        m_game->GetGameObject()->GetCampaign().GetActiveCampaignNode()->GetPuzzleSet()->GetUnlockPuzzle();
    ASSERT_TRUE(FramesUntil([&] { return m_game->GetGameObject()->GetShownPuzzle() == challenge; }));
    ASSERT_NO_FATAL_FAILURE(PressKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    ASSERT_NO_FATAL_FAILURE(WaitFor("CampaignPuzzleEscapeMenuDialog"));
    ASSERT_NO_FATAL_FAILURE(Click("QuitGameButton"));
    ASSERT_TRUE(m_game->IsQuitting());
    QuitGame();
    const std::string firstLog = ReadWholeFile(LogPath());
    ExpectNoWarningOrError(firstLog);
    ExpectInOrder(firstLog, LOADING_TASKS);
    ExpectInOrder(firstLog, SHUTDOWN_LINES);

    // The next start finds the player, the puzzle solved and the window
    // mode chosen.
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_NO_FATAL_FAILURE(WaitFor("TitleWindow"));
    ASSERT_NO_FATAL_FAILURE(Click("ChangeProfileButton"));
    ASSERT_NO_FATAL_FAILURE(WaitFor("Select Profile Window"));
    BaseWidget* playerButton = FindShown(TopWindow(), "SelectProfile", [](const BaseWidget& button) {
        return button.GetProperty<std::string>("OnActivationEventNameProperty") == PLAYER_NAME;
    });
    ASSERT_NE(playerButton, nullptr);
    ASSERT_NO_FATAL_FAILURE(Click(playerButton));
    ASSERT_NO_FATAL_FAILURE(WaitFor("TitleWindow"));
    EXPECT_TRUE(GetPemberquillOptions().IsWindowed());
    PemberquillCampaign& campaign = m_game->GetGameObject()->GetCampaign();
    const CampaignNode* beginnings = Campaign::FindNodeByName(campaign.GetNodes(), "Beginnings");
    ASSERT_NE(beginnings, nullptr);
    const Puzzle* first = beginnings->GetPuzzleSet()->GetPuzzles()[firstPuzzleIndex].get();
    ASSERT_NE(first->GetProgress(), nullptr);
    EXPECT_TRUE(first->GetProgress()->IsSolved());
    ASSERT_NO_FATAL_FAILURE(Click("QuitButton"));
    QuitGame();
    ExpectNoWarningOrError(ReadWholeFile(LogPath()));
}

}  // namespace
}  // namespace Pemberquill
