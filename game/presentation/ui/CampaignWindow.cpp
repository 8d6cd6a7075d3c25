// The campaign window: the regions as a column of picture buttons, the
// first at the bottom.

#include "engine/core/NamedProperties.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/campaign/CampaignRegion.h"

namespace Pemberquill {

namespace {

const Rgba YELLOW(255, 255, 0, 255);
const Rgba CLEAR(0, 0, 0, 0);
const Rgba CLEAR_WHITE(255, 255, 255, 0);
const Rgba DIM_GREY(50, 50, 50, 255);
// The share of the screen's height that the region buttons fill, and of each
// slot that its button takes.
constexpr float REGION_BAND = 0.75f;
constexpr float REGION_BUTTON_SHARE = 0.7f;

} // namespace

int PemberquillUI::CreateCampaignWindow(std::vector<CampaignRegion>& regions)
{
    const Vector2 screen = GetScreenSize();

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "CampaignWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set<std::string>("EscapeEvent", "QuitCampaignEvent");
    bag.Set("EscapePops", false);
    bag.Set("BaseColor", Rgba(255, 255, 255, 255));
    bag.Set("Virtual", false);
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_TITLE_BACKGROUND));
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.625f));
    bag.Set("Tint", DIM_GREY);
    bag.Set<std::string>("ShowAnim", "CampaignWindowShow");
    bag.Set<std::string>("HideAnim", "CampaignWindowHide");
    const int window = BuildWindow(GAME_WINDOW_CAMPAIGN, bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "RegionTitleLabel");
    bag.Set("Parent", window);
    bag.Set<std::string>("Label", "Click on a region below.");
    bag.Set("Size", Vector2(0.6f * screen.x, 40.0f));
    bag.Set("Offset", Vector2(0.4f * screen.x, 40.0f));
    bag.Set("FontHeight", 35.0f);
    bag.Set("FontColor", YELLOW);
    bag.Set("BaseColor", CLEAR);
    bag.Set("RenderBackground", true);
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    CreateComponent(bag);

    // The achievements button leaves one row of the column empty.
    static const CornerButton BUTTONS[] = {
        {"CampaignWindowBackButton", "Main Menu", "Return to the Main Menu.", "QuitCampaignEvent", 20.0f},
        {"CampaignResetButton", "Reset all progress", "Remove all of your progress in the campaign so far.",
         "ConfirmResetCampaignEvent", 65.0f},
        {"AchievementsButton", "Achievements", "Show all of your Achievements.", "ShowAchievementsEvent", 155.0f},
    };
    for (const CornerButton& button : BUTTONS) {
        bag.Clear();
        CreateCornerButton(window, button, bag);
    }

    // The last region stays a secret until every other region is open.
    int shown = static_cast<int>(regions.size());
    for (const CampaignRegion& region : regions) {
        if (!region.IsAnyRequiredNodeStarted()) {
            shown = static_cast<int>(regions.size()) - 1;
            break;
        }
    }
    for (int index = 0; index < shown; ++index) {
        CreateCampaignRegionButton(window, regions[static_cast<size_t>(index)], index, shown);
    }
    return window;
}

int PemberquillUI::CreateCornerButton(int parent, const CornerButton& button, NamedProperties& bag)
{
    bag.Set<std::string>("Name", button.name);
    bag.Set("Parent", parent);
    bag.Set<std::string>("Label", button.label);
    bag.Set("Offset", Vector2(20.0f, button.y));
    bag.Set<std::string>("OnActivationEventName", button.activationEventName);
    bag.Set<std::string>("RolloverText", button.rolloverText);
    return CreateStyledButton(1, bag);
}

Texture* PemberquillUI::LoadRegionTexture(CampaignRegion& region, int image)
{
    const CampaignRegionImage kind = static_cast<CampaignRegionImage>(image);
    if (region.GetTexture(kind) == nullptr) {
        // Shared, so that an image that is missing is looked for once, not
        // at every build of the window.
        region.SetTexture(kind, LoadSharedTexture("Images/Backgrounds/" + region.GetImagePath(kind)));
    }
    return region.GetTexture(kind);
}

int PemberquillUI::CreateCampaignRegionButton(int parent, CampaignRegion& region, int index, int count)
{
    const Vector2 screen = GetScreenSize();
    const float band = REGION_BAND * screen.y;
    const float slot = band / static_cast<float>(count);
    const float height = REGION_BUTTON_SHARE * slot;
    const bool isStarted = region.IsAnyRequiredNodeStarted();
    Texture* unlocked = LoadRegionTexture(region, CAMPAIGN_REGION_IMAGE_UNLOCKED);
    Texture* locked = LoadRegionTexture(region, CAMPAIGN_REGION_IMAGE_LOCKED);
    Texture* highlighted = LoadRegionTexture(region, CAMPAIGN_REGION_IMAGE_HIGHLIGHTED);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_BUTTON);
    bag.Set("Name", region.GetName() + "CampaignRegionButton");
    bag.Set<std::string>("Label", "");
    bag.Set("Size", Vector2(0.65f * screen.x, height));
    bag.Set("Offset", Vector2(0.35f * screen.x,
                              0.5f * (screen.y - band) + static_cast<float>(count - index) * slot - height));
    bag.Set("RolloverText", "Play the puzzles in " + region.GetName() + ".");
    bag.Set("Parent", parent);
    bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
    bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
    bag.Set<std::string>("ShowAnim", "RegionTabShow");
    bag.Set<std::string>("HideAnim", "RegionTabHide");
    bag.Set<std::string>("DisableAnim", "RegionTabShow");
    // The buttons come in one after the other, the lowest first.
    bag.Set("AnimStartTime", -0.05 * index);
    bag.Set<std::string>("OnActivationEventName", "PlayCampaignRegionEvent");
    bag.Set("OnActivationEventNameProperty", &region);
    bag.Set<std::string>("GrabFocusEventToFire", "SelectCampaignRegionEvent");
    bag.Set("GrabFocusEventToFireProperty", &region);
    bag.Set<std::string>("ReleaseFocusEventToFire", "DeselectCampaignRegionEvent");
    bag.Set("ReleaseFocusEventToFireProperty", &region);
    bag.Set("BaseTexture", isStarted ? unlocked : locked);
    bag.Set("MinBaseTextureCoords", Vector2(0.0f, 0.0f));
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.386f));
    bag.Set("BorderColor", CLEAR_WHITE);
    bag.Set("BorderThickness", 0);
    bag.Set("Enabled", isStarted);
    const int button = CreateComponent(bag);

    if (button != NO_WINDOW) {
        for (UIState state : {UI_STATE_FOCUSED, UI_STATE_ACTIVATED}) {
            NamedProperties look;
            look.Set("BaseTexture", highlighted);
            look.Set("BorderThickness", 0);
            m_uiModule->SetWidgetState(button, state, look);
        }
    }
    return button;
}

} // namespace Pemberquill
