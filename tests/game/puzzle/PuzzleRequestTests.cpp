#include "game/puzzle/PuzzleRequest.h"

#include "PuzzleTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

// A request with every field away from its default.
PuzzleRequest MakeUnusualRequest()
{
    PuzzleRequest request(7, 3, 2, 1, 5, 4, SOLVABILITY_EITHER);
    request.cageRules1 = CageRules(CAGE_RULE_ADDITION | CAGE_RULE_EVEN);
    request.requiredOperators1 = CageRules(CAGE_RULE_DIVISION);
    request.cageRules2 = CageRules(CAGE_RULE_STRAIGHT | CAGE_RULE_NOOP | CAGE_RULE_EQUALS);
    request.requiredOperators2 = CageRules(0);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    request.generatorVersion = 1.5f;
    request.forceReducedCageSize = true;
    return request;
}

PuzzleRequest MakeHybrid(int size, int attributes, unsigned rules, int solvability)
{
    PuzzleRequest request(size, 0, 1, attributes, 0, 0, solvability);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    request.cageRules1 = CageRules(rules);
    return request;
}

void WriteRules(ResourceStream& stream, unsigned mask)
{
    stream.WriteBlockBegin();
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        stream.WriteBool(((mask >> i) & 1u) != 0);
    }
    stream.WriteBlockEnd();
}

// A record in the layout an older game wrote for this version.
std::string WriteOldRecord(int version, ResourceStreamFormat format, bool solvable)
{
    ResourceStream stream(format, 256);
    stream.WriteBlockBegin();
    stream.WriteInt32(version);
    for (int value : {6, 2, 3, 1, 0, 2, 1}) { // size, boards, difficulty, types and attributes
        stream.WriteInt32(value);
    }
    if (version <= 2) {
        stream.WriteBool(solvable);
    } else {
        stream.WriteInt32(SOLVABILITY_EITHER);
    }
    stream.WriteInt32(GENERATOR_TYPE_HYBRID);
    stream.WriteFloat(1.5f);
    WriteRules(stream, CAGE_RULE_ADDITION);
    WriteRules(stream, CAGE_RULE_ODD);
    if (version >= 2) {
        WriteRules(stream, CAGE_RULE_DIVISION);
        WriteRules(stream, 0);
    }
    stream.WriteBlockEnd();
    return BytesOf(stream);
}

class PuzzleRequestRecordTest : public ::testing::TestWithParam<ResourceStreamFormat> {};

} // namespace

TEST(PuzzleRequestTest, Matching)
{
    const PuzzleRequest base = MakeHybrid(6, 0, ARITHMETIC_CAGE_RULES_MASK, 1);

    PuzzleRequest other = base;
    other.difficultyRating = 4;
    other.requiredOperators1 = CageRules(0);
    other.requiredOperators2 = CageRules(CAGE_RULE_ODD);
    EXPECT_TRUE(base.Matches(other));
    EXPECT_TRUE(other.Matches(base));

    other = base;
    other.generatorVersion = 1.5f;
    ASSERT_EQ(base.GetPatternName(), other.GetPatternName());
    EXPECT_FALSE(base.Matches(other));

    other = base;
    other.cageRules1 = CageRules(ARITHMETIC_CAGE_RULES_MASK | CAGE_RULE_EVEN);
    EXPECT_FALSE(base.Matches(other));

    // Same name under both generators is impossible, so compare simple ones.
    const PuzzleRequest simple(5, 0, 1, 0, 0, 0, 1);
    PuzzleRequest simpleOther = simple;
    simpleOther.cageRules1 = CageRules(CAGE_RULE_ADDITION); // simple names carry no rules
    EXPECT_TRUE(simple.Matches(simpleOther));
    simpleOther.generatorTypeIndex = 2;
    EXPECT_FALSE(simple.Matches(simpleOther));
}

TEST_P(PuzzleRequestRecordTest, RoundTripKeepsEveryField)
{
    const PuzzleRequest request = MakeUnusualRequest();
    EXPECT_EQ(request, RoundTrip(request, GetParam()));
    const PuzzleRequest plain(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
    EXPECT_EQ(plain, RoundTrip(plain, GetParam()));
}

TEST_P(PuzzleRequestRecordTest, OlderVersionsReadWithDefaults)
{
    PuzzleRequest request;
    {
        LoadedStream stream(WriteOldRecord(1, GetParam(), false));
        request.Read(*stream);
    }
    EXPECT_EQ(6, request.size);
    EXPECT_EQ(2, request.numberOfBoards);
    EXPECT_EQ(3, request.difficultyRating);
    EXPECT_EQ(2, request.boardType2);
    EXPECT_EQ(1, request.board2Attributes);
    EXPECT_EQ(SOLVABILITY_UNSOLVABLE, request.solvabilityType);
    EXPECT_EQ(GENERATOR_TYPE_HYBRID, request.generatorTypeIndex);
    EXPECT_EQ(1.5f, request.generatorVersion);
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ADDITION), request.cageRules1.GetMask());
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ODD), request.cageRules2.GetMask());
    EXPECT_EQ(ALL_CAGE_RULES_MASK, request.requiredOperators1.GetMask());
    EXPECT_EQ(ALL_CAGE_RULES_MASK, request.requiredOperators2.GetMask());
    EXPECT_FALSE(request.forceReducedCageSize);

    // Fields the record lacks keep what the request held.
    request.forceReducedCageSize = true;
    {
        LoadedStream stream(WriteOldRecord(2, GetParam(), true));
        request.Read(*stream);
    }
    EXPECT_EQ(SOLVABILITY_SOLVABLE, request.solvabilityType);
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_DIVISION), request.requiredOperators1.GetMask());
    EXPECT_EQ(0u, request.requiredOperators2.GetMask());
    EXPECT_TRUE(request.forceReducedCageSize);

    request.Reset();
    {
        LoadedStream stream(WriteOldRecord(3, GetParam(), true));
        request.Read(*stream);
    }
    EXPECT_EQ(SOLVABILITY_EITHER, request.solvabilityType);
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_DIVISION), request.requiredOperators1.GetMask());
    EXPECT_FALSE(request.forceReducedCageSize);
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, PuzzleRequestRecordTest,
                         ::testing::Values(RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT,
                                           RESOURCE_STREAM_FORMAT_TEXT_COMPACT));

TEST(PuzzleRequestRecordLayoutTest, BinaryLayout)
{
    const std::string bytes = WriteRecord(MakeUnusualRequest(), RESOURCE_STREAM_FORMAT_BINARY);
    // Marker, version, ten int32 fields with one float among them, the
    // force flag, then four blocks of ten bools.
    ASSERT_EQ(4u + 4 + 9 * 4 + 4 + 1 + 40, bytes.size());
    auto int32At = [&](size_t offset) {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<size_t>(i)]);
        }
        return static_cast<int32_t>(value);
    };
    EXPECT_EQ(4, int32At(4));                         // version
    EXPECT_EQ(7, int32At(8));                         // size
    EXPECT_EQ(2, int32At(12));                        // boards
    EXPECT_EQ(3, int32At(16));                        // difficulty
    EXPECT_EQ(5, int32At(28));                        // board type 2
    EXPECT_EQ(SOLVABILITY_EITHER, int32At(36));       // solvability
    EXPECT_EQ(GENERATOR_TYPE_HYBRID, int32At(40));    // generator
    EXPECT_EQ(0x3FC00000, int32At(44));               // 1.5f
    EXPECT_EQ(1, bytes[48]);                          // force reduced cage size
    // Cage rules 1 (Addition, Even), then 2, then required operators 1 (Division).
    EXPECT_EQ(std::string("\0\1\0\0\0\0\0\1\0\0", 10), bytes.substr(49, 10));
    EXPECT_EQ(std::string("\0\0\0\0\1\0\0\0\0\0", 10), bytes.substr(69, 10));
}

