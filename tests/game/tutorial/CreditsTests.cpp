#include "game/tutorial/Credits.h"

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/ScopedWorkingDirectory.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// One section, one group of three lines: 1200 + 192 + 104 + 3 x 52.
const char* const ONE_GROUP_ROLL = "\"Section\" { \"Group\" { \"a\" \"b\" \"c\" \"STOP\" } \"Stop\" } \"stop\"";
constexpr float ONE_GROUP_HEIGHT = 1652.0f;

std::string Outline(const std::vector<CreditsEntry>& entries)
{
    std::string text;
    for (const CreditsEntry& entry : entries) {
        text += entry.text + "(" + Outline(entry.children) + ")";
    }
    return text;
}

class CreditsTest : public ::testing::Test {
protected:
    UlvoEventSystem events;
    testsupport::RecordingConsole console;
    testsupport::ScopedDataFolder data;
    Clock clock;
    Credits credits;
};

TEST_F(CreditsTest, EveryEncodingReadsTheSameRoll)
{
    std::vector<CreditsEntry> roll = {Credits::MakeEntry(0, "S1"), Credits::MakeEntry(0, "S2")};
    roll[0].children = {Credits::MakeEntry(1, "G1"), Credits::MakeEntry(1, "G2")};
    roll[0].children[0].children = {Credits::MakeEntry(2, "x"), Credits::MakeEntry(2, "y")};
    for (ResourceStreamFormat format :
         {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_TEXT_COMPACT}) {
        ResourceStream written(format, 64);
        Credits::WriteSections(written, roll);
        const std::string path = data.PathOf("roll.pqdf");
        ASSERT_TRUE(written.SaveToFile(UlvoPath(PATH_MARKER_NONE, path)));
        ResourceStream read{UlvoPath(PATH_MARKER_NONE, path)};
        EXPECT_EQ(Outline(Credits::ReadSections(read)), "S1(G1(x()y())G2())S2()") << "format " << format;
    }
}

TEST_F(CreditsTest, TheRollMovesUpByItsHeightOverAHundredSecondsAndStays)
{
    data.Write(Credits::CREDITS_FILE, ONE_GROUP_ROLL);
    credits.Startup(&clock);
    EXPECT_EQ(Outline(credits.GetSections()), "Section(Group(a()b()c()))") << "STOP and Stop end lists";
    EXPECT_FLOAT_EQ(credits.GetRollHeight(), ONE_GROUP_HEIGHT);

    events.FireEvent("PlayCreditsEvent");
    const struct {
        double seconds;
        float offset;
    } rows[] = {{0.0, 0.0f}, {50.0, -826.0f}, {100.0, -ONE_GROUP_HEIGHT}, {150.0, -ONE_GROUP_HEIGHT}};
    for (const auto& row : rows) {
        credits.GetClock()->SetTime(row.seconds);
        EXPECT_FLOAT_EQ(credits.GetScrollOffset(), row.offset) << row.seconds << " s";
    }

    events.FireEvent("PlayCreditsEvent");
    EXPECT_FLOAT_EQ(credits.GetScrollOffset(), 0.0f) << "opening again starts from the top";
    events.FireEvent("QuitCreditsEvent");
    EXPECT_FALSE(credits.IsPlaying());
    credits.Shutdown();
}

// No file at all, then one cut short.
TEST_F(CreditsTest, AnUnreadableFileIsAnErrorAndAnEmptyRoll)
{
    for (const char* text : {static_cast<const char*>(nullptr), "\"Section\" { \"Group\" { \"a\""}) {
        SCOPED_TRACE(text != nullptr ? text : "missing");
        console.lines.clear();
        if (text != nullptr) {
            data.Write(Credits::CREDITS_FILE, text);
        }
        credits.Startup(&clock);
        EXPECT_TRUE(credits.GetSections().empty());
        EXPECT_FLOAT_EQ(credits.GetRollHeight(), 1200.0f);
        EXPECT_NE(console.Text().find("ERROR: Credits file"), std::string::npos);
        credits.Shutdown();
    }
}

TEST(ShippedCredits, TheGameReadsItsOwnCreditsFile)
{
    testsupport::ScopedWorkingDirectory inProject(PQ_SOURCE_DIR);
    ResourceStream stream{UlvoPath(PATH_MARKER_DATA, Credits::CREDITS_FILE)};
    ASSERT_TRUE(stream.IsValid());
    EXPECT_FALSE(Credits::ReadSections(stream).empty());
}

} // namespace
