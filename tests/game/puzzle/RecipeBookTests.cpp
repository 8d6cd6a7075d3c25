// Reading recipe books and handing out their descriptors.
#include "game/puzzle/RecipeBook.h"

#include "PuzzleChefTestSupport.h"
#include "PuzzleTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace chef_test;
using puzzle_test::LoadedStream;

namespace {

PuzzleRequest FiveByFive()
{
    return PuzzleRequest(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
}

RecipeBook LoadBook(const std::string& bytes, const std::string& name = "book.recipes")
{
    LoadedStream stream(bytes);
    return RecipeBook(*stream, name);
}

std::vector<int> SeedsOf(const std::vector<PuzzleDescriptor>& list)
{
    std::vector<int> seeds;
    for (const PuzzleDescriptor& descriptor : list) {
        seeds.push_back(descriptor.GetSeed());
    }
    return seeds;
}

TEST(RecipeBook, TwelveDescriptorsGiveFiveListsOfTwoInFileOrderAndDropTheLastTwo)
{
    const RecipeBook book = LoadBook(RecipeBookBytes(FiveByFive(), MakeDescriptors(FiveByFive(), 12)));

    EXPECT_EQ("book.recipes", book.GetName());
    EXPECT_EQ(FiveByFive(), book.GetRequest());
    for (int d = 0; d < NUM_DIFFICULTY_RATINGS; ++d) {
        EXPECT_EQ((std::vector<int>{100 + 2 * d, 101 + 2 * d}), SeedsOf(book.GetDifficultyList(d))) << d;
        for (const PuzzleDescriptor& descriptor : book.GetDifficultyList(d)) {
            EXPECT_EQ(d, descriptor.GetDifficultyRating()) << "the file said 9";
        }
    }
}

TEST(RecipeBook, FewerThanFiveDescriptorsGiveNothing)
{
    RecipeBook book = LoadBook(RecipeBookBytes(FiveByFive(), MakeDescriptors(FiveByFive(), 4)));
    EXPECT_TRUE(book.IsEmpty());

    PuzzleRequest request = FiveByFive();
    PuzzleDescriptor out;
    EXPECT_FALSE(book.TakeNextDescriptor(request, out));
    EXPECT_TRUE(book.IsExhaustedFor(request));
}

TEST(RecipeBook, RecipesTakeTheRequiredOperatorsOfTheBooksRequest)
{
    PuzzleRequest request(6, 0, 1, 0, 1, 0, SOLVABILITY_SOLVABLE);
    request.requiredOperators1.SetFromMask(CAGE_RULE_DIVISION);
    request.requiredOperators2.SetFromMask(CAGE_RULE_STRAIGHT | CAGE_RULE_ODD);
    std::vector<PuzzleDescriptor> descriptors = MakeDescriptors(request, 5);
    descriptors[1].GetBoardRecipes().pop_back(); // a one-board descriptor in a two-board book

    const RecipeBook book = LoadBook(RecipeBookBytes(request, descriptors));

    const PuzzleDescriptor& twoBoards = book.GetDifficultyList(0).front();
    ASSERT_EQ(2u, twoBoards.GetBoardRecipes().size());
    EXPECT_EQ(request.requiredOperators1, twoBoards.GetBoardRecipe(0).requiredOperators);
    EXPECT_EQ(request.requiredOperators2, twoBoards.GetBoardRecipe(1).requiredOperators);
    const PuzzleDescriptor& oneBoard = book.GetDifficultyList(1).front();
    ASSERT_EQ(1u, oneBoard.GetBoardRecipes().size());
    EXPECT_EQ(request.requiredOperators1, oneBoard.GetBoardRecipe(0).requiredOperators);
}

TEST(RecipeBook, TakingRemovesTheDescriptorAndMovesUpWhenAListIsUsedUp)
{
    RecipeBook book = LoadBook(RecipeBookBytes(FiveByFive(), MakeDescriptors(FiveByFive(), 10)));
    PuzzleRequest request = FiveByFive();
    request.difficultyRating = 1;
    PuzzleDescriptor first;
    PuzzleDescriptor second;
    ASSERT_TRUE(book.TakeNextDescriptor(request, first));
    ASSERT_TRUE(book.TakeNextDescriptor(request, second));
    EXPECT_EQ(102, first.GetSeed());
    EXPECT_EQ(103, second.GetSeed());
    EXPECT_EQ(1, request.difficultyRating);

    PuzzleDescriptor third;
    ASSERT_TRUE(book.TakeNextDescriptor(request, third));
    EXPECT_EQ(104, third.GetSeed()) << "the first of list 2";
    EXPECT_EQ(2, request.difficultyRating) << "the caller's request follows";
    EXPECT_EQ(2u, book.GetDifficultyList(0).size()) << "easier lists are never used";
}

TEST(RecipeBook, AHardRequestFailsOnlyWhenEveryHarderListIsEmpty)
{
    RecipeBook book = LoadBook(RecipeBookBytes(FiveByFive(), MakeDescriptors(FiveByFive(), 5)));
    PuzzleRequest request = FiveByFive();
    request.difficultyRating = 3;
    PuzzleDescriptor out;
    EXPECT_FALSE(book.IsExhaustedFor(request));
    ASSERT_TRUE(book.TakeNextDescriptor(request, out));
    ASSERT_TRUE(book.TakeNextDescriptor(request, out));
    EXPECT_EQ(104, out.GetSeed());
    EXPECT_EQ(4, request.difficultyRating);

    EXPECT_FALSE(book.TakeNextDescriptor(request, out));
    EXPECT_TRUE(book.IsExhaustedFor(request));
    request.difficultyRating = 0;
    EXPECT_FALSE(book.IsExhaustedFor(request)) << "lists 0 to 2 still hold puzzles";
}

TEST(RecipeBook, DifficultiesOutsideTheListsAreClamped)
{
    RecipeBook book = LoadBook(RecipeBookBytes(FiveByFive(), MakeDescriptors(FiveByFive(), 5)));
    PuzzleRequest request = FiveByFive();
    PuzzleDescriptor out;

    request.difficultyRating = -1; // a request that never set one
    ASSERT_TRUE(book.TakeNextDescriptor(request, out));
    EXPECT_EQ(100, out.GetSeed());
    EXPECT_EQ(0, request.difficultyRating);

    request.difficultyRating = 12;
    ASSERT_TRUE(book.TakeNextDescriptor(request, out));
    EXPECT_EQ(104, out.GetSeed());
    EXPECT_EQ(4, request.difficultyRating);
}

TEST(RecipeBook, GeneratorVersionMattersForTakingButNotForMatching)
{
    RecipeBook book = LoadBook(RecipeBookBytes(FiveByFive(), MakeDescriptors(FiveByFive(), 5)));
    PuzzleRequest sameVersion = FiveByFive();
    PuzzleRequest newerVersion = FiveByFive();
    newerVersion.generatorVersion = 1.5f;
    PuzzleRequest otherPattern = FiveByFive();
    otherPattern.board1Attributes = 1;

    EXPECT_TRUE(book.MatchesRequest(sameVersion));
    EXPECT_TRUE(book.MatchesRequest(newerVersion));
    EXPECT_FALSE(book.MatchesRequest(otherPattern));

    PuzzleDescriptor out;
    EXPECT_FALSE(book.TakeNextDescriptor(newerVersion, out));
    EXPECT_FALSE(book.IsExhaustedFor(newerVersion)) << "not run out: filed for another version";
    EXPECT_TRUE(book.TakeNextDescriptor(sameVersion, out));
}

} // namespace
