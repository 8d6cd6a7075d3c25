// The player profile and its file: the exact bytes of the current version,
// the text form, older and later versions, and damaged files.
#include "game/shell/PlayerProfile.h"

#include "engine/core/Rgba.h"
#include "engine/core/UlvoException.h"
#include "game/shell/CampaignProgress.h"
#include "tests/game/steam/RecordStreamTestSupport.h"
#include "tests/support/RecordingConsole.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Pemberquill;
using namespace record_test;

namespace {

// Keeps the colour of each coloured line as well.
class ColourRecordingConsole : public testsupport::RecordingConsole {
public:
    void VPrintfColor(const Rgba& colour, const char* format, va_list args) override
    {
        colouredLines.emplace_back(colour, VStringf(format, args));
    }

    std::vector<std::pair<Rgba, std::string>> colouredLines;
};

// A default campaign progress record, as the profile stores it.
std::string DefaultCampaignProgressBytes()
{
    return ByteWriter().Float(0.2f).Bool(false).Int32(-1).String("").Int32(0).Int32(0).bytes;
}

class PlayerProfileTest : public ::testing::Test {
protected:
    static std::unique_ptr<PlayerProfile> ReadFrom(const std::string& bytes)
    {
        ServedStream stream(bytes);
        return std::make_unique<PlayerProfile>(*stream);
    }

    static std::unique_ptr<PlayerProfile> FullProfile()
    {
        auto profile = std::make_unique<PlayerProfile>("Ann");
        profile->GetCampaignProgress().SetHighestRank("Mate");
        profile->GetCampaignProgress().SetBadges({"Shell"});
        profile->GetGameMechanicsKnown().AddMechanic(1900);
        profile->GetGameMechanicsKnown().AddMechanic(1100);
        profile->GetGameMechanicsKnown().AddMechanic(1680);
        profile->GetGameMechanicsKnown().rules.SetFromMask(CAGE_RULE_ADDITION | CAGE_RULE_EVEN | CAGE_RULE_NOOP);
        profile->GetAchievements().highScore = 4321;
        profile->GetAchievements().hintsTakenPerLocation["Reef Point"] = 2;
        return profile;
    }

    // Everything the profile stores, as its binary file.
    static std::string Stored(PlayerProfile& profile) { return WriteRecord(profile, RESOURCE_STREAM_FORMAT_BINARY); }

    static void ExpectNewPlayer(const PlayerProfile& profile)
    {
        EXPECT_EQ(INDEX_INVALID, profile.GetCampaignProgress().GetActiveCampaignNodeIndex());
        EXPECT_FALSE(profile.GetCampaignProgress().HasStartedCampaign());
        EXPECT_TRUE(profile.GetCampaignProgress().GetPuzzleSetProgresses().empty());
        EXPECT_EQ(0u, profile.GetGameMechanicsKnown().rules.GetMask());
        EXPECT_TRUE(profile.GetGameMechanicsKnown().mechanics.empty());
        PlayerAchievements achievements = profile.GetAchievements();
        EXPECT_EQ(ByteWriter().Marker().Append(NewAchievementRecordBytes()).bytes,
                  WriteRecord(achievements, RESOURCE_STREAM_FORMAT_BINARY));
    }

    ColourRecordingConsole console;
};

TEST_F(PlayerProfileTest, WritesTheVersion23BinaryLayout)
{
    std::unique_ptr<PlayerProfile> profile = FullProfile();
    ByteWriter expected;
    expected.Marker().String("Ann").Int32(23).Bool(true);
    expected.Float(0.2f).Bool(false).Int32(-1).String("Mate").Int32(1).String("Shell").Int32(0);
    expected.Int32(3).Int32(1100).Int32(1680).Int32(1900);
    for (const bool known : {false, true, false, false, false, false, false, true, false, true}) {
        expected.Bool(known);
    }
    std::string achievements = NewAchievementRecordBytes(4321);
    achievements.erase(achievements.size() - 2);
    expected.Append(achievements).Int8(1).String("Reef Point").Int32(2).Int8(0);
    EXPECT_EQ(expected.bytes, Stored(*profile));
}

TEST_F(PlayerProfileTest, RoundTripsInBothForms)
{
    for (const ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT}) {
        SCOPED_TRACE(format);
        std::unique_ptr<PlayerProfile> written = FullProfile();
        const std::unique_ptr<PlayerProfile> read = ReadFrom(WriteRecord(*written, format));
        EXPECT_EQ("Ann", read->GetName());
        EXPECT_EQ("Mate", read->GetCampaignProgress().GetHighestRank());
        EXPECT_EQ((std::set<int>{1100, 1680, 1900}), read->GetGameMechanicsKnown().mechanics);
        EXPECT_EQ(written->GetGameMechanicsKnown().rules, read->GetGameMechanicsKnown().rules);
        EXPECT_EQ(4321, read->GetAchievements().highScore);
        EXPECT_EQ(Stored(*written), Stored(*read));
    }
}

// Written by hand as a player might edit it: identifiers out of order and
// one of them twice.
TEST_F(PlayerProfileTest, AHandWrittenTextFileReadsLikeTheBinaryOne)
{
    const std::string text = "\"Ann\" 23 true\n"
                              "{ 0.2 false -1 { \"Mate\" 1 \"Shell\" } 0 }\n"
                              "{ 4 1900 1100 1680 1900\n"
                              "  { false true false false false false false true false true } }\n"
                              "{ 9 \"Beginner\" 0 4321 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 false 0 0 0 0 0 0 0 0 0 0\n"
                              "  0 1 { \"Reef Point\" 2 } 0 }\n";
    std::unique_ptr<PlayerProfile> fromText = ReadFrom(text);
    std::unique_ptr<PlayerProfile> expected = FullProfile();
    EXPECT_EQ(Stored(*expected), Stored(*fromText));
    EXPECT_EQ(3u, fromText->GetGameMechanicsKnown().mechanics.size());
}

TEST_F(PlayerProfileTest, AnOlderVersionKeepsOnlyTheNameAndSaysSoInRed)
{
    const std::string bytes =
        ByteWriter().Marker().String("Old Salt").Int32(22).Bool(true).Append("whatever followed").bytes;
    const std::unique_ptr<PlayerProfile> profile = ReadFrom(bytes);
    EXPECT_EQ("Old Salt", profile->GetName());
    ExpectNewPlayer(*profile);
    ASSERT_EQ(1u, console.colouredLines.size());
    EXPECT_EQ(Rgba(255, 0, 0, 255), console.colouredLines[0].first);
    EXPECT_EQ("Unable to load player profile from \"steamuser.playerProfile\" - file was format version #22 "
              "(current version is #23).\n",
              console.colouredLines[0].second);

    // A profile read over starts over just the same.
    std::unique_ptr<PlayerProfile> known = FullProfile();
    ServedStream stream(bytes);
    known->Read(*stream);
    EXPECT_EQ("Old Salt", known->GetName());
    ExpectNewPlayer(*known);
}

TEST_F(PlayerProfileTest, ALaterVersionIsReadWithTheCurrentLayout)
{
    std::unique_ptr<PlayerProfile> written = FullProfile();
    std::string bytes = Stored(*written);
    const size_t versionAt = 4 + 4 + 3;
    ASSERT_EQ(23, bytes[versionAt]);
    bytes[versionAt] = 24;
    const std::unique_ptr<PlayerProfile> read = ReadFrom(bytes);
    EXPECT_EQ(Stored(*written), Stored(*read));
    EXPECT_TRUE(console.colouredLines.empty());
}

TEST_F(PlayerProfileTest, AFileWithoutCampaignProgressGetsADefaultOneAndStoresIt)
{
    ByteWriter bytes;
    bytes.Marker().String("Ann").Int32(23).Bool(false);
    bytes.Int32(0);  // no mechanics: the rule flags follow at once
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        bytes.Bool(i == 0);
    }
    bytes.Append(NewAchievementRecordBytes());
    const std::unique_ptr<PlayerProfile> profile = ReadFrom(bytes.bytes);
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_EQUALS), profile->GetGameMechanicsKnown().rules.GetMask());
    EXPECT_TRUE(profile->GetGameMechanicsKnown().mechanics.empty());

    std::string expected = bytes.bytes;
    expected.replace(4 + 7 + 4, 1, std::string(1, '\1') + DefaultCampaignProgressBytes());
    EXPECT_EQ(expected, Stored(*profile));
}

TEST_F(PlayerProfileTest, EveryTruncationThrowsAndLeavesTheProfileAsItWas)
{
    std::unique_ptr<PlayerProfile> written = FullProfile();
    const std::string binary = Stored(*written);
    const std::string text = WriteRecord(*written, RESOURCE_STREAM_FORMAT_TEXT);

    PlayerProfile profile("Bea");
    profile.GetGameMechanicsKnown().AddMechanic(1800);
    profile.GetAchievements().highScore = 9;
    const std::string before = Stored(profile);
    const CampaignProgress* const progressBefore = &profile.GetCampaignProgress();
    for (size_t length = 0; length < binary.size(); ++length) {
        ServedStream stream(binary.substr(0, length));
        EXPECT_THROW(profile.Read(*stream), UlvoException) << length;
    }
    // Cut inside its digits, the text version would read as an older one.
    for (size_t length = 0; length <= text.rfind('}'); ++length) {
        if (length == text.find("23 //") + 1) {
            continue;
        }
        ServedStream stream(text.substr(0, length));
        EXPECT_THROW(profile.Read(*stream), UlvoException) << length;
    }
    EXPECT_EQ(before, Stored(profile));
    EXPECT_EQ(progressBefore, &profile.GetCampaignProgress()) << "the record the campaign may point at stays";
}

TEST_F(PlayerProfileTest, AnAbsurdMechanicCountIsRefusedBeforeAnythingIsRead)
{
    for (const int32_t count : {-1, 10001, 0x7FFFFFFF}) {
        SCOPED_TRACE(count);
        const std::string bytes = ByteWriter()
                                      .Marker()
                                      .String("Ann")
                                      .Int32(23)
                                      .Bool(false)
                                      .Int32(count)
                                      .Append(std::string(64, '\0'))
                                      .bytes;
        ServedStream stream(bytes);
        PlayerProfile profile("Bea");
        try {
            profile.Read(*stream);
            ADD_FAILURE() << "no UlvoException was thrown";
        } catch (const UlvoException& error) {
            EXPECT_NE(std::string::npos, error.GetMessage().find("known mechanics")) << error.GetMessage();
        }
        EXPECT_EQ("Bea", profile.GetName());
    }
}

TEST_F(PlayerProfileTest, TextBlocksNeedTheirBraces)
{
    const std::string head = "\"Ann\" 23 false ";
    const std::string achievements =
        " { 9 \"Beginner\" 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 false 0 0 0 0 0 0 0 0 0 0 0 0 0 }";
    const std::string rules = "false false false false false false false false false false";
    EXPECT_EQ("Ann", ReadFrom(head + "{ 0 { " + rules + " } }" + achievements)->GetName());
    for (const std::string& body : {"0 { " + rules + " } }", "{ 0 " + rules + " } }", "{ 0 { " + rules + " }"}) {
        SCOPED_TRACE(body);
        EXPECT_THROW(ReadFrom(head + body + achievements), UlvoException);
    }
}

} // namespace
