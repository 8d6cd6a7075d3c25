#pragma once

#include <string>

namespace Pemberquill {

// A cage's rule is one bit of a ten-bit mask; the same bits name the rules
// that a request, a recipe, a board or the player profile allows or knows.
constexpr int CAGE_RULE_NONE = -1;
constexpr int CAGE_RULE_EQUALS = 1;
constexpr int CAGE_RULE_ADDITION = 2;
constexpr int CAGE_RULE_MULTIPLICATION = 4;
constexpr int CAGE_RULE_SUBTRACTION = 8;
constexpr int CAGE_RULE_DIVISION = 16;
constexpr int CAGE_RULE_STRAIGHT = 32;
constexpr int CAGE_RULE_COMPARISONS = 64;
constexpr int CAGE_RULE_EVEN = 128;
constexpr int CAGE_RULE_ODD = 256;
constexpr int CAGE_RULE_NOOP = 512;

constexpr int NUM_CAGE_RULES = 10;
constexpr unsigned ALL_CAGE_RULES_MASK = 1023;
constexpr unsigned ARITHMETIC_CAGE_RULES_MASK = CAGE_RULE_EQUALS | CAGE_RULE_ADDITION |
    CAGE_RULE_MULTIPLICATION | CAGE_RULE_SUBTRACTION | CAGE_RULE_DIVISION;

// The division sign of the Windows-1252 code page, which the game's fonts use.
constexpr char DIVISION_SIGN = static_cast<char>(0xF7);

// The operator character shown after a cage's target; '?' for rules without
// one and for anything that is not a single rule bit.
char GetCageRuleSymbol(int rule);

// The letter code of a rule mask ("M" for all five arithmetic rules). Puzzle
// pattern names, and through them recipe-book file names, are built from it,
// so its letters and their order must never change.
std::string GetCageRulesText(unsigned mask);

// The fewest and the most squares a cage with this rule may have on a board
// of the given size; 0 for anything that is not a single rule bit.
int GetMinCageSize(int rule, unsigned boardSize);
int GetMaxCageSize(int rule, unsigned boardSize);

// The ten rule flags, one byte each, in mask order.
struct CageRules {
    bool equals = false;
    bool addition = false;
    bool multiplication = false;
    bool subtraction = false;
    bool division = false;
    bool straight = false;
    bool comparisons = false;
    bool even = false;
    bool odd = false;
    bool noOp = false;

    CageRules() = default;
    explicit CageRules(unsigned mask) { SetFromMask(mask); }

    unsigned GetMask() const;
    // Bits above the ten rule bits are ignored.
    void SetFromMask(unsigned mask);

    bool operator==(const CageRules& other) const { return GetMask() == other.GetMask(); }
    bool operator!=(const CageRules& other) const { return !(*this == other); }
};

} // namespace Pemberquill
