// The cage-solutions panel beside the board: the focused cage's rule in its
// colour and one line per solution, green while possible, red once ruled
// out. Rebuilt from scratch on every publication of the board.

#include <algorithm>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/common/CageRules.h"
#include "game/common/GameSounds.h"
#include "game/common/SaveOutcomes.h"
#include "game/presentation/board/InstructorView.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/board/Cage.h"
#include "game/puzzle/board/SolutionsLayout.h"
#include "game/options/PemberquillOptions.h"

namespace Pemberquill {

namespace {

// The panel keeps the height of this many rows; more solutions get smaller
// rows and a smaller font.
constexpr float ROWS_LAID_OUT = 24.0f;
const Rgba ELIMINATED_COLOR(255, 50, 50, 255);
const Rgba POSSIBLE_COLOR(0, 255, 0, 255);
constexpr int HEADER_BRIGHTNESS = 150;

bool IsFlagged(const std::vector<bool>& flags, size_t index)
{
    return index < flags.size() && flags[index];
}

float GetPanelX(int layout, float s)
{
    switch (layout) {
    case SOLUTIONS_LAYOUT_FIRST_BOARD:
        return 680.0f * s;
    case SOLUTIONS_LAYOUT_OTHER_BOARD:
        return 220.0f * s;
    default:
        return 894.0f * s;
    }
}

void SetReadingLineLook(NamedProperties& bag, float fontHeight)
{
    bag.Set("FontBold", true);
    bag.Set("FontHeight", fontHeight);
    bag.Set("Shadowed", true);
    bag.Set("ShadowColor", Rgba(0, 0, 0, 180));
    bag.Set("Enabled", true);
    bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
    bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
}

} // namespace

void PemberquillUI::RegisterEventHandlers()
{
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    RegisterEventHandler("UpdateSolutionsEvent", eventSystem, &PemberquillUI::Event_OnUpdateSolutions, this);
    RegisterEventHandler("EditBoxKeypressEvent", eventSystem, &PemberquillUI::Event_OnEditBoxKeypress, this);
    RegisterEventHandler("SetSolutionsEvent", eventSystem, &PemberquillUI::Event_OnSetSolutions, this);
    RegisterEventHandler(PROGRESS_SAVE_STATE_EVENT, eventSystem, &PemberquillUI::Event_OnProgressSaveStateChanged,
                         this);
}

void PemberquillUI::Event_OnEditBoxKeypress(NamedProperties& /*args*/)
{
    PlaySound(SOUND_UI_EDITBOX_KEYPRESS);
}

void PemberquillUI::Event_OnSetSolutions(NamedProperties& args)
{
    bool isShowing = true;
    if (args.Get("Value", isShowing) == PROPERTY_FETCH_OK && !isShowing) {
        DestroyWindow(GAME_WINDOW_SOLUTIONS_PANEL);
    }
}

void PemberquillUI::Event_OnUpdateSolutions(NamedProperties& args)
{
    const InstructorView* instructor = GetInstructorView();
    if (GetBoardSettings().IsAutoSolving() || !GetPemberquillOptions().IsShowingSolutions() ||
        (instructor != nullptr && instructor->IsScriptedTutorialRunning()) ||
        GetWindowHandle(GAME_WINDOW_PUZZLE) == NO_WINDOW) {
        return;
    }
    std::vector<std::string> descriptions;
    std::vector<bool> solverEliminated;
    std::vector<bool> autoEliminated;
    Board* board = nullptr;
    Cage* cage = nullptr;
    SolutionsLayout layout = SOLUTIONS_LAYOUT_SINGLE_BOARD;
    // Read with the rest of the publication; the panel's lines are for
    // reading only, so whether the board lets them be edited changes nothing.
    bool areEditable = false;
    args.Get("SolutionDescriptions", descriptions);
    args.Get("SolutionsSolverEliminated", solverEliminated);
    args.Get("SolutionsAutoEliminated", autoEliminated);
    args.Get("AreSolutionsEditable", areEditable);
    args.Get("FocusBoard", board);
    args.Get("FocusCage", cage);
    args.Get("SolutionsLayout", layout);
    CreateSolutionsPanel(layout, board, cage, descriptions, solverEliminated, autoEliminated);
}

int PemberquillUI::CreateSolutionsPanel(int layout, const Board* board, const Cage* cage,
                                        const std::vector<std::string>& descriptions,
                                        const std::vector<bool>& solverEliminated,
                                        const std::vector<bool>& autoEliminated)
{
    DestroyWindow(GAME_WINDOW_SOLUTIONS_PANEL);
    if (descriptions.empty()) {
        return NO_WINDOW;
    }
    const float s = GetScreenSize().x / 1024.0f;
    const float count = static_cast<float>(descriptions.size());
    const float rowHeight = 540.0f * s / std::max(count, ROWS_LAID_OUT);
    const float fontHeight = count <= ROWS_LAID_OUT ? 20.0f * s : 20.0f * s * ROWS_LAID_OUT / count;
    const float width = 120.0f * s;
    const float top = 25.0f * s;

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "SolutionsPanel");
    bag.Set("Parent", GetWindowHandle(GAME_WINDOW_PUZZLE));
    bag.Set("Size", Vector2(width, top + count * rowHeight));
    bag.Set("Offset", Vector2(GetPanelX(layout, s), 40.0f * s));
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    bag.Set("BaseColor", Rgba(0, 0, 0, 192));
    bag.Set("BorderColor", Rgba(0, 0, 0, 255));
    bag.Set("BorderThickness", 2);
    const int panel = CreateComponent(bag);
    m_windowHandles[GAME_WINDOW_SOLUTIONS_PANEL] = panel;

    for (size_t i = 0; i < descriptions.size(); ++i) {
        const bool isEliminated = IsFlagged(solverEliminated, i) || IsFlagged(autoEliminated, i);
        bag.Clear();
        bag.Set("Type", UI_WIDGET_TYPE_LABEL);
        bag.Set<std::string>("Name", Stringf("Solution%d", static_cast<int>(i)));
        bag.Set<std::string>("Label", descriptions[i]);
        bag.Set("FontColor", isEliminated ? ELIMINATED_COLOR : POSSIBLE_COLOR);
        SetReadingLineLook(bag, fontHeight);
        bag.Set("Parent", panel);
        bag.Set("Size", Vector2(width, rowHeight));
        bag.Set("Offset", Vector2(10.0f, top + static_cast<float>(i) * rowHeight));
        CreateComponent(bag);
    }

    std::string header;
    // Without a cage the header is empty; its band then takes the colour of
    // a square without a cage.
    Rgba headerColor(200, 200, 200, 255);
    if (board != nullptr && cage != nullptr) {
        header = cage->rule == CAGE_RULE_STRAIGHT ? std::string("Straights") : cage->GetRuleText() + " solutions";
        headerColor = board->GetCageColor(*cage);
    }
    headerColor.SetBrightness(HEADER_BRIGHTNESS);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "Solution Panel Header");
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    bag.Set("RenderBackground", true);
    bag.Set("BaseColor", headerColor);
    bag.Set("TintGradient", 0.3f);
    bag.Set("FontColor", Rgba(255, 255, 255, 255));
    SetReadingLineLook(bag, fontHeight);
    bag.Set("BorderColor", Rgba(0, 0, 0, 255));
    bag.Set("BorderThickness", 3);
    bag.Set<std::string>("Label", header);
    bag.Set("Parent", panel);
    bag.Set("Size", Vector2(width, rowHeight));
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_LEFT);
    bag.Set("TextOffset", Vector2(5.0f * s, 0.0f));
    CreateComponent(bag);
    return panel;
}

} // namespace Pemberquill
