// Grading a solved campaign puzzle, paying its reward, satisfying its
// location and reporting all of it to the achievement system.
#include "game/campaign/PemberquillCampaign.h"

#include "engine/core/Diagnostics.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSet.h"

#include <algorithm>
#include <limits>

namespace Pemberquill {

namespace {

constexpr int GRADE_GOOD = 4;
constexpr int GRADE_AT_PAR = 5;
// par / steps at which a solve over par still earns the good grade; the
// comparison is made in single precision.
constexpr float GOOD_GRADE_RATIO = 0.9f;

uint16_t ToCount(int count)
{
    if (count < 0) {
        return 0;
    }
    return static_cast<uint16_t>(std::min(count, static_cast<int>(std::numeric_limits<uint16_t>::max())));
}

int ActivePuzzleCountOf(const CampaignNode& node)
{
    return node.GetPuzzleSet() != nullptr ? node.GetPuzzleSet()->GetDifficultyPuzzleCount() : 0;
}

} // namespace

int GetRegionRewardWeight(const std::string& regionName)
{
    static const struct {
        const char* name;
        int weight;
    } WEIGHTS[] = {{"Ocean", 1}, {"Canyon", 2}, {"Forest", 4}, {"Mountain", 7}, {"Sky", 11}, {"Beyond", 16}};
    for (const auto& entry : WEIGHTS) {
        if (regionName == entry.name) {
            return entry.weight;
        }
    }
    return 1;
}

int GetPuzzleReward(const Puzzle& puzzle, int weight)
{
    const PuzzleProgress* progress = puzzle.GetProgress();
    if (progress == nullptr) {
        return 0;
    }
    switch (progress->GetState()) {
    case PUZZLE_STATE_SOLVED:
        return weight;
    case GRADE_GOOD:
        return 4 * weight;
    case GRADE_AT_PAR:
        return 5 * weight;
    default:
        return 0;
    }
}

int GradeForSteps(int par, int steps)
{
    if (steps == 0) {
        steps = par;
    }
    if (steps - par <= 0) {
        return GRADE_AT_PAR;
    }
    const float ratio = static_cast<float>(par) / static_cast<float>(steps);
    return ratio >= GOOD_GRADE_RATIO ? GRADE_GOOD : PUZZLE_STATE_SOLVED;
}

CampaignNode* PemberquillCampaign::GetGradedNode()
{
    return m_selectedCampaignNode != nullptr ? m_selectedCampaignNode : GetActiveCampaignNode();
}

CampaignRegion* PemberquillCampaign::GetGradedRegion(const CampaignNode* node)
{
    return m_selectedCampaignRegion != nullptr ? m_selectedCampaignRegion : FindRegionContainingNode(node);
}

void PemberquillCampaign::SubmitPlayerAccomplishments()
{
    const char* const title = "PemberquillCampaign::SubmitPlayerAccomplishments";
    Puzzle* puzzle = GetActivePuzzle();
    ULVO_ASSERT(puzzle, "Cannot submit accomplishments without an active puzzle.", title);
    CampaignNode* node = GetGradedNode();
    ULVO_ASSERT(node, "Solved a puzzle without having an active campaign node.", title);
    const CampaignRegion* region = GetGradedRegion(node);
    ULVO_ASSERT(region, "Solved a puzzle without having a selected campaign region.", title);
    const PuzzleSet* set = node->GetPuzzleSet();

    const int weight = GetRegionRewardWeight(region->GetName());
    const int par = puzzle->GetPar();
    const int steps = puzzle->GetTotalStepsOfBoards();

    CampaignAccomplishments record;
    record.flags = ACCOMPLISHED_PUZZLE_SOLVED;
    record.steps = steps;
    record.stepsOverPar = (steps == 0 ? par : steps) - par;
    record.playTime = puzzle->GetProgress() != nullptr ? puzzle->GetProgress()->GetPlayTime() : 0.0f;
    record.severalBoards = puzzle->GetBoards().size() > 1;
    record.boardAttribute = puzzle->HasBoardWithAttributeBit0();
    record.locationName = node->GetName();
    record.regionName = region->GetName();
    record.locationCount = ToCount(ActivePuzzleCountOf(*node));
    record.regionCount = ToCount(region->GetActivePuzzleCount());
    record.difficultyPage = set != nullptr ? set->GetPageKindOfPuzzle(puzzle) : NUM_PUZZLE_SET_RANGES;

    // A grade is only ever raised: replaying a puzzle never costs a reward.
    if (PuzzleProgress* progress = puzzle->GetProgress()) {
        progress->RaiseState(GradeForSteps(par, steps));
    }
    record.reward = GetPuzzleReward(*puzzle, weight);

    if (set != nullptr && set->IsNewlySatisfied()) {
        ReportSatisfaction(*node, *region, record);
    }
    // Counted once, on the solve that completes them: a replay there finds
    // them completed already.
    const bool wasRegionCompleted = region->AreRequiredNodesCompleted();
    record.locationCompleted = CompleteCampaignNode(*node);
    record.regionCompleted = !wasRegionCompleted && region->AreRequiredNodesCompleted();
    Report(record);
}

bool PemberquillCampaign::CompleteCampaignNode(CampaignNode& node)
{
    const PuzzleSet* set = node.GetPuzzleSet();
    if (set == nullptr || node.IsCompleted() || !set->AreAllPuzzlesSolved()) {
        return false;
    }
    node.SetPlayerState(CAMPAIGN_NODE_COMPLETED);
    return true;
}

void PemberquillCampaign::ReportSatisfaction(CampaignNode& node, const CampaignRegion& region,
                                             CampaignAccomplishments& record)
{
    // All unlocks are opened; only the first is told, and only when it was
    // locked: a location satisfied again after its reset opens nothing new.
    const CampaignNode* unlocked =
        node.GetUnlocks().empty() ? nullptr : Campaign::FindNodeByName(m_nodes, node.GetUnlocks().front());
    const bool isUnlockNews = unlocked != nullptr && unlocked->GetPlayerStateOrLocked() < CAMPAIGN_NODE_OPEN;

    SatisfyCampaignNode(&node);
    if (!node.GetAchievement().empty()) {
        record.rankName = node.GetAchievement();
        record.flags |= ACCOMPLISHED_RANK_EARNED;
    }
    record.flags |= ACCOMPLISHED_NODE_SATISFIED;
    record.locationCountAfterSatisfaction = ActivePuzzleCountOf(node);

    if (!isUnlockNews) {
        return;
    }
    record.flags |= ACCOMPLISHED_NODE_UNLOCKED;
    record.unlockedLocationName = unlocked->GetName();
    const CampaignRegion* unlockedRegion = FindRegionContainingNode(unlocked);
    if (unlockedRegion != nullptr && unlockedRegion != &region) {
        record.flags |= ACCOMPLISHED_REGION_UNLOCKED;
        record.unlockedRegionName = unlockedRegion->GetName();
        if (unlockedRegion->GetName() == "Beyond") {
            record.flags |= ACCOMPLISHED_BEYOND_UNLOCKED;
        }
    }
}

void PemberquillCampaign::SatisfyCampaignNode(CampaignNode* campaignNode)
{
    ULVO_ASSERT(campaignNode, "NULL CampaignNode", "PemberquillCampaign::SatisfyCampaignNode");
    CampaignNode::SatisfyNode(m_nodes, campaignNode->GetName());
}

int PemberquillCampaign::GetCampaignScore() const
{
    int score = 0;
    for (const CampaignRegion& region : m_regions) {
        score += region.GetScore(GetRegionRewardWeight(region.GetName()));
    }
    return score;
}

void PemberquillCampaign::ShowRankProgress()
{
    CampaignAccomplishments record;
    record.flags = ACCOMPLISHED_RANK_PROGRESS_ONLY;
    record.reward = GetCampaignScore();
    Report(record);
}

void PemberquillCampaign::Report(const CampaignAccomplishments& record)
{
    if (m_receiver != nullptr) {
        m_receiver->OnCampaignPuzzleFinished(record);
    }
}

} // namespace Pemberquill
