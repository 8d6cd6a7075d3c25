// Many seeds per size and rule mix, each board checked for what every
// generated board must hold whatever its seed.
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

using namespace Pemberquill;

namespace {

// The sanitizers slow generation by more than an order of magnitude; they
// look for memory faults, which a slice of the seeds finds as well.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned SEEDS_PER_CASE = 200;
#else
constexpr unsigned SEEDS_PER_CASE = 2000;
#endif

constexpr unsigned TARGETLESS_RULES = CAGE_RULE_COMPARISONS | CAGE_RULE_EVEN | CAGE_RULE_ODD | CAGE_RULE_NOOP;

struct RuleMix {
    const char* name;
    bool hybrid;
    unsigned allowedRules;
    unsigned requiredOperators;
    unsigned solvingAttributes;
    bool forceReducedCageSize;
};

const RuleMix RULE_MIXES[] = {
    {"Simple", false, ALL_CAGE_RULES_MASK, ALL_CAGE_RULES_MASK, 0, false},
    {"SimpleReduced", false, ALL_CAGE_RULES_MASK, ALL_CAGE_RULES_MASK, 0, true},
    {"SimpleHidden", false, ALL_CAGE_RULES_MASK, ALL_CAGE_RULES_MASK, SOLVING_ATTRIBUTE_HIDDEN_CAGES, false},
    {"HybridAll", true, ALL_CAGE_RULES_MASK, ALL_CAGE_RULES_MASK, 0, false},
    {"HybridTargetless", true, TARGETLESS_RULES, 0, 0, false},
    {"HybridComparisonsOnly", true, CAGE_RULE_COMPARISONS, CAGE_RULE_COMPARISONS, 0, false},
    {"HybridNoRules", true, 0, 0, 0, false},
    {"HybridDivisionOnly", true, CAGE_RULE_DIVISION, 0, 0, false},
    {"HybridStraightRequired", true, ALL_CAGE_RULES_MASK, CAGE_RULE_STRAIGHT, 0, false},
    {"HybridParityAndStraight", true, CAGE_RULE_ADDITION | CAGE_RULE_STRAIGHT | CAGE_RULE_EVEN | CAGE_RULE_ODD,
     CAGE_RULE_EVEN | CAGE_RULE_ODD, 0, true},
    {"HybridArithmeticHidden", true, ARITHMETIC_CAGE_RULES_MASK, CAGE_RULE_SUBTRACTION | CAGE_RULE_DIVISION,
     SOLVING_ATTRIBUTE_HIDDEN_CAGES, false},
};

std::vector<int> SortedAnswer(const Cage& cage)
{
    std::vector<int> values;
    for (const Square* square : cage.squares) {
        values.push_back(static_cast<int>(square->solutionValue));
    }
    std::sort(values.begin(), values.end());
    return values;
}

// Why a board breaks the rules, or an empty text when it keeps them.
class BoardChecker {
public:
    BoardChecker(const Board& board, const RuleMix& mix) : m_board(board), m_mix(mix), m_size(board.GetSize()) {}

    std::string CheckGenerated()
    {
        CheckLatinSquare();
        CheckCageMembership();
        if (m_problems.empty()) {
            for (const Cage& cage : m_board.GetCages()) {
                CheckCage(cage);
            }
            CheckMergesComplete();
            CheckColors();
            CheckRequiredOperators();
        }
        return m_problems;
    }

    // A board may fail only when no cage can take a rule the recipe requires.
    std::string CheckFailed(const BoardGenerator& generator)
    {
        if (m_mix.requiredOperators == 0) {
            Problem("generation failed without required operators");
        }
        for (const Cage& cage : m_board.GetCages()) {
            std::vector<int> candidates;
            const unsigned admitted = static_cast<unsigned>(generator.GetCageOperatorCandidates(m_board, cage, candidates));
            if ((admitted & m_mix.requiredOperators) != 0) {
                Problem("generation failed although cage " + std::to_string(cage.index) + " admits a required rule");
            }
        }
        return m_problems;
    }

private:
    void Problem(const std::string& text) { m_problems += text + "\n"; }

    void CheckLatinSquare()
    {
        for (unsigned i = 0; i < m_size; ++i) {
            std::vector<unsigned> row;
            std::vector<unsigned> column;
            for (unsigned j = 0; j < m_size; ++j) {
                row.push_back(m_board.GetSquare(j, i).solutionValue);
                column.push_back(m_board.GetSquare(i, j).solutionValue);
            }
            std::vector<unsigned> expected(m_size);
            std::iota(expected.begin(), expected.end(), 1u);
            std::sort(row.begin(), row.end());
            std::sort(column.begin(), column.end());
            if (row != expected || column != expected) {
                Problem("row or column " + std::to_string(i) + " is not a permutation of 1..N");
            }
        }
    }

    void CheckCageMembership()
    {
        std::vector<int> memberships(m_board.GetSquares().size(), 0);
        const std::vector<Cage>& cages = m_board.GetCages();
        for (size_t i = 0; i < cages.size(); ++i) {
            if (cages[i].index != static_cast<int>(i)) {
                Problem("cage at position " + std::to_string(i) + " has index " + std::to_string(cages[i].index));
            }
            for (const Square* square : cages[i].squares) {
                ++memberships[square->y * m_size + square->x];
                if (square->cageIndex != static_cast<int>(i)) {
                    Problem("a square of cage " + std::to_string(i) + " names cage " +
                            std::to_string(square->cageIndex));
                }
            }
        }
        for (size_t i = 0; i < memberships.size(); ++i) {
            if (memberships[i] != 1) {
                Problem("square " + std::to_string(i) + " is in " + std::to_string(memberships[i]) + " cages");
            }
        }
    }

    void CheckCage(const Cage& cage)
    {
        const std::string name = "cage " + std::to_string(cage.index);
        const int count = static_cast<int>(cage.squares.size());
        if (count < GetMinCageSize(cage.rule, m_size) || count > GetMaxCageSize(cage.rule, m_size)) {
            Problem(name + " has " + std::to_string(count) + " squares under rule " + std::to_string(cage.rule));
        }
        const int grownLimit = m_mix.forceReducedCageSize ? 3 : 4;
        if ((static_cast<unsigned>(cage.rule) & TARGETLESS_RULES) == 0 && count > grownLimit) {
            Problem(name + " grew beyond " + std::to_string(grownLimit) + " squares");
        }
        CheckRuleAllowed(cage, name);
        CheckTarget(cage, name);
        CheckSolutionsHoldAnswer(cage, name);
        const Square* key = cage.GetKeySquare();
        for (const Square* square : cage.squares) {
            if (key == nullptr || square->y < key->y || (square->y == key->y && square->x < key->x)) {
                Problem(name + " has its key square elsewhere than top left");
                break;
            }
        }
    }

    void CheckRuleAllowed(const Cage& cage, const std::string& name)
    {
        const unsigned allowed = m_mix.hybrid ? m_mix.allowedRules | CAGE_RULE_NOOP : ARITHMETIC_CAGE_RULES_MASK;
        if (cage.rule <= 0 || (static_cast<unsigned>(cage.rule) & allowed) != static_cast<unsigned>(cage.rule)) {
            Problem(name + " has rule " + std::to_string(cage.rule));
        }
    }

    void CheckTarget(const Cage& cage, const std::string& name)
    {
        const std::vector<int> values = SortedAnswer(cage);
        int expected = 0;
        bool holds = true;
        switch (cage.rule) {
        case CAGE_RULE_EQUALS: expected = values[0]; break;
        case CAGE_RULE_ADDITION: expected = std::accumulate(values.begin(), values.end(), 0); break;
        case CAGE_RULE_MULTIPLICATION:
            expected = std::accumulate(values.begin(), values.end(), 1, std::multiplies<int>());
            break;
        case CAGE_RULE_SUBTRACTION: expected = values[1] - values[0]; break;
        case CAGE_RULE_DIVISION:
            expected = values[1] / values[0];
            holds = values[1] % values[0] == 0;
            break;
        case CAGE_RULE_STRAIGHT:
            for (size_t i = 1; i < values.size(); ++i) {
                holds = holds && values[i] == values[i - 1] + 1;
            }
            break;
        case CAGE_RULE_EVEN:
            holds = std::all_of(values.begin(), values.end(), [](int v) { return v % 2 == 0; });
            break;
        case CAGE_RULE_ODD:
            holds = std::all_of(values.begin(), values.end(), [](int v) { return v % 2 == 1; });
            break;
        default: break;
        }
        if (!holds || cage.target != expected) {
            Problem(name + " target " + std::to_string(cage.target) + " does not fit its answer under rule " +
                    std::to_string(cage.rule));
        }
    }

    void CheckSolutionsHoldAnswer(const Cage& cage, const std::string& name)
    {
        if ((static_cast<unsigned>(cage.rule) & TARGETLESS_RULES) != 0) {
            if (!cage.solutions.empty()) {
                Problem(name + " has solutions under a rule without any");
            }
            return;
        }
        const std::vector<int> answer = SortedAnswer(cage);
        const bool found = std::any_of(cage.solutions.begin(), cage.solutions.end(), [&answer](const CageSolution& s) {
            std::vector<int> values = s.values;
            std::sort(values.begin(), values.end());
            return values == answer;
        });
        if (!found) {
            Problem(name + " lacks its own answer among its solutions");
        }
    }

    // After the merge pass no examined pair of squares may still join two
    // cages of one rule without a target.
    void CheckMergesComplete()
    {
        for (unsigned y = 0; y + 1 < m_size; ++y) {
            for (unsigned x = 0; x + 1 < m_size; ++x) {
                CheckNotMergeable(m_board.GetSquare(x, y), m_board.GetSquare(x + 1, y));
                CheckNotMergeable(m_board.GetSquare(x, y), m_board.GetSquare(x, y + 1));
            }
        }
    }

    void CheckNotMergeable(const Square& a, const Square& b)
    {
        const Cage& cageA = m_board.GetCages()[static_cast<size_t>(a.cageIndex)];
        const Cage& cageB = m_board.GetCages()[static_cast<size_t>(b.cageIndex)];
        if (cageA.index != cageB.index && cageA.rule == cageB.rule &&
            (static_cast<unsigned>(cageA.rule) & TARGETLESS_RULES) != 0) {
            Problem("cages " + std::to_string(cageA.index) + " and " + std::to_string(cageB.index) +
                    " were left unmerged");
        }
    }

    void CheckColors()
    {
        const std::vector<unsigned>& choices = m_board.GetColorChoices();
        for (const Cage& cage : m_board.GetCages()) {
            if (std::find(choices.begin(), choices.end(), static_cast<unsigned>(cage.color)) == choices.end()) {
                Problem("cage " + std::to_string(cage.index) + " has colour " + std::to_string(cage.color) +
                        " outside the board's choices");
            }
        }
        for (unsigned y = 0; y < m_size; ++y) {
            for (unsigned x = 0; x < m_size; ++x) {
                if (x + 1 < m_size) {
                    CheckColorsDiffer(m_board.GetSquare(x, y), m_board.GetSquare(x + 1, y));
                }
                if (y + 1 < m_size) {
                    CheckColorsDiffer(m_board.GetSquare(x, y), m_board.GetSquare(x, y + 1));
                }
            }
        }
    }

    void CheckColorsDiffer(const Square& a, const Square& b)
    {
        if (a.cageIndex != b.cageIndex && m_board.GetCageColor(a.cageIndex) == m_board.GetCageColor(b.cageIndex)) {
            Problem("neighbouring cages " + std::to_string(a.cageIndex) + " and " + std::to_string(b.cageIndex) +
                    " share a colour");
        }
    }

    void CheckRequiredOperators()
    {
        if (!m_mix.hybrid || m_mix.requiredOperators == 0) {
            return;
        }
        const unsigned required = m_board.GetRequiredOperators().GetMask();
        if (required == 0 || (required & m_mix.requiredOperators) != required) {
            Problem("required operators became " + std::to_string(required));
        }
        const bool used = std::any_of(m_board.GetCages().begin(), m_board.GetCages().end(),
                                      [required](const Cage& cage) { return (cage.rule & required) != 0; });
        if (!used) {
            Problem("no cage uses a required operator");
        }
    }

    const Board& m_board;
    const RuleMix& m_mix;
    unsigned m_size;
    std::string m_problems;
};

using InvariantCase = std::tuple<size_t, unsigned>; // rule mix, board size

class BoardGeneratorInvariantTest : public ::testing::TestWithParam<InvariantCase> {};

TEST_P(BoardGeneratorInvariantTest, EveryBoardKeepsTheRules)
{
    const RuleMix& mix = RULE_MIXES[std::get<0>(GetParam())];
    GeneratorRecipe recipe;
    recipe.size = std::get<1>(GetParam());
    recipe.allowedRules = mix.allowedRules;
    recipe.requiredOperators = mix.requiredOperators;
    recipe.solvingAttributes = mix.solvingAttributes;
    recipe.forceReducedCageSize = mix.forceReducedCageSize;
    SimpleBoardGenerator simple;
    HybridBoardGenerator hybrid;
    BoardGenerator& generator = mix.hybrid ? static_cast<BoardGenerator&>(hybrid) : simple;
    Clock clock;
    unsigned failures = 0;
    for (unsigned seed = 0; seed < SEEDS_PER_CASE; ++seed) {
        const GeneratedBoard built = BuildGeneratedBoard(generator, seed, recipe, clock);
        BoardChecker checker(*built.board, mix);
        const std::string problems = built.generated ? checker.CheckGenerated() : checker.CheckFailed(generator);
        failures += built.generated ? 0 : 1;
        ASSERT_EQ("", problems) << "seed " << seed << "\n" << PrintBoard(*built.board);
    }
    if (mix.requiredOperators == 0 || mix.requiredOperators == ALL_CAGE_RULES_MASK) {
        EXPECT_EQ(0u, failures);
    }
}

std::string CaseName(const ::testing::TestParamInfo<InvariantCase>& info)
{
    return std::string(RULE_MIXES[std::get<0>(info.param)].name) + "_" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(AllMixesAndSizes, BoardGeneratorInvariantTest,
                         ::testing::Combine(::testing::Range<size_t>(0, std::size(RULE_MIXES)),
                                            ::testing::Range(1u, MAX_BOARD_SIZE + 1)),
                         CaseName);

} // namespace
