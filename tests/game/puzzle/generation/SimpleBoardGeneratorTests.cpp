#include "game/puzzle/generation/SimpleBoardGenerator.h"

#include "engine/core/UlvoException.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

// The C runtime's results after seeding with seed, skipping the first skip.
int NthDrawAfterSeeding(unsigned seed, int skip)
{
    platform::CrtSrand(seed);
    for (int i = 0; i < skip; ++i) {
        platform::CrtRand();
    }
    return platform::CrtRand();
}

class SimpleBoardGeneratorTest : public ::testing::Test {
protected:
    // A board of the generating type with the built-in palette; the caller
    // places its answers and cages.
    std::unique_ptr<Board> MakeBoard(unsigned size, unsigned seed)
    {
        auto board = std::make_unique<Board>(size, 0, &m_clock, seed);
        board->SetCustomColors({});
        ApplyBoardTypeRecord(*board, BOARD_TYPE_PEMBERQUILL);
        return board;
    }

    static void SetAnswers(Board& board, const std::vector<unsigned>& rowMajorValues)
    {
        for (size_t i = 0; i < rowMajorValues.size(); ++i) {
            board.GetSquares()[i].solutionValue = rowMajorValues[i];
        }
    }

    static Cage& AddCage(Board& board, int rule, std::initializer_list<std::pair<unsigned, unsigned>> squares)
    {
        Cage cage;
        cage.index = static_cast<int>(board.GetCages().size());
        cage.rule = rule;
        for (const auto& [x, y] : squares) {
            Square& square = board.GetSquare(x, y);
            square.cageIndex = cage.index;
            cage.squares.push_back(&square);
        }
        board.GetCages().push_back(cage);
        return board.GetCages().back();
    }

    static Cage CageOf(std::vector<Square>& squares)
    {
        Cage cage;
        for (Square& square : squares) {
            cage.squares.push_back(&square);
        }
        return cage;
    }

    static std::vector<Square> SquaresWithValues(std::initializer_list<unsigned> values)
    {
        std::vector<Square> squares;
        for (unsigned value : values) {
            Square square;
            square.solutionValue = value;
            squares.push_back(square);
        }
        return squares;
    }

    Clock m_clock;
    SimpleBoardGenerator m_generator;
};

TEST_F(SimpleBoardGeneratorTest, UnusedBoardTypeGetsNothing)
{
    GeneratorRecipe recipe;
    recipe.boardType = BOARD_TYPE_UNUSED;
    const GeneratedBoard built = BuildGeneratedBoard(m_generator, 5, recipe, m_clock);
    const int next = platform::CrtRand();
    EXPECT_FALSE(built.generated);
    EXPECT_TRUE(built.board->GetCages().empty());
    for (const Square& square : built.board->GetSquares()) {
        EXPECT_EQ(0u, square.solutionValue);
    }
    // Nothing was drawn either.
    EXPECT_EQ(NthDrawAfterSeeding(5, 0), next);
}

// On a 1 x 1 board: one draw fills the square, three draws and one stop test
// grow its cage, one draw picks the rule (with a single candidate).
TEST_F(SimpleBoardGeneratorTest, OneSquareBoardDrawsSixTimes)
{
    GeneratorRecipe recipe;
    recipe.size = 1;
    const GeneratedBoard built = BuildGeneratedBoard(m_generator, 31, recipe, m_clock);
    const int next = platform::CrtRand();
    ASSERT_TRUE(built.generated);
    EXPECT_EQ(NthDrawAfterSeeding(31, 6), next);
    ASSERT_EQ(1u, built.board->GetCages().size());
    const Cage& cage = built.board->GetCages()[0];
    EXPECT_EQ(CAGE_RULE_EQUALS, cage.rule);
    EXPECT_EQ(1, cage.target);
    EXPECT_EQ(0, cage.keySquare);
    EXPECT_EQ(1u, cage.solutions.size());
}

TEST_F(SimpleBoardGeneratorTest, FillFollowsTheDrawsRowByRow)
{
    auto board = MakeBoard(2, 0);
    // The first draw always fits; a 2 x 2 Latin square follows from it.
    platform::CrtSrand(3);
    m_generator.FillSolutionValues(*board);
    const unsigned first = static_cast<unsigned>(NthDrawAfterSeeding(3, 0)) % 2 + 1;
    EXPECT_EQ(first, board->GetSquare(0, 0).solutionValue);
    EXPECT_EQ(3 - first, board->GetSquare(1, 0).solutionValue);
    EXPECT_EQ(3 - first, board->GetSquare(0, 1).solutionValue);
    EXPECT_EQ(first, board->GetSquare(1, 1).solutionValue);
}

TEST_F(SimpleBoardGeneratorTest, FillStartsOverOnAFilledBoard)
{
    auto board = MakeBoard(5, 0);
    platform::CrtSrand(8);
    m_generator.FillSolutionValues(*board);
    std::vector<unsigned> first;
    for (const Square& square : board->GetSquares()) {
        first.push_back(square.solutionValue);
    }
    platform::CrtSrand(8);
    m_generator.FillSolutionValues(*board);
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i], board->GetSquares()[i].solutionValue);
    }
}

TEST_F(SimpleBoardGeneratorTest, FillNeedsItsBoardTypeFlag)
{
    Board board(4, 0, &m_clock, 0);
    platform::CrtSrand(1);
    m_generator.FillSolutionValues(board);
    EXPECT_EQ(0u, board.GetSquare(0, 0).solutionValue);
    EXPECT_EQ(41, platform::CrtRand());
}

TEST_F(SimpleBoardGeneratorTest, OperatorCandidatesBySize)
{
    std::vector<Square> one = SquaresWithValues({3});
    std::vector<Square> pair = SquaresWithValues({6, 3});
    std::vector<Square> unevenPair = SquaresWithValues({5, 3});
    std::vector<Square> four = SquaresWithValues({1, 2, 3, 4});
    const auto candidates = [this](std::vector<Square>& squares, int& last) {
        std::vector<int> list;
        Board board(6, 0, &m_clock, 0);
        last = m_generator.GetCageOperatorCandidates(board, CageOf(squares), list);
        return list;
    };
    int last = 0;
    EXPECT_EQ((std::vector<int>{CAGE_RULE_EQUALS}), candidates(one, last));
    EXPECT_EQ(CAGE_RULE_EQUALS, last);
    EXPECT_EQ((std::vector<int>{2, 4, 8, 16}), candidates(pair, last));
    EXPECT_EQ(CAGE_RULE_DIVISION, last);
    EXPECT_EQ((std::vector<int>{2, 4, 8}), candidates(unevenPair, last));
    EXPECT_EQ(CAGE_RULE_SUBTRACTION, last);
    EXPECT_EQ((std::vector<int>{2, 4}), candidates(four, last));
    EXPECT_EQ(CAGE_RULE_MULTIPLICATION, last);
}

TEST_F(SimpleBoardGeneratorTest, OperationResultsFromSortedSquares)
{
    std::vector<Square> squares = SquaresWithValues({6, 3});
    Cage cage = CageOf(squares);
    const std::vector<std::pair<int, int>> expected = {
        {CAGE_RULE_EQUALS, 6}, {CAGE_RULE_ADDITION, 9},    {CAGE_RULE_MULTIPLICATION, 18},
        {CAGE_RULE_SUBTRACTION, 3}, {CAGE_RULE_DIVISION, 2}, {CAGE_RULE_STRAIGHT, 0},
        {CAGE_RULE_COMPARISONS, 0}, {CAGE_RULE_EVEN, 0},   {CAGE_RULE_ODD, 0},
        {CAGE_RULE_NOOP, 0},
    };
    for (const auto& [rule, target] : expected) {
        cage.target = 99;
        AssignCageOperationResult(cage, rule);
        EXPECT_EQ(rule, cage.rule);
        EXPECT_EQ(target, cage.target) << "rule " << rule;
    }
}

TEST_F(SimpleBoardGeneratorTest, UnknownOperationIsAnEngineError)
{
    std::vector<Square> squares = SquaresWithValues({2, 1});
    Cage cage = CageOf(squares);
    try {
        AssignCageOperationResult(cage, 3);
        FAIL() << "no error raised";
    } catch (const UlvoException& error) {
        EXPECT_NE(std::string::npos, error.GetMessage().find("Unhandled operation type!"));
        EXPECT_EQ("AssignCageOperationResult", error.GetTitle());
        EXPECT_NE(std::string::npos, std::string(error.GetFile()).find("SimpleBoardGenerator"));
    }
    std::vector<Square> single = SquaresWithValues({2});
    Cage small = CageOf(single);
    EXPECT_THROW(AssignCageOperationResult(small, CAGE_RULE_SUBTRACTION), UlvoException);
}

TEST_F(SimpleBoardGeneratorTest, RoundRobinWalksTheColorChoices)
{
    auto board = MakeBoard(4, 0);
    const std::vector<unsigned>& choices = board->GetColorChoices();
    ASSERT_EQ(5u, choices.size());
    EXPECT_EQ(3u, m_generator.SetRoundRobinIndex(3));
    EXPECT_EQ(choices[3], m_generator.NextRoundRobinIndex(*board));
    EXPECT_EQ(choices[4], m_generator.NextRoundRobinIndex(*board));
    EXPECT_EQ(choices[0], m_generator.NextRoundRobinIndex(*board));
    m_generator.SetRoundRobinIndex(5);
    EXPECT_THROW(m_generator.NextRoundRobinIndex(*board), UlvoException);
}

TEST_F(SimpleBoardGeneratorTest, NewSeedStaysBelowOneHundredThousand)
{
    EXPECT_LT(m_generator.NewSeed(), 100000u);
}

// Nine one-square cages: the centre (degree 4) comes first, then the edge
// squares, then the corners; with seed 0 the start colours run 0, 1, 2, ...
// and a corner moves on past every neighbour that already has its colour.
TEST_F(SimpleBoardGeneratorTest, ColoringOrderAndStartColors)
{
    auto board = MakeBoard(3, 0);
    for (unsigned y = 0; y < 3; ++y) {
        for (unsigned x = 0; x < 3; ++x) {
            AddCage(*board, CAGE_RULE_NOOP, {{x, y}});
        }
    }
    ASSERT_EQ((std::vector<unsigned>{5, 1, 2, 3, 4}), board->GetColorChoices());
    SimpleBoardGenerator::AdjustNeighboringCageColors(*board);
    const std::vector<int> expected = {5, 1, 2, 2, 5, 3, 3, 4, 5};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i], board->GetCages()[i].color) << "cage " << i;
    }
}

TEST_F(SimpleBoardGeneratorTest, ColoringNeedsFourChoices)
{
    Board board(2, 0, &m_clock, 0);
    AddCage(board, CAGE_RULE_NOOP, {{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    try {
        SimpleBoardGenerator::AdjustNeighboringCageColors(board);
        FAIL() << "no error raised";
    } catch (const UlvoException& error) {
        EXPECT_NE(std::string::npos,
                  error.GetMessage().find("Board said it had 0 colors in its palette; need at least 4 to perform "
                                          "guaranteed-successful cage-coloration algorithm"));
        EXPECT_NE(std::string::npos, error.GetMessage().find("numColorsToUse >= 4"));
        EXPECT_EQ("SimpleBoardGenerator::AdjustNeighboringCageColors", error.GetTitle());
    }
}

// The cage of the top-left square is the last in the list, so the first
// merge moves it into the removed cage's place; the second merge must find
// it there through its square.
TEST_F(SimpleBoardGeneratorTest, MergeFollowsACageThatMoved)
{
    auto board = MakeBoard(2, 0);
    SetAnswers(*board, {1, 2, 2, 1});
    AddCage(*board, CAGE_RULE_NOOP, {{1, 0}});
    AddCage(*board, CAGE_RULE_NOOP, {{0, 1}});
    AddCage(*board, CAGE_RULE_EQUALS, {{1, 1}});
    AddCage(*board, CAGE_RULE_NOOP, {{0, 0}});
    MergeNeighbouringTargetlessCages(*board);

    const std::vector<Cage>& cages = board->GetCages();
    ASSERT_EQ(2u, cages.size());
    EXPECT_EQ(0, cages[0].index);
    EXPECT_EQ(CAGE_RULE_NOOP, cages[0].rule);
    ASSERT_EQ(3u, cages[0].squares.size());
    EXPECT_EQ(&board->GetSquare(0, 0), cages[0].squares[0]);
    EXPECT_EQ(&board->GetSquare(1, 0), cages[0].squares[1]);
    EXPECT_EQ(&board->GetSquare(0, 1), cages[0].squares[2]);
    EXPECT_EQ(1, cages[1].index);
    EXPECT_EQ(CAGE_RULE_EQUALS, cages[1].rule);
    for (const Cage& cage : cages) {
        for (const Square* square : cage.squares) {
            EXPECT_EQ(cage.index, square->cageIndex);
        }
    }
}

// Pairs along the last row and the last column are never looked at, and only
// rules without a target merge.
TEST_F(SimpleBoardGeneratorTest, MergeScansAllButTheLastRowAndColumn)
{
    auto board = MakeBoard(3, 0);
    SetAnswers(*board, {1, 2, 3, 2, 3, 1, 3, 1, 2});
    AddCage(*board, CAGE_RULE_EVEN, {{0, 0}});
    AddCage(*board, CAGE_RULE_ODD, {{1, 0}});
    AddCage(*board, CAGE_RULE_ODD, {{2, 0}});
    AddCage(*board, CAGE_RULE_ADDITION, {{0, 1}, {1, 1}});
    AddCage(*board, CAGE_RULE_ADDITION, {{2, 1}, {2, 2}});
    AddCage(*board, CAGE_RULE_COMPARISONS, {{0, 2}});
    AddCage(*board, CAGE_RULE_COMPARISONS, {{1, 2}});
    MergeNeighbouringTargetlessCages(*board);

    const std::vector<Cage>& cages = board->GetCages();
    ASSERT_EQ(6u, cages.size());
    EXPECT_EQ(board->GetSquare(1, 0).cageIndex, board->GetSquare(2, 0).cageIndex);
    EXPECT_NE(board->GetSquare(0, 2).cageIndex, board->GetSquare(1, 2).cageIndex);
    EXPECT_NE(board->GetSquare(1, 1).cageIndex, board->GetSquare(2, 1).cageIndex);
    // The last cage took the place of the one that merged away.
    EXPECT_EQ(2, board->GetSquare(1, 2).cageIndex);
}

TEST_F(SimpleBoardGeneratorTest, ReducedCagesHaveAtMostThreeSquares)
{
    GeneratorRecipe recipe;
    recipe.size = 9;
    recipe.forceReducedCageSize = true;
    size_t largest = 0;
    for (unsigned seed = 0; seed < 50; ++seed) {
        const GeneratedBoard built = BuildGeneratedBoard(m_generator, seed, recipe, m_clock);
        for (const Cage& cage : built.board->GetCages()) {
            largest = std::max(largest, cage.squares.size());
        }
    }
    EXPECT_EQ(3u, largest);
    recipe.forceReducedCageSize = false;
    const GeneratedBoard normal = BuildGeneratedBoard(m_generator, 0, recipe, m_clock);
    for (const Cage& cage : normal.board->GetCages()) {
        largest = std::max(largest, cage.squares.size());
    }
    EXPECT_EQ(4u, largest);
}

TEST_F(SimpleBoardGeneratorTest, RebuildingOnTheSameBoardGivesTheSameBoard)
{
    GeneratorRecipe recipe;
    recipe.size = 5;
    const GeneratedBoard built = BuildGeneratedBoard(m_generator, 12, recipe, m_clock);
    const std::string first = PrintBoard(*built.board);
    platform::CrtSrand(12);
    m_generator.FillSolutionValues(*built.board);
    m_generator.SetRoundRobinIndex(12 % 5);
    ASSERT_TRUE(m_generator.Generate(*built.board, false));
    EXPECT_EQ(first, PrintBoard(*built.board));
}

} // namespace
