// The files the player keeps, in one table: the campaign progress record,
// the player profile and the options file. For each: the exact bytes (and
// text) of a sample with no value at its default, the round trip through
// every form it writes, every truncation refused without touching what was
// read before, and the older or hand-edited files it still reads. (The
// campaign file is pinned by the campaign maker's test and read whole by
// PlayerSessionTests.)
#include "engine/core/UlvoException.h"
#include "game/campaign/CampaignData.h"
#include "game/campaign/CampaignProgress.h"
#include "game/options/PemberquillOptions.h"
#include "game/player/PlayerProfile.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/game/steam/RecordStreamTestSupport.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace Pemberquill;
using namespace record_test;

namespace {

using Reread = std::function<std::string(const std::string&)>;

struct RecordCase {
    std::string name;
    // The sample written in the given form.
    std::function<std::string(ResourceStreamFormat)> write;
    std::string binary; // exact bytes of the sample; empty where only text is written
    std::string text;   // exact text of the sample; empty where it is not pinned
    // Reads the bytes over a copy of the sample and writes it again in its
    // first form; throws UlvoException on a file it refuses, after checking
    // that the copy is as it was.
    Reread reread;
    // Text shorter than this, through the last occurrence, lacks a value.
    std::string textNeededThrough;
    // Other files it reads, and how each is written back.
    std::vector<std::pair<std::string, std::string>> alsoReads;
};

// Reads over a record that differs from the sample everywhere; a refused
// file must leave that record as it was.
template <typename Record>
Reread RereadOver(std::function<std::unique_ptr<Record>()> makeOther)
{
    return [makeOther](const std::string& bytes) {
        std::unique_ptr<Record> record = makeOther();
        const std::string before = WriteRecord(*makeOther(), RESOURCE_STREAM_FORMAT_BINARY);
        try {
            ServedStream stream(bytes);
            record->Read(*stream);
        } catch (const UlvoException&) {
            EXPECT_EQ(before, WriteRecord(*record, RESOURCE_STREAM_FORMAT_BINARY)) << "a refused file changed the record";
            throw;
        }
        return WriteRecord(*record, RESOURCE_STREAM_FORMAT_BINARY);
    };
}

// --- The campaign progress record.

std::unique_ptr<CampaignProgress> SampleProgress()
{
    auto progress = std::make_unique<CampaignProgress>();
    progress->SetHighestRank("Mate");
    progress->SetBadges({"A", "BC"});
    return progress;
}

RecordCase ProgressRecord()
{
    const std::string sample =
        ByteWriter().Marker().Float(0.2f).Bool(false).Int32(-1).String("Mate").Int32(2).String("A").String("BC").Int32(0).bytes;
    // The first version had no rank block; it is written back with one.
    const std::string older = ByteWriter().Marker().Float(0.1f).Bool(true).Int32(-1).Int32(0).bytes;
    const std::string olderWrittenBack =
        ByteWriter().Marker().Float(0.2f).Bool(true).Int32(-1).String("").Int32(0).Int32(0).bytes;
    return {"campaign progress",
            [](ResourceStreamFormat format) { return WriteRecord(*SampleProgress(), format); },
            sample,
            "",
            RereadOver<CampaignProgress>([] {
                auto other = std::make_unique<CampaignProgress>();
                other->SetBadges({"Other"});
                return other;
            }),
            "}",
            {{older, olderWrittenBack}, {"{ 0.1 true -1 0 }", olderWrittenBack}}};
}

// --- The player profile.

std::unique_ptr<PlayerProfile> SampleProfile()
{
    auto profile = std::make_unique<PlayerProfile>("Ann");
    profile->GetCampaignProgress().SetHighestRank("Mate");
    profile->GetCampaignProgress().SetBadges({"Shell"});
    for (const int mechanic : {1900, 1100, 1680}) {
        profile->GetGameMechanicsKnown().AddMechanic(mechanic);
    }
    profile->GetGameMechanicsKnown().rules.SetFromMask(CAGE_RULE_ADDITION | CAGE_RULE_EVEN | CAGE_RULE_NOOP);
    profile->GetAchievements().highScore = 4321;
    profile->GetAchievements().hintsTakenPerLocation["Reef Point"] = 2;
    return profile;
}

ByteWriter ProfileHead(const std::string& name, int32_t version)
{
    return ByteWriter().Marker().String(name).Int32(version);
}

std::string NewProfileBytes(const std::string& name)
{
    PlayerProfile profile(name);
    return WriteRecord(profile, RESOURCE_STREAM_FORMAT_BINARY);
}

RecordCase ProfileFile()
{
    ByteWriter sample = ProfileHead("Ann", 23).Bool(true);
    sample.Float(0.2f).Bool(false).Int32(-1).String("Mate").Int32(1).String("Shell").Int32(0);
    sample.Int32(3).Int32(1100).Int32(1680).Int32(1900);
    for (const bool known : {false, true, false, false, false, false, false, true, false, true}) {
        sample.Bool(known);
    }
    std::string achievements = NewAchievementRecordBytes(4321);
    achievements.erase(achievements.size() - 2);
    sample.Append(achievements).Int8(1).String("Reef Point").Int32(2).Int8(0);

    std::string later = sample.bytes;
    later[4 + 4 + 3] = 24;
    // Without a campaign progress record a default one is made and stored.
    ByteWriter withoutProgress = ProfileHead("Ann", 23).Bool(false).Int32(0);
    ByteWriter withDefaultProgress = ProfileHead("Ann", 23).Bool(true);
    withDefaultProgress.Float(0.2f).Bool(false).Int32(-1).String("").Int32(0).Int32(0).Int32(0);
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        withoutProgress.Bool(i == 0);
        withDefaultProgress.Bool(i == 0);
    }
    withoutProgress.Append(NewAchievementRecordBytes());
    withDefaultProgress.Append(NewAchievementRecordBytes());
    // Edited by hand: identifiers out of order, one of them twice.
    const std::string handWritten =
        "\"Ann\" 23 true\n{ 0.2 false -1 { \"Mate\" 1 \"Shell\" } 0 }\n{ 4 1900 1100 1680 1900\n"
        "  { false true false false false false false true false true } }\n"
        "{ 9 \"Beginner\" 0 4321 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 false 0 0 0 0 0 0 0 0 0 0\n"
        "  0 1 { \"Reef Point\" 2 } 0 }\n";
    return {"player profile",
            [](ResourceStreamFormat format) { return WriteRecord(*SampleProfile(), format); },
            sample.bytes,
            "",
            RereadOver<PlayerProfile>([] {
                auto other = std::make_unique<PlayerProfile>("Bea");
                other->GetGameMechanicsKnown().AddMechanic(1800);
                other->GetAchievements().highScore = 9;
                return other;
            }),
            "",
            {{later, sample.bytes},
             {withoutProgress.bytes, withDefaultProgress.bytes},
             {handWritten, sample.bytes},
             // An older version keeps only the name: the player starts over.
             {ProfileHead("Old Salt", 22).Bool(true).Append("whatever followed").bytes, NewProfileBytes("Old Salt")}}};
}

// --- The options file, read and written through the player's storage. The
// brush is never stored: the files below that hold it on are written back
// with it off.

const std::string OPTIONS_TEXT = "1 // Version\r\nfalse // Showing candidates\r\ntrue // Showing cages\r\n"
                                 "false // Showing operators\r\nfalse // Showing solutions\r\n"
                                 "true // Showing answers\r\nfalse // Painting cages\r\nfalse // Playing sounds\r\n"
                                 "true // Windowed\r\nfalse // Highlighting errors\r\n"
                                 "false // Use auto-elimination\r\n7 // Puzzle size\r\n40 // Master volume\r\n"
                                 "3 // Difficulty rating\r\n0 // Solvability type\r\n0 // Board 1 type\r\n"
                                 "1 // Board 2 type\r\n5 // Paint color index\r\n37 // Cage rules 1\r\n"
                                 "512 // Cage rules 2\r\ntrue // Board 1 hidden-cage\r\n"
                                 "true // Board 2 hidden-cage\r\n8675309 // Puzzle seed\r\n";

std::string RereadOptions(const std::string& bytes)
{
    options_test::OptionsEnvironment environment;
    const std::string path = environment.folder.File("p.pqoptions");
    testsupport::WriteFileBytes(path, testsupport::Bytes(bytes.begin(), bytes.end()));
    PemberquillOptions options;
    if (!options.LoadOptions("p")) {
        throw UlvoException("LoadOptions", __FILE__, __LINE__, "refused", "the options file was not loaded");
    }
    EXPECT_TRUE(options.SaveOptions());
    const testsupport::Bytes saved = testsupport::ReadFileBytes(path);
    return std::string(saved.begin(), saved.end());
}

RecordCase OptionsFile()
{
    ByteWriter binary;
    binary.Marker().Int8(1);
    for (const bool flag : {false, true, false, false, true, true, false, true, false, false}) {
        binary.Bool(flag);
    }
    for (const int32_t value : {7, 40, 3, 0, 0, 1, 5, 37, 512}) {
        binary.Int32(value);
    }
    binary.Bool(true).Bool(true).Int32(8675309);
    return {"options file",
            [](ResourceStreamFormat) { return RereadOptions(OPTIONS_TEXT); },
            "",
            OPTIONS_TEXT,
            RereadOptions,
            "hidden-cage\r\n",
            {{binary.bytes, OPTIONS_TEXT},
             {"1\n false true false false true true false true false false\n7 40 3 0 0 1 5 37 512 true true 8675309\n",
              OPTIONS_TEXT}}};
}

std::vector<RecordCase> Records()
{
    return {ProgressRecord(), ProfileFile(), OptionsFile()};
}

std::optional<std::string> MessageOfRefusal(const Reread& reread, const std::string& bytes)
{
    try {
        reread(bytes);
    } catch (const UlvoException& error) {
        return error.GetMessage();
    }
    return std::nullopt;
}

std::string ReadBack(const Reread& reread, const std::string& bytes)
{
    try {
        return reread(bytes);
    } catch (const UlvoException& error) {
        ADD_FAILURE() << "refused: " << error.GetMessage();
        return {};
    }
}

// Each file: the sample's exact bytes and text, every form read back to the
// sample, the older files it reads, and every truncation refused.
TEST(PlayerRecordFilesTest, ExactBytesRoundTripsOlderFilesAndTruncations)
{
    for (const RecordCase& record : Records()) {
        SCOPED_TRACE(record.name);
        if (!record.binary.empty()) {
            EXPECT_EQ(record.binary, record.write(RESOURCE_STREAM_FORMAT_BINARY));
        }
        if (!record.text.empty()) {
            EXPECT_EQ(record.text, record.write(RESOURCE_STREAM_FORMAT_TEXT));
        }
        const std::string canonical = record.binary.empty() ? record.text : record.binary;
        for (const ResourceStreamFormat format :
             {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_TEXT_COMPACT, RESOURCE_STREAM_FORMAT_BINARY}) {
            EXPECT_EQ(canonical, ReadBack(record.reread, record.write(format))) << "format " << format;
        }
        for (const auto& [file, writtenBack] : record.alsoReads) {
            EXPECT_EQ(writtenBack, ReadBack(record.reread, file)) << file;
        }
        for (size_t length = 0; length < record.binary.size(); ++length) {
            EXPECT_TRUE(MessageOfRefusal(record.reread, record.binary.substr(0, length))) << "binary cut at " << length;
        }
        if (record.textNeededThrough.empty()) {
            continue;
        }
        const std::string text = record.write(RESOURCE_STREAM_FORMAT_TEXT);
        const size_t needed = text.rfind(record.textNeededThrough) + record.textNeededThrough.size();
        for (size_t length = 0; length < needed; ++length) {
            EXPECT_TRUE(MessageOfRefusal(record.reread, text.substr(0, length))) << "text cut at " << length;
        }
    }
}

// Counts no file could hold are refused before anything is made of them,
// and the message says what was counted.
TEST(PlayerRecordFilesTest, AbsurdCountsAndMissingBracesAreRefused)
{
    const Reread campaign = RereadOver<CampaignData>([] { return std::make_unique<CampaignData>(); });
    const Reread progress = ProgressRecord().reread;
    const Reread profile = ProfileFile().reread;
    const std::string rules = "false false false false false false false false false false";
    const std::string achievements = " { 9 \"Beginner\" 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 false 0 0 0 0 0 0 0 0 0 0 0 0 0 }";
    const struct {
        const Reread& reread;
        std::string file;
        std::string message;
    } cases[] = {
        {campaign, "\"Name\" \"Start\" 2000000000 { }", "2000000000 campaign nodes"},
        {progress, "{ 0.2 false -1 { \"R\" 99999999 } 0 }", "99999999 badges"},
        {progress, "0.2 false -1 { \"R\" 0 } 0", ""},
        {profile, ProfileHead("Ann", 23).Bool(false).Int32(-1).Append(std::string(64, '\0')).bytes, "known mechanics"},
        {profile, ProfileHead("Ann", 23).Bool(false).Int32(10001).Append(std::string(64, '\0')).bytes, "known mechanics"},
        {profile, "\"Ann\" 23 false { 0 " + rules + " } }" + achievements, ""},
        {profile, "\"Ann\" 23 false { 0 { " + rules + " }" + achievements, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::optional<std::string> message = MessageOfRefusal(c.reread, c.file);
        ASSERT_TRUE(message);
        EXPECT_NE(std::string::npos, message->find(c.message)) << *message;
    }
    // The same text with its braces is read.
    EXPECT_NO_THROW(profile("\"Ann\" 23 false { 0 { " + rules + " } }" + achievements));
}

} // namespace
