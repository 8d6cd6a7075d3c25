#include "tools/campaignmaker/CampaignContent.h"

#include "game/common/CageRules.h"

namespace Pemberquill {

namespace {

constexpr unsigned Q = CAGE_RULE_EQUALS;
constexpr unsigned A = CAGE_RULE_ADDITION;
constexpr unsigned X = CAGE_RULE_MULTIPLICATION;
constexpr unsigned U = CAGE_RULE_SUBTRACTION;
constexpr unsigned D = CAGE_RULE_DIVISION;
constexpr unsigned S = CAGE_RULE_STRAIGHT;
constexpr unsigned C = CAGE_RULE_COMPARISONS;
constexpr unsigned E = CAGE_RULE_EVEN;
constexpr unsigned O = CAGE_RULE_ODD;
constexpr unsigned EVERY_RULE = Q | A | X | U | D | S | C | E | O;

// The solving attribute that hides a board's cages.
constexpr int HIDDEN_CAGES = 1;
constexpr int NO_SECOND_BOARD = -1;

struct LocationSpec {
    const char* name;
    const char* fileStem;
    bool optional;
    Vector2 mapCoords; // fractions of the screen, y downwards
    int size;
    unsigned rules;
    int attributes;
    unsigned secondRules;
    int secondAttributes; // NO_SECOND_BOARD for one board
    const char* rank;     // granted when the location is satisfied
};

struct RegionSpec {
    const char* name;
    Vector2 mapCoords;
    Rgba baseColor;
    // Light enough that the black numbers stay readable on every cage.
    std::vector<Rgba> palette;
    // In display order. The required ones form the region's road, each
    // leading to the next; an optional one branches off the required one
    // listed before it.
    std::vector<LocationSpec> locations;
};

// The climb: + and - on small boards, then x and /, Even and Odd, Straight
// and Comparisons, hidden cages, and last two boards at once with every
// rule, up to 9x9.
std::vector<RegionSpec> CampaignTable()
{
    return {
        {"Ocean",
         {0.5f, 0.85f},
         {70, 140, 190},
         {{255, 244, 170}, {250, 214, 160}, {190, 232, 255}, {170, 255, 230}, {255, 200, 200}, {220, 210, 255},
          {200, 255, 170}},
         {
             {"Beginnings", "Beginnings", false, {0.41f, 0.87f}, 3, Q | A, 0, 0, NO_SECOND_BOARD, "Castaway"},
             {"Shallows", "Shallows", false, {0.15f, 0.72f}, 4, Q | A, 0, 0, NO_SECOND_BOARD, ""},
             {"Tide Pools", "TidePools", false, {0.50f, 0.56f}, 4, Q | A | U, 0, 0, NO_SECOND_BOARD, ""},
             {"Sandbar", "Sandbar", true, {0.80f, 0.67f}, 3, Q | A | U, 0, 0, NO_SECOND_BOARD, ""},
             {"Coral Reef", "CoralReef", false, {0.30f, 0.32f}, 5, Q | A, 0, 0, NO_SECOND_BOARD, ""},
             {"Lighthouse", "Lighthouse", false, {0.45f, 0.16f}, 5, Q | A | U, 0, 0, NO_SECOND_BOARD,
              "Beachcomber"},
         }},
        {"Canyon",
         {0.5f, 0.70f},
         {190, 100, 60},
         {{255, 226, 170}, {255, 196, 160}, {240, 240, 190}, {200, 230, 255}, {255, 210, 230}, {210, 255, 200},
          {230, 215, 255}},
         {
             {"Dry Wash", "DryWash", false, {0.45f, 0.86f}, 4, Q | X, 0, 0, NO_SECOND_BOARD, ""},
             {"Red Arch", "RedArch", false, {0.22f, 0.68f}, 4, Q | X | D, 0, 0, NO_SECOND_BOARD, ""},
             {"Mesa", "Mesa", false, {0.55f, 0.56f}, 5, Q | A | X, 0, 0, NO_SECOND_BOARD, ""},
             {"Cliff Dwellings", "CliffDwellings", true, {0.78f, 0.70f}, 5, Q | X, 0, 0, NO_SECOND_BOARD, ""},
             {"Echo Gorge", "EchoGorge", false, {0.30f, 0.40f}, 5, Q | U | D, 0, 0, NO_SECOND_BOARD, ""},
             {"Sun Gate", "SunGate", false, {0.58f, 0.24f}, 6, Q | A | X | U | D, 0, 0, NO_SECOND_BOARD,
              "Trailblazer"},
         }},
        {"Forest",
         {0.5f, 0.55f},
         {60, 130, 70},
         {{230, 255, 180}, {255, 236, 170}, {190, 240, 210}, {255, 210, 190}, {210, 230, 255}, {240, 210, 255},
          {255, 255, 210}},
         {
             {"Mossy Trail", "MossyTrail", false, {0.45f, 0.86f}, 4, Q | E | O, 0, 0, NO_SECOND_BOARD, ""},
             {"Fern Hollow", "FernHollow", false, {0.22f, 0.70f}, 5, Q | A | E | O, 0, 0, NO_SECOND_BOARD, ""},
             {"Old Oak", "OldOak", false, {0.55f, 0.58f}, 5, Q | X | E | O, 0, 0, NO_SECOND_BOARD, ""},
             {"Toadstool Ring", "ToadstoolRing", true, {0.78f, 0.72f}, 6, Q | X | D | E | O, 0, 0,
              NO_SECOND_BOARD, ""},
             {"Deep Glade", "DeepGlade", false, {0.28f, 0.40f}, 6, Q | A | U | E | O, 0, 0, NO_SECOND_BOARD, ""},
             {"Heartwood", "Heartwood", false, {0.60f, 0.24f}, 7, Q | A | X | U | D | E | O, 0, 0,
              NO_SECOND_BOARD, "Pathfinder"},
         }},
        {"Mountain",
         {0.5f, 0.40f},
         {120, 120, 150},
         {{235, 240, 255}, {255, 235, 200}, {210, 250, 240}, {255, 215, 215}, {225, 255, 200}, {240, 220, 255},
          {255, 250, 190}},
         {
             {"Foothills", "Foothills", false, {0.45f, 0.86f}, 5, Q | A | S, 0, 0, NO_SECOND_BOARD, ""},
             {"Switchback", "Switchback", false, {0.24f, 0.70f}, 5, Q | A | C, 0, 0, NO_SECOND_BOARD, ""},
             {"Scree Field", "ScreeField", false, {0.55f, 0.56f}, 6, Q | X | S, 0, 0, NO_SECOND_BOARD, ""},
             {"Ice Cave", "IceCave", true, {0.78f, 0.70f}, 6, Q | S | C, 0, 0, NO_SECOND_BOARD, ""},
             {"High Pass", "HighPass", false, {0.30f, 0.40f}, 6, Q | A | U | S | C, 0, 0, NO_SECOND_BOARD, ""},
             {"Summit", "Summit", false, {0.55f, 0.22f}, 7, Q | A | X | U | D | S | C, 0, 0, NO_SECOND_BOARD,
              "Mountaineer"},
         }},
        {"Sky",
         {0.5f, 0.25f},
         {110, 170, 230},
         {{255, 255, 200}, {200, 235, 255}, {255, 220, 240}, {220, 255, 220}, {255, 230, 190}, {230, 220, 255},
          {200, 255, 250}},
         {
             {"Cloud Steps", "CloudSteps", false, {0.45f, 0.86f}, 4, Q | A, HIDDEN_CAGES, 0, NO_SECOND_BOARD, ""},
             {"Windmill", "Windmill", false, {0.22f, 0.70f}, 5, Q | A | U, HIDDEN_CAGES, 0, NO_SECOND_BOARD, ""},
             {"Rainbow Bridge", "RainbowBridge", false, {0.55f, 0.56f}, 5, Q | X | D, HIDDEN_CAGES, 0,
              NO_SECOND_BOARD, ""},
             {"Thunderhead", "Thunderhead", true, {0.78f, 0.70f}, 6, Q | A | U | E | O, HIDDEN_CAGES, 0,
              NO_SECOND_BOARD, ""},
             {"Aurora", "Aurora", false, {0.30f, 0.40f}, 6, Q | A | X | U | D, HIDDEN_CAGES, 0, NO_SECOND_BOARD,
              ""},
             {"Starfall", "Starfall", false, {0.58f, 0.24f}, 7, Q | A | X | U | D | S | C, HIDDEN_CAGES, 0,
              NO_SECOND_BOARD, "Cloud Rider"},
         }},
        {"Beyond",
         {0.5f, 0.10f},
         {90, 60, 140},
         {{255, 240, 190}, {220, 210, 255}, {190, 240, 255}, {255, 200, 230}, {210, 255, 210}, {255, 220, 180},
          {240, 255, 200}},
         {
             {"Twin Moons", "TwinMoons", false, {0.45f, 0.86f}, 5, Q | A | U, 0, Q | X | D, 0, ""},
             {"Mirror Lake", "MirrorLake", false, {0.22f, 0.68f}, 6, Q | A | X | U | D, 0, Q | E | O | S, 0, ""},
             {"Nebula", "Nebula", false, {0.55f, 0.56f}, 7, EVERY_RULE, 0, 0, NO_SECOND_BOARD, ""},
             {"Veiled Twins", "VeiledTwins", true, {0.78f, 0.70f}, 5, Q | A | U | X | D, 0, Q | A | U | X | D,
              HIDDEN_CAGES, ""},
             {"Event Horizon", "EventHorizon", false, {0.30f, 0.40f}, 8, EVERY_RULE, 0, 0, NO_SECOND_BOARD, ""},
             {"The Last Light", "TheLastLight", false, {0.55f, 0.22f}, 9, EVERY_RULE, 0, 0, NO_SECOND_BOARD,
              "Grand Master"},
         }},
    };
}

PuzzleRequest MakeRequest(const LocationSpec& spec)
{
    const bool twoBoards = spec.secondAttributes != NO_SECOND_BOARD;
    PuzzleRequest request(spec.size, 0, 1, spec.attributes, twoBoards ? 1 : 0, twoBoards ? spec.secondAttributes : 0,
                          SOLVABILITY_SOLVABLE);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    request.cageRules1 = CageRules(spec.rules);
    if (twoBoards) {
        request.cageRules2 = CageRules(spec.secondRules);
    }
    return request;
}

CampaignRegion MakeRegion(const RegionSpec& spec)
{
    CampaignRegion region;
    region.SetName(spec.name);
    const std::string prefix = std::string("Region_") + spec.name;
    region.SetImagePath(CAMPAIGN_REGION_IMAGE_BACKGROUND, prefix + "_Map.png");
    region.SetImagePath(CAMPAIGN_REGION_IMAGE_LOCKED, prefix + "_Locked.png");
    region.SetImagePath(CAMPAIGN_REGION_IMAGE_UNLOCKED, prefix + "_Unlocked.png");
    region.SetImagePath(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED, prefix + "_Highlighted.png");
    region.SetMapCoords(spec.mapCoords);
    region.SetPalette(spec.palette);
    std::vector<std::string> names;
    for (const LocationSpec& location : spec.locations) {
        names.emplace_back(location.name);
    }
    region.SetNodeNames(names);
    return region;
}

CampaignNode MakeNode(const LocationSpec& spec, int regionIndex)
{
    CampaignNode node;
    node.SetName(spec.name);
    node.SetPuzzleSetFileName(std::string("Sets/") + spec.fileStem + ".PuzzleSet");
    node.SetAchievement(spec.rank);
    node.SetOptional(spec.optional);
    node.SetRegionIndex(regionIndex);
    node.SetMapCoords(spec.mapCoords);
    return node;
}

void AddLink(CampaignNode& from, const std::string& to)
{
    std::vector<std::string> connections = from.GetConnections();
    connections.push_back(to);
    from.SetConnections(connections);
    std::vector<std::string> unlocks = from.GetUnlocks();
    unlocks.push_back(to);
    from.SetUnlocks(unlocks);
}

// Each required location leads to the next, across regions too; the first
// link of each is the one the map's route follows, so an optional location
// always comes second.
void LinkLocations(const std::vector<RegionSpec>& table, std::vector<CampaignNode>& nodes)
{
    std::vector<size_t> road;
    size_t index = 0;
    for (const RegionSpec& region : table) {
        for (const LocationSpec& location : region.locations) {
            if (!location.optional) {
                road.push_back(index);
            }
            ++index;
        }
    }
    for (size_t i = 0; i + 1 < road.size(); ++i) {
        AddLink(nodes[road[i]], nodes[road[i + 1]].GetName());
    }
    for (size_t i = 1; i < nodes.size(); ++i) {
        if (nodes[i].IsOptional()) {
            AddLink(nodes[i - 1], nodes[i].GetName());
        }
    }
}

} // namespace

CampaignContent BuildCampaignContent()
{
    const std::vector<RegionSpec> table = CampaignTable();
    CampaignContent content;
    content.data.campaignName = "Pemberquill";
    content.data.startNodeName = table.front().locations.front().name;
    for (size_t r = 0; r < table.size(); ++r) {
        const RegionSpec& region = table[r];
        content.data.regions.push_back(MakeRegion(region));
        for (const LocationSpec& location : region.locations) {
            content.data.nodes.push_back(MakeNode(location, static_cast<int>(r)));
            CampaignSetFile set;
            set.fileName = content.data.nodes.back().GetPuzzleSetFileName();
            set.descriptor.name = location.name;
            set.descriptor.setID = location.name;
            set.descriptor.baseColor = region.baseColor;
            // No background of its own: the location screens draw the region's
            // map, and 36 more full-screen textures would cost hundreds of MB.
            set.descriptor.request = MakeRequest(location);
            content.sets.push_back(std::move(set));
        }
    }
    LinkLocations(table, content.data.nodes);
    return content;
}

} // namespace Pemberquill
