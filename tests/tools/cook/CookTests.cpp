// The recipe-book cook: its options, the books it cooks and what it prints.
#include "tools/cook/CookOptions.h"
#include "tools/cook/RecipeBookCook.h"

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardPrinter.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/RecipeBook.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <unistd.h>

using namespace Pemberquill;

namespace {

CookOptionsParse Parse(const std::vector<std::string>& arguments)
{
    return ParseCookOptions(arguments);
}

TEST(CookOptions, ARequestFromTheCommandLine)
{
    const CookOptionsParse parse =
        Parse({"--size", "6", "--count", "25", "--generator", "hybrid", "--rules", "AXE", "--required", "e",
               "--second-board-type", "1", "--second-attributes", "1", "--second-rules", "M", "--solvability", "0",
               "--version", "1.5", "--reduced-cages", "--first-seed", "300", "--output", "out.recipes", "--print"});
    ASSERT_EQ("", parse.error);
    const CookOptions& options = parse.options;
    const PuzzleRequest& request = options.request;
    EXPECT_EQ(6, request.size);
    EXPECT_EQ(25, options.count);
    EXPECT_EQ(GENERATOR_TYPE_HYBRID, request.generatorTypeIndex);
    EXPECT_EQ(unsigned(CAGE_RULE_ADDITION | CAGE_RULE_MULTIPLICATION | CAGE_RULE_EVEN), request.cageRules1.GetMask());
    EXPECT_EQ(unsigned(CAGE_RULE_EVEN), request.requiredOperators1.GetMask());
    EXPECT_EQ(2, request.numberOfBoards);
    EXPECT_EQ(1, request.boardType2);
    EXPECT_EQ(1, request.board2Attributes);
    EXPECT_EQ(ARITHMETIC_CAGE_RULES_MASK, request.cageRules2.GetMask());
    EXPECT_EQ(ALL_CAGE_RULES_MASK, request.requiredOperators2.GetMask());
    EXPECT_EQ(SOLVABILITY_UNSOLVABLE, request.solvabilityType);
    EXPECT_EQ(1.5f, request.generatorVersion);
    EXPECT_TRUE(request.forceReducedCageSize);
    EXPECT_EQ(300, options.firstSeed);
    EXPECT_EQ("out.recipes", options.outputPath);
    EXPECT_TRUE(options.printBoards);
    EXPECT_EQ("6-AXE-!M-0", request.GetPatternName());
}

TEST(CookOptions, SizesFromOneToNineAreTaken)
{
    for (const auto& [size, error] : {std::make_pair("1", ""), std::make_pair("9", ""),
                                      std::make_pair("0", "--size must be 1 to 9"),
                                      std::make_pair("10", "--size must be 1 to 9")}) {
        const CookOptionsParse parse = Parse({"--size", size, "--count", "5"});
        EXPECT_EQ(error, parse.error) << size;
        if (parse.error.empty()) {
            EXPECT_EQ(std::stoi(size), parse.options.request.size);
        }
    }
}

TEST(CookOptions, MistakesAreReportedNotGuessed)
{
    EXPECT_EQ("unknown option --colour", Parse({"--size", "4", "--count", "5", "--colour", "red"}).error);
    EXPECT_EQ("--count needs a value", Parse({"--size", "4", "--count"}).error);
    EXPECT_EQ("--rules cannot take \"AXZ\"", Parse({"--rules", "AXZ"}).error);
    EXPECT_EQ("--size cannot take \"4x\"", Parse({"--size", "4x"}).error);
    EXPECT_EQ("--generator cannot take \"fancy\"", Parse({"--generator", "fancy"}).error);
    EXPECT_EQ("--count must be at least 1", Parse({"--size", "4"}).error);
    EXPECT_EQ("--solvability must be 0, 1 or 2", Parse({"--size", "4", "--count", "5", "--solvability", "3"}).error);
    EXPECT_NE("", Parse({"--size", "4", "--count", "5", "--first-seed", "-2"}).error);
    EXPECT_TRUE(Parse({"--size", "4", "--help"}).wantsHelp);

    unsigned mask = 0;
    EXPECT_FALSE(ParseCageRuleMask("1024", mask));
    EXPECT_FALSE(ParseCageRuleMask("", mask));
    EXPECT_TRUE(ParseCageRuleMask("512", mask));
    EXPECT_EQ(512u, mask);
    EXPECT_TRUE(ParseCageRuleMask("qscon", mask));
    EXPECT_EQ(unsigned(CAGE_RULE_EQUALS | CAGE_RULE_STRAIGHT | CAGE_RULE_COMPARISONS | CAGE_RULE_ODD | CAGE_RULE_NOOP),
              mask);
}

class RecipeBookCookTest : public ::testing::Test {
protected:
    RecipeBookCookTest() { chef.Startup(&clock); }

    Clock clock;
    PuzzleChef chef;
};

TEST_F(RecipeBookCookTest, CooksTheRequestedNumberEasiestFirstAndAsSolvableAsAsked)
{
    const PuzzleRequest request(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
    const CookedBook book = CookRecipeBook(chef, clock, request, 10, 40, 100000);

    ASSERT_EQ(10u, book.descriptors.size());
    EXPECT_GE(book.seedsTried, 10);
    std::set<int> seeds;
    for (size_t i = 0; i < book.descriptors.size(); ++i) {
        const PuzzleDescriptor& descriptor = book.descriptors[i];
        EXPECT_TRUE(descriptor.IsSolvable());
        EXPECT_GE(descriptor.GetSeed(), 40);
        EXPECT_EQ(static_cast<int>(i / 2), descriptor.GetDifficultyRating());
        EXPECT_EQ(0, descriptor.GetBuildTime());
        EXPECT_EQ(0, descriptor.GetSolveTime());
        if (i > 0) {
            EXPECT_LE(book.descriptors[i - 1].GetTotalComplexity(), descriptor.GetTotalComplexity());
        }
        seeds.insert(descriptor.GetSeed());
    }
    EXPECT_EQ(10u, seeds.size());

    const CookedBook again = CookRecipeBook(chef, clock, request, 10, 40, 100000);
    EXPECT_EQ(book.descriptors, again.descriptors) << "the same request cooks the same book";
}

TEST_F(RecipeBookCookTest, UnsolvableBooksHoldOnlyUnsolvablePuzzles)
{
    const PuzzleRequest request(6, 0, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE);
    const CookedBook book = CookRecipeBook(chef, clock, request, 5, 0, 100000);
    ASSERT_EQ(5u, book.descriptors.size());
    for (const PuzzleDescriptor& descriptor : book.descriptors) {
        EXPECT_FALSE(descriptor.IsSolvable());
    }
}

TEST_F(RecipeBookCookTest, ARequestNoSeedCanMeetComesOutShort)
{
    // A 1x1 board is always solvable.
    const CookedBook book =
        CookRecipeBook(chef, clock, PuzzleRequest(1, 0, 1, 0, 0, 0, SOLVABILITY_UNSOLVABLE), 5, 99990, 30);
    EXPECT_TRUE(book.descriptors.empty());
    EXPECT_EQ(30, book.seedsTried) << "seeds wrap below 100000";
}

TEST_F(RecipeBookCookTest, TheWrittenBookIsWhatTheChefReadsAndRebuilds)
{
    PuzzleRequest request(4, 0, 1, 0, 1, 0, SOLVABILITY_SOLVABLE);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    request.cageRules1.SetFromMask(CAGE_RULE_ADDITION | CAGE_RULE_SUBTRACTION | CAGE_RULE_EQUALS);
    const CookedBook book = CookRecipeBook(chef, clock, request, 5, 7, 100000);
    ASSERT_EQ(5u, book.descriptors.size());
    const std::string path = ::testing::TempDir() + "pq_cook_" + std::to_string(::getpid()) + ".recipes";
    ASSERT_TRUE(WriteCookedBook(path, request, book));

    ResourceStream stream(UlvoPath(PATH_MARKER_NONE, path));
    std::remove(path.c_str());
    ASSERT_TRUE(stream.IsTextFormat());
    const std::string bytes(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
    EXPECT_EQ(std::string::npos, bytes.find("Puzzle Seed Value")) << "compact text carries no value labels";
    const RecipeBook read(stream, "cooked");
    EXPECT_EQ(request, read.GetRequest());
    for (int d = 0; d < NUM_DIFFICULTY_RATINGS; ++d) {
        ASSERT_EQ(1u, read.GetDifficultyList(d).size());
        const PuzzleDescriptor& descriptor = read.GetDifficultyList(d).front();
        EXPECT_EQ(book.descriptors[static_cast<size_t>(d)].GetPuzzleID(), descriptor.GetPuzzleID());

        // Rebuilt from the file, the puzzle is the one that was cooked and
        // solves as the book says.
        const std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
        ASSERT_NE(nullptr, puzzle);
        PuzzleProgress progress(puzzle->GetPuzzleID());
        puzzle->SetProgress(&progress);
        const SolveResult result = chef.SolvePuzzle(*puzzle);
        EXPECT_TRUE(result.isSolvable);
        EXPECT_EQ(descriptor.GetSolverSteps(), result.steps);
        // Text keeps six significant digits of a float.
        EXPECT_NEAR(descriptor.GetTotalComplexity(), result.rating, 1e-5 * result.rating);
        puzzle->SetProgress(nullptr);
    }
}

TEST_F(RecipeBookCookTest, PrintingShowsEveryBoardOfEveryPuzzle)
{
    const PuzzleRequest request(4, 0, 1, 0, 1, 0, SOLVABILITY_EITHER);
    const CookedBook book = CookRecipeBook(chef, clock, request, 2, 3, 100000);
    ASSERT_EQ(2u, book.descriptors.size());
    std::ostringstream printed;
    PrintCookedBook(chef, clock, book, printed);
    const std::string text = printed.str();

    const std::unique_ptr<Puzzle> first = chef.CreatePuzzleFromDescriptor(book.descriptors[0], &clock, true);
    ASSERT_NE(nullptr, first);
    const std::string heading = "puzzle 0 id " + book.descriptors[0].GetPuzzleID() + " difficulty 0 steps ";
    EXPECT_EQ(0u, text.find(heading)) << text.substr(0, 200);
    EXPECT_NE(std::string::npos, text.find(PrintBoard(*first->GetBoards()[0]) + PrintBoard(*first->GetBoards()[1])));
    EXPECT_NE(std::string::npos, text.find("puzzle 1 id " + book.descriptors[1].GetPuzzleID()));
}

} // namespace
