#pragma once

// A player at the game object the executable builds, headless: mouse and
// keys pushed as window events, the clock moving by fixed steps.

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
#include "game/puzzle/board/Board.h"
#include "game/shell/PemberquillGame.h"
#include "game/shell/TheGame.h"
#include "platform/window/Window.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace Pemberquill {
namespace player_session {

inline constexpr double FRAME_SECONDS = 0.1;
inline constexpr int SETTLE_FRAMES = 8;  // longer than the show and hide animations
inline constexpr int ENOUGH_FRAMES = 400;

// The first shown widget of that name below the widget, depth first, that
// matches.
inline BaseWidget* FindShown(BaseWidget* widget, const std::string& name,
                             const std::function<bool(const BaseWidget&)>& matches)
{
    if (widget == nullptr || widget->GetState() == UI_STATE_HIDDEN) {
        return nullptr;
    }
    if (widget->GetName() == name && matches(*widget)) {
        return widget;
    }
    auto* container = dynamic_cast<ContainerWidget*>(widget);
    BaseWidget* found = nullptr;
    for (size_t index = 0; container != nullptr && index < container->GetChildCount() && found == nullptr; ++index) {
        found = FindShown(container->GetChild(index), name, matches);
    }
    return found;
}

// With a payload, the one whose activation carries it (the profile buttons
// carry the player's name).
inline BaseWidget* FindShown(BaseWidget* widget, const std::string& name, const std::string& payload = "")
{
    return FindShown(widget, name, [&payload](const BaseWidget& candidate) {
        return payload.empty() || candidate.GetProperty<std::string>("OnActivationEventNameProperty") == payload;
    });
}

inline WindowWidget* TopWindow()
{
    return dynamic_cast<UlvoUIBasic&>(*UlvoUIInterface::GetDefaultInstance()).GetRootWindow()->GetTopWindow();
}

class PlayerSession : public ::testing::Test {
protected:
    void StartGame(const std::string& commandLine = "-windowed 1024 640")
    {
        setenv("XDG_DATA_HOME", m_userData.Path().c_str(), 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        UlvoApplicationSetup(commandLine);
        m_game = std::make_unique<TheGame>();
        ASSERT_TRUE(m_game->Startup());
        Clock& master = UlvoCore::GetGlobal()->GetTimeSystem().GetMasterClock();
        master.SetMinimumStep(FRAME_SECONDS);
        master.SetMaximumStep(FRAME_SECONDS);
        m_window = UlvoApplicationInterface::GetDefaultInstance()->GetDeviceContext()->NativeHandle();
        // The window the player brings to the front; without the focus it
        // takes no input.
        SDL_Event focus{};
        focus.window = {SDL_WINDOWEVENT, 0, SDL_GetWindowID(m_window), SDL_WINDOWEVENT_FOCUS_GAINED, 0, 0, 0, 0, 0};
        SDL_PushEvent(&focus);
    }

    // Each text must follow the one before it in the run's log; no warning
    // or error anywhere.
    void QuitGameAndExpectCleanLogWith(const std::vector<std::string>& texts)
    {
        m_game->Run();
        m_game->Shutdown();
        m_game.reset();
        std::ostringstream log;
        log << std::ifstream(std::filesystem::path(m_userData.Path()) / "Pemberquill" / "application.log").rdbuf();
        size_t position = 0;
        for (const std::string& text : texts) {
            position = log.str().find(text, position);
            ASSERT_NE(position, std::string::npos) << "missing or out of order: " << text;
        }
        EXPECT_EQ(log.str().find("WARNING:"), std::string::npos) << log.str();
        EXPECT_EQ(log.str().find("ERROR:"), std::string::npos) << log.str();
    }

    // A session left in play ends here, so that the next one in the same
    // process starts its subsystems afresh.
    void TearDown() override
    {
        if (m_game) {
            m_game->Shutdown();
            m_game.reset();
        }
    }

    PemberquillGame& Game() { return *m_game->GetGameObject(); }

    // False when it does not come true in time.
    bool FramesUntil(const std::function<bool()>& isDone)
    {
        for (int frame = 0; frame < ENOUGH_FRAMES && !isDone(); ++frame) {
            if (m_serverWaitMilliseconds > 0) {
                SDL_WaitEventTimeout(nullptr, m_serverWaitMilliseconds);
            }
            m_game->RunFrame();
        }
        return isDone();
    }

    void Frames(int count) { FramesUntil([&count] { return count-- <= 0; }); }

    void WaitFor(const std::string& windowName)
    {
        ASSERT_TRUE(FramesUntil([&windowName] { return TopWindow() != nullptr && TopWindow()->GetName() == windowName; }))
            << windowName << " never came";
        Frames(SETTLE_FRAMES);
    }

    // No frame runs: the game has not yet looked at the pointer there.
    void WarpMouse(const Vector2& virtualPoint)
    {
        const UlvoApplicationInterface& application = *UlvoApplicationInterface::GetDefaultInstance();
        const Vector2 scale = application.GetViewScale();
        const Vector2 pixels =
            application.GetScreenBounds().mins + Vector2(virtualPoint.x / scale.x, virtualPoint.y / scale.y);
        SDL_WarpMouseInWindow(m_window, static_cast<int>(pixels.x), static_cast<int>(pixels.y));
    }

    void MoveMouse(const Vector2& virtualPoint)
    {
        WarpMouse(virtualPoint);
        Frames(2);
    }

    // Each event to the game's window, a frame after each.
    void Push(std::initializer_list<SDL_Event> events)
    {
        for (SDL_Event event : events) {
            event.key.windowID = SDL_GetWindowID(m_window);
            ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
            Frames(1);
        }
    }

    // Where the mouse is, as SDL would send it.
    static SDL_Event ButtonEvent(Uint32 type, Uint8 button)
    {
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        SDL_Event event{};
        event.button = {type, 0, 0, 0, button, type == SDL_MOUSEBUTTONDOWN ? Uint8{SDL_PRESSED} : Uint8{SDL_RELEASED},
                        1, 0, x, y};
        return event;
    }

    void PressMouseButton(Uint8 button = SDL_BUTTON_LEFT)
    {
        Push({ButtonEvent(SDL_MOUSEBUTTONDOWN, button), ButtonEvent(SDL_MOUSEBUTTONUP, button)});
    }

    void PressKey(SDL_Keycode key, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE)
    {
        SDL_Event down{}, up{};
        down.key = {SDL_KEYDOWN, 0, 0, SDL_PRESSED, 0, 0, 0, {scancode, key, modifiers, 0}};
        up.key = {SDL_KEYUP, 0, 0, SDL_RELEASED, 0, 0, 0, {scancode, key, modifiers, 0}};
        Push({down, up});
    }

    // A widget takes the press once it has the focus under the mouse.
    void Click(const BaseWidget& widget)
    {
        MoveMouse(widget.GetBounds().CalcCenter());
        FramesUntil([&widget] { return widget.GetState() == UI_STATE_FOCUSED; });
        PressMouseButton();
        Frames(SETTLE_FRAMES);
    }

    // The widget of that name in the top window, once it takes input.
    void Click(const std::string& widgetName, const std::string& payload = "")
    {
        BaseWidget* widget = nullptr;
        ASSERT_TRUE(FramesUntil([&] {
            widget = FindShown(TopWindow(), widgetName, payload);
            return widget != nullptr && widget->IsTakingInput();
        })) << widgetName << " is not shown in " << (TopWindow() != nullptr ? TopWindow()->GetName() : "");
        Click(*widget);
    }

    void Clicks(std::initializer_list<const char*> widgetNames)
    {
        for (const char* widgetName : widgetNames) {
            ASSERT_NO_FATAL_FAILURE(Click(widgetName)) << widgetName;
        }
    }

    // The centre of a box of the board's own geometry, whose unit box runs
    // over the board's rect on screen.
    static Vector2 OnScreen(const BoardView& view, const AABB2& inBoard)
    {
        const Vector2 centre = inBoard.CalcCenter();
        return view.rect.mins + Vector2(centre.x * view.rect.CalcSize().x, centre.y * view.rect.CalcSize().y);
    }

    void MoveMouse(const BoardView& view, const AABB2& inBoard) { MoveMouse(OnScreen(view, inBoard)); }

    void PressDigitOver(const BoardView& view, const Square& square)
    {
        MoveMouse(view, square.bounds);
        const int value = static_cast<int>(square.solutionValue);
        PressKey(SDLK_0 + value, static_cast<SDL_Scancode>(SDL_SCANCODE_1 + value - 1));
    }

    // The answer of every square of the puzzle in play: on half of them a
    // click on the answer among the candidates, on the others its digit key
    // with the mouse over the square.
    void PlaceTheAnswer()
    {
        ASSERT_NE(Game().GetActivePuzzleView(), nullptr);
        for (const BoardView& view : std::vector<BoardView>(Game().GetActivePuzzleView()->GetBoardViews())) {
            for (const Square& square : view.board->GetSquares()) {
                if ((square.x + square.y) % 2 == 0) {
                    MoveMouse(view, view.board->ComputeBoundsForCandidate(square, square.solutionValue - 1));
                    PressMouseButton();
                } else {
                    PressDigitOver(view, square);
                }
                ASSERT_EQ(view.board->GetSquareValue(square), square.solutionValue) << square.x << "," << square.y;
            }
        }
    }

    testsupport::TemporaryFolder m_userData;
    testsupport::ScopedWorkingDirectory m_inProject{PQ_SOURCE_DIR};
    std::unique_ptr<TheGame> m_game;
    SDL_Window* m_window = nullptr;
    // On a real window system, how long each frame first waits for the
    // server's answers to what the game asked of it.
    int m_serverWaitMilliseconds = 0;
};

}  // namespace player_session
}  // namespace Pemberquill
