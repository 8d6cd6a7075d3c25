// The game object on a real X server without a window manager, which never
// carries out a full-screen switch: a new player's first start in full
// screen, then Alt+Enter twice. Skipped, with the reason, where no X server
// can start.

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "game/options/PemberquillOptions.h"
#include "tests/game/shell/PlayerSessionSupport.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/VirtualXServer.h"

// Xlib's macros (None, Bool, ...) would break the headers above.
#include <SDL_syswm.h>

namespace Pemberquill {
namespace {

using namespace player_session;
using platform_test::ScopedEnvironment;

class FullScreenOnXServerTest : public PlayerSession {
protected:
    static void SetUpTestSuite() { s_unavailable = testsupport::StartVirtualXServer(s_display); }

    void SetUp() override
    {
        if (!s_unavailable.empty()) {
            GTEST_SKIP() << "no X server: " << s_unavailable;
        }
        m_serverWaitMilliseconds = 5;
        StartGame("");
    }

    void TearDown() override
    {
        if (m_game != nullptr) {
            FireGlobalEvent("QuitGameEvent");
            m_game->Run();
            m_game->Shutdown();
        }
    }

    void PressAltEnter()
    {
        SDL_Event down{}, up{};
        down.key = {SDL_KEYDOWN, 0, SDL_GetWindowID(m_window), SDL_PRESSED, 0, 0, 0,
                    {SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT, 0}};
        up.key = {SDL_KEYUP, 0, SDL_GetWindowID(m_window), SDL_RELEASED, 0, 0, 0,
                  {SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LALT, 0}};
        Push({down, up});
        Frames(SETTLE_FRAMES);
    }

    // The client area the X server gives the window.
    AABB2 ClientArea() const
    {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        XWindowAttributes attributes{};
        if (SDL_GetWindowWMInfo(m_window, &info) == SDL_TRUE) {
            XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes);
        }
        return AABB2(0.0f, 0.0f, static_cast<float>(attributes.width), static_cast<float>(attributes.height));
    }

    // The widget's box in client pixels.
    static AABB2 OnTheClient(const BaseWidget& widget)
    {
        const UlvoApplicationInterface& application = *UlvoApplicationInterface::GetDefaultInstance();
        const Vector2 scale = application.GetViewScale();
        const Vector2 origin = application.GetScreenBounds().mins;
        const AABB2 bounds = widget.GetBounds();
        return AABB2(origin + Vector2(bounds.mins.x / scale.x, bounds.mins.y / scale.y),
                     origin + Vector2(bounds.maxs.x / scale.x, bounds.maxs.y / scale.y));
    }

    void ExpectTheTitleInsideTheClientArea(const char* step)
    {
        ASSERT_TRUE(FramesUntil([] { return TopWindow() != nullptr && TopWindow()->GetName() == "TitleWindow"; }))
            << step;
        Frames(SETTLE_FRAMES);
        const AABB2 client = ClientArea();
        for (const char* name : {"TitleWindow", "PlayButton"}) {
            const BaseWidget* widget = FindShown(TopWindow(), name);
            ASSERT_NE(widget, nullptr) << name;
            const AABB2 box = OnTheClient(*widget);
            EXPECT_TRUE(box.mins.x >= client.mins.x && box.mins.y >= client.mins.y && box.maxs.x <= client.maxs.x &&
                        box.maxs.y <= client.maxs.y)
                << step << ": " << name << " at (" << box.mins.x << "," << box.mins.y << ")-(" << box.maxs.x << ","
                << box.maxs.y << ") in a client area of " << client.maxs.x << " x " << client.maxs.y;
        }
    }

    inline static std::string s_display;
    inline static std::string s_unavailable;
    ScopedEnvironment m_displayName{"DISPLAY", s_display.c_str()};
    ScopedEnvironment m_driver{"SDL_VIDEODRIVER", "x11"};
};

TEST_F(FullScreenOnXServerTest, TheTitleLiesInsideTheWindowAtTheFirstStartAndAfterEachAltEnter)
{
    ExpectTheTitleInsideTheClientArea("first start, full screen");
    ASSERT_FALSE(GetPemberquillOptions().IsWindowed());
    ASSERT_NO_FATAL_FAILURE(PressAltEnter());
    ASSERT_TRUE(GetPemberquillOptions().IsWindowed());
    ExpectTheTitleInsideTheClientArea("windowed");
    ASSERT_NO_FATAL_FAILURE(PressAltEnter());
    ASSERT_FALSE(GetPemberquillOptions().IsWindowed());
    ExpectTheTitleInsideTheClientArea("full screen again");
}

} // namespace
} // namespace Pemberquill
