#include "game/puzzle/generation/HybridBoardGenerator.h"

#include "platform/crt/CrtRandom.h"

namespace Pemberquill {

namespace {

bool HasRuleIn(const Cage& cage, unsigned mask)
{
    return cage.rule != CAGE_RULE_NONE && (static_cast<unsigned>(cage.rule) & mask) != 0;
}

// The single rule bits of a mask, in rule order.
std::vector<int> ListRules(unsigned mask)
{
    std::vector<int> rules;
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        const unsigned rule = 1u << i;
        if ((mask & rule) != 0) {
            rules.push_back(static_cast<int>(rule));
        }
    }
    return rules;
}

} // namespace

int HybridBoardGenerator::GetCageLayoutMode(const Board& board) const
{
    const unsigned allowed = board.GetCageRules().GetMask();
    const bool wholeBoard = allowed == 0 || allowed == static_cast<unsigned>(CAGE_RULE_COMPARISONS);
    return wholeBoard ? CAGE_LAYOUT_WHOLE_BOARD : CAGE_LAYOUT_RANDOM_WALKS;
}

int HybridBoardGenerator::GetCageOperatorCandidates(const Board& board, const Cage& cage,
                                                    std::vector<int>& outCandidates) const
{
    const CageRules& allowed = board.GetCageRules();
    const size_t size = cage.squares.size();
    int mask = 0;
    const auto offer = [&](bool isAllowed, bool fits, int rule) {
        if (isAllowed && fits) {
            outCandidates.push_back(rule);
            mask |= rule;
        }
    };
    offer(allowed.equals, size == 1, CAGE_RULE_EQUALS);
    offer(allowed.addition, size >= 2 && size <= 4, CAGE_RULE_ADDITION);
    offer(allowed.multiplication, size >= 2 && size <= 4, CAGE_RULE_MULTIPLICATION);
    offer(allowed.subtraction, size == 2, CAGE_RULE_SUBTRACTION);
    offer(allowed.division, cage.CanUseDivision(), CAGE_RULE_DIVISION);
    // Straight cages are rare, so they get two tickets in the draw.
    offer(allowed.straight, cage.CanUseStraight(), CAGE_RULE_STRAIGHT);
    offer(allowed.straight, cage.CanUseStraight(), CAGE_RULE_STRAIGHT);
    offer(allowed.comparisons, size >= 2, CAGE_RULE_COMPARISONS);
    offer(allowed.even, cage.AreAllValuesEven(), CAGE_RULE_EVEN);
    offer(allowed.odd, cage.AreAllValuesOdd(), CAGE_RULE_ODD);
    offer(allowed.noOp, true, CAGE_RULE_NOOP);
    if (outCandidates.empty()) {
        outCandidates.push_back(CAGE_RULE_NOOP);
        mask |= CAGE_RULE_NOOP;
    }
    return mask;
}

bool HybridBoardGenerator::AssignRequiredOperators(Board& board)
{
    const unsigned required = board.GetRequiredOperators().GetMask();
    if (required == 0) {
        return true;
    }
    std::vector<Cage>& cages = board.GetCages();
    for (const Cage& cage : cages) {
        if (HasRuleIn(cage, required)) {
            return true;
        }
    }
    for (Cage& cage : cages) {
        std::vector<int> scratch;
        const unsigned admitted = static_cast<unsigned>(GetCageOperatorCandidates(board, cage, scratch)) & required;
        if (admitted == 0) {
            continue;
        }
        board.GetRequiredOperators().SetFromMask(admitted);
        const std::vector<int> rules = ListRules(admitted);
        const int draw = platform::CrtRand();
        AssignCageOperationResult(cage, rules[static_cast<size_t>(draw) % rules.size()]);
        return true;
    }
    return false;
}

} // namespace Pemberquill
