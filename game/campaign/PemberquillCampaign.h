#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Vector2.h"
#include "game/steam/CampaignAccomplishments.h"
#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRegion.h"
#include "game/common/GameSubsystem.h"

#include <memory>
#include <string>
#include <vector>

class Clock;
class NamedProperties;
class Texture;

namespace Pemberquill {

class CampaignProgress;
class Puzzle;

// What the campaign asks of the game's screens. The screens implement it;
// without them (tests, or before the screens exist) the campaign still plays
// and reports, it only shows nothing.
class CampaignScreens {
public:
    // The puzzle window; its escape fires escapeEventName. The challenge
    // button is offered while another puzzle is in play and the location's
    // challenge is unsolved.
    virtual void CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName, bool isChallengeUnsolved,
                                    bool isChallenge) = 0;
    virtual void PushWindow(int windowId, bool pushImmediately) = 0;
    virtual void PopWindow(int windowId, bool allowAnimationsToFinish) = 0;
    // -1 for a window that is not built.
    virtual int GetWindowHandle(int windowId) = 0;

    // The road's windows; each replaces the one built before it.
    virtual void CreateCampaignWindow(std::vector<CampaignRegion>& regions) = 0;
    virtual void CreateCampaignRegion(CampaignRegion* region) = 0;
    virtual void CreateCampaignNodeWindow(CampaignNode* node) = 0;
    // Rebuilds one of the location window's difficulty groups (27 to 29).
    virtual void CreatePuzzleGroups(CampaignNode* node, int windowId) = 0;
    virtual void CreatePuzzleSolvedDialog(Puzzle* puzzle) = 0;
    // The accept button fires acceptEventName with the payload's properties.
    virtual void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                        const std::string& cancelLabel, const std::string& acceptEventName,
                                        NamedProperties& payload) = 0;
    // Where the instructor lays out the lesson the road asks for next.
    virtual void SetLessonBox(const AABB2& box) = 0;
    // The screen point above the first homework puzzle of the location
    // window last built.
    virtual Vector2 GetFirstHomeworkLocation() = 0;

    // Drawn while the region, location and puzzle windows are drawn; the
    // route may lead to any of the campaign's locations.
    virtual void DrawCampaignRegion(const CampaignRegion* region, std::vector<CampaignNode>& locations) = 0;
    virtual void DrawCampaignRegionBackground(const CampaignRegion* region) = 0;
    virtual void DrawCampaignRegionFullScreenTexture(const CampaignRegion* region) = 0;

protected:
    ~CampaignScreens() = default;
};

// Where the player is in the campaign.
enum CampaignMode {
    CAMPAIGN_MODE_OFF,
    CAMPAIGN_MODE_MAP,
    CAMPAIGN_MODE_REGION,
    CAMPAIGN_MODE_LOCATION,
    CAMPAIGN_MODE_PUZZLE,
};

// Reward weights of the regions; any other name weighs 1.
int GetRegionRewardWeight(const std::string& regionName);
// A solved puzzle earns 1, 4 or 5 times the weight by its grade (progress
// state 3, 4 or 5); anything else earns nothing.
int GetPuzzleReward(const Puzzle& puzzle, int weight);
// The grade that steps earn against par: 5 at or under par, 4 within 90 %
// of it (par / steps, single precision), else 3. No step counted counts as
// par.
int GradeForSteps(int par, int steps);

// The campaign: loads the regions and their locations, follows the selected
// profile's progress, notices when the campaign puzzle in play is solved,
// grades it, pays its reward, satisfies its location and opens what that
// unlocks, and reports the result. The screens move the player between the
// map, a region, a location and a puzzle by events.
//
// It owns its clock, the locations (each owning its puzzle set) and the
// region textures; the progress belongs to the player profile.
class PemberquillCampaign : public GameSubsystem {
public:
    static constexpr int LOCATION_WINDOW = 8;
    static constexpr int PUZZLE_WINDOW = 12;
    static constexpr int ESCAPE_MENU = 13;
    static constexpr int CONFIRMATION_DIALOG = 18;
    // How long a solved puzzle stays in play before it is graded, in
    // campaign-clock seconds.
    static constexpr double SOLVED_PUZZLE_DISPLAY_SECONDS = 3.0;

    PemberquillCampaign();
    ~PemberquillCampaign() override;
    PemberquillCampaign(const PemberquillCampaign&) = delete;
    PemberquillCampaign& operator=(const PemberquillCampaign&) = delete;

    // The live campaign, or null.
    static PemberquillCampaign* GetGlobal();

    // Subscribes the handlers, creates the campaign clock below parentClock
    // and loads the campaign from the data folder (one
    // "OnStartupLoadingTaskComplete" per location). A missing or malformed
    // file throws UlvoException.
    void Startup(Clock* parentClock);
    void Shutdown();
    bool IsInitialized() const { return m_isInitialized; }

    // The caller keeps ownership of both; null detaches.
    void SetScreens(CampaignScreens* screens) { m_screens = screens; }
    void SetAccomplishmentsReceiver(CampaignAccomplishmentsReceiver* receiver) { m_receiver = receiver; }

    // The selected profile's progress (null for none): attached to the
    // locations, the start location opened, the rank progress reported.
    void SelectProgress(CampaignProgress* progress);
    CampaignProgress* GetProgress() const { return m_campaignProgress; }

    // Once per frame: notices the solve of the puzzle in play and grades it
    // once the solved puzzle has been shown long enough.
    void Update();
    // Grades a solve still waiting for its grade (on display, or not yet
    // noticed by the update) at once: the game is ending, and the grade and
    // reward must reach the last save. A puzzle that no longer stands solved
    // is not graded; it goes back into play.
    void GradePendingSolve();
    // Only the puzzle in play takes keys.
    bool OnKeyEvent(int action, int key) override;

    // --- The player's place; null wherever there is none ---
    // A campaign never started first makes its first location active.
    Puzzle* GetActivePuzzle();
    CampaignNode* GetActiveCampaignNode();
    // The puzzle becomes the active location's current one; false when the
    // active location does not hold it.
    bool SetActivePuzzle(Puzzle* puzzle);
    // Plays the puzzle (null: the active one, if any) in the puzzle window
    // and announces it with "PlayPuzzleEvent".
    void Play(Puzzle* puzzle);
    // Moves on to the active location's next unsolved puzzle; when none is
    // left the location is completed and the result is null.
    Puzzle* GetNextCampaignPuzzle();

    // Grades the solved active puzzle and reports it; see the .cpp.
    void SubmitPlayerAccomplishments();
    // Reports the campaign score alone.
    void ShowRankProgress();
    // The sum of every region's score at its weight.
    int GetCampaignScore() const;
    // Raises the location to satisfied and opens its unlocks.
    void SatisfyCampaignNode(CampaignNode* campaignNode);
    // The first region, in file order, that lists the location.
    CampaignRegion* FindRegionContainingNode(const CampaignNode* node);

    int GetMode() const { return m_mode; }
    void SetMode(int mode) { m_mode = mode; }
    CampaignRegion* GetSelectedRegion() const { return m_selectedCampaignRegion; }
    void SetSelectedRegion(CampaignRegion* region) { m_selectedCampaignRegion = region; }
    CampaignNode* GetSelectedNode() const { return m_selectedCampaignNode; }
    void SetSelectedNode(CampaignNode* node) { m_selectedCampaignNode = node; }
    std::vector<CampaignNode>& GetNodes() { return m_nodes; }
    std::vector<CampaignRegion>& GetRegions() { return m_regions; }
    const std::string& GetStartNodeName() const { return m_startNodeName; }
    // -1 while no solve is pending.
    double GetSolveTimer() const { return m_solveTimer; }
    // Null before start-up.
    Clock* GetClock() const { return m_clock.get(); }

    // --- Confirmation dialogs ---
    // Window 18, built by the screens and not pushed: a question whose accept
    // button fires acceptEventName with the payload as
    // "OnActivationEventNameProperty" (the plain question's carries the
    // empty text); an empty cancel label leaves the accept button alone.
    void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                const std::string& cancelLabel, const std::string& acceptEventName);
    // Built for the payloads the campaign asks about: a region, a location,
    // a puzzle, or text.
    template <typename Payload>
    void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                const std::string& cancelLabel, const std::string& acceptEventName,
                                const Payload& payload);

    // --- Location focus on the region map and the challenge ---
    void Event_OnSelectCampaignNode(NamedProperties& args);
    void Event_OnDeselectCampaignNode(NamedProperties& args);
    void Event_OnCallOutCampaignRegionNode(NamedProperties& args);
    // The location's first homework puzzle, called out while a location is
    // shown: asked for by the location lesson and on entering a location not
    // yet started. One call-out stands however often it is asked for.
    void Event_OnCallOutInitialHomework(NamedProperties& args);
    void Event_OnConfirmTakeTheChallenge(NamedProperties& args);
    void Event_OnTakeTheChallenge(NamedProperties& args);

    // --- The road between the windows (PemberquillCampaignFlow.cpp) ---
    void Event_OnPlayCampaign(NamedProperties& args);
    void Event_OnPlayCampaignRegion(NamedProperties& args);
    void Event_OnPlayCampaignNode(NamedProperties& args);
    void Event_OnPlayCampaignPuzzle(NamedProperties& args);
    void Event_OnPlayNextCampaignPuzzle(NamedProperties& args);
    void Event_OnShowCampaignEscapeDialog(NamedProperties& args);
    void Event_OnHideCampaignEscapeDialog(NamedProperties& args);
    void Event_OnQuitCampaignPuzzle(NamedProperties& args);
    void Event_OnQuitCampaignNode(NamedProperties& args);
    void Event_OnQuitCampaignRegion(NamedProperties& args);
    void Event_OnQuitCampaign(NamedProperties& args);
    void Event_OnConfirmResetCampaign(NamedProperties& args);
    void Event_OnResetCampaign(NamedProperties& args);
    void Event_OnConfirmResetCampaignRegion(NamedProperties& args);
    void Event_OnResetCampaignRegion(NamedProperties& args);
    void Event_OnConfirmResetCampaignNode(NamedProperties& args);
    void Event_OnResetCampaignNode(NamedProperties& args);
    void Event_OnConfirmResetCampaignPuzzle(NamedProperties& args);
    void Event_OnResetCampaignPuzzle(NamedProperties& args);
    void Event_OnResetAndPlayPuzzle(NamedProperties& args);
    void Event_OnSelectCampaignRegion(NamedProperties& args);
    void Event_OnDeselectCampaignRegion(NamedProperties& args);
    void Event_OnEasyPage(NamedProperties& args);
    void Event_OnMediumPage(NamedProperties& args);
    void Event_OnHardPage(NamedProperties& args);
    void Event_OnCampaignRegionPostRender(NamedProperties& args);
    void Event_OnCampaignNodePostRender(NamedProperties& args);
    void Event_OnCampaignPuzzlePostRender(NamedProperties& args);

private:
    void RegisterEventHandlers();
    void LoadCampaign();
    // The puzzle in play is solved and not graded yet. Until it is, it is
    // neither paused nor left for another puzzle: either would have the
    // grade given to the wrong puzzle or lost.
    bool IsSolvePending();
    // A question asked before the solving move, answered while the solve is
    // pending: the answer only closes it, and the solved puzzle stays to be
    // graded. True when that is all it did.
    bool CloseQuestionOfPendingSolve();
    void LoadRegionTextures(CampaignRegion& region);
    // The location being played and its region: the selection, or else the
    // active location and the region that lists it.
    CampaignNode* GetGradedNode();
    CampaignRegion* GetGradedRegion(const CampaignNode* node);
    void ReportSatisfaction(CampaignNode& node, const CampaignRegion& region, CampaignAccomplishments& record);
    // Raises a location whose puzzles are all solved to completed; true when
    // it was not completed before.
    bool CompleteCampaignNode(CampaignNode& node);
    void Report(const CampaignAccomplishments& record);
    void PushWindow(int windowId, bool pushImmediately);
    void PopWindow(int windowId, bool allowAnimationsToFinish);
    // Every event the campaign handles, the road's and the map focus's.
    void SubscribeHandlers();
    // False, with a warning, while no player's progress is selected.
    bool IsProgressSelected(const char* screen) const;
    // Through the instructor, when there is one.
    static void CallOutPosition(const Vector2& position, const std::string& channelName);
    // Asks the instructor for a lesson on the mechanic over the window.
    void TeachMechanic(int mechanicId, int windowId, const AABB2& lessonBox);
    // Pushes the dialog just built, with the warning sound of a loss.
    void PushResetConfirmation();
    void TurnPage(NamedProperties& args, void (CampaignNode::*setPage)(int), int groupWindowId);

    std::unique_ptr<Clock> m_clock;
    CampaignProgress* m_campaignProgress = nullptr;
    // Never resized once loaded: regions, screens and the progress point in.
    std::vector<CampaignNode> m_nodes;
    std::vector<CampaignRegion> m_regions;
    std::vector<std::unique_ptr<Texture>> m_regionTextures;
    std::string m_startNodeName;
    bool m_isInitialized = false;
    int m_mode = CAMPAIGN_MODE_OFF;
    CampaignRegion* m_selectedCampaignRegion = nullptr;
    CampaignNode* m_selectedCampaignNode = nullptr;
    double m_solveTimer = 0.0;
    // The palette colour the campaign editor paints with; the game itself
    // has no editor, so it stays -1.
    int m_selectedPaletteIndex = -1;
    CampaignScreens* m_screens = nullptr;
    CampaignAccomplishmentsReceiver* m_receiver = nullptr;
};

} // namespace Pemberquill
