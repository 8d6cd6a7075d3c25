#include "game/campaign/PemberquillCampaign.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"
#include "engine/modules/renderer/Texture.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/campaign/CampaignData.h"
#include "game/campaign/CampaignProgress.h"

namespace Pemberquill {

namespace {

PemberquillCampaign* g_campaign = nullptr;

} // namespace

PemberquillCampaign::PemberquillCampaign()
{
    g_campaign = this;
}

PemberquillCampaign::~PemberquillCampaign()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "Campaign was deleted without Shutdown() being called.",
                              "PemberquillCampaign::~PemberquillCampaign");
    if (g_campaign == this) {
        g_campaign = nullptr;
    }
}

PemberquillCampaign* PemberquillCampaign::GetGlobal()
{
    return g_campaign;
}

// ------------------------------------------------------------ lifecycle

void PemberquillCampaign::Startup(Clock* parentClock)
{
    ConsolePrintf("PemberquillCampaign Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized campaign.", "PemberquillCampaign::Startup");
    RegisterEventHandlers();
    m_clock = std::make_unique<Clock>(parentClock);
    LoadCampaign();
    m_solveTimer = -1.0;
    m_isInitialized = true;
    ConsolePrintf("PemberquillCampaign Startup complete.\n");
}

void PemberquillCampaign::Shutdown()
{
    ConsolePrintf("PemberquillCampaign Shutdown begun.\n");
    ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized campaign.", "PemberquillCampaign::Shutdown");
    m_isInitialized = false;
    ConsolePrintf("PemberquillCampaign Shutdown complete.\n");
}

void PemberquillCampaign::RegisterEventHandlers()
{
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    if (eventSystem == nullptr) {
        return;
    }
    eventSystem->UnregisterRecipient(this);
    SubscribeHandlers();
}

void PemberquillCampaign::LoadCampaign()
{
    // The campaign ships with the game: without it the installation is
    // broken, and loading stops naming the file.
    CampaignData data = CampaignData::LoadFromFile(UlvoPath(PATH_MARKER_DATA, CAMPAIGN_DATA_FILE));
    m_nodes = std::move(data.nodes);
    m_regions = std::move(data.regions);
    m_startNodeName = std::move(data.startNodeName);

    for (CampaignNode& node : m_nodes) {
        const UlvoPath path(PATH_MARKER_DATA, "Puzzles/" + node.GetPuzzleSetFileName());
        ResourceStream stream(path);
        ULVO_ASSERT(stream.IsValid(),
                    Stringf("Unable to read the puzzle set %s of \"%s\".", path.GetResolvedPath().c_str(),
                            node.GetName().c_str()),
                    "PemberquillCampaign::LoadCampaign");
        const PuzzleSetDescriptor descriptor(stream);
        node.SetPuzzleSet(std::make_unique<PuzzleSet>(descriptor, m_clock.get()));
        FireGlobalEvent("OnStartupLoadingTaskComplete");
    }
    for (CampaignRegion& region : m_regions) {
        region.ResolveNodes(m_nodes);
        LoadRegionTextures(region);
    }
}

void PemberquillCampaign::LoadRegionTextures(CampaignRegion& region)
{
    UlvoImageStudioInterface* imageStudio = UlvoImageStudioInterface::GetDefaultInstance();
    if (imageStudio == nullptr) {
        return;
    }
    for (int image = 0; image < NUM_CAMPAIGN_REGION_IMAGES; ++image) {
        const CampaignRegionImage kind = static_cast<CampaignRegionImage>(image);
        const std::string& name = region.GetImagePath(kind);
        const std::unique_ptr<Image> loaded =
            imageStudio->LoadImage(UlvoPath(PATH_MARKER_DATA, "Images/Backgrounds/" + name));
        if (loaded == nullptr) {
            ConsolePrintf("WARNING: Region \"%s\" has no image \"%s\".\n", region.GetName().c_str(), name.c_str());
            continue;
        }
        m_regionTextures.push_back(Texture::Create());
        m_regionTextures.back()->PopulateFromImage(*loaded, false);
        region.SetTexture(kind, m_regionTextures.back().get());
    }
}

void PemberquillCampaign::SelectProgress(CampaignProgress* progress)
{
    m_campaignProgress = progress;
    if (m_campaignProgress == nullptr) {
        return;
    }
    m_campaignProgress->AttachPuzzleSetProgresses(m_nodes);
    CampaignNode::UnlockConnectedNodes(m_nodes, m_startNodeName);
    ShowRankProgress();
}

// ------------------------------------------------------------ frame and keys

void PemberquillCampaign::Update()
{
    if (m_mode != CAMPAIGN_MODE_PUZZLE || m_clock == nullptr) {
        return;
    }
    Puzzle* puzzle = GetActivePuzzle();
    if (puzzle == nullptr || !puzzle->IsShown()) {
        return;
    }
    if (m_solveTimer < 0.0) {
        puzzle->RefreshIfActive();
        if (puzzle->IsSolved()) {
            m_solveTimer = m_clock->GetTime() + SOLVED_PUZZLE_DISPLAY_SECONDS;
            puzzle->SetSolveTime(puzzle->GetClock().GetTime());
            FireGlobalEvent("SolvePuzzleEvent");
        }
        return;
    }
    if (m_clock->GetTime() > m_solveTimer) {
        GradePendingSolve();
    }
}

bool PemberquillCampaign::IsSolvePending()
{
    if (m_mode != CAMPAIGN_MODE_PUZZLE) {
        return false;
    }
    if (m_solveTimer >= 0.0) {
        return true;
    }
    // The solving move can come in the same frame as the request, before
    // the update has noticed the solve.
    const Puzzle* puzzle = GetActivePuzzle();
    return puzzle != nullptr && puzzle->IsShown() && puzzle->IsSolved();
}

bool PemberquillCampaign::CloseQuestionOfPendingSolve()
{
    if (!IsSolvePending()) {
        return false;
    }
    PopWindow(CONFIRMATION_DIALOG, false);
    return true;
}

void PemberquillCampaign::GradePendingSolve()
{
    Puzzle* puzzle = IsSolvePending() ? GetActivePuzzle() : nullptr;
    if (puzzle == nullptr) {
        return;
    }
    m_solveTimer = -1.0;
    // Emptied during the display: there is no solve to grade, and play goes
    // on with the puzzle.
    if (!puzzle->IsSolved()) {
        puzzle->SetActive(true);
        return;
    }
    puzzle->ResetBoardFocus();
    SubmitPlayerAccomplishments();
}

bool PemberquillCampaign::OnKeyEvent(int action, int key)
{
    if (m_mode != CAMPAIGN_MODE_PUZZLE) {
        return false;
    }
    Puzzle* puzzle = GetActivePuzzle();
    return puzzle != nullptr && puzzle->HandleInput(action, key);
}

// ------------------------------------------------------------ the player's place

CampaignNode* PemberquillCampaign::GetActiveCampaignNode()
{
    if (m_campaignProgress == nullptr) {
        return nullptr;
    }
    if (!m_campaignProgress->HasStartedCampaign()) {
        m_campaignProgress->AdvanceToNextPuzzle();
    }
    const int index = m_campaignProgress->GetActiveCampaignNodeIndex();
    if (index < 0 || static_cast<size_t>(index) >= m_nodes.size()) {
        return nullptr;
    }
    return &m_nodes[static_cast<size_t>(index)];
}

Puzzle* PemberquillCampaign::GetActivePuzzle()
{
    const CampaignNode* node = GetActiveCampaignNode();
    if (node == nullptr || node->GetPuzzleSet() == nullptr) {
        return nullptr;
    }
    return node->GetPuzzleSet()->GetCurrentPuzzle();
}

bool PemberquillCampaign::SetActivePuzzle(Puzzle* puzzle)
{
    ULVO_ASSERT(puzzle, "No puzzle to make active.", "PemberquillCampaign::SetActivePuzzle");
    if (m_campaignProgress == nullptr || GetActiveCampaignNode() == nullptr) {
        return false;
    }
    return m_campaignProgress->SetActiveCampaignNodeIndexFromPuzzle(*puzzle);
}

void PemberquillCampaign::Play(Puzzle* puzzle)
{
    if (puzzle != nullptr) {
        ULVO_ASSERT(SetActivePuzzle(puzzle), "This puzzle is not part of the campaign!", "PemberquillCampaign::Play");
        ULVO_ASSERT(GetActivePuzzle() == puzzle, "Active Puzzle is not the same as the passed in puzzle.",
                    "PemberquillCampaign::Play");
    } else {
        puzzle = GetActivePuzzle();
        if (puzzle == nullptr) {
            return;
        }
    }
    if (CampaignNode* node = GetActiveCampaignNode()) {
        node->SetPlayerState(CAMPAIGN_NODE_STARTED);
    }

    bool isChallenge = false;
    bool isChallengeUnsolved = false;
    const CampaignNode* node = GetGradedNode();
    const Puzzle* challenge =
        node != nullptr && node->GetPuzzleSet() != nullptr ? node->GetPuzzleSet()->GetUnlockPuzzle() : nullptr;
    if (challenge == puzzle) {
        isChallenge = true;
    } else if (challenge != nullptr) {
        isChallengeUnsolved = !challenge->IsSolved();
    }

    PopWindow(LOCATION_WINDOW, false);
    if (m_screens != nullptr) {
        m_screens->CreatePuzzleWindow(puzzle, "ShowCampaignEscapeDialogEvent", isChallengeUnsolved, isChallenge);
    }
    PushWindow(PUZZLE_WINDOW, false);
    m_mode = CAMPAIGN_MODE_PUZZLE;

    NamedProperties args;
    args.Set("Puzzle", puzzle);
    FireGlobalEvent("PlayPuzzleEvent", args);
}

Puzzle* PemberquillCampaign::GetNextCampaignPuzzle()
{
    if (m_campaignProgress == nullptr) {
        return nullptr;
    }
    const int result = m_campaignProgress->AdvanceToNextPuzzle();
    CampaignNode* node = GetActiveCampaignNode();
    if (node == nullptr) {
        return nullptr;
    }
    if (result == CAMPAIGN_ADVANCE_FOUND) {
        return GetActivePuzzle();
    }
    if (result == CAMPAIGN_ADVANCE_ALL_SOLVED) {
        if (CampaignNode* named = Campaign::FindNodeByName(m_nodes, node->GetName())) {
            named->SetPlayerState(CAMPAIGN_NODE_COMPLETED);
        }
    }
    return nullptr;
}

CampaignRegion* PemberquillCampaign::FindRegionContainingNode(const CampaignNode* node)
{
    for (CampaignRegion& region : m_regions) {
        if (region.ContainsNode(node)) {
            return &region;
        }
    }
    return nullptr;
}

// ------------------------------------------------------------ screens

void PemberquillCampaign::PushWindow(int windowId, bool pushImmediately)
{
    if (m_screens != nullptr) {
        m_screens->PushWindow(windowId, pushImmediately);
    }
}

void PemberquillCampaign::PopWindow(int windowId, bool allowAnimationsToFinish)
{
    if (m_screens != nullptr) {
        m_screens->PopWindow(windowId, allowAnimationsToFinish);
    }
}

} // namespace Pemberquill
