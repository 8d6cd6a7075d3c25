// The tutorial window with its buttons and the canvas of the tutorial puzzle.

#include <iterator>

#include "engine/core/NamedProperties.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

int PemberquillUI::CreateTutorialWindow()
{
    const Vector2 screen = GetScreenSize();
    Puzzle* const noPuzzle = nullptr;

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "TutorialWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("BaseColor", Rgba(255, 255, 255, 0));
    bag.Set("Virtual", true);
    bag.Set<std::string>("PostRenderEventToFire", "TutorialWindowPostRenderEvent");
    bag.Set<std::string>("ShowAnim", "ButtonWindowShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set<std::string>("EscapeEvent", "InstructorExitTutorial");
    bag.Set<std::string>("HideEventToFire", "InstructorPuzzleHiddenEvent");
    bag.Set("HideEventToFireProperty", noPuzzle);
    const int window = BuildWindow(GAME_WINDOW_TUTORIAL, bag);

    static const struct {
        const char* name;
        const char* label;
        float y;
        const char* eventName;
        const char* visibilityEventName;
        const char* rolloverText;
    } BUTTONS[] = {
        {"ExitTutorialButton", "Exit Tutorial", 20.0f, "InstructorExitTutorial", nullptr,
         "Click this button to exit the tutorial."},
        {"RestartTutorialButton", "Restart Tutorial", 65.0f, "InstructorRestartTutorial", nullptr,
         "Click this button to restart the tutorial."},
        {"NextTutorialButton", "Next Page", 520.0f, "InstructorAdvanceToNextLesson",
         "SetEnabledStatusForTutorialNextLessonButton",
         "Click this button to go to the next step of the tutorial..."},
    };
    for (const auto& button : BUTTONS) {
        bag.Clear();
        bag.Set<std::string>("Name", button.name);
        bag.Set("Parent", window);
        bag.Set("Offset", Vector2(20.0f, button.y));
        bag.Set<std::string>("Label", button.label);
        bag.Set<std::string>("OnActivationEventName", button.eventName);
        if (button.visibilityEventName != nullptr) {
            bag.Set<std::string>("SetVisibilityEvent", button.visibilityEventName);
        }
        bag.Set<std::string>("RolloverText", button.rolloverText);
        CreateStyledButton(1, bag);
    }

    // The instructor writes its first lesson later.
    CreateInstructorTextArea(window, {});

    const float side = 0.9f * screen.y;
    const float margin = (screen.y - side) * 0.5f;
    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "PuzzleCanvas");
    bag.Set("Parent", window);
    bag.Set("Size", Vector2(side, side));
    bag.Set("Offset", Vector2(screen.x - margin - side, margin));
    bag.Set("BaseColor", Rgba(0, 0, 0, 0));
    bag.Set("BorderColor", Rgba(0, 0, 0, 0));
    bag.Set("Virtual", true);
    bag.Set("Transparent", false);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set<std::string>("ShowEventToFire", "InstructorPuzzleShownEvent");
    bag.Set("ShowEventToFireProperty", noPuzzle);
    bag.Set<std::string>("UpdateEventToFire", "InstructorPuzzleUpdateEvent");
    bag.Set("UpdateEventToFireProperty", noPuzzle);
    bag.Set<std::string>("PostRenderEventToFire", "InstructorPuzzleViewRenderEvent");
    bag.Set("PostRenderEventToFireProperty", noPuzzle);
    CreateComponent(bag);
    return window;
}

} // namespace Pemberquill
