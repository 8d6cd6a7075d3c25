// Reading recipe books and handing out their descriptors. Which requests
// match follows from the pattern names, pinned with the puzzle IDs.
#include "game/puzzle/RecipeBook.h"

#include "PuzzleChefTestSupport.h"
#include "PuzzleTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace chef_test;

namespace {

const PuzzleRequest FIVE_BY_FIVE(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);

RecipeBook LoadBook(const PuzzleRequest& request, std::vector<PuzzleDescriptor> descriptors)
{
    puzzle_test::LoadedStream stream(RecipeBookBytes(request, descriptors));
    return RecipeBook(*stream, "book.recipes");
}

TEST(RecipeBook, RecipesTakeTheRequiredOperatorsOfTheBooksRequest)
{
    PuzzleRequest request(6, 0, 1, 0, 1, 0, SOLVABILITY_SOLVABLE);
    request.requiredOperators1.SetFromMask(CAGE_RULE_DIVISION);
    request.requiredOperators2.SetFromMask(CAGE_RULE_STRAIGHT | CAGE_RULE_ODD);
    std::vector<PuzzleDescriptor> descriptors = MakeDescriptors(request, 5);
    descriptors[1].GetBoardRecipes().pop_back(); // a one-board descriptor in a two-board book

    const RecipeBook book = LoadBook(request, descriptors);

    const PuzzleDescriptor& twoBoards = book.GetDifficultyList(0).front();
    EXPECT_EQ(request.requiredOperators1, twoBoards.GetBoardRecipe(0).requiredOperators);
    EXPECT_EQ(request.requiredOperators2, twoBoards.GetBoardRecipe(1).requiredOperators);
    const PuzzleDescriptor& oneBoard = book.GetDifficultyList(1).front();
    ASSERT_EQ(1u, oneBoard.GetBoardRecipes().size());
    EXPECT_EQ(request.requiredOperators1, oneBoard.GetBoardRecipe(0).requiredOperators);
}

// Twelve descriptors fill five lists of two in file order, the last two
// dropped. Each take removes the descriptor; a used-up list moves the
// request up to the next harder one, never down; difficulties outside the
// lists are clamped; another generator version takes nothing without
// running out.
TEST(RecipeBook, TakingMovesUpWhenAListIsUsedUp)
{
    EXPECT_TRUE(LoadBook(FIVE_BY_FIVE, MakeDescriptors(FIVE_BY_FIVE, 4)).IsEmpty()) << "fewer than one a list";
    RecipeBook book = LoadBook(FIVE_BY_FIVE, MakeDescriptors(FIVE_BY_FIVE, 12));
    EXPECT_EQ(FIVE_BY_FIVE, book.GetRequest());
    PuzzleRequest newer = FIVE_BY_FIVE;
    newer.generatorVersion = 1.5f;
    PuzzleDescriptor out;
    EXPECT_TRUE(book.MatchesRequest(newer));
    EXPECT_FALSE(book.TakeNextDescriptor(newer, out));
    EXPECT_FALSE(book.IsExhaustedFor(newer));

    PuzzleRequest request = FIVE_BY_FIVE;
    const struct { int difficulty, seed, difficultyAfter; } takes[] = {
        {1, 102, 1}, {1, 103, 1}, {1, 104, 2}, {-1, 100, 0}, {12, 108, 4}, {4, 109, 4}, {3, 106, 3}};
    for (const auto& take : takes) {
        request.difficultyRating = take.difficulty;
        ASSERT_TRUE(book.TakeNextDescriptor(request, out)) << take.seed;
        EXPECT_EQ(take.seed, out.GetSeed());
        EXPECT_EQ(take.difficultyAfter, out.GetDifficultyRating()) << "the file said 9";
        EXPECT_EQ(take.difficultyAfter, request.difficultyRating) << take.seed;
    }
    EXPECT_EQ(1u, book.GetDifficultyList(0).size()) << "easier lists are never used";
    request.difficultyRating = 4;
    EXPECT_FALSE(book.TakeNextDescriptor(request, out));
    EXPECT_TRUE(book.IsExhaustedFor(request));
    request.difficultyRating = 2;
    EXPECT_FALSE(book.IsExhaustedFor(request)) << "lists 2 and 3 still hold puzzles";
}

} // namespace
