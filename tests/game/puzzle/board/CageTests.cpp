// A cage's target worked out from its answers: the pair rules take their
// two squares in either order, and a pair rule short of a pair (a damaged
// cage) has no target instead of reading past its squares.
#include "game/puzzle/board/Cage.h"

#include "engine/core/Clock.h"
#include "game/puzzle/board/Board.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

TEST(CageTest, TargetFromTheAnswers)
{
    const struct {
        int rule;
        std::vector<unsigned> answers;
        int expected;
    } cases[] = {
        {CAGE_RULE_SUBTRACTION, {2, 5}, 3},   {CAGE_RULE_SUBTRACTION, {5, 2}, 3},
        {CAGE_RULE_DIVISION, {6, 2}, 3},      {CAGE_RULE_DIVISION, {2, 6}, 3},
        {CAGE_RULE_ADDITION, {1, 3, 4}, 8},   {CAGE_RULE_MULTIPLICATION, {1, 3, 4}, 12},
        {CAGE_RULE_EQUALS, {1}, 1},           {CAGE_RULE_ODD, {1, 3}, 77},
        {CAGE_RULE_ADDITION, {}, 0},          {CAGE_RULE_SUBTRACTION, {4}, 0},
        {CAGE_RULE_DIVISION, {4}, 0},
    };
    Clock clock;
    Board board(4, 0, &clock, 0);
    for (const auto& c : cases) {
        Cage cage;
        cage.rule = c.rule;
        cage.target = 77;
        for (size_t i = 0; i < c.answers.size(); ++i) {
            Square& square = board.GetSquare(static_cast<unsigned>(i), 0);
            square.solutionValue = c.answers[i];
            cage.squares.push_back(&square);
        }
        cage.ComputeTargetFromSolution();
        EXPECT_EQ(c.expected, cage.target) << "rule " << c.rule << " of " << c.answers.size() << " squares";
    }
}

} // namespace
