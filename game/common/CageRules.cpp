#include "game/common/CageRules.h"

#include <algorithm>

namespace Pemberquill {

namespace {

struct RuleLetter {
    int rule;
    const char* letter;
};

// The order in which GetCageRulesText lists the letters.
constexpr RuleLetter ARITHMETIC_LETTERS[] = {
    {CAGE_RULE_ADDITION, "A"},    {CAGE_RULE_EQUALS, "Q"}, {CAGE_RULE_SUBTRACTION, "U"},
    {CAGE_RULE_MULTIPLICATION, "X"}, {CAGE_RULE_DIVISION, "D"},
};
constexpr RuleLetter OTHER_LETTERS[] = {
    {CAGE_RULE_EVEN, "E"},     {CAGE_RULE_ODD, "O"},  {CAGE_RULE_COMPARISONS, "C"},
    {CAGE_RULE_STRAIGHT, "S"}, {CAGE_RULE_NOOP, "N"},
};

} // namespace

char GetCageRuleSymbol(int rule)
{
    switch (rule) {
    case CAGE_RULE_EQUALS: return '=';
    case CAGE_RULE_ADDITION: return '+';
    case CAGE_RULE_MULTIPLICATION: return 'x';
    case CAGE_RULE_SUBTRACTION: return '-';
    case CAGE_RULE_DIVISION: return DIVISION_SIGN;
    case CAGE_RULE_STRAIGHT: return ',';
    default: return '?';
    }
}

std::string GetCageRulesText(unsigned mask)
{
    std::string text;
    if ((mask & ARITHMETIC_CAGE_RULES_MASK) == ARITHMETIC_CAGE_RULES_MASK) {
        text += "M";
    } else {
        for (const RuleLetter& entry : ARITHMETIC_LETTERS) {
            if (mask & static_cast<unsigned>(entry.rule)) {
                text += entry.letter;
            }
        }
    }
    for (const RuleLetter& entry : OTHER_LETTERS) {
        if (mask & static_cast<unsigned>(entry.rule)) {
            text += entry.letter;
        }
    }
    return text;
}

int GetMinCageSize(int rule, unsigned boardSize)
{
    switch (rule) {
    case CAGE_RULE_EQUALS: return 1;
    case CAGE_RULE_ADDITION:
    case CAGE_RULE_MULTIPLICATION:
    case CAGE_RULE_SUBTRACTION:
    case CAGE_RULE_DIVISION:
    case CAGE_RULE_COMPARISONS: return 2;
    case CAGE_RULE_STRAIGHT: return static_cast<int>(std::min(boardSize, 3u));
    case CAGE_RULE_EVEN:
    case CAGE_RULE_ODD:
    case CAGE_RULE_NOOP: return 1;
    default: return 0;
    }
}

int GetMaxCageSize(int rule, unsigned boardSize)
{
    const int n = static_cast<int>(boardSize);
    switch (rule) {
    case CAGE_RULE_EQUALS: return 1;
    case CAGE_RULE_ADDITION:
    case CAGE_RULE_MULTIPLICATION: return 4;
    case CAGE_RULE_SUBTRACTION:
    case CAGE_RULE_DIVISION: return 2;
    case CAGE_RULE_STRAIGHT: return n;
    case CAGE_RULE_COMPARISONS:
    case CAGE_RULE_EVEN:
    case CAGE_RULE_ODD:
    case CAGE_RULE_NOOP: return n * n;
    default: return 0;
    }
}

unsigned CageRules::GetMask() const
{
    const bool flags[NUM_CAGE_RULES] = {equals,   addition,    multiplication, subtraction, division,
                                        straight, comparisons, even,           odd,         noOp};
    unsigned mask = 0;
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        if (flags[i]) {
            mask |= 1u << i;
        }
    }
    return mask;
}

void CageRules::SetFromMask(unsigned mask)
{
    bool* const flags[NUM_CAGE_RULES] = {&equals,   &addition,    &multiplication, &subtraction, &division,
                                         &straight, &comparisons, &even,           &odd,         &noOp};
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        *flags[i] = (mask & (1u << i)) != 0;
    }
}

} // namespace Pemberquill
