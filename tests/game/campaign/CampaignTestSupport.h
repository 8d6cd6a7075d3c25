#pragma once

// Helpers shared by the tests of the campaign's locations, regions and
// progress record.

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/RecipeBook.h"
#include "game/campaign/CampaignData.h"
#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignProgress.h"
#include "game/steam/CampaignAccomplishments.h"
#include "tests/game/steam/RecordStreamTestSupport.h"
#include "tests/support/ScopedDataFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace campaign_test {

using namespace Pemberquill;

using record_test::WriteRecord;

// Sets with their own puzzles use this request; the one recipe book answers
// the other.
inline PuzzleRequest CustomRequest()
{
    return PuzzleRequest(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
}
inline PuzzleRequest BookRequest()
{
    return PuzzleRequest(5, 2, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
}

inline PuzzleDescriptor MakeDescriptor(const PuzzleRequest& request, int seed, float complexity)
{
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(seed);
    descriptor.SetSize(request.size);
    descriptor.SetGeneratorIndex(request.generatorTypeIndex);
    descriptor.SetGeneratorVersion(request.generatorVersion);
    descriptor.SetTotalComplexity(complexity);
    BoardRecipe recipe;
    recipe.boardType = request.boardType1;
    recipe.boardSize = request.size;
    recipe.cageRules = request.cageRules1;
    descriptor.AddBoardRecipe(recipe);
    return descriptor;
}

// Ocean holds "Cove", which opens "Reef", which opens "Gate" in Beyond; each
// set holds two puzzles of its own, given the par when it is above 0. Reef
// carries the rank given.
inline void WriteCoveReefGateCampaign(testsupport::ScopedDataFolder& folder, int par = 0,
                                      const std::string& reefRank = "")
{
    CampaignData data;
    data.startNodeName = "Cove";
    const struct {
        const char *name, *unlock;
    } locations[] = {{"Cove", "Reef"}, {"Reef", "Gate"}, {"Gate", nullptr}};
    for (const auto& location : locations) {
        CampaignNode node;
        node.SetName(location.name);
        node.SetPuzzleSetFileName(std::string(location.name) + ".PuzzleSet");
        node.SetAchievement(std::string(location.name) == "Reef" ? reefRank : "");
        if (location.unlock != nullptr) {
            node.SetConnections({location.unlock});
            node.SetUnlocks({location.unlock});
        }
        data.nodes.push_back(std::move(node));
        PuzzleSetDescriptor set;
        set.name = set.setID = location.name;
        set.request = CustomRequest();
        for (int seed : {300, 301}) {
            set.descriptors.push_back(MakeDescriptor(CustomRequest(), seed + 2 * int(data.nodes.size() - 1), 0.0f));
            if (par > 0) {
                set.descriptors.back().SetSolverSteps(par);
            }
        }
        folder.Write("Puzzles/" + set.name + ".PuzzleSet", WriteRecord(set, RESOURCE_STREAM_FORMAT_TEXT));
    }
    data.regions.resize(2);
    data.regions[0].SetName("Ocean");
    data.regions[0].SetNodeNames({"Cove", "Reef"});
    data.regions[1].SetName("Beyond");
    data.regions[1].SetNodeNames({"Gate"});
    folder.Write(CAMPAIGN_DATA_FILE, WriteRecord(data, RESOURCE_STREAM_FORMAT_TEXT));
}

// Keeps every record the campaign reports.
class RecordingReceiver : public CampaignAccomplishmentsReceiver {
public:
    void OnCampaignPuzzleFinished(const CampaignAccomplishments& accomplishments) override
    {
        reports.push_back(accomplishments);
    }

    // Total Score as the achievement system keeps it: set by a report of
    // the score alone, raised by every reward.
    int Score() const
    {
        int score = 0;
        for (const CampaignAccomplishments& report : reports) {
            score = (report.flags & ACCOMPLISHED_RANK_PROGRESS_ONLY) != 0 ? report.reward : score + report.reward;
        }
        return score;
    }

    // Locations and regions completed, locations and regions unlocked, as
    // the reports count them.
    std::vector<int> Counts() const
    {
        std::vector<int> counts(4);
        for (const CampaignAccomplishments& report : reports) {
            counts[0] += report.locationCompleted;
            counts[1] += report.regionCompleted;
            counts[2] += (report.flags & ACCOMPLISHED_NODE_UNLOCKED) != 0;
            counts[3] += (report.flags & ACCOMPLISHED_REGION_UNLOCKED) != 0;
        }
        return counts;
    }

    std::vector<CampaignAccomplishments> reports;
};

// A campaign of locations whose puzzle sets are made by a real chef, with
// their progress attached through a CampaignProgress.
class CampaignFixture : public ::testing::Test {
protected:
    // Room for every location a test makes, so that references handed out
    // by AddNode stay valid.
    CampaignFixture() { nodes.reserve(MAX_NODES); }

    // bookSize puzzles go to the first location made with AddBookNode.
    void StartChef(int bookSize = 0)
    {
        if (bookSize > 0) {
            std::vector<PuzzleDescriptor> descriptors;
            for (int i = 0; i < bookSize; ++i) {
                descriptors.push_back(MakeDescriptor(BookRequest(), 1000 + i, static_cast<float>(i)));
            }
            ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 4096);
            WriteRecipeBook(stream, BookRequest(), descriptors);
            folder.Write("Puzzles/Recipes/book.recipes",
                         std::string(reinterpret_cast<const char*>(stream.GetData()), size_t(stream.GetSize())));
        }
        chef.Startup(&clock);
    }

    // A location whose set holds puzzleCount puzzles of its own (all
    // homework, no unlock puzzle). Every location must be added before
    // anything points into the list.
    CampaignNode& AddNode(const std::string& name, const std::vector<std::string>& connections = {},
                          const std::vector<std::string>& unlocks = {}, bool isOptional = false,
                          int puzzleCount = 2)
    {
        PuzzleSetDescriptor descriptor;
        descriptor.name = name;
        descriptor.setID = name;
        descriptor.request = CustomRequest();
        for (int i = 0; i < puzzleCount; ++i) {
            descriptor.descriptors.push_back(MakeDescriptor(CustomRequest(), m_nextSeed++, 0.0f));
        }
        return AddNodeWithSet(name, descriptor, connections, unlocks, isOptional);
    }

    // A location that takes the chef's recipe book.
    CampaignNode& AddBookNode(const std::string& name)
    {
        PuzzleSetDescriptor descriptor;
        descriptor.name = name;
        descriptor.setID = name;
        descriptor.request = BookRequest();
        return AddNodeWithSet(name, descriptor, {}, {}, false);
    }

    void Attach() { progress.AttachPuzzleSetProgresses(nodes); }

    CampaignNode& Node(const std::string& name) { return *Campaign::FindNodeByName(nodes, name); }

    std::vector<int> StatesOf(const std::vector<std::string>& names)
    {
        std::vector<int> states;
        for (const std::string& name : names) {
            states.push_back(Node(name).GetPlayerState());
        }
        return states;
    }

    static void Solve(const CampaignNode& node, size_t puzzleIndex, int state = PUZZLE_STATE_SOLVED)
    {
        node.GetPuzzleSet()->GetPuzzles()[puzzleIndex]->GetProgress()->SetState(state);
    }

    testsupport::ScopedDataFolder folder;
    UlvoEventSystem events;
    Clock clock;
    PuzzleChef chef;
    std::vector<CampaignNode> nodes;
    CampaignProgress progress;

private:
    CampaignNode& AddNodeWithSet(const std::string& name, const PuzzleSetDescriptor& descriptor,
                                 const std::vector<std::string>& connections, const std::vector<std::string>& unlocks,
                                 bool isOptional)
    {
        CampaignNode node;
        node.SetName(name);
        node.SetPuzzleSetFileName(name + ".PuzzleSet");
        node.SetConnections(connections);
        node.SetUnlocks(unlocks);
        node.SetOptional(isOptional);
        node.SetPuzzleSet(std::make_unique<PuzzleSet>(descriptor, &clock, chef));
        EXPECT_LT(nodes.size(), MAX_NODES);
        nodes.push_back(std::move(node));
        return nodes.back();
    }

    static constexpr size_t MAX_NODES = 16;
    int m_nextSeed = 100;
};

} // namespace campaign_test
