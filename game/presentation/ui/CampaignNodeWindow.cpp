// The location window: the homework puzzles and the challenge until the
// location is satisfied, then the easy, medium and hard puzzles a page each.

#include <algorithm>

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/campaign/CampaignNode.h"

namespace Pemberquill {

namespace {

const Rgba YELLOW(255, 255, 0, 255);
const Rgba WHITE(255, 255, 255, 255);
const Rgba CLEAR(0, 0, 0, 0);
const Rgba FOCUSED_THUMBNAIL_BACK(0, 0, 0, 128);
constexpr int HOMEWORK_COLUMNS = 6;
// Widths and heights below are of a 1024 x 640 screen, scaled to the real one.
constexpr float CHALLENGE_SHARE = 0.28f;

struct DifficultyGroup {
    int windowId;
    const char* name;
    int range;
    float y;
};
constexpr DifficultyGroup DIFFICULTY_GROUPS[] = {
    {GAME_WINDOW_EASY_PUZZLES, "Easy", PUZZLE_SET_RANGE_EASY, 110.0f},
    {GAME_WINDOW_MEDIUM_PUZZLES, "Medium", PUZZLE_SET_RANGE_MEDIUM, 280.0f},
    {GAME_WINDOW_HARD_PUZZLES, "Hard", PUZZLE_SET_RANGE_HARD, 450.0f},
};

int GetStoredPage(const PuzzleSet& set, int range)
{
    const PuzzleSetProgress* progress = set.GetProgress();
    if (progress == nullptr) {
        return 0;
    }
    switch (range) {
    case PUZZLE_SET_RANGE_EASY:
        return progress->GetEasyPage();
    case PUZZLE_SET_RANGE_MEDIUM:
        return progress->GetMediumPage();
    default:
        return progress->GetHardPage();
    }
}

} // namespace

HomeworkLayout GetHomeworkLayout(const Vector2& screen, int puzzleCount)
{
    HomeworkLayout layout;
    const float margin = 20.0f * screen.x / 1024.0f;
    const float rowGap = 40.0f * screen.x / 1024.0f;
    const float groupHeight = 400.0f * screen.y / 640.0f;
    layout.groupOffset = Vector2(margin, 220.0f * screen.y / 640.0f);
    layout.groupSize = Vector2(screen.x - 2.0f * margin - CHALLENGE_SHARE * screen.x, groupHeight);
    const float cell = layout.groupSize.x / HOMEWORK_COLUMNS;
    const float stagger = (groupHeight - 2.0f * cell - rowGap) / 5.0f;
    // Six or fewer puzzles take the last columns of the first row.
    const int firstSlot = std::clamp(HOMEWORK_COLUMNS - puzzleCount, 0, 999);
    for (int i = 0; i < puzzleCount; ++i) {
        const int slot = firstSlot + i;
        const int column = slot % HOMEWORK_COLUMNS;
        const int row = slot / HOMEWORK_COLUMNS;
        const Vector2 mins(column * cell, row * (cell + rowGap) + column * stagger);
        layout.boxes.emplace_back(mins, mins + Vector2(cell, cell));
    }
    const float challengeSide = CHALLENGE_SHARE * screen.x;
    const float bottom = 620.0f * screen.y / 640.0f;
    layout.challengeBox = AABB2(Vector2(screen.x - margin - challengeSide, bottom - challengeSide),
                                Vector2(screen.x - margin, bottom));
    return layout;
}

int PemberquillUI::CreateCampaignNodeWindow(CampaignNode* node)
{
    ULVO_ASSERT(node, "Unable to create window for NULL CampaignNode.", "PemberquillUI::CreateCampaignNodeWindow");
    const Vector2 screen = GetScreenSize();
    const PuzzleSet* set = node->GetPuzzleSet();

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "PuzzleSetWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set<std::string>("EscapeEvent", "QuitCampaignNodeEvent");
    bag.Set("EscapePops", false);
    bag.Set<std::string>("PostRenderEventToFire", "CampaignNodePostRenderEvent");
    bag.Set("BaseColor", set != nullptr ? set->GetBaseColor() : Rgba(0, 0, 0, 255));
    bag.Set("TintGradient", -0.5f);
    bag.Set("Virtual", true);
    const int window = BuildWindow(GAME_WINDOW_PUZZLE_SET, bag);

    CreateScreenTitle(window, "NodeTitleLabel", node->GetName());
    static const CornerButton BACK = {"CampaignNodeBackButton", "Exit Location",
                                      "Pick another Location in this Region. Your current progress will be saved.",
                                      "QuitCampaignNodeEvent", 20.0f};
    static const CornerButton RESET = {"CampaignNodeResetButton", "Reset this location",
                                       "Remove all of your progress on the puzzles in this location.",
                                       "ConfirmResetCampaignNodeEvent", 65.0f};
    bag.Clear();
    CreateCornerButton(window, BACK, bag);
    bag.Clear();
    bag.Set("OnActivationEventNameProperty", node);
    CreateCornerButton(window, RESET, bag);

    // A location without its puzzles shows only its title and buttons.
    if (set == nullptr) {
        return window;
    }
    if (node->GetPlayerStateOrLocked() >= CAMPAIGN_NODE_SATISFIED) {
        for (const DifficultyGroup& group : DIFFICULTY_GROUPS) {
            CreatePuzzleGroups(node, group.windowId);
        }
    } else {
        CreateHomeworkPuzzlesGroup(*node);
    }
    return window;
}

int PemberquillUI::CreatePuzzleGroups(CampaignNode* node, int windowId)
{
    if (node == nullptr || node->GetPuzzleSet() == nullptr) {
        return NO_WINDOW;
    }
    for (const DifficultyGroup& group : DIFFICULTY_GROUPS) {
        if (group.windowId != windowId) {
            continue;
        }
        const PuzzleSet& set = *node->GetPuzzleSet();
        const int page = GetStoredPage(set, group.range);
        bool hasNextPage = false;
        const std::vector<Puzzle*> puzzles = set.GetPagePuzzles(group.range, page, hasNextPage);
        PuzzlePage puzzlePage{group.name, &puzzles, page, hasNextPage};
        return CreatePuzzleGroup(puzzlePage, group.y, GetWindowHandle(GAME_WINDOW_PUZZLE_SET), windowId);
    }
    return NO_WINDOW;
}

int PemberquillUI::CreatePuzzleGroup(const PuzzlePage& page, float y, int parent, int windowId)
{
    const Vector2 screen = GetScreenSize();
    const std::string difficulty = page.difficulty;

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set("Name", difficulty + "PuzzlesGroup");
    bag.Set("Size", Vector2(screen.x, 140.0f));
    bag.Set("Offset", Vector2(0.0f, y));
    bag.Set("Parent", parent);
    bag.Set("Transparent", true);
    bag.Set("Virtual", true);
    const int group = BuildWindow(windowId, bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set("Name", difficulty + "PuzzlesLabel");
    bag.Set("Parent", group);
    bag.Set("Label", difficulty + " Puzzles");
    bag.Set("Size", Vector2(screen.x, 140.0f));
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("BaseColor", Rgba(0, 0, 0, 128));
    bag.Set("RenderBackground", true);
    bag.Set("FeatherFractionLeft", 0.1f);
    bag.Set("FeatherFractionRight", 0.1f);
    bag.Set("FontColor", GetHighlightColor());
    bag.Set("TextOffset", Vector2(0.0f, 5.0f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_TOP);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    CreateComponent(bag);

    CreatePageButton(group, "PrevPageButton", Vector2(20.0f, 50.0f), "SatisfiedCampaignNodePrev" + difficulty + "PageEvent",
                     page.page - 1, page.page > 0, "Switch to the previous page of " + difficulty + " puzzles.",
                     UI_IMAGE_ARROW_LEFT);
    CreatePageButton(group, "NextPageButton", Vector2(screen.x - 70.0f, 50.0f),
                     "SatisfiedCampaignNodeNext" + difficulty + "PageEvent", page.page + 1, page.hasNextPage,
                     "Switch to the next page of " + difficulty + " puzzles.", UI_IMAGE_ARROW_RIGHT);

    for (size_t k = 0; k < page.puzzles->size(); ++k) {
        Puzzle* puzzle = (*page.puzzles)[k];
        if (puzzle == nullptr) {
            continue;
        }
        const Vector2 mins(100.0f + 105.0f * static_cast<float>(k), 50.0f);
        CreatePuzzleThumbnailButton(group, puzzle, "#" + std::to_string(puzzle->GetNumberInSet()),
                                    AABB2(mins, mins + Vector2(80.0f, 80.0f)));
    }
    return group;
}

void PemberquillUI::CreatePageButton(int group, const char* name, const Vector2& offset, const std::string& eventName,
                                     int targetPage, bool isEnabled, const std::string& rolloverText,
                                     const char* arrowImage)
{
    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_BUTTON);
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", group);
    bag.Set<std::string>("Label", "");
    bag.Set("Size", Vector2(50.0f, 50.0f));
    bag.Set("Offset", offset);
    bag.Set("OnActivationEventName", eventName);
    bag.Set("OnActivationEventNameProperty", targetPage);
    bag.Set("Enabled", isEnabled);
    bag.Set("RolloverText", rolloverText);
    bag.Set("OverlayTexture", GetPreloadedTexture(arrowImage));
    bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
    bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_SQUARE_GREEN_DEFAULT));
    const int button = CreateComponent(bag);
    if (button == NO_WINDOW) {
        return;
    }
    const std::pair<UIState, const char*> LOOKS[] = {
        {UI_STATE_DISABLED, UI_IMAGE_SQUARE_INACTIVE},
        {UI_STATE_SELECTED, UI_IMAGE_SQUARE_GREEN_ACTIVE},
        {UI_STATE_FOCUSED, UI_IMAGE_SQUARE_GREEN_HILITE},
    };
    for (const auto& [state, image] : LOOKS) {
        NamedProperties look;
        look.Set("BaseTexture", GetPreloadedTexture(image));
        m_uiModule->SetWidgetState(button, state, look);
    }
}

void PemberquillUI::CreateHomeworkPuzzlesGroup(CampaignNode& node)
{
    const PuzzleSet* set = node.GetPuzzleSet();
    if (set == nullptr) {
        return;
    }
    const Vector2 screen = GetScreenSize();
    const PuzzleSetRange homework = set->GetRanges()[PUZZLE_SET_RANGE_HOMEWORK];
    const HomeworkLayout layout = GetHomeworkLayout(screen, homework.GetCount());
    const int window = GetWindowHandle(GAME_WINDOW_PUZZLE_SET);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "HomeworkPuzzlesGroup");
    bag.Set("Size", layout.groupSize);
    bag.Set("Offset", layout.groupOffset);
    bag.Set("Virtual", false);
    bag.Set("Parent", window);
    bag.Set("BaseColor", CLEAR);
    bag.Set("BorderColor", CLEAR);
    bag.Set("Transparent", true);
    bag.Set<std::string>("ShowAnim", "ButtonWindowShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    const int group = CreateComponent(bag);

    const std::vector<std::unique_ptr<Puzzle>>& puzzles = set->GetPuzzles();
    for (size_t i = 0; i < layout.boxes.size(); ++i) {
        const size_t index = static_cast<size_t>(homework.begin) + i;
        if (index >= puzzles.size()) {
            break;
        }
        const AABB2& box = layout.boxes[i];
        if (i == 0) {
            // The instructor points at the first homework puzzle's top.
            m_firstHomeworkLocation =
                layout.groupOffset + Vector2(0.5f * (box.mins.x + box.maxs.x), box.mins.y);
        }
        CreatePuzzleThumbnailButton(group, puzzles[index].get(), "#" + std::to_string(i + 1), box);
    }

    Puzzle* challenge = set->GetUnlockPuzzle();
    if (challenge != nullptr) {
        m_challengePuzzleAnchor = layout.challengeBox.mins;
        CreatePuzzleThumbnailButton(window, challenge, "Challenge Puzzle", layout.challengeBox);
    }
}

void PemberquillUI::CreatePuzzleThumbnailButton(int parent, Puzzle* puzzle, const std::string& caption,
                                                const AABB2& box)
{
    if (puzzle == nullptr) {
        return;
    }
    if (PuzzleChef* chef = PuzzleChef::GetDefaultInstance()) {
        chef->BuildBoardsForPuzzle(puzzle);
    }
    const PuzzleProgress* progress = puzzle->GetProgress();
    const int state = progress != nullptr ? progress->GetState() : 0;
    Texture* overlay = nullptr;
    if (state >= 3) {
        overlay = GetPreloadedTexture(UI_IMAGE_CHECK_MARK);
    } else if (state < 1) {
        overlay = GetPreloadedTexture("Images/UI/QuestionMark.png");
    }
    const Vector2 size = box.maxs - box.mins;

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set("Name", caption + "Label");
    bag.Set("FontColor", YELLOW);
    bag.Set("FontHeight", 18.0f);
    bag.Set("Shadowed", true);
    bag.Set("Label", caption);
    bag.Set("Parent", parent);
    bag.Set("Size", Vector2(size.x, 14.0f));
    bag.Set("Offset", Vector2(box.mins.x, box.mins.y - 14.0f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    CreateComponent(bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_BUTTON);
    bag.Set<std::string>("Name", "PlayPuzzle");
    bag.Set("BorderColor", Rgba(255, 255, 255, 0));
    bag.Set("BorderThickness", 0);
    bag.Set<std::string>("PreRenderEventToFire", "PuzzleViewRenderThumbnailEvent");
    bag.Set("PreRenderEventToFireProperty", puzzle);
    bag.Set("ExternalRenderOffset", Vector2(5.0f, 5.0f));
    bag.Set("ExternalRenderInset", Vector2(5.0f, 5.0f));
    bag.Set<std::string>("GrabFocusEventToFire", "SelectCampaignPuzzleEvent");
    bag.Set("GrabFocusEventToFireProperty", puzzle);
    bag.Set<std::string>("ReleaseFocusEventToFire", "DeselectCampaignPuzzleEvent");
    bag.Set("ReleaseFocusEventToFireProperty", puzzle);
    bag.Set<std::string>("OnActivationEventName", "PlayCampaignPuzzleEvent");
    bag.Set("OnActivationEventNameProperty", puzzle);
    bag.Set("RolloverText", "Play " + puzzle->GetDisplayName());
    bag.Set("BaseColor", CLEAR);
    bag.Set("Shadowed", false);
    bag.Set<std::string>("Label", "");
    bag.Set("OverlayTexture", overlay);
    bag.Set("Tint", Rgba(255, 255, 255, 128));
    bag.Set("Size", size);
    bag.Set("Offset", box.mins);
    bag.Set("Parent", parent);
    bag.Set<std::string>("ShowAnim", "ThumbnailsShow");
    bag.Set<std::string>("HideAnim", "ThumbnailsHide");
    bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
    bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
    const int button = CreateComponent(bag);
    if (button != NO_WINDOW) {
        NamedProperties focused;
        focused.Set("BaseColor", FOCUSED_THUMBNAIL_BACK);
        focused.Set("BorderThickness", 0);
        focused.Set("Tint", WHITE);
        m_uiModule->SetWidgetState(button, UI_STATE_FOCUSED, focused);
    }
    RefreshBoardThumbnails(*puzzle);
}

void PemberquillUI::RefreshBoardThumbnails(Puzzle& puzzle)
{
    if (m_thumbnailImage == nullptr || puzzle.GetProgress() == nullptr) {
        return;
    }
    // Play may have changed a board since its thumbnail was drawn.
    for (const std::unique_ptr<Board>& board : puzzle.GetBoards()) {
        BoardProgress* progress = board->GetProgress();
        if (progress != nullptr && progress->GetThumbnail() != nullptr) {
            progress->RenderThumbnail(*board);
        }
    }
}

} // namespace Pemberquill
