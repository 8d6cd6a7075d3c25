// The region window: the region's map with a button per location, whose
// look tells the player's progress there.

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRegion.h"

namespace Pemberquill {

namespace {

const Rgba WHITE(255, 255, 255, 255);
const Rgba YELLOW(255, 255, 0, 255);
const Rgba CLEAR(0, 0, 0, 0);
const Rgba LABEL_BACKGROUND(0, 0, 0, 180);
const Rgba LOCKED_LABEL_FONT(170, 170, 170, 200);
const Rgba LOCKED_LABEL_BACKGROUND(60, 60, 60, 180);
constexpr float NODE_BUTTON_SIDE = 35.0f;

} // namespace

CampaignNodeLook PemberquillUI::GetCampaignNodeLook(int playerState)
{
    CampaignNodeLook look;
    look.isEnabled = playerState >= CAMPAIGN_NODE_OPEN;
    look.labelFontColor = WHITE;
    look.labelBackground = LABEL_BACKGROUND;
    if (playerState < CAMPAIGN_NODE_OPEN) {
        look.image = look.focusedImage = "Images/UI/Button_Grey.png";
        look.overlayImage = "Images/UI/Lock.png";
        look.labelFontColor = LOCKED_LABEL_FONT;
        look.labelBackground = LOCKED_LABEL_BACKGROUND;
    } else if (playerState < CAMPAIGN_NODE_SATISFIED) {
        look.image = "Images/UI/SquareButton_Orange_Default.png";
        look.focusedImage = "Images/UI/SquareButton_Orange_Hilite.png";
        look.labelFontColor = YELLOW;
    } else if (playerState < CAMPAIGN_NODE_COMPLETED) {
        look.image = "Images/UI/Satisfied_Default.png";
        look.focusedImage = "Images/UI/Satisfied_Hilite.png";
    } else if (playerState <= CAMPAIGN_NODE_COMPLETED + 1) {
        look.image = "Images/UI/Completed_Default.png";
        look.focusedImage = "Images/UI/Completed_Hilite.png";
    }
    return look;
}

CampaignNodeLook PemberquillUI::GetCampaignNodeImages(CampaignNode& node)
{
    const int state = node.GetPlayerStateOrLocked();
    // Building the button is the player seeing the state.
    if (node.GetPuzzleSet() != nullptr && node.GetPuzzleSet()->GetProgress() != nullptr) {
        node.FirstOccurenceOfCurrentStateSeenByPlayer();
    }
    return GetCampaignNodeLook(state);
}

int PemberquillUI::CreateCampaignRegion(CampaignRegion* region)
{
    ULVO_ASSERT(region, "NULL CampaignRegion.", "PemberquillUI::CreateCampaignRegion");
    Texture* background = LoadRegionTexture(*region, CAMPAIGN_REGION_IMAGE_BACKGROUND);
    const Vector2 screen = GetScreenSize();

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "CampaignRegionWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set<std::string>("EscapeEvent", "QuitCampaignRegionEvent");
    bag.Set("EscapePops", false);
    bag.Set<std::string>("PostRenderEventToFire", "CampaignRegionPostRenderEvent");
    bag.Set("Virtual", false);
    bag.Set("BaseTexture", background);
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.625f));
    const int window = BuildWindow(GAME_WINDOW_CAMPAIGN_REGION, bag);

    CreateScreenTitle(window, "RegionTitleLabel", region->GetName());
    static const CornerButton BACK = {"CampaignRegionWindowBackButton", "Exit Region",
                                      "Return to the screen that lets you select which Region to play.",
                                      "QuitCampaignRegionEvent", 20.0f};
    static const CornerButton RESET = {"CampaignRegionResetButton", "Reset this region",
                                       "Remove all of your progress in this region of the campaign.",
                                       "ConfirmResetCampaignRegionEvent", 65.0f};
    bag.Clear();
    CreateCornerButton(window, BACK, bag);
    bag.Clear();
    bag.Set("OnActivationEventNameProperty", region);
    CreateCornerButton(window, RESET, bag);

    // An optional location stays off the map only while it is locked: once
    // play reveals or opens it, its button is the only way to its puzzles.
    for (CampaignNode* node : region->GetNodes()) {
        if (node != nullptr) {
            CreateCampaignNodeWidgets(window, *node);
        }
    }
    return window;
}

void PemberquillUI::CreateScreenTitle(int parent, const char* name, const std::string& title)
{
    const Vector2 screen = GetScreenSize();
    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", parent);
    bag.Set("Label", title);
    bag.Set("Size", Vector2(0.5f * screen.x, 50.0f));
    bag.Set("Offset", Vector2(0.25f * screen.x, 0.0f));
    bag.Set("FontHeight", 50.0f);
    bag.Set("FontColor", GetHighlightColor());
    bag.Set("BaseColor", GetShadeColor());
    bag.Set("RenderBackground", true);
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("FeatherFractionLeft", 0.3f);
    bag.Set("FeatherFractionRight", 0.3f);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    CreateComponent(bag);
}

void PemberquillUI::CreateCampaignNodeWidgets(int window, CampaignNode& node)
{
    if (node.GetPlayerStateOrLocked() == CAMPAIGN_NODE_LOCKED && node.IsOptional()) {
        return;
    }
    const CampaignNodeLook look = GetCampaignNodeImages(node);
    const Vector2 screen = GetScreenSize();
    const Vector2 centre(node.GetMapCoords().x * screen.x, node.GetMapCoords().y * screen.y);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set("Name", node.GetName() + "CampaignNodeLabel");
    bag.Set("FontBold", true);
    bag.Set("FontHeight", 24.0f);
    bag.Set("FontColor", look.labelFontColor);
    bag.Set("Label", node.GetName());
    bag.Set("Size", Vector2(150.0f, 28.0f));
    bag.Set("Offset", Vector2(centre.x - 2.5f, centre.y - 13.5f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_LEFT);
    // The text starts right of the button that covers the label's left end.
    bag.Set("TextOffset", Vector2(24.0f, 0.0f));
    bag.Set("Parent", window);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set("BorderColor", CLEAR);
    bag.Set("RenderBackground", true);
    bag.Set("BaseColor", look.labelBackground);
    bag.Set("FeatherFractionLeft", 0.1f);
    bag.Set("FeatherFractionRight", 0.5f);
    bag.Set("Shadowed", true);
    bag.Set("ShadowColor", LABEL_BACKGROUND);
    CreateComponent(bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_BUTTON);
    bag.Set("Name", node.GetName() + "CampaignNodeButton");
    bag.Set<std::string>("Label", "");
    bag.Set("Size", Vector2(NODE_BUTTON_SIDE, NODE_BUTTON_SIDE));
    bag.Set("Offset", centre - Vector2(NODE_BUTTON_SIDE, NODE_BUTTON_SIDE) * 0.5f);
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set<std::string>("RolloverText", "Play the puzzles in this location.");
    bag.Set("Parent", window);
    bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
    bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set<std::string>("OnActivationEventName", "PlayCampaignNodeEvent");
    bag.Set("OnActivationEventNameProperty", &node);
    bag.Set<std::string>("GrabFocusEventToFire", "SelectCampaignNodeEvent");
    bag.Set("GrabFocusEventToFireProperty", &node);
    bag.Set<std::string>("ReleaseFocusEventToFire", "DeselectCampaignNodeEvent");
    bag.Set("ReleaseFocusEventToFireProperty", &node);
    bag.Set("BaseColor", CLEAR);
    bag.Set("BorderColor", CLEAR);
    bag.Set("Enabled", look.isEnabled);
    bag.Set("BaseTexture", GetPreloadedTexture(look.image));
    bag.Set("OverlayTexture", GetPreloadedTexture(look.overlayImage));
    const int button = CreateComponent(bag);

    if (button != NO_WINDOW) {
        for (UIState state : {UI_STATE_FOCUSED, UI_STATE_ACTIVATED}) {
            NamedProperties focused;
            focused.Set("BaseTexture", GetPreloadedTexture(look.focusedImage));
            m_uiModule->SetWidgetState(button, state, focused);
        }
    }
}

} // namespace Pemberquill
