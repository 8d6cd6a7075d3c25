// The shapes of hidden cages, and the solution marks they give.
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Pemberquill;

namespace {

using ShapeList = std::vector<SquareSet>;

// The growth written the plain way: every path is followed and each new
// shape is compared with every shape listed so far. Slow, but obviously
// the definition; the board's own search must list the same shapes in the
// same order.
class PlainShapeGrowth {
public:
    explicit PlainShapeGrowth(Board& board) : m_board(board) {}

    ShapeList ShapesOf(const Cage& cage)
    {
        ShapeList shapes;
        Grow(shapes, SquareSet(), cage.GetKeySquare(), cage.GetMinSolutionLength(), cage.GetMaxSolutionLength());
        return shapes;
    }

private:
    void Grow(ShapeList& shapes, SquareSet shape, Square* square, int minSize, int maxSize)
    {
        shape.insert(square);
        const int size = static_cast<int>(shape.size());
        if (size > maxSize) {
            return;
        }
        if (size >= minSize && std::find(shapes.begin(), shapes.end(), shape) == shapes.end()) {
            shapes.push_back(shape);
        }
        if (size == maxSize) {
            return;
        }
        for (Square* from : shape) {
            for (int direction = 0; direction < 4; ++direction) {
                const IntVector2 offset = GetDirectionOffset(direction);
                const int x = static_cast<int>(from->x) + offset.x;
                const int y = static_cast<int>(from->y) + offset.y;
                if (!m_board.IsInside(x, y)) {
                    continue;
                }
                Square& next = m_board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
                const Cage* owner = m_board.GetCage(next.cageIndex);
                if (!m_board.IsKeySquareOfAnyCage(next) && (owner == nullptr || owner->rule != CAGE_RULE_COMPARISONS) &&
                    shape.count(&next) == 0) {
                    Grow(shapes, shape, &next, minSize, maxSize);
                }
            }
        }
    }

    Board& m_board;
};

bool HasShapes(int rule)
{
    return rule != CAGE_RULE_COMPARISONS && rule != CAGE_RULE_EVEN && rule != CAGE_RULE_ODD && rule != CAGE_RULE_NOOP;
}

ShapeList ListedShapes(const Cage& cage)
{
    ShapeList shapes;
    for (const CageValueSet& record : cage.valueSets) {
        shapes.push_back(record.values);
    }
    return shapes;
}

SquareSet SquaresOf(const Cage& cage)
{
    return SquareSet(cage.squares.begin(), cage.squares.end());
}

void ExpectSameShapesAsPlainGrowth(Board& board)
{
    board.BuildHiddenCageShapes();
    PlainShapeGrowth plain(board);
    for (const Cage& cage : board.GetCages()) {
        const ShapeList expected = HasShapes(cage.rule) ? plain.ShapesOf(cage) : ShapeList();
        EXPECT_TRUE(expected == ListedShapes(cage)) << "cage " << cage.index << " of\n" << PrintBoard(board);
    }
}

// 1234 / 3412 / 2143 / 4321 with a few cages; the squares left over
// belong to no cage.
const std::vector<std::string> ANSWER = {"1234", "3412", "2143", "4321"};

enum CageId { COMPARISON_PAIR, SUBTRACTION_PAIR, EQUALS_SINGLE, ADDITION_COLUMN, EVEN_SINGLE };

std::vector<CageSpec> Cages()
{
    return {
        {CAGE_RULE_COMPARISONS, {{0, 0}, {1, 0}}, 0},
        {CAGE_RULE_SUBTRACTION, {{1, 1}, {2, 1}}, 1},
        {CAGE_RULE_EQUALS, {{0, 1}}, 2},
        {CAGE_RULE_ADDITION, {{1, 2}, {1, 3}}, 3},
        {CAGE_RULE_EVEN, {{3, 3}}, 4},
    };
}

class HiddenCageShapesTest : public ::testing::Test {
protected:
    HiddenCageShapesTest() : play(ANSWER, Cages(), SOLVING_ATTRIBUTE_HIDDEN_CAGES)
    {
        board.BuildHiddenCageShapes();
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
    }

    const Cage& CageAt(CageId id) const { return board.GetCages()[id]; }
    SquareSet Shape(std::initializer_list<std::pair<unsigned, unsigned>> squares)
    {
        SquareSet shape;
        for (const auto& [x, y] : squares) {
            shape.insert(&play.At(x, y));
        }
        return shape;
    }

    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(HiddenCageShapesTest, ShapesAvoidKeySquaresAndComparisonCages)
{
    // From (1,1): (1,0) is a Comparisons square, (0,1) and (1,2) are key
    // squares, so the pair can only be the cage itself.
    EXPECT_TRUE(ListedShapes(CageAt(SUBTRACTION_PAIR)) == ShapeList{Shape({{1, 1}, {2, 1}})});
    EXPECT_TRUE(ListedShapes(CageAt(EQUALS_SINGLE)) == ShapeList{Shape({{0, 1}})});
    EXPECT_TRUE(CageAt(COMPARISON_PAIR).valueSets.empty());
    EXPECT_TRUE(CageAt(EVEN_SINGLE).valueSets.empty());
}

TEST_F(HiddenCageShapesTest, ShapesComeInTheOrderGrowthFirstMeetsThem)
{
    // 1 + 3 on a 4 x 4 board: "1+3=4" and "2+2=4" in two squares,
    // "1+1+2=4" in three.
    const Cage& addition = CageAt(ADDITION_COLUMN);
    ASSERT_EQ(2, addition.GetMinSolutionLength());
    ASSERT_EQ(3, addition.GetMaxSolutionLength());
    const ShapeList shapes = ListedShapes(addition);
    ASSERT_GE(shapes.size(), 3u);
    EXPECT_TRUE(shapes[0] == Shape({{1, 2}, {2, 2}})) << "right first; up and left are key squares";
    EXPECT_TRUE(shapes[1] == Shape({{0, 2}, {1, 2}, {2, 2}})) << "then the pair grows from its first square";
    EXPECT_TRUE(shapes[2] == Shape({{1, 2}, {2, 2}, {1, 3}}));
    PlainShapeGrowth plain(board);
    EXPECT_TRUE(plain.ShapesOf(addition) == shapes);
}

TEST_F(HiddenCageShapesTest, BuildingAgainKeepsTheListAsItIs)
{
    std::vector<ShapeList> before;
    for (const Cage& cage : board.GetCages()) {
        before.push_back(ListedShapes(cage));
    }
    board.BuildHiddenCageShapes();
    for (const Cage& cage : board.GetCages()) {
        EXPECT_TRUE(before[static_cast<size_t>(cage.index)] == ListedShapes(cage)) << "cage " << cage.index;
    }
}

TEST_F(HiddenCageShapesTest, PaintingAnotherCagesSquareTakesItsShapesOutOfUse)
{
    const Cage& addition = CageAt(ADDITION_COLUMN);
    for (const CageValueSet& record : addition.valueSets) {
        EXPECT_TRUE(record.inUse);
    }
    EXPECT_TRUE(addition.IsShapeFeasible(board, addition.valueSets[0]));

    // (2,2) belongs to no cage of the addition: painted, it cannot be part of it.
    board.SetSquareColor(play.At(2, 2), 1, false);
    for (const CageValueSet& record : addition.valueSets) {
        EXPECT_EQ(record.values.count(&play.At(2, 2)) == 0, record.inUse);
        EXPECT_EQ(record.inUse, addition.IsShapeFeasible(board, record));
    }
    board.Undo();
    EXPECT_TRUE(addition.valueSets[0].inUse);
}

TEST_F(HiddenCageShapesTest, ShapesSmallerThanThePaintedSquaresAreOutOfUse)
{
    const Cage& addition = CageAt(ADDITION_COLUMN);
    board.SetSquareColor(play.At(1, 3), addition.color, false);
    // Paint one true square of the cage in its colour beyond the key
    // square: two squares in its colour fit every listed shape.
    for (const CageValueSet& record : addition.valueSets) {
        EXPECT_TRUE(record.inUse);
    }

    Cage wider = addition;
    wider.squares.push_back(&play.At(2, 2));
    board.SetSquareColor(play.At(2, 2), addition.color, false);
    CageValueSet pair;
    pair.values = Shape({{1, 2}, {1, 3}});
    EXPECT_FALSE(wider.IsShapeFeasible(board, pair)) << "three squares in the colour, two in the shape";
}

TEST_F(HiddenCageShapesTest, SolutionsStayOpenWhileAShapeInUseCouldHoldThem)
{
    const int onePlusThree = play.SolutionIndex(ADDITION_COLUMN, "1+3=4");
    const int twoPlusTwo = play.SolutionIndex(ADDITION_COLUMN, "2+2=4");
    const int onePlusOnePlusTwo = play.SolutionIndex(ADDITION_COLUMN, "1+1+2=4");
    ASSERT_GE(std::min({onePlusThree, twoPlusTwo, onePlusOnePlusTwo}), 0);
    EXPECT_FALSE(play.IsAutoOut(ADDITION_COLUMN, onePlusThree));
    EXPECT_TRUE(play.IsAutoOut(ADDITION_COLUMN, twoPlusTwo)) << "every two-square shape is a line";
    EXPECT_FALSE(play.IsAutoOut(ADDITION_COLUMN, onePlusOnePlusTwo)) << "an L of three may repeat";

    board.SetSquareValue(play.At(1, 2), 3, false, false);
    EXPECT_FALSE(play.IsAutoOut(ADDITION_COLUMN, onePlusThree));
    EXPECT_TRUE(play.IsAutoOut(ADDITION_COLUMN, onePlusOnePlusTwo)) << "it has no 3";
}

TEST_F(HiddenCageShapesTest, CompatibleSolutionsMatchTheShapesSize)
{
    const Cage& addition = CageAt(ADDITION_COLUMN);
    for (int index : addition.CollectCompatibleSolutions(board, Shape({{1, 2}, {1, 3}}))) {
        const CageSolution& solution = addition.solutions[static_cast<size_t>(index)];
        EXPECT_EQ(2u, solution.values.size());
        EXPECT_TRUE(solution.hasNoRepeats) << "a column shape cannot repeat a value";
    }
    const std::vector<int> corner = addition.CollectCompatibleSolutions(board, Shape({{1, 2}, {2, 2}, {2, 3}}));
    ASSERT_FALSE(corner.empty());
    bool hasRepeat = false;
    for (int index : corner) {
        EXPECT_EQ(3u, addition.solutions[static_cast<size_t>(index)].values.size());
        hasRepeat = hasRepeat || addition.solutions[static_cast<size_t>(index)].hasRepeats;
    }
    EXPECT_TRUE(hasRepeat) << "an L may hold a value twice";
    EXPECT_TRUE(addition.CollectCompatibleSolutions(board, SquareSet()).empty());
}

TEST(HiddenCageMarksTest, ACageWithoutShapesHasEverySolutionRuledOut)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages(), SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    play.board.UpdateCageSolutions();
    const Cage& addition = play.board.GetCages()[ADDITION_COLUMN];
    ASSERT_FALSE(addition.solutions.empty());
    for (size_t i = 0; i < addition.solutions.size(); ++i) {
        EXPECT_TRUE(play.IsAutoOut(ADDITION_COLUMN, static_cast<int>(i)));
    }
}

struct GeneratedCase {
    unsigned size;
    unsigned allowedRules;
    unsigned firstSeed;
    unsigned numSeeds;
};

TEST(HiddenCageShapesGeneratedTest, SameShapesInTheSameOrderAsPlainGrowth)
{
    const GeneratedCase cases[] = {
        {4, ALL_CAGE_RULES_MASK, 1, 5},
        {6, ALL_CAGE_RULES_MASK, 1, 5},
        {7, ALL_CAGE_RULES_MASK, 1, 3},
    };
    HybridBoardGenerator generator;
    Clock clock;
    for (const GeneratedCase& test : cases) {
        GeneratorRecipe recipe;
        recipe.size = test.size;
        recipe.allowedRules = test.allowedRules;
        recipe.requiredOperators = 0;
        recipe.solvingAttributes = SOLVING_ATTRIBUTE_HIDDEN_CAGES;
        for (unsigned seed = test.firstSeed; seed < test.firstSeed + test.numSeeds; ++seed) {
            GeneratedBoard built = BuildGeneratedBoard(generator, seed, recipe, clock);
            ASSERT_TRUE(built.generated);
            ExpectSameShapesAsPlainGrowth(*built.board);
        }
    }
}

TEST(HiddenCageShapesGeneratedTest, EveryTrueCageIsAmongTheShapesOfItsKeySquare)
{
    constexpr unsigned SEEDS = 8;
    HybridBoardGenerator generator;
    SimpleBoardGenerator simple;
    Clock clock;
    for (unsigned size : {3u, 5u, 7u, 9u}) {
        for (BoardGenerator* used : {static_cast<BoardGenerator*>(&generator), static_cast<BoardGenerator*>(&simple)}) {
            GeneratorRecipe recipe;
            recipe.size = size;
            recipe.solvingAttributes = SOLVING_ATTRIBUTE_HIDDEN_CAGES;
            for (unsigned seed = 100; seed < 100 + SEEDS; ++seed) {
                GeneratedBoard built = BuildGeneratedBoard(*used, seed, recipe, clock);
                ASSERT_TRUE(built.generated);
                Board& board = *built.board;
                board.BuildHiddenCageShapes();
                for (const Cage& cage : board.GetCages()) {
                    if (!HasShapes(cage.rule)) {
                        continue;
                    }
                    const ShapeList shapes = ListedShapes(cage);
                    EXPECT_NE(shapes.end(), std::find(shapes.begin(), shapes.end(), SquaresOf(cage)))
                        << "cage " << cage.index << " of\n" << PrintBoard(board);
                    for (const SquareSet& shape : shapes) {
                        ASSERT_TRUE(shape.count(cage.GetKeySquare()) != 0);
                    }
                }
            }
        }
    }
}

} // namespace
