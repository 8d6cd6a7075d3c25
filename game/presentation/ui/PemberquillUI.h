#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/AABB2.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"
#include "game/common/TextLines.h"
#include "game/common/GameWindowID.h"
#include "game/common/GameSubsystem.h"
#include "game/presentation/ui/PlayerProfileScreensUI.h"

class Clock;
class Image;
class Texture;
class UlvoUIInterface;

namespace Pemberquill {

class Board;
struct Cage;
class CampaignNode;
class CampaignRegion;
class Puzzle;
struct AchievementDefinition;
struct PlayerAchievements;

// How a location's button on the region map looks in a player state: the
// images are paths of preloaded interface images, empty for none.
struct CampaignNodeLook {
    std::string image;
    std::string focusedImage;
    std::string overlayImage;
    bool isEnabled = false;
    Rgba labelFontColor;
    Rgba labelBackground;
};

// Where the location window puts its homework thumbnails (boxes inside the
// group, staggered six to a row) and the challenge square (screen units).
struct HomeworkLayout {
    Vector2 groupOffset;
    Vector2 groupSize;
    std::vector<AABB2> boxes;
    AABB2 challengeBox;
};
HomeworkLayout GetHomeworkLayout(const Vector2& screen, int puzzleCount);

// The owner of every screen of the game. It keeps the table from game window
// identifier to the handle of the widget the UI module built for it, builds
// screens on demand (each builder first destroys the window it replaces),
// shows and hides them through the window stack's events and keeps the
// roll-over line at the foot of the screen. Screens hold no game state: they
// reach the game only through the event names in their widgets.
//
// One instance lives in the game object; the static operations reach it
// through the global pointer its constructor sets.
class PemberquillUI : public GameSubsystem {
public:
    static constexpr int NO_WINDOW = -1;

    PemberquillUI();
    ~PemberquillUI() override;
    PemberquillUI(const PemberquillUI&) = delete;
    PemberquillUI& operator=(const PemberquillUI&) = delete;

    // The live screen manager, or null.
    static PemberquillUI* GetGlobal();

    // Preloads the interface images and builds the windows that live for the
    // whole run: title, message, options and the campaign escape menu. Pushes
    // nothing.
    void Startup(Clock& parentClock);
    void Shutdown();
    bool IsInitialized() const { return m_isInitialized; }

    // -1 when the window is not built or the identifier is unknown.
    static int GetWindowHandle(int windowId);
    // Fire the window stack's events for the stored handle (-1 when the window
    // is not built); both clear the roll-over line afterwards, also for an
    // unknown identifier.
    void PushWindow(int windowId, bool pushImmediately);
    void PopWindow(int windowId, bool allowAnimationsToFinish);
    // Deletes the window's widget with its children and forgets the handles
    // of the groups that lived inside it.
    void DestroyWindow(int windowId);
    // True while the window is built and not hidden.
    static bool IsWindowShown(int windowId);
    static void ClearRolloverText();

    // The window the instructor's text area was last placed in: destroying
    // that window forgets the text area too.
    void SetInstructorTextAreaParent(int handle) { m_instructorTextAreaParent = handle; }

    // ---- window builders; each records the window's handle and returns it
    // Destroys the window of the identifier, builds the description (a
    // window, or a group inside a built window) and records the new handle
    // under the identifier.
    int BuildWindow(int windowId, NamedProperties& description);
    int CreateTitleWindow();
    int CreateMessageWindow();
    int CreateOptionsWindow();
    int CreateCampaignEscapeMenu();

    // ---- play: the puzzle window with its parts, the solutions panel and
    // the dialogs around a puzzle
    // Window 12: canvas, heads-up labels, buttons and, for a puzzle with a
    // hidden-cage board, the paint swatches (group 25).
    int CreatePuzzleWindow(Puzzle* puzzle, const std::string& menuEventName, bool showChallengeButton,
                           bool isChallengePuzzle);
    void CreatePuzzleHudLabels(int window, Puzzle* puzzle, bool isChallengePuzzle);
    void CreatePuzzleButtons(int window, const std::string& menuEventName, Puzzle* puzzle, bool showChallengeButton);
    int CreatePaintButtonsGroup(int window, Puzzle* puzzle);
    bool IsSingleBoardPuzzleWindow() const { return m_isSingleBoardPuzzleWindow; }
    // Group 24 inside the puzzle window: a header in the cage's colour and a
    // green or red line per solution. No descriptions, no panel. A flag list
    // shorter than the descriptions reads as not eliminated past its end.
    int CreateSolutionsPanel(int layout, const Board* board, const Cage* cage,
                             const std::vector<std::string>& descriptions,
                             const std::vector<bool>& solverEliminated, const std::vector<bool>& autoEliminated);
    void Event_OnUpdateSolutions(NamedProperties& args);
    void Event_OnEditBoxKeypress(NamedProperties& args);
    void Event_OnSetSolutions(NamedProperties& args);
    // Says "(progress saved)" on the escape menu only after a save of the
    // player's progress succeeded.
    void Event_OnProgressSaveStateChanged(NamedProperties& args);
    // Window 33: the image centred on black; a click anywhere or Escape
    // fires the dismiss event. An image that does not load leaves the black.
    int CreateSplashScreenDialog(const std::string& imagePath, const std::string& dismissEventName);
    // Window 36, for a puzzle the player picks although it is solved.
    int CreatePuzzleSolvedDialog(Puzzle* puzzle);
    // Window 37, offering to undo the puzzle's mistakes; a null puzzle is an
    // assertion.
    int CreateRewindPuzzleDialog(Puzzle* puzzle);
    // Window 22.
    int CreateHowToPlayWindow();
    // ---- profile screens, dialogs and the tutorial window, built on demand;
    // the caller pushes them.
    int CreateSelectProfileWindow(const std::vector<std::string>& profileNames, bool canCreate, bool canLeave);
    // The first player cannot leave the dialog without a name.
    int CreateCreateProfileDialog(bool isFirstPlayer);
    // One centred line label per run; the button pops the dialog. An empty
    // escape event pops it too.
    int ShowInformationDialog(const std::string& escapeEvent, const std::vector<TextLines>& lines,
                              const std::string& buttonLabel);
    struct AchievementEntry {
        std::string title;
        std::string description1;
        std::string description2;
        Texture* icon = nullptr;
    };
    int ShowAchievementDialog(const std::vector<AchievementEntry>& entries, const std::string& escapeEvent);
    // The full-screen window the credits roll on.
    int CreateCreditsWindow();
    // Window 21: every achievement with its icon, bright when the record has
    // earned it and dimmed otherwise, beside the record's statistics. Built
    // afresh each time, so it shows the record as it is now.
    int CreateAchievementsWindow(const PlayerAchievements& record,
                                 const std::vector<AchievementDefinition>& definitions);
    // A yes/no question whose accept button fires acceptEvent with the
    // payload as "OnActivationEventNameProperty"; with an empty cancel label
    // the accept button stands alone in the middle.
    template <typename Payload>
    int ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                               const std::string& cancelLabel, const std::string& acceptEvent,
                               const Payload& payload)
    {
        NamedProperties payloadBag;
        payloadBag.Set(ACCEPT_PAYLOAD, payload);
        return BuildConfirmationDialog(question, acceptLabel, cancelLabel, acceptEvent, payloadBag);
    }
    // The same with a bag already holding the payload under
    // "OnActivationEventNameProperty" (or nothing, for no payload).
    int BuildConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                const std::string& cancelLabel, const std::string& acceptEvent,
                                const NamedProperties& payload);
    int CreateTutorialWindow();
    // Replaces the instructor's text area with the lines, laid out in the
    // text region inside parentHandle; no parent or no lines leaves none.
    int CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines);
    // In screen units; the instructor sets it before it builds a text area.
    void SetInstructorTextRegion(const AABB2& region) { m_instructorTextRegion = region; }
    const AABB2& GetInstructorTextRegion() const { return m_instructorTextRegion; }
    // ---- the campaign's screens: map, region, location
    int CreateCampaignWindow(std::vector<CampaignRegion>& regions);
    int CreateCampaignRegionButton(int parent, CampaignRegion& region, int index, int count);
    int CreateCampaignRegion(CampaignRegion* region);
    void CreateCampaignNodeWidgets(int window, CampaignNode& node);
    // The look of the location's state; records a newly reached state as seen.
    CampaignNodeLook GetCampaignNodeImages(CampaignNode& node);
    static CampaignNodeLook GetCampaignNodeLook(int playerState);
    int CreateCampaignNodeWindow(CampaignNode* node);
    // Builds or rebuilds the easy, medium or hard group (by its window
    // identifier) on the page the location's progress keeps.
    int CreatePuzzleGroups(CampaignNode* node, int windowId);
    struct PuzzlePage {
        const char* difficulty;
        const std::vector<Puzzle*>* puzzles;
        int page;
        bool hasNextPage;
    };
    int CreatePuzzleGroup(const PuzzlePage& page, float y, int parent, int windowId);
    void CreateHomeworkPuzzlesGroup(CampaignNode& node);
    // Nothing for a null puzzle.
    void CreatePuzzleThumbnailButton(int parent, Puzzle* puzzle, const std::string& caption, const AABB2& box);
    // The top centre of the first homework thumbnail last built, where the
    // instructor points a new player.
    const Vector2& GetFirstHomeworkLocation() const { return m_firstHomeworkLocation; }
    const Vector2& GetChallengePuzzleAnchor() const { return m_challengePuzzleAnchor; }

    // ---- screen metrics and house colours
    // The view bounds of the application module in whole units, or (1, 1)
    // without one.
    static Vector2 GetScreenSize();
    static float GetElementWidth(int sizeClass);
    static float GetElementHeight(int sizeClass);
    static Vector2 GetCenteredOffset(const Vector2& size);
    static Vector2 GetScreenMargin() { return Vector2(20.0f, 20.0f); }
    static Rgba GetDialogTintColor() { return Rgba(0, 0, 128, 192); }
    // The font height of a label of size class 4, the title's greeting among them.
    static constexpr float TITLE_FONT_HEIGHT = 34.0f;
    static Rgba GetHighlightColor() { return Rgba(255, 128, 0, 255); }
    static Rgba GetShadeColor() { return Rgba(0, 0, 0, 180); }

    // ---- styled controls: the caller's bag holds the widget's own properties
    // ("Name", "Parent", "Offset", labels, events); the style adds the house
    // look over them and returns the new widget's handle. The button, edit
    // line, slider and check box leave the dressing properties in the bag;
    // the label leaves it as it was created from.
    int CreateStyledButton(int sizeClass, NamedProperties& bag);
    int CreateStyledEditLine(int sizeClass, NamedProperties& bag);
    int CreateStyledSlider(int sizeClass, NamedProperties& bag);
    int CreateStyledCheckBox(int sizeClass, NamedProperties& bag);
    int CreateStyledLabel(int sizeClass, NamedProperties& bag);

    // ---- interface images
    // Loads the image below the data folder into a new texture that this
    // object keeps; null (and recorded as such) when the image does not load.
    Texture* LoadTexture(const std::string& imagePath);
    // The same, loaded only the first time the path is asked for and shared
    // by every later caller, for images that screens show again and again.
    Texture* LoadSharedTexture(const std::string& imagePath);
    // The texture preloaded from that path, null when it is missing or was
    // never preloaded.
    Texture* GetPreloadedTexture(const std::string& imagePath) const;
    // Every path the preload loads, in its order, with what came of it.
    struct PreloadedTexture {
        std::string imagePath;
        Texture* texture;
    };
    const std::vector<PreloadedTexture>& GetPreloadedTextures() const { return m_preloadedTextures; }

    // Skins a control built without a style with the interface images by
    // its widget type: buttons and edit lines as orange buttons, check boxes
    // and sliders with the red squares; labels, windows and groups keep
    // their look.
    void ApplyWidgetSkin(int widgetType, int handle);
    void ApplyPopupBackgroundStyle(int handle);
    void ApplyCheckBoxSkin(int handle);
    void ApplySliderSkin(int handle);

private:
    // One button of a menu panel: a styled button of the standard size at
    // x = 5 and the row's y.
    struct MenuButtonRow {
        const char* name;
        const char* label;
        const char* rolloverText;
        const char* activationEventName;
        // Null for a button that is always shown.
        const char* visibilityEventName;
        // The event whose payload restyles the button; null for none.
        const char* subscribeEventName = nullptr;
    };
    static constexpr float MENU_ROW_HEIGHT = 45.0f;
    static constexpr float MENU_PANEL_WIDTH = 335.0f;
    static constexpr float MENU_ROW_INSET = 5.0f;
    // The profile screens space their rows by the element height of a
    // standard button.
    static float GetProfileRowHeight() { return GetElementHeight(0); }

    // A button per row, the first at firstRow (in rows of rowHeight).
    void CreateMenuButtons(int parent, int firstRow, const MenuButtonRow* rows, size_t rowCount,
                           float rowHeight = MENU_ROW_HEIGHT);
    // A styled label of the size class on the menu row.
    void CreateMenuLabel(int parent, int row, int sizeClass, const char* name, const char* label,
                         float rowHeight = MENU_ROW_HEIGHT);
    // The description of a centred, tinted menu dialog of the given height.
    void DescribeMenuDialog(NamedProperties& bag, const char* name, float height, const char* showAnim) const;

    void RegisterEventHandlers();
    static constexpr const char* ACCEPT_PAYLOAD = "OnActivationEventNameProperty";
    // A tinted, centred dialog window on the horizontal popup background,
    // shown and hidden with the buttons' animations.
    void DescribePopupDialog(NamedProperties& bag, const char* name, const Vector2& size) const;
    // The description of the label of one run of a text line, in the
    // line's alignment.
    static void DescribeTextRunLabel(NamedProperties& bag, int parent, const char* name, const TextLines& line,
                                     const TextLines::Run& run, const Vector2& size, const Vector2& offset);
    // A styled button that pops the window of the handle.
    void CreatePopButton(int window, int sizeClass, const char* name, const Vector2& offset,
                         const std::string& label, const char* rolloverText);
    // A dialog's button that closes it as Escape does: with the dialog's
    // close event, or by popping it when the dialog has none.
    void CreateCloseButton(int window, int sizeClass, const char* name, const Vector2& offset,
                           const std::string& label, const char* rolloverText, const std::string& closeEvent);
    // One styled button of the column in a campaign screen's top-left corner.
    struct CornerButton {
        const char* name;
        const char* label;
        const char* rolloverText;
        const char* activationEventName;
        float y;
    };
    // The bag may already hold the activation event's payload.
    int CreateCornerButton(int parent, const CornerButton& button, NamedProperties& bag);
    void CreateScreenTitle(int parent, const char* name, const std::string& title);
    // A full-screen window on the title-screen background that Escape leaves
    // through the given event.
    void DescribeTitleScreenWindow(NamedProperties& bag, const char* name, const char* escapeEvent) const;
    // The small feathered title at the top centre of a full-screen window.
    void CreateBannerTitle(int parent, const char* name, const char* title);
    void CreateAchievementGroups(int window, const PlayerAchievements& record,
                                 const std::vector<AchievementDefinition>& definitions);
    void CreateStatsPanel(int window, const PlayerAchievements& record);
    // The region's image, put into the region's cache when missing there.
    Texture* LoadRegionTexture(CampaignRegion& region, int image);
    void CreatePageButton(int group, const char* name, const Vector2& offset, const std::string& eventName,
                          int targetPage, bool isEnabled, const std::string& rolloverText, const char* arrowImage);
    // Redraws the board thumbnails the puzzle already has.
    void RefreshBoardThumbnails(Puzzle& puzzle);

    void PreloadImages();
    void ReleaseImages();
    int CreateComponent(NamedProperties& description);
    void FireWindowStackEvent(const char* eventName, int windowId, const char* flagName, bool flag);
    // Dresses a styled control after it was created, through the bag.
    using Dresser = void (PemberquillUI::*)(UlvoUIInterface& ui, int handle, int sizeClass, NamedProperties& bag);
    int CreateStyledControl(int sizeClass, NamedProperties& bag, int widgetType, Dresser dresser);
    void DressButton(UlvoUIInterface& ui, int handle, int sizeClass, NamedProperties& bag);
    void DressEditLine(UlvoUIInterface& ui, int handle, int sizeClass, NamedProperties& bag);
    void DressSlider(UlvoUIInterface& ui, int handle, int sizeClass, NamedProperties& bag);
    void DressCheckBox(UlvoUIInterface& ui, int handle, int sizeClass, NamedProperties& bag);

    // The images of a check box's box or a slider's two buttons.
    struct SquareButtonSkin {
        // The toolkit's prefix of the squares' properties: "CheckBox" or "Button".
        const char* part;
        const char* enabled;
        const char* focused;
        // Only the square inside the image's margin is shown.
        bool isCropped;
        // The tick images of a check box, the arrows of a slider.
        const char* firstName;
        const char* firstImage;
        const char* secondName;
        const char* secondImage;
    };
    void SetSquareButtonTextures(UlvoUIInterface& ui, int handle, const SquareButtonSkin& skin, NamedProperties& bag);
    void ApplySquareButtonSkin(int handle, const SquareButtonSkin& skin);

    std::map<int, int> m_windowHandles;
    std::unique_ptr<Clock> m_clock;
    PlayerProfileScreensUI m_profileScreens{*this};
    bool m_isInitialized = false;
    UlvoUIInterface* m_uiModule = nullptr;
    std::vector<std::unique_ptr<Texture>> m_loadedTextures;
    std::vector<PreloadedTexture> m_preloadedTextures;
    std::map<std::string, Texture*> m_sharedTextures;
    // Where a board's thumbnail starts from before it is drawn.
    std::unique_ptr<Image> m_thumbnailImage;
    int m_instructorTextAreaParent = NO_WINDOW;
    bool m_isSingleBoardPuzzleWindow = false;
    Vector2 m_firstHomeworkLocation;
    Vector2 m_challengePuzzleAnchor;
    AABB2 m_instructorTextRegion{Vector2(0.0f, 0.0f), Vector2(1.0f, 1.0f)};
};

} // namespace Pemberquill
