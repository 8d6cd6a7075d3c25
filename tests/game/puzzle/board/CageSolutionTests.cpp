// The solution lists a cage generates: their order is part of every saved
// game (moves name solutions by position), and their texts are what the
// solutions panel shows.
#include "game/puzzle/board/Cage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace Pemberquill;

namespace {

TEST(CageSolutionTest, ListsKeepTheirOrderAndTexts)
{
    struct Case {
        int rule;
        size_t squares;
        int target;
        int maxValue;
        const char* expected; // the descriptions in list order, space-separated
    };
    const Case cases[] = {
        {CAGE_RULE_EQUALS, 1, 7, 9, "7=7"},
        {CAGE_RULE_ADDITION, 3, 7, 4, "1+2+4=7 1+3+3=7 2+2+3=7"},
        {CAGE_RULE_ADDITION, 4, 15, 4, ""}, // only 3+4+4+4, a value three times
        {CAGE_RULE_ADDITION, 2, 17, 9, "8+9=17"},
        {CAGE_RULE_ADDITION, 4, 12, 5,
         "1+1+5+5=12 1+2+4+5=12 1+3+3+5=12 1+3+4+4=12 2+2+3+5=12 2+2+4+4=12 2+3+3+4=12"},
        {CAGE_RULE_MULTIPLICATION, 3, 12, 6, "1x2x6=12 1x3x4=12 2x2x3=12"},
        {CAGE_RULE_SUBTRACTION, 2, 3, 6, "6-3=3 5-2=3 4-1=3"},
        {CAGE_RULE_STRAIGHT, 3, 0, 5, "1,2,3 2,3,4 3,4,5"},
    };
    std::array<Square, 4> squares{};
    for (const Case& c : cases) {
        Cage cage;
        cage.rule = c.rule;
        cage.target = c.target;
        for (size_t i = 0; i < c.squares; ++i) {
            cage.squares.push_back(&squares[i]);
        }
        cage.GenerateSolutions(c.maxValue, false);
        std::string listed;
        for (const CageSolution& solution : cage.solutions) {
            listed += (listed.empty() ? "" : " ") + solution.description;
        }
        EXPECT_EQ(c.expected, listed) << "rule " << c.rule << ", target " << c.target;
    }
}

TEST(CageSolutionTest, AdditionsFlagTheirRepeatedValues)
{
    std::array<Square, 3> squares{};
    Cage cage;
    cage.rule = CAGE_RULE_ADDITION;
    cage.target = 7;
    for (Square& square : squares) {
        cage.squares.push_back(&square);
    }
    cage.GenerateSolutions(4, false);
    std::string flagged; // '=' repeats, '-' none, per solution
    for (const CageSolution& solution : cage.solutions) {
        EXPECT_NE(solution.hasRepeats, solution.hasNoRepeats) << solution.description;
        flagged += solution.hasRepeats ? '=' : '-';
    }
    EXPECT_EQ("-==", flagged); // 1+2+4, 1+3+3, 2+2+3

    CageSolution solution;
    solution.values = {5, 2, 5, 9, 9, 9};
    EXPECT_EQ(2, solution.CountMaxRepeats(5)); // the nines lie outside 0 to 5
    EXPECT_EQ(3, solution.CountMaxRepeats(9));
}

} // namespace
