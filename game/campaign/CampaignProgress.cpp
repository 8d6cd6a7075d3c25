#include "game/campaign/CampaignProgress.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRecordHelpers.h"

namespace Pemberquill {

namespace {

// The entry for the set among those not yet handed out; null when none.
std::unique_ptr<PuzzleSetProgress> TakeEntry(std::vector<std::unique_ptr<PuzzleSetProgress>>& entries,
                                             const std::string& setID)
{
    for (std::unique_ptr<PuzzleSetProgress>& entry : entries) {
        if (entry != nullptr && entry->GetSetID() == setID) {
            return std::move(entry);
        }
    }
    return nullptr;
}

} // namespace

CampaignProgress::CampaignProgress(ResourceStream& stream)
{
    Read(stream);
}

CampaignProgress::~CampaignProgress() = default;

PuzzleSetProgress* CampaignProgress::FindPuzzleSetProgress(const std::string& setID) const
{
    for (const std::unique_ptr<PuzzleSetProgress>& entry : m_puzzleSetProgresses) {
        if (entry->GetSetID() == setID) {
            return entry.get();
        }
    }
    return nullptr;
}

void CampaignProgress::AttachPuzzleSetProgresses(std::vector<CampaignNode>& nodes)
{
    for (const CampaignNode& node : nodes) {
        ULVO_ASSERT(node.GetPuzzleSet() != nullptr,
                    Stringf("Campaign node \"%s\" has no puzzle set to attach progress to.", node.GetName().c_str()),
                    "CampaignProgress::AttachPuzzleSetProgresses");
    }
    std::vector<std::unique_ptr<PuzzleSetProgress>> attached;
    attached.reserve(nodes.size());
    for (CampaignNode& node : nodes) {
        PuzzleSet& set = *node.GetPuzzleSet();
        // Each entry goes to one set only: two locations on one set file
        // must not share a record that either of them may reset.
        std::unique_ptr<PuzzleSetProgress> entry = TakeEntry(m_puzzleSetProgresses, set.GetSetID());
        if (entry == nullptr) {
            entry = set.CreateProgress();
        }
        set.SetProgress(entry.get());
        entry->Load(set.GetPuzzles());
        attached.push_back(std::move(entry));
    }
    m_puzzleSetProgresses = std::move(attached);
    // A profile saved under a larger campaign may name a location that no
    // longer exists.
    if (m_activeCampaignNodeIndex < 0 ||
        m_activeCampaignNodeIndex >= static_cast<int32_t>(m_puzzleSetProgresses.size())) {
        m_activeCampaignNodeIndex = INDEX_INVALID;
    }
}

bool CampaignProgress::SetActiveCampaignNode(const CampaignNode& node)
{
    const PuzzleSet* set = node.GetPuzzleSet();
    if (set == nullptr) {
        return false;
    }
    for (size_t i = 0; i < m_puzzleSetProgresses.size(); ++i) {
        if (m_puzzleSetProgresses[i]->GetSetID() == set->GetSetID()) {
            m_activeCampaignNodeIndex = static_cast<int32_t>(i);
            return true;
        }
    }
    return false;
}

bool CampaignProgress::SetActiveCampaignNodeIndexFromPuzzle(const Puzzle& puzzle)
{
    ULVO_ASSERT(m_activeCampaignNodeIndex != INDEX_INVALID, "No active campaign node to find puzzle in.",
                "CampaignProgress::SetActiveCampaignNodeIndexFromPuzzle");
    if (m_activeCampaignNodeIndex < 0 ||
        m_activeCampaignNodeIndex >= static_cast<int32_t>(m_puzzleSetProgresses.size())) {
        return false;
    }
    PuzzleSetProgress& entry = *m_puzzleSetProgresses[static_cast<size_t>(m_activeCampaignNodeIndex)];
    const int index = entry.FindPuzzleIndex(puzzle.GetPuzzleID());
    if (index < 0) {
        return false;
    }
    entry.SetCurrentPuzzle(index);
    entry.SetPuzzlePageFromPuzzle(&puzzle);
    m_hasStartedCampaign = true;
    return true;
}

int CampaignProgress::AdvanceToNextPuzzle()
{
    const int32_t count = static_cast<int32_t>(m_puzzleSetProgresses.size());
    if (m_activeCampaignNodeIndex == INDEX_INVALID && !m_hasStartedCampaign) {
        m_activeCampaignNodeIndex = 0;
        m_hasStartedCampaign = true;
        // A fresh entry's current puzzle is 0, which the advance would step
        // past: start before the first puzzle so that it is not skipped.
        if (count > 0) {
            m_puzzleSetProgresses.front()->SetCurrentPuzzle(-1);
        }
    }
    if (m_activeCampaignNodeIndex >= count) {
        m_activeCampaignNodeIndex = INDEX_INVALID;
        return CAMPAIGN_ADVANCE_NONE;
    }
    if (m_activeCampaignNodeIndex < 0) {
        return CAMPAIGN_ADVANCE_NONE;
    }
    return m_puzzleSetProgresses[static_cast<size_t>(m_activeCampaignNodeIndex)]->AdvanceToNextPuzzle();
}

void CampaignProgress::Reset()
{
    for (const std::unique_ptr<PuzzleSetProgress>& entry : m_puzzleSetProgresses) {
        entry->Reset();
    }
    m_activeCampaignNodeIndex = INDEX_INVALID;
}

void CampaignProgress::Write(ResourceStream& stream)
{
    m_version = CAMPAIGN_PROGRESS_VERSION;
    stream.WriteBlockBegin("Campaign progress data");
    stream.WriteFloat(m_version, "Campaign progress version number");
    stream.WriteBool(m_hasStartedCampaign, "Has started campaign?");
    stream.WriteInt32(m_activeCampaignNodeIndex, "Index of current campaign node (if any)");
    stream.WriteBlockBegin("Badges and Rank");
    stream.WriteString(m_highestRank, "Highest Rank achieved.");
    stream.WriteInt32(static_cast<int32_t>(m_badges.size()), "Number of Badges to Follow");
    for (const std::string& badge : m_badges) {
        stream.WriteString(badge);
    }
    stream.WriteBlockEnd();
    stream.WriteInt32(static_cast<int32_t>(m_puzzleSetProgresses.size()), "Number of puzzle set progresses to follow");
    for (const std::unique_ptr<PuzzleSetProgress>& entry : m_puzzleSetProgresses) {
        entry->Write(stream);
    }
    stream.WriteBlockEnd();
}

void CampaignProgress::Read(ResourceStream& stream)
{
    const char* const title = "CampaignProgress::Read";
    ReadRecordBlockBegin(stream);
    const float version = stream.ReadFloat();
    const bool hasStartedCampaign = stream.ReadBool();
    const int32_t activeIndex = stream.ReadInt32();
    std::string highestRank;
    std::vector<std::string> badges;
    if (version >= CAMPAIGN_PROGRESS_VERSION) {
        ReadRecordBlockBegin(stream);
        highestRank = stream.ReadString();
        const int badgeCount = ReadCampaignCount(stream, "badges", title);
        for (int i = 0; i < badgeCount; ++i) {
            badges.push_back(stream.ReadString());
        }
        ReadRecordBlockEnd(stream);
    }
    const int entryCount = ReadCampaignCount(stream, "puzzle set progresses", title);
    std::vector<std::unique_ptr<PuzzleSetProgress>> entries;
    for (int i = 0; i < entryCount; ++i) {
        entries.push_back(std::make_unique<PuzzleSetProgress>(stream));
    }
    ReadRecordBlockEnd(stream);

    m_version = version;
    m_hasStartedCampaign = hasStartedCampaign;
    m_activeCampaignNodeIndex = activeIndex;
    m_highestRank = std::move(highestRank);
    m_badges = std::move(badges);
    m_puzzleSetProgresses = std::move(entries);
}

} // namespace Pemberquill
