// The campaign file: its records in both encodings, hand-edited files and
// damaged ones.
#include "game/shell/CampaignData.h"

#include "CampaignTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace campaign_test;

namespace {

CampaignNode MakeNode(const std::string& name, const std::vector<std::string>& connections,
                      const std::vector<std::string>& unlocks)
{
    CampaignNode node;
    node.SetName(name);
    node.SetPuzzleSetFileName(name + ".PuzzleSet");
    node.SetAchievement(name == "Shore" ? "Deckhand" : "");
    node.SetOptional(name != "Shore");
    node.SetRegionIndex(name == "Gorge" ? 1 : 0);
    node.SetMapCoords(Vector2(0.25f, 0.75f));
    node.SetConnections(connections);
    node.SetUnlocks(unlocks);
    return node;
}

CampaignData MakeCampaign()
{
    CampaignData campaign;
    campaign.campaignName = "Harrowmere";
    campaign.startNodeName = "Shore";
    campaign.nodes.push_back(MakeNode("Shore", {"Reef", "Gorge"}, {"Reef"}));
    campaign.nodes.push_back(MakeNode("Reef", {}, {"Gorge"}));
    campaign.nodes.push_back(MakeNode("Gorge", {"Shore"}, {}));
    CampaignRegion ocean;
    ocean.SetName("Ocean");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_BACKGROUND, "ocean_back.png");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_LOCKED, "ocean_locked.png");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_UNLOCKED, "ocean_unlocked.png");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED, "ocean_lit.png");
    ocean.SetMapCoords(Vector2(0.5f, 0.125f));
    ocean.SetNodeNames({"Shore", "Reef"});
    ocean.SetPalette({Rgba(1, 2, 3, 4), Rgba(250, 128, 0, 255)});
    campaign.regions.push_back(ocean);
    CampaignRegion canyon;
    canyon.SetName("Canyon");
    canyon.SetNodeNames({"Gorge"});
    campaign.regions.push_back(canyon);
    return campaign;
}

void ExpectSameNode(const CampaignNode& expected, const CampaignNode& actual)
{
    EXPECT_EQ(expected.GetName(), actual.GetName());
    EXPECT_EQ(expected.GetPuzzleSetFileName(), actual.GetPuzzleSetFileName());
    EXPECT_EQ(expected.GetAchievement(), actual.GetAchievement());
    EXPECT_EQ(expected.IsOptional(), actual.IsOptional());
    EXPECT_EQ(expected.GetRegionIndex(), actual.GetRegionIndex());
    EXPECT_EQ(expected.GetMapCoords().x, actual.GetMapCoords().x);
    EXPECT_EQ(expected.GetMapCoords().y, actual.GetMapCoords().y);
    EXPECT_EQ(expected.GetConnections(), actual.GetConnections());
    EXPECT_EQ(expected.GetUnlocks(), actual.GetUnlocks());
    EXPECT_EQ(nullptr, actual.GetPuzzleSet());
}

void ExpectSameCampaign(const CampaignData& expected, const CampaignData& actual)
{
    EXPECT_EQ(expected.campaignName, actual.campaignName);
    EXPECT_EQ(expected.startNodeName, actual.startNodeName);
    ASSERT_EQ(expected.nodes.size(), actual.nodes.size());
    for (size_t i = 0; i < expected.nodes.size(); ++i) {
        ExpectSameNode(expected.nodes[i], actual.nodes[i]);
    }
    ASSERT_EQ(expected.regions.size(), actual.regions.size());
    for (size_t i = 0; i < expected.regions.size(); ++i) {
        const CampaignRegion& want = expected.regions[i];
        const CampaignRegion& got = actual.regions[i];
        EXPECT_EQ(want.GetName(), got.GetName());
        for (int image = 0; image < NUM_CAMPAIGN_REGION_IMAGES; ++image) {
            EXPECT_EQ(want.GetImagePath(CampaignRegionImage(image)), got.GetImagePath(CampaignRegionImage(image)));
            EXPECT_EQ(nullptr, got.GetTexture(CampaignRegionImage(image)));
        }
        EXPECT_EQ(want.GetMapCoords().x, got.GetMapCoords().x);
        EXPECT_EQ(want.GetMapCoords().y, got.GetMapCoords().y);
        EXPECT_EQ(want.GetNodeNames(), got.GetNodeNames());
        EXPECT_EQ(want.GetPalette(), got.GetPalette());
        EXPECT_TRUE(got.GetNodes().empty()) << "locations are resolved by the campaign, not the reader";
    }
}

// The text form ends its lines as the game's files always have.
std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (const char c : text) {
        result += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return result;
}

CampaignData ReadCampaign(const std::string& bytes)
{
    LoadedStream stream(bytes);
    return CampaignData(*stream);
}

TEST(CampaignDataTest, RoundTripsInTextAndBinary)
{
    CampaignData campaign = MakeCampaign();
    for (const ResourceStreamFormat format :
         {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_TEXT_COMPACT, RESOURCE_STREAM_FORMAT_BINARY}) {
        SCOPED_TRACE(format);
        ExpectSameCampaign(campaign, ReadCampaign(WriteRecord(campaign, format)));
    }
}

// A wrong label or a value out of place shows up here.
TEST(CampaignDataTest, WritesTheCommentedTextLayout)
{
    CampaignData campaign;
    campaign.campaignName = "Harrowmere";
    campaign.startNodeName = "Shore";
    campaign.nodes.push_back(MakeNode("Shore", {"Reef"}, {}));
    CampaignRegion ocean;
    ocean.SetName("Ocean");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_BACKGROUND, "b.png");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_LOCKED, "l.png");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_UNLOCKED, "u.png");
    ocean.SetImagePath(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED, "h.png");
    ocean.SetMapCoords(Vector2(0.5f, 0.25f));
    ocean.SetNodeNames({"Shore"});
    ocean.SetPalette({Rgba(1, 2, 3, 4)});
    campaign.regions.push_back(ocean);

    const std::string expected = "\"Harrowmere\" \n"
                                 "\"Shore\" \n"
                                 "1 // Number of campaign nodes to follow.\n"
                                 "\n{\n"
                                 "\t\"Shore\" // Name of this Node\n"
                                 "\t\"Shore.PuzzleSet\" // Filename of this node's puzzle set file.\n"
                                 "\t\"Deckhand\" // Achievement for satisfying the PuzzleSet of this node.\n"
                                 "\tfalse \n"
                                 "\t0 // Region index # of the campaign this node is in.\n"
                                 "\tVector2(0.25,0.75) // Campaign coords [(0,0),(1,1)] of this node.\n"
                                 "\t\"Connections\" \n"
                                 "\t1 // Number of connections this node has.\n"
                                 "\n\t{\n\t\t\"Reef\" \n\t}\n\n"
                                 "\t\"Unlocks\" \n"
                                 "\t0 // Number of unlocks this node has.\n"
                                 "\n\t{\n\t}\n"
                                 "}\n\n"
                                 "1 // Number of campaign regions to follow.\n"
                                 "\n{\n"
                                 "\t1 \n"
                                 "\t\"Ocean\" // Name of this CampaignRegion\n"
                                 "\t\"b.png\" // Path to the background image for this region.\n"
                                 "\t\"l.png\" // Path to the locked image for this region\n"
                                 "\t\"u.png\" // Path to the unlocked image for this region\n"
                                 "\t\"h.png\" // Path to the Highlighted image for this region\n"
                                 "\tVector2(0.5,0.25) // Campaign coords [(0,0),(1,1)] of this region.\n"
                                 "\t\"Nodes\" \n"
                                 "\t1 // Number of nodes this region has.\n"
                                 "\n\t{\n\t\t\"Shore\" // Node included in this region.\n\t}\n\n"
                                 "\t\"Palette\" \n"
                                 "\t1 // Number of colors this region has.\n"
                                 "\n\t{\n\t\tRgba(1,2,3,4) \n\t}\n"
                                 "}\n";
    EXPECT_EQ(WithCrLf(expected), WriteRecord(campaign, RESOURCE_STREAM_FORMAT_TEXT));
}

// The binary form has no blocks, tags as plain strings, and one byte for
// the optional flag.
TEST(CampaignDataTest, WritesTheBinaryLayout)
{
    CampaignData campaign;
    campaign.campaignName = "C";
    campaign.startNodeName = "S";
    CampaignNode node;
    node.SetName("S");
    node.SetOptional(false);
    node.SetRegionIndex(2);
    node.SetMapCoords(Vector2(1.0f, 0.5f));
    node.SetUnlocks({"T"});
    campaign.nodes.push_back(std::move(node));

    auto i32 = [](int32_t v) {
        return std::string{char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    };
    auto str = [&](const std::string& text) { return i32(static_cast<int32_t>(text.size())) + text; };
    const std::string expected = i32(int32_t(RESOURCE_STREAM_BINARY_MARKER)) + str("C") + str("S") + i32(1) +
                                 str("S") + str("") + str("") + std::string(1, '\0') + i32(2) +
                                 i32(0x3F800000) + i32(0x3F000000) + str("Connections") + i32(0) + str("Unlocks") +
                                 i32(1) + str("T") + i32(0);
    EXPECT_EQ(expected, WriteRecord(campaign, RESOURCE_STREAM_FORMAT_BINARY));
}

// Tags are not checked, comments are skipped, counts are truncated, and a
// count of 0 or less lists nothing.
TEST(CampaignDataTest, ReadsAHandEditedFile)
{
    const std::string text = "// The campaign\n"
                             "\"Name\" \"Start\"\n"
                             "1.9 /* one location */\n"
                             "{ \"Start\" \"Start.PuzzleSet\" \"\" true 3 Vector2(0.1,0.9)\n"
                             "  \"links\" -2 { }\n"
                             "  \"opens\" 2 { \"A\" \"B\" } }\n"
                             "1\n"
                             "{ 1 \"Sky\" \"a\" \"b\" \"c\" \"d\" Vector2(1,0)\n"
                             "  \"whatever\" 0 { }\n"
                             "  \"colours\" 1 { Rgba(9,8,7,6) } }\n";
    const CampaignData campaign = ReadCampaign(text);
    EXPECT_EQ("Start", campaign.startNodeName);
    ASSERT_EQ(1u, campaign.nodes.size());
    EXPECT_TRUE(campaign.nodes[0].GetConnections().empty());
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), campaign.nodes[0].GetUnlocks());
    EXPECT_EQ(3, campaign.nodes[0].GetRegionIndex());
    ASSERT_EQ(1u, campaign.regions.size());
    EXPECT_EQ("Sky", campaign.regions[0].GetName());
    EXPECT_TRUE(campaign.regions[0].GetNodeNames().empty());
    EXPECT_EQ((std::vector<Rgba>{Rgba(9, 8, 7, 6)}), campaign.regions[0].GetPalette());
}

TEST(CampaignDataTest, ACountBeyondAnyCampaignIsRefusedWithItsPlace)
{
    const std::string text = "\"Name\" \"Start\" 2000000000 { }";
    const std::string message = MessageOfThrow([&] { ReadCampaign(text); });
    EXPECT_NE(std::string::npos, message.find("2000000000 campaign nodes")) << message;
    EXPECT_NE(std::string::npos, message.find("at byte")) << message;
}

TEST(CampaignDataTest, EveryTruncationThrowsAndNeverCrashes)
{
    CampaignData campaign = MakeCampaign();
    for (const ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_BINARY}) {
        const std::string bytes = WriteRecord(campaign, format);
        // Text may lose trailing blanks and the last brace's line break
        // without losing a value.
        const size_t lastNeeded = bytes.find_last_of('}') == std::string::npos || format == RESOURCE_STREAM_FORMAT_BINARY
                                      ? bytes.size()
                                      : bytes.find_last_of('}') + 1;
        for (size_t length = 0; length < lastNeeded; ++length) {
            SCOPED_TRACE(length);
            EXPECT_THROW(ReadCampaign(bytes.substr(0, length)), UlvoException);
        }
    }
}

TEST(CampaignDataTest, AFailedReadLeavesTheCampaignAsItWas)
{
    CampaignData campaign = MakeCampaign();
    const std::string bytes = WriteRecord(campaign, RESOURCE_STREAM_FORMAT_BINARY);
    LoadedStream truncated(bytes.substr(0, bytes.size() - 3));
    EXPECT_THROW(campaign.Read(*truncated), UlvoException);
    ExpectSameCampaign(MakeCampaign(), campaign);
}

TEST(CampaignDataTest, LoadsTheCampaignFileFromTheDataFolder)
{
    testsupport::ScopedDataFolder folder;
    CampaignData campaign = MakeCampaign();
    folder.Write(CAMPAIGN_DATA_FILE, WriteRecord(campaign, RESOURCE_STREAM_FORMAT_TEXT));
    ExpectSameCampaign(campaign, CampaignData::LoadFromFile(UlvoPath(PATH_MARKER_DATA, CAMPAIGN_DATA_FILE)));
}

TEST(CampaignDataTest, AMissingFileIsAnErrorNamingIt)
{
    testsupport::ScopedDataFolder folder;
    const std::string message =
        MessageOfThrow([] { CampaignData::LoadFromFile(UlvoPath(PATH_MARKER_DATA, CAMPAIGN_DATA_FILE)); });
    EXPECT_NE(std::string::npos, message.find("Campaign.CampaignData")) << message;
}

} // namespace
