// The recipe-book cook: its options, the books it cooks and the program's
// exit status.
#include "tools/cook/CookOptions.h"
#include "tools/cook/RecipeBookCook.h"

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/RecipeBook.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sys/wait.h>

using namespace Pemberquill;

namespace {

TEST(CookOptions, EveryOptionLandsInItsOwnField)
{
    const CookOptionsParse parse = ParseCookOptions(
        {"--size", "6", "--count", "25", "--generator", "hybrid", "--rules", "AXE", "--required", "e", "--board-type",
         "3", "--attributes", "1", "--second-board-type", "2", "--second-attributes", "4", "--second-rules", "M",
         "--second-required", "512", "--solvability", "0", "--version", "1.5", "--reduced-cages", "--first-seed",
         "300", "--max-seeds", "70", "--output", "out.recipes", "--print"});
    ASSERT_EQ("", parse.error);
    PuzzleRequest expected(6, 0, 3, 1, 2, 4, SOLVABILITY_UNSOLVABLE);
    expected.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    expected.cageRules1.SetFromMask(CAGE_RULE_ADDITION | CAGE_RULE_MULTIPLICATION | CAGE_RULE_EVEN);
    expected.requiredOperators1.SetFromMask(CAGE_RULE_EVEN);
    expected.cageRules2.SetFromMask(ARITHMETIC_CAGE_RULES_MASK);
    expected.requiredOperators2.SetFromMask(512);
    expected.generatorVersion = 1.5f;
    expected.forceReducedCageSize = true;
    EXPECT_EQ(expected, parse.options.request);
    const CookOptions& o = parse.options;
    EXPECT_EQ(std::make_tuple(25, 300, 70, std::string("out.recipes"), true),
              std::make_tuple(o.count, o.firstSeed, o.maxSeeds, o.outputPath, o.printBoards));
}

TEST(CookOptions, MistakesAndBoundsAreReportedNotGuessed)
{
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--size", "1", "--count", "5"}, ""}, {{"--size", "9", "--count", "5"}, ""},
        {{"--size", "0"}, "--size must be 1 to 9"}, {{"--size", "10"}, "--size must be 1 to 9"},
        {{"--colour", "red"}, "unknown option --colour"}, {{"--count"}, "--count needs a value"},
        {{"--size", "4"}, "--count must be at least 1"}, {{"--generator", "x"}, "--generator cannot take \"x\""},
        {{"--rules", "AXZ"}, "--rules cannot take \"AXZ\""}, {{"--rules", "1024"}, "--rules cannot take \"1024\""},
        {{"--size", "4", "--count", "5", "--solvability", "3"}, "--solvability must be 0, 1 or 2"},
        {{"--size", "4", "--count", "5", "--first-seed", "-1"},
         "--first-seed must not be negative and --max-seeds must be positive"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.error, ParseCookOptions(c.arguments).error) << ::testing::PrintToString(c.arguments);
    }
}

// The book holds distinct seeds, easiest first, the same every time; the
// program writes it under the request's pattern name for the chef to read,
// and its exit status tells a full book, a short one and an error apart.
TEST(RecipeBookCook, CooksTheSameBookEveryTimeAndTheProgramSaysHowItWent)
{
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    const PuzzleRequest request(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
    const CookedBook book = CookRecipeBook(chef, clock, request, 10, 40, 100000);
    ASSERT_EQ(10u, book.descriptors.size());
    std::set<int> seeds;
    for (size_t i = 0; i < book.descriptors.size(); ++i) {
        const PuzzleDescriptor& descriptor = book.descriptors[i];
        EXPECT_TRUE(descriptor.IsSolvable() && descriptor.GetSeed() >= 40) << i;
        EXPECT_EQ(static_cast<int>(i / 2), descriptor.GetDifficultyRating());
        EXPECT_LE(book.descriptors[i > 0 ? i - 1 : 0].GetTotalComplexity(), descriptor.GetTotalComplexity());
        seeds.insert(descriptor.GetSeed());
    }
    EXPECT_EQ(10u, seeds.size());
    EXPECT_EQ(book.descriptors, CookRecipeBook(chef, clock, request, 10, 40, 100000).descriptors);

    // A 1 x 1 board is always solvable: no seed makes an unsolvable one.
    const CookedBook none =
        CookRecipeBook(chef, clock, PuzzleRequest(1, 0, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE), 5, 99990, 30);
    EXPECT_TRUE(none.descriptors.empty());
    EXPECT_EQ(30, none.seedsTried) << "seeds wrap below 100000";

    const testsupport::TemporaryFolder folder;
    const auto run = [&](const std::string& arguments) {
        const int status = std::system(
            ("cd '" + folder.Path() + "' && '" PQ_COOK_EXECUTABLE "' " + arguments + " >/dev/null 2>&1").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(0, run("--size 4 --count 5 --first-seed 3 --generator hybrid --rules AUQ"));
    ResourceStream stream(UlvoPath(PATH_MARKER_NONE, folder.Path() + "/4-AQU-1.recipes"));
    const RecipeBook read(stream, "cooked");
    PuzzleRequest hybrid(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
    hybrid.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    hybrid.cageRules1.SetFromMask(CAGE_RULE_ADDITION | CAGE_RULE_SUBTRACTION | CAGE_RULE_EQUALS);
    EXPECT_EQ(hybrid, read.GetRequest());
    ASSERT_EQ(1u, read.GetDifficultyList(4).size());
    EXPECT_EQ(CookRecipeBook(chef, clock, hybrid, 5, 3, 100000).descriptors[4].GetPuzzleID(),
              read.GetDifficultyList(4).front().GetPuzzleID());
    EXPECT_EQ(2, run("--size 1 --count 5 --solvability 0 --max-seeds 20 --output short.recipes"));
    EXPECT_EQ(1, run("--size 4 --count 5 --colour red"));
    EXPECT_EQ(1, run("--size 4 --count 5 --output missing/folder/book.recipes"));
}

// Seeds 30 and 41 of this request make one puzzle, each in colours of its
// own: a book keeps the first, and a book cooked after another that took it
// keeps neither.
TEST(RecipeBookCook, NoBookRepeatsAPuzzleThatAnotherSeedMade)
{
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    PuzzleRequest request(3, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    request.cageRules1.SetFromMask(CAGE_RULE_EQUALS | CAGE_RULE_ADDITION);
    const auto seedsOf = [](const CookedBook& book) {
        std::vector<int> seeds;
        for (const PuzzleDescriptor& descriptor : book.descriptors) {
            seeds.push_back(descriptor.GetSeed());
        }
        std::sort(seeds.begin(), seeds.end());
        return seeds;
    };
    const std::vector<int> alone = seedsOf(CookRecipeBook(chef, clock, request, 2, 41, 1));
    ASSERT_EQ(std::vector<int>{41}, alone);
    const CookedBook book = CookRecipeBook(chef, clock, request, 25, 30, 12);
    const std::vector<int> kept = seedsOf(book);
    EXPECT_TRUE(std::binary_search(kept.begin(), kept.end(), 30));
    EXPECT_FALSE(std::binary_search(kept.begin(), kept.end(), 41));

    std::set<std::string> seen;
    CookRecipeBook(chef, clock, request, 1, 30, 1, seen);
    EXPECT_TRUE(CookRecipeBook(chef, clock, request, 1, 41, 1, seen).descriptors.empty());
    EXPECT_EQ(1u, seen.size());
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
    descriptor.SetSeed(30);
    const auto first = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    descriptor.SetSeed(41);
    const auto second = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    EXPECT_NE(first->GetBoards()[0]->GetCages()[0].color, second->GetBoards()[0]->GetCages()[0].color);
}

} // namespace
