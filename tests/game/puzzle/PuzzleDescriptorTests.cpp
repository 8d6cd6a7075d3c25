#include "game/puzzle/PuzzleDescriptor.h"

#include "PuzzleTestSupport.h"
#include "game/puzzle/PuzzleRequest.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

BoardRecipe MakeRecipe(int boardType, int attributes, unsigned rules)
{
    BoardRecipe recipe;
    recipe.boardType = boardType;
    recipe.solvingAttributes = attributes;
    recipe.cageRules = CageRules(rules);
    return recipe;
}

PuzzleDescriptor MakeDescriptor(int seed, int size, std::initializer_list<BoardRecipe> recipes)
{
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(seed);
    descriptor.SetSize(size);
    for (const BoardRecipe& recipe : recipes) {
        descriptor.AddBoardRecipe(recipe);
    }
    return descriptor;
}

// Every field away from its default, the recipes' required operators aside
// (they are not part of the record).
PuzzleDescriptor MakeUnusualDescriptor()
{
    BoardRecipe first;
    first.boardType = 2;
    first.boardSeedNumber = 99;
    first.boardSize = 6;
    first.isSolvable = true;
    first.solverSteps = 41;
    first.complexity = 12.25f;
    first.deepestStep = 17;
    first.difficultyRating = 3;
    first.solvingAttributes = 1;
    first.cageRules = CageRules(CAGE_RULE_ADDITION | CAGE_RULE_NOOP);
    BoardRecipe second = first;
    second.boardSeedNumber = -7;
    second.cageRules = CageRules(CAGE_RULE_ODD);

    PuzzleDescriptor descriptor = MakeDescriptor(31337, 6, {first, second});
    descriptor.SetSolverSteps(82);
    descriptor.SetSolverIterations(300);
    descriptor.SetTotalComplexity(24.5f);
    descriptor.SetHardestStep(17);
    descriptor.SetDifficultyRating(3);
    descriptor.SetSolvable(false);
    descriptor.SetUnlockPuzzle(true);
    descriptor.SetGeneratorIndex(GENERATOR_TYPE_HYBRID);
    descriptor.SetGeneratorVersion(1.5f);
    descriptor.SetBuildTime(250);
    descriptor.SetSolveTime(1750);
    descriptor.SetForceReducedCageSize(true);
    descriptor.GetPuzzleID();
    return descriptor;
}

class DescriptorRecordTest : public ::testing::TestWithParam<ResourceStreamFormat> {};

} // namespace

TEST(PuzzleDescriptorTest, PuzzleIdIsWorkedOutOnceAndForgottenWithTheSeed)
{
    PuzzleDescriptor descriptor = MakeDescriptor(1234, 5, {MakeRecipe(1, 0, ALL_CAGE_RULES_MASK)});
    EXPECT_EQ("1234-5x1x0x1", descriptor.GetPuzzleID());

    // Held from then on, whatever else changes...
    descriptor.SetSize(6);
    descriptor.GetBoardRecipe(0).boardType = 2;
    EXPECT_EQ("1234-5x1x0x1", descriptor.GetPuzzleID());
    descriptor.SetSeed(1234);
    EXPECT_EQ("1234-5x1x0x1", descriptor.GetPuzzleID());

    // ...but a new seed is a new puzzle.
    descriptor.SetSeed(-5);
    EXPECT_EQ("-5-6x2x0x1", descriptor.GetPuzzleID());
}

TEST_P(DescriptorRecordTest, RoundTripKeepsEveryField)
{
    const PuzzleDescriptor descriptor = MakeUnusualDescriptor();
    const PuzzleDescriptor read = RoundTrip(descriptor, GetParam());
    EXPECT_EQ(descriptor, read);
    EXPECT_EQ("31337-6-!AN-!O-0", read.GetPuzzleID());

    // The ID is written even when nobody asked for it before.
    const PuzzleDescriptor fresh = MakeDescriptor(77, 4, {MakeRecipe(1, 0, 0)});
    EXPECT_EQ("77-4x1x0x1", RoundTrip(fresh, GetParam()).GetPuzzleID());
}

TEST_P(DescriptorRecordTest, StoredIdWinsOverSeedAndRecipes)
{
    std::string bytes = WriteRecord(MakeDescriptor(1234, 5, {MakeRecipe(1, 0, 0)}), GetParam());
    const size_t at = bytes.find("1234-5x1x0x1");
    ASSERT_NE(std::string::npos, at);
    bytes.replace(at, 12, "CAMPAIGN-001");

    LoadedStream stream(bytes);
    const PuzzleDescriptor read(*stream);
    EXPECT_EQ(1234, read.GetSeed());
    EXPECT_EQ("CAMPAIGN-001", read.GetPuzzleID());
}

TEST_P(DescriptorRecordTest, TruncatedRecordsAreErrors)
{
    const std::string bytes = WriteRecord(MakeUnusualDescriptor(), GetParam());
    for (size_t length = 0; length < bytes.size(); ++length) {
        if (bytes.find_first_not_of(" \t\r\n", length) == std::string::npos) {
            break;
        }
        LoadedStream stream(bytes.substr(0, length));
        PuzzleDescriptor descriptor;
        EXPECT_THROW(descriptor.Read(*stream), UlvoException) << "cut at " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, DescriptorRecordTest,
                         ::testing::Values(RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT,
                                           RESOURCE_STREAM_FORMAT_TEXT_COMPACT));

TEST(DescriptorRecordLayoutTest, BinarySize)
{
    // Marker; version; ID with its int32 length; two bools; 11 int32 and
    // float fields; the force flag; the count; each recipe 8 int32 and float
    // fields, a bool and ten rule bools.
    const std::string binary = WriteRecord(MakeUnusualDescriptor(), RESOURCE_STREAM_FORMAT_BINARY);
    const size_t idLength = std::string("31337-6-!AN-!O-0").size();
    EXPECT_EQ(4 + 4 + 4 + idLength + 2 + 11 * 4 + 1 + 4 + 2 * (8 * 4 + 1 + 10), binary.size());
}
