#include "game/campaign/CampaignNode.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/campaign/CampaignRecordHelpers.h"

namespace Pemberquill {

namespace {

const char* const PLAYER_STATE_MESSAGE = "Unable to set player's PuzzleSet progress without a puzzle set!";
const char* const STATE_TEST_MESSAGE = "No PuzzleSet found.";
const char* const PAGE_MESSAGE = "Unable to set player's page progress without a puzzle set!";

// The map marker is this fraction of the map area on each axis.
constexpr float MAP_MARKER_SCALE = 0.02f;

} // namespace

CampaignNode::CampaignNode() = default;

CampaignNode::CampaignNode(ResourceStream& stream)
{
    Read(stream);
}

CampaignNode::~CampaignNode() = default;
CampaignNode::CampaignNode(CampaignNode&&) noexcept = default;
CampaignNode& CampaignNode::operator=(CampaignNode&&) noexcept = default;

// --- Opening and satisfying ---

void CampaignNode::UnlockConnectedNodes(std::vector<CampaignNode>& nodes, const std::string& name)
{
    CampaignNode* node = Campaign::FindNodeByName(nodes, name);
    if (node == nullptr) {
        return;
    }
    node->SetPlayerState(CAMPAIGN_NODE_OPEN);
    for (const std::string& connection : node->m_connections) {
        if (CampaignNode* connected = Campaign::FindNodeByName(nodes, connection)) {
            connected->SetPlayerState(CAMPAIGN_NODE_REVEALED);
        }
    }
}

void CampaignNode::SatisfyNode(std::vector<CampaignNode>& nodes, const std::string& name)
{
    CampaignNode* node = Campaign::FindNodeByName(nodes, name);
    if (node == nullptr) {
        return;
    }
    node->SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    for (const std::string& unlock : node->m_unlocks) {
        UnlockConnectedNodes(nodes, unlock);
    }
}

void CampaignNode::SetPuzzleSet(std::unique_ptr<PuzzleSet> puzzleSet)
{
    m_puzzleSet = std::move(puzzleSet);
}

// --- Player state ---

void CampaignNode::RequirePuzzleSet(const char* message, const char* title) const
{
    ULVO_ASSERT(m_puzzleSet != nullptr, message, title);
}

int CampaignNode::GetPlayerState() const
{
    RequirePuzzleSet(PLAYER_STATE_MESSAGE, "CampaignNode::GetPlayerState");
    return m_puzzleSet->GetPlayerState();
}

int CampaignNode::GetPlayerStateOrLocked() const
{
    if (m_puzzleSet == nullptr || m_puzzleSet->GetProgress() == nullptr) {
        return CAMPAIGN_NODE_LOCKED;
    }
    return m_puzzleSet->GetPlayerState();
}

void CampaignNode::SetPlayerState(int state)
{
    RequirePuzzleSet(PLAYER_STATE_MESSAGE, "CampaignNode::SetPlayerState");
    if (state > m_puzzleSet->GetPlayerState()) {
        m_puzzleSet->SetPlayerState(state);
    }
}

bool CampaignNode::IsOpen() const
{
    RequirePuzzleSet(STATE_TEST_MESSAGE, "CampaignNode::IsOpen");
    return m_puzzleSet->GetPlayerState() >= CAMPAIGN_NODE_OPEN;
}

bool CampaignNode::IsStarted() const
{
    RequirePuzzleSet(STATE_TEST_MESSAGE, "CampaignNode::IsStarted");
    return m_puzzleSet->GetPlayerState() >= CAMPAIGN_NODE_STARTED;
}

bool CampaignNode::IsSatisfied() const
{
    RequirePuzzleSet(STATE_TEST_MESSAGE, "CampaignNode::IsSatisfied");
    return m_puzzleSet->GetPlayerState() >= CAMPAIGN_NODE_SATISFIED;
}

bool CampaignNode::IsCompleted() const
{
    RequirePuzzleSet(STATE_TEST_MESSAGE, "CampaignNode::IsCompleted");
    return m_puzzleSet->GetPlayerState() >= CAMPAIGN_NODE_COMPLETED;
}

void CampaignNode::FirstOccurenceOfCurrentStateSeenByPlayer()
{
    RequirePuzzleSet("Unable to advance player's PuzzleSet progress without a puzzle set!",
                     "CampaignNode::FirstOccurenceOfCurrentStateSeenByPlayer");
    const int state = m_puzzleSet->GetPlayerState();
    if (state >= CAMPAIGN_NODE_REVEALED && state <= CAMPAIGN_NODE_COMPLETED && state % 2 == 1) {
        m_puzzleSet->SetPlayerState(state + 1);
    }
}

// --- Pages ---

void CampaignNode::SetSatisfiedPuzzleEasyPage(int page)
{
    RequirePuzzleSet(PAGE_MESSAGE, "CampaignNode::SetSatisfiedPuzzleEasyPage");
    SetSatisfiedPuzzlePage(PUZZLE_SET_RANGE_EASY, page);
}

void CampaignNode::SetSatisfiedPuzzleMediumPage(int page)
{
    RequirePuzzleSet(PAGE_MESSAGE, "CampaignNode::SetSatisfiedPuzzleMediumPage");
    SetSatisfiedPuzzlePage(PUZZLE_SET_RANGE_MEDIUM, page);
}

void CampaignNode::SetSatisfiedPuzzleHardPage(int page)
{
    RequirePuzzleSet(PAGE_MESSAGE, "CampaignNode::SetSatisfiedPuzzleHardPage");
    SetSatisfiedPuzzlePage(PUZZLE_SET_RANGE_HARD, page);
}

void CampaignNode::SetSatisfiedPuzzlePage(int range, int page)
{
    PuzzleSetProgress* progress = m_puzzleSet->GetProgress();
    if (progress == nullptr) {
        return;
    }
    bool hasMore = false;
    const std::vector<Puzzle*> pagePuzzles = m_puzzleSet->GetPagePuzzles(range, page, hasMore);
    if (pagePuzzles.empty()) {
        return;
    }
    const int oldPage = range == PUZZLE_SET_RANGE_EASY     ? progress->GetEasyPage()
                        : range == PUZZLE_SET_RANGE_MEDIUM ? progress->GetMediumPage()
                                                           : progress->GetHardPage();
    // The progress moves its page to whichever page holds the puzzle, so the
    // first puzzle of the page names the page.
    if (progress->SetPuzzlePageFromPuzzle(pagePuzzles.front()) && oldPage >= 0) {
        m_puzzleSet->ReleasePageBoards(range, oldPage);
    }
}

// --- Map ---

Rgba CampaignNode::GetStateColor() const
{
    switch (GetPlayerState()) {
    case 0:
        return m_isOptional ? Rgba(255, 255, 255, 0) : Rgba(64, 64, 64, 255);
    case 1:
    case 2:
        return Rgba(128, 128, 128, 255);
    case 3:
    case 4:
    case 5:
    case 6:
        return Rgba(255, 128, 0, 255);
    case 7:
    case 8:
        return Rgba(255, 0, 0, 255);
    case 9:
    case 10:
        return Rgba(0, 255, 0, 255);
    default:
        return Rgba(255, 255, 255, 0);
    }
}

AABB2 CampaignNode::GetMapMarkerBounds(const Vector2& mapOrigin, const Vector2& areaSize) const
{
    const Vector2 center = AABB2(mapOrigin, areaSize).GetPointAtNormalizedCoords(m_mapCoords);
    const Vector2 halfExtent = areaSize * (MAP_MARKER_SCALE * 0.5f);
    return AABB2(center - halfExtent, center + halfExtent);
}

// --- Record ---

void CampaignNode::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin();
    stream.WriteString(m_name, "Name of this Node");
    stream.WriteString(m_puzzleSetFileName, "Filename of this node's puzzle set file.");
    stream.WriteString(m_achievement, "Achievement for satisfying the PuzzleSet of this node.");
    stream.WriteBool(m_isOptional);
    stream.WriteInt32(m_regionIndex, "Region index # of the campaign this node is in.");
    stream.WriteVector2(m_mapCoords, "Campaign coords [(0,0),(1,1)] of this node.");
    stream.WriteString("Connections");
    stream.WriteInt32(static_cast<int32_t>(m_connections.size()), "Number of connections this node has.");
    WriteNameBlock(stream, m_connections);
    stream.WriteString("Unlocks");
    stream.WriteInt32(static_cast<int32_t>(m_unlocks.size()), "Number of unlocks this node has.");
    WriteNameBlock(stream, m_unlocks);
    stream.WriteBlockEnd();
}

void CampaignNode::Read(ResourceStream& stream)
{
    const char* const title = "CampaignNode::Read";
    ReadRecordBlockBegin(stream);
    std::string name = stream.ReadString();
    std::string puzzleSetFileName = stream.ReadString();
    std::string achievement = stream.ReadString();
    const bool isOptional = stream.ReadBool();
    const int regionIndex = stream.ReadInt32();
    const Vector2 mapCoords = stream.ReadVector2();
    stream.ReadString(); // the "Connections" tag
    std::vector<std::string> connections = ReadNameBlock(stream, ReadCampaignCount(stream, "connections", title));
    stream.ReadString(); // the "Unlocks" tag
    std::vector<std::string> unlocks = ReadNameBlock(stream, ReadCampaignCount(stream, "unlocks", title));
    ReadRecordBlockEnd(stream);

    m_name = std::move(name);
    m_puzzleSetFileName = std::move(puzzleSetFileName);
    m_achievement = std::move(achievement);
    m_isOptional = isOptional;
    m_regionIndex = regionIndex;
    m_mapCoords = mapCoords;
    m_connections = std::move(connections);
    m_unlocks = std::move(unlocks);
}

namespace Campaign {

CampaignNode* FindNodeByName(std::vector<CampaignNode>& nodes, const std::string& name)
{
    for (CampaignNode& node : nodes) {
        if (node.GetName() == name) {
            return &node;
        }
    }
    return nullptr;
}

} // namespace Campaign

} // namespace Pemberquill
