// The puzzle window: the canvas the boards are drawn in, the heads-up
// labels, the play buttons and the paint swatches of hidden-cage boards.
// The window draws nothing itself: its canvas fires events carrying the
// puzzle, and the game draws and tracks the boards in their handlers.

#include <algorithm>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"

namespace Pemberquill {

namespace {

const Rgba ORANGE(255, 128, 0, 255);
const Rgba SHADE(0, 0, 0, 180);

void SetShowAndHideAnims(NamedProperties& bag)
{
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
}

void SetCentredText(NamedProperties& bag)
{
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
}

} // namespace

int PemberquillUI::CreatePuzzleWindow(Puzzle* puzzle, const std::string& menuEventName, bool showChallengeButton,
                                      bool isChallengePuzzle)
{
    const Vector2 screen = GetScreenSize();
    const float s = screen.x / 1024.0f;

    DestroyWindow(GAME_WINDOW_PUZZLE);
    m_isSingleBoardPuzzleWindow = puzzle->GetBoards().size() < 2;
    const Vector2 canvasSize = m_isSingleBoardPuzzleWindow ? Vector2(560.0f * s, 560.0f * s)
                                                           : Vector2(986.0f * s, 460.0f * s);
    const Vector2 canvasOffset = m_isSingleBoardPuzzleWindow ? Vector2(324.0f * s, 40.0f * s)
                                                             : Vector2(20.0f * s, 140.0f * s);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "PuzzleWindow");
    bag.Set("Size", screen);
    bag.Set("BaseColor", Rgba(240, 240, 200, 255));
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    bag.Set("EscapePops", false);
    bag.Set<std::string>("EscapeEvent", menuEventName);
    bag.Set<std::string>("PostRenderEventToFire", "CampaignPuzzlePostRenderEvent");
    bag.Set<std::string>("HideEventToFire", "PlayablePuzzleHiddenEvent");
    bag.Set("HideEventToFireProperty", puzzle);
    const int window = BuildWindow(GAME_WINDOW_PUZZLE, bag);

    CreatePuzzleHudLabels(window, puzzle, isChallengePuzzle);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "PuzzleCanvas");
    bag.Set("Size", canvasSize);
    bag.Set("Offset", canvasOffset);
    bag.Set("BaseColor", Rgba(0, 0, 0, 255));
    bag.Set("BorderColor", Rgba(0, 0, 0, 255));
    bag.Set("Virtual", true);
    bag.Set("Transparent", false);
    bag.Set<std::string>("ShowEventToFire", "PlayablePuzzleShownEvent");
    bag.Set<std::string>("UpdateEventToFire", "PlayablePuzzleUpdateEvent");
    bag.Set<std::string>("PostRenderEventToFire", "PuzzleViewRenderEvent");
    bag.Set("ShowEventToFireProperty", puzzle);
    bag.Set("UpdateEventToFireProperty", puzzle);
    bag.Set("PostRenderEventToFireProperty", puzzle);
    bag.Set("Parent", window);
    SetShowAndHideAnims(bag);
    CreateComponent(bag);

    CreatePuzzleButtons(window, menuEventName, puzzle, showChallengeButton);
    if (puzzle->HasBoardWithAttributeBit0()) {
        CreatePaintButtonsGroup(window, puzzle);
    }
    return window;
}

void PemberquillUI::CreatePuzzleHudLabels(int window, Puzzle* puzzle, bool isChallengePuzzle)
{
    const Vector2 screen = GetScreenSize();
    const float s = screen.x / 1024.0f;

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "HintTextLabel");
    bag.Set("Parent", window);
    bag.Set<std::string>("Label", "");
    bag.Set("FontColor", Rgba(0, 0, 0, 255));
    bag.Set("Size", Vector2(screen.x, 20.0f * s));
    bag.Set("Offset", Vector2(0.0f, screen.y - 40.0f * s));
    SetCentredText(bag);
    bag.Set<std::string>("SetDefaultLabelEvent", "HintTextChangedEvent");
    bag.Set("FeatherFractionLeft", 0.1f);
    bag.Set("FeatherFractionRight", 0.1f);
    bag.Set("RenderBackground", true);
    bag.Set("BaseColor", Rgba(255, 255, 255, 0));
    SetShowAndHideAnims(bag);
    CreateComponent(bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "PuzzleNameLabel");
    bag.Set("Parent", window);
    bag.Set<std::string>("Label", isChallengePuzzle ? std::string("Challenge Puzzle!")
                                                    : "Puzzle: " + puzzle->GetDisplayName());
    bag.Set("FontColor", ORANGE);
    bag.Set("BaseColor", SHADE);
    bag.Set("Shadowed", true);
    bag.Set("ShadowColor", SHADE);
    bag.Set("FontHeight", 25.0f * s);
    bag.Set("Size", Vector2(512.0f * s, 32.0f * s));
    bag.Set("Offset", Vector2(256.0f * s, 0.0f));
    SetCentredText(bag);
    bag.Set("RenderBackground", true);
    bag.Set("FeatherFractionLeft", 0.3f);
    bag.Set("FeatherFractionRight", 0.3f);
    SetShowAndHideAnims(bag);
    CreateComponent(bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "ParStepsLabel");
    bag.Set("Parent", window);
    bag.Set<std::string>("Label", "");
    bag.Set<std::string>("SetDefaultLabelEvent", "PuzzleStepsChangedEvent");
    bag.Set("FontColor", ORANGE);
    bag.Set("BaseColor", SHADE);
    bag.Set("RenderBackground", true);
    bag.Set("FeatherFractionLeft", 0.5f);
    bag.Set("Shadowed", true);
    bag.Set("ShadowColor", Rgba(0, 0, 0, 120));
    bag.Set("FontHeight", 20.0f * s);
    bag.Set("FontBold", true);
    bag.Set("Size", Vector2(200.0f, 20.0f * s));
    bag.Set("Offset", Vector2(screen.x - 200.0f, 0.0f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_RIGHT);
    bag.Set("TextOffset", Vector2(-10.0f, 0.0f));
    bag.Set("BorderThickness", 0);
    SetShowAndHideAnims(bag);
    CreateComponent(bag);
}

void PemberquillUI::CreatePuzzleButtons(int window, const std::string& menuEventName, Puzzle* puzzle,
                                        bool showChallengeButton)
{
    const float s = GetScreenSize().x / 1024.0f;
    constexpr float COLUMN_X = 20.0f;
    constexpr float FIRST_ROW_Y = 20.0f;
    constexpr float COLUMN_STEP = 32.0f;

    auto create = [&](const char* name, const Vector2& offset, const char* label,
                      const std::string& eventName, bool passesPuzzle, const char* rolloverText) {
        NamedProperties bag;
        bag.Set<std::string>("Name", name);
        bag.Set("Parent", window);
        bag.Set("Offset", offset);
        bag.Set<std::string>("Label", label);
        bag.Set<std::string>("OnActivationEventName", eventName);
        if (passesPuzzle) {
            bag.Set("OnActivationEventNameProperty", puzzle);
        }
        bag.Set<std::string>("RolloverText", rolloverText);
        return bag;
    };

    float y = FIRST_ROW_Y;
    NamedProperties bag = create("PuzzleMenuButton", Vector2(COLUMN_X, y), "Menu", menuEventName, true,
                                 "Pause the game and choose to resume, exit, or change options.");
    CreateStyledButton(1, bag);
    y += COLUMN_STEP;
    bag = create("HintButton", Vector2(COLUMN_X, y), "Solving Tip", "GiveHintEvent", false,
                 "Get a hint without giving away any answers.  Each hint is more specific.");
    bag.Set<std::string>("SetDefaultLabelEvent", "HintStageChangedEvent");
    CreateStyledButton(1, bag);
    y += COLUMN_STEP;
    if (showChallengeButton) {
        bag = create("TakeTheChallengeButton", Vector2(COLUMN_X, y), "Take the Challenge!",
                     "ConfirmTakeTheChallengeEvent", false, "Lets you jump ahead to the Challenge puzzle!");
        CreateStyledButton(1, bag);
        y += COLUMN_STEP;
    }

    const bool isSingleBoard = puzzle->GetBoards().size() < 2;
    const Vector2 undoOffset = isSingleBoard ? Vector2(COLUMN_X, y) : Vector2(414.0f * s, 40.0f * s);
    const Vector2 redoOffset = isSingleBoard ? Vector2(130.0f, y) : Vector2(524.0f * s, 40.0f * s);
    bag = create("UndoButton", undoOffset, "Undo", "UndoEvent", true,
                 "Undo the previous action.  You can repeat this for every step you've taken in the puzzle.");
    bag.Set<std::string>("SetVisibilityEvent", "UndoButtonVisibilityEvent");
    CreateStyledButton(2, bag);
    bag = create("RedoButton", redoOffset, "Redo", "RedoEvent", true,
                 "Redo the last action you undid.  You can repeat this for every step you've taken in the puzzle.");
    bag.Set<std::string>("SetVisibilityEvent", "RedoButtonVisibilityEvent");
    CreateStyledButton(2, bag);
}

int PemberquillUI::CreatePaintButtonsGroup(int window, Puzzle* puzzle)
{
    const float s = GetScreenSize().x / 1024.0f;
    constexpr int SWATCHES_LAID_OUT = 6;

    DestroyWindow(GAME_WINDOW_PAINT_BUTTONS);
    const bool isColumn = puzzle->GetBoards().size() < 2;
    const Vector2 size = isColumn ? Vector2(60.0f * s, 400.0f * s) : Vector2(328.0f * s, 65.0f * s);
    const Vector2 offset = isColumn ? Vector2(900.0f * s, 170.0f * s) : Vector2(348.0f * s, 71.0f * s);
    const float side = isColumn ? 50.0f * s : 40.0f * s;
    const float titleHeight = isColumn ? 40.0f : 20.0f * s;
    const float gap = isColumn ? (size.y - titleHeight - SWATCHES_LAID_OUT * side) / (SWATCHES_LAID_OUT + 1)
                               : (size.x - SWATCHES_LAID_OUT * side) / (SWATCHES_LAID_OUT + 1);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "PaintButtonsGroup");
    bag.Set("Parent", window);
    bag.Set("Size", size);
    bag.Set("Offset", offset);
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    bag.Set("BaseColor", Rgba(0, 0, 0, 160));
    bag.Set("TintGradient", 0.0f);
    SetShowAndHideAnims(bag);
    const int group = CreateComponent(bag);
    m_windowHandles[GAME_WINDOW_PAINT_BUTTONS] = group;

    auto createTitle = [&](const char* label, float y, float height) {
        NamedProperties title;
        title.Set("Type", UI_WIDGET_TYPE_LABEL);
        title.Set<std::string>("Name", "PaintLabel");
        title.Set("Parent", group);
        title.Set<std::string>("Label", label);
        title.Set("Size", Vector2(size.x, height));
        title.Set("Offset", Vector2(0.0f, y));
        title.Set("FontHeight", height);
        title.Set("FontColor", ORANGE);
        title.Set("Shadowed", true);
        title.Set("ShadowColor", SHADE);
        SetCentredText(title);
        SetShowAndHideAnims(title);
        CreateComponent(title);
    };
    if (isColumn) {
        createTitle("Paint", 0.0f, titleHeight * 0.5f);
        createTitle("Colors", titleHeight * 0.5f, titleHeight * 0.5f);
    } else {
        createTitle("Paint Colors", 0.0f, titleHeight);
    }

    const Board& board = *puzzle->GetBoards().front();
    std::vector<unsigned> colorIndices = board.GetColorChoices();
    std::sort(colorIndices.begin(), colorIndices.end());
    colorIndices.erase(std::unique(colorIndices.begin(), colorIndices.end()), colorIndices.end());
    const float step = side + gap;
    for (size_t i = 0; i < colorIndices.size(); ++i) {
        const int colorIndex = static_cast<int>(colorIndices[i]);
        const Rgba color = board.GetPaletteColor(colorIndex);
        const float along = static_cast<float>(i) * step;
        bag.Clear();
        bag.Set("Type", UI_WIDGET_TYPE_BUTTON);
        bag.Set<std::string>("Name", Stringf("PaintButton%d", colorIndex));
        bag.Set("BaseColor", color);
        bag.Set("TintGradient", 0.3f);
        bag.Set("BorderThickness", 2);
        bag.Set("BorderColor", Rgba(0, 0, 0, 255));
        bag.Set<std::string>("Label", "");
        bag.Set("Parent", group);
        bag.Set("Size", Vector2(side, side));
        bag.Set("Offset", isColumn ? Vector2(5.0f, titleHeight + gap + along) : Vector2(gap + along, 20.0f));
        bag.Set<std::string>("OnActivationEventName", "BeginPaintingEvent");
        bag.Set("OnActivationEventNameProperty", colorIndex);
        bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
        bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
        bag.Set<std::string>("RolloverText", "Switch to a paintbrush with this color to paint one square.");
        const int button = CreateComponent(bag);
        if (button == NO_WINDOW) {
            continue;
        }
        for (UIState state : {UI_STATE_FOCUSED, UI_STATE_SELECTED}) {
            NamedProperties look;
            look.Set("BorderThickness", 2);
            look.Set("BorderColor", Rgba(255, 0, 0, 255));
            look.Set("BaseColor", color);
            look.Set("TintGradient", -0.3f);
            m_uiModule->SetWidgetState(button, state, look);
        }
    }
    return group;
}

} // namespace Pemberquill
