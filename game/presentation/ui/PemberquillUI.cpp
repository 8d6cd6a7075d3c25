#include "game/presentation/ui/PemberquillUI.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/BaseWidget.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"

namespace Pemberquill {

namespace {

PemberquillUI* g_pemberquillUI = nullptr;

// The groups that live inside a window and go with it.
struct DependentWindows {
    int windowId;
    int dependants[3];
};
constexpr DependentWindows DEPENDENT_WINDOWS[] = {
    {GAME_WINDOW_PUZZLE, {GAME_WINDOW_SOLUTIONS_PANEL, GAME_WINDOW_PAINT_BUTTONS, GAME_WINDOW_PUZZLE_GROUP_26}},
    {GAME_WINDOW_PUZZLE_SET, {GAME_WINDOW_EASY_PUZZLES, GAME_WINDOW_MEDIUM_PUZZLES, GAME_WINDOW_HARD_PUZZLES}},
};

} // namespace

PemberquillUI::PemberquillUI()
{
    for (int windowId = 0; windowId < GAME_WINDOW_COUNT; ++windowId) {
        m_windowHandles[windowId] = NO_WINDOW;
    }
    g_pemberquillUI = this;
    SetPlayerProfileScreens(&m_profileScreens);
}

PemberquillUI::~PemberquillUI()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "UI was deleted without Shutdown() being called.",
                              "PemberquillUI Destructor");
    ReleaseImages();
    if (g_pemberquillUI == this) {
        g_pemberquillUI = nullptr;
    }
    if (GetPlayerProfileScreens() == &m_profileScreens) {
        SetPlayerProfileScreens(nullptr);
    }
}

PemberquillUI* PemberquillUI::GetGlobal()
{
    return g_pemberquillUI;
}

void PemberquillUI::Startup(Clock& parentClock)
{
    ConsolePrintf("PemberquillUI Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized UI.", "PemberquillUI::Startup");
    RegisterEventHandlers();
    m_clock = std::make_unique<Clock>(&parentClock);
    m_uiModule = UlvoUIInterface::GetDefaultInstance();
    PreloadImages();
    CreateTitleWindow();
    CreateMessageWindow();
    CreateOptionsWindow();
    CreateCampaignEscapeMenu();
    m_isInitialized = true;
    ConsolePrintf("PemberquillUI Startup complete.\n");
}

void PemberquillUI::Shutdown()
{
    ConsolePrintf("PemberquillUI Shutdown begun.\n");
    ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized UI.", "PemberquillUI::Shutdown");
    m_isInitialized = false;
    ConsolePrintf("PemberquillUI Shutdown complete.\n");
}

int PemberquillUI::GetWindowHandle(int windowId)
{
    if (g_pemberquillUI == nullptr) {
        return NO_WINDOW;
    }
    const auto found = g_pemberquillUI->m_windowHandles.find(windowId);
    return found != g_pemberquillUI->m_windowHandles.end() ? found->second : NO_WINDOW;
}

bool PemberquillUI::IsWindowShown(int windowId)
{
    const BaseWidget* window = BaseWidget::FindWidgetByHandle(GetWindowHandle(windowId));
    return window != nullptr && window->GetState() != UI_STATE_HIDDEN;
}

void PemberquillUI::FireWindowStackEvent(const char* eventName, int windowId, const char* flagName, bool flag)
{
    const auto found = m_windowHandles.find(windowId);
    if (found != m_windowHandles.end()) {
        NamedProperties args;
        args.Set("Handle", found->second);
        args.Set(flagName, flag);
        FireGlobalEvent(eventName, args);
    }
    // After the window's own handlers, so that nothing a shown or hidden
    // widget published stays on the line.
    ClearRolloverText();
}

void PemberquillUI::PushWindow(int windowId, bool pushImmediately)
{
    FireWindowStackEvent("WindowPushEvent", windowId, "PushImmediately", pushImmediately);
}

void PemberquillUI::PopWindow(int windowId, bool allowAnimationsToFinish)
{
    FireWindowStackEvent("WindowPopEvent", windowId, "AllowAnimationsToFinish", allowAnimationsToFinish);
}

void PemberquillUI::ClearRolloverText()
{
    NamedProperties args;
    args.Set<std::string>("Label", "");
    args.Set("BaseColor", Rgba(255, 255, 255, 0));
    FireGlobalEvent("RolloverTextChangedEvent", args);
}

void PemberquillUI::DestroyWindow(int windowId)
{
    const auto found = m_windowHandles.find(windowId);
    if (found == m_windowHandles.end()) {
        return;
    }
    const int handle = found->second;
    if (handle != NO_WINDOW) {
        if (m_uiModule != nullptr) {
            m_uiModule->DeleteComponent(handle);
        }
        for (const DependentWindows& entry : DEPENDENT_WINDOWS) {
            if (entry.windowId == windowId) {
                for (int dependant : entry.dependants) {
                    m_windowHandles[dependant] = NO_WINDOW;
                }
            }
        }
        // The toolkit deleted the text area as a child of its window.
        if (handle == m_instructorTextAreaParent) {
            m_windowHandles[GAME_WINDOW_INSTRUCTOR_TEXT_AREA] = NO_WINDOW;
            m_instructorTextAreaParent = NO_WINDOW;
        }
    }
    found->second = NO_WINDOW;
}

// Without a UI module (a game object under test) no screen is built and
// every window stays unbuilt.
int PemberquillUI::CreateComponent(NamedProperties& description)
{
    return m_uiModule != nullptr ? m_uiModule->CreateComponent(description) : NO_WINDOW;
}

int PemberquillUI::BuildWindow(int windowId, NamedProperties& description)
{
    DestroyWindow(windowId);
    const int handle = CreateComponent(description);
    m_windowHandles[windowId] = handle;
    return handle;
}

int PemberquillUI::CreateMessageWindow()
{
    const Vector2 screen = GetScreenSize();
    const float scale = screen.x / 1024.0f;
    const float lineHeight = 20.0f * scale;

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "MessageWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("Virtual", true);
    bag.Set("Overlay", true);
    const int window = BuildWindow(GAME_WINDOW_MESSAGE, bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "RolloverTextLabel");
    bag.Set("Parent", window);
    bag.Set("Size", Vector2(screen.x, lineHeight));
    bag.Set("Offset", Vector2(0.0f, screen.y - lineHeight));
    bag.Set<std::string>("Label", "");
    bag.Set("FontColor", Rgba(0, 200, 0, 255));
    bag.Set("Shadowed", true);
    bag.Set("ShadowColor", Rgba(0, 0, 0, 80));
    bag.Set("RenderBackground", true);
    bag.Set("BaseColor", Rgba(0, 0, 0, 200));
    bag.Set("FeatherFractionLeft", 0.3f);
    bag.Set("FeatherFractionRight", 0.3f);
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set<std::string>("SetDefaultLabelEvent", "RolloverTextChangedEvent");
    CreateComponent(bag);
    return window;
}

} // namespace Pemberquill
