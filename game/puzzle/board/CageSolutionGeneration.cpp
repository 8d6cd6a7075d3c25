#include "game/puzzle/board/Cage.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace Pemberquill {

namespace {

CageSolution MakeSolution(int rule)
{
    CageSolution solution;
    solution.rule = rule;
    return solution;
}

void Append(Cage& cage, CageSolution solution)
{
    solution.BuildDescription();
    cage.solutions.push_back(std::move(solution));
}

void GenerateEquals(Cage& cage)
{
    // Equals solutions keep the rule -1, so their description reads "5=5".
    CageSolution solution;
    solution.values = std::vector<int>{cage.target};
    solution.result = cage.target;
    Append(cage, std::move(solution));
}

// Non-decreasing sequences in ascending lexicographic order; a value may
// appear at most twice (twice only where the squares share no line). The
// walk leaves out the branches that cannot reach the target (the values
// after one are no smaller, and no larger than maxValue) or that would hold
// a value three times: they list nothing, so the order is kept.
void WalkAdditions(Cage& cage, std::vector<int>& sequence, int from, int sum)
{
    const int slotsLeft = cage.solutionSize - static_cast<int>(sequence.size());
    if (slotsLeft == 0) {
        if (sum != cage.target) {
            return;
        }
        CageSolution solution = MakeSolution(CAGE_RULE_ADDITION);
        solution.values = sequence;
        const int repeats = solution.CountMaxRepeats(cage.maxValue);
        solution.hasNoRepeats = repeats <= 1;
        solution.hasRepeats = repeats > 1;
        solution.result = cage.target;
        Append(cage, std::move(solution));
        return;
    }
    for (int value = from; value <= cage.maxValue && sum + value * slotsLeft <= cage.target; ++value) {
        const bool isThird = sequence.size() >= 2 && sequence[sequence.size() - 2] == value;
        if (isThird || sum + value + cage.maxValue * (slotsLeft - 1) < cage.target) {
            continue;
        }
        sequence.push_back(value);
        WalkAdditions(cage, sequence, value, sum + value);
        sequence.pop_back();
    }
}

void GenerateAddition(Cage& cage)
{
    std::vector<int> sequence;
    WalkAdditions(cage, sequence, 1, 0);
}

bool IsNewSolution(const Cage& cage, const std::vector<int>& sortedValues)
{
    for (const CageSolution& existing : cage.solutions) {
        if (existing.values == sortedValues) {
            return false;
        }
    }
    return true;
}

// Where the factors are dealt; sorted is scratch for each complete deal, so
// that the many deals that repeat a solution or a value three times build
// nothing.
struct FactorDeal {
    std::vector<int> slots;
    std::vector<int> factors;
    std::vector<int> sorted;
};

bool HasValueThreeTimes(const std::vector<int>& sortedValues)
{
    for (size_t i = 0; i + 2 < sortedValues.size(); ++i) {
        if (sortedValues[i] == sortedValues[i + 2]) {
            return true;
        }
    }
    return false;
}

// Deals the remaining prime factors, the largest first, into the slots in
// every way that keeps each slot within maxValue. The dealing order decides
// the order of the solutions.
void DealFactors(Cage& cage, FactorDeal& deal)
{
    if (deal.factors.empty()) {
        deal.sorted = deal.slots;
        std::sort(deal.sorted.begin(), deal.sorted.end());
        if (HasValueThreeTimes(deal.sorted) || !IsNewSolution(cage, deal.sorted)) {
            return;
        }
        CageSolution solution = MakeSolution(CAGE_RULE_MULTIPLICATION);
        solution.values = deal.sorted;
        solution.SortAndCheckRepeats();
        solution.result = cage.target;
        Append(cage, std::move(solution));
        return;
    }
    const int factor = deal.factors.back();
    deal.factors.pop_back();
    for (size_t i = 0; i < deal.slots.size(); ++i) {
        if (deal.slots[i] * factor > cage.maxValue) {
            continue;
        }
        // Dealing into a slot that holds what an earlier slot holds only
        // repeats, with the two slots swapped, the deals already made from
        // that earlier slot: every solution it could list is listed already.
        const auto slotEnd = deal.slots.begin() + static_cast<std::ptrdiff_t>(i);
        if (std::find(deal.slots.begin(), slotEnd, deal.slots[i]) != slotEnd) {
            continue;
        }
        deal.slots[i] *= factor;
        DealFactors(cage, deal);
        deal.slots[i] /= factor;
    }
    deal.factors.push_back(factor);
}

void GenerateMultiplication(Cage& cage)
{
    FactorDeal deal;
    int remaining = cage.target;
    for (int f = 2; f <= cage.maxValue && remaining > 1;) {
        if (remaining % f == 0) {
            deal.factors.push_back(f);
            remaining /= f;
            f = 2;
        } else {
            ++f;
        }
    }
    // A prime factor above the largest value, or a target below 1, cannot be
    // made from the board's values at all.
    if (deal.factors.empty() || remaining != 1) {
        return;
    }
    deal.slots.assign(static_cast<size_t>(cage.solutionSize), 1);
    DealFactors(cage, deal);
}

template <typename Accept>
void GeneratePairs(Cage& cage, int rule, Accept accept)
{
    for (int a = cage.maxValue; a >= 1; --a) {
        for (int b = a; b >= 1; --b) {
            if (!accept(a, b)) {
                continue;
            }
            CageSolution solution = MakeSolution(rule);
            solution.values = std::vector<int>{a, b};
            solution.result = cage.target;
            solution.hasNoRepeats = a != b;
            solution.hasRepeats = a == b;
            Append(cage, std::move(solution));
        }
    }
}

void GenerateSubtraction(Cage& cage)
{
    GeneratePairs(cage, CAGE_RULE_SUBTRACTION, [&cage](int a, int b) { return a - b == cage.target; });
}

void GenerateDivision(Cage& cage)
{
    GeneratePairs(cage, CAGE_RULE_DIVISION, [&cage](int a, int b) { return a % b == 0 && a / b == cage.target; });
}

void GenerateStraight(Cage& cage)
{
    for (int start = 1; start <= cage.maxValue - cage.solutionSize + 1; ++start) {
        CageSolution solution = MakeSolution(CAGE_RULE_STRAIGHT);
        for (int i = 0; i < cage.solutionSize; ++i) {
            solution.values.push_back(start + i);
        }
        Append(cage, std::move(solution));
    }
}

} // namespace

unsigned NewSolutionsStamp()
{
    static unsigned lastStamp = 0;
    return ++lastStamp;
}

void Cage::GenerateSolutions(int maxValueForBoard, bool useSizeRange)
{
    solutions.clear();
    solutionsStamp = NewSolutionsStamp();
    if (squares.empty()) {
        return;
    }
    maxValue = maxValueForBoard;
    int lowSize = static_cast<int>(squares.size());
    int highSize = lowSize;
    if (useSizeRange) {
        lowSize = GetMinCageSize(rule, static_cast<unsigned>(maxValueForBoard));
        highSize = GetMaxCageSize(rule, static_cast<unsigned>(maxValueForBoard));
    }
    for (int size = lowSize; size <= highSize; ++size) {
        solutionSize = size;
        switch (rule) {
        case CAGE_RULE_EQUALS: GenerateEquals(*this); break;
        case CAGE_RULE_ADDITION: GenerateAddition(*this); break;
        case CAGE_RULE_MULTIPLICATION: GenerateMultiplication(*this); break;
        case CAGE_RULE_SUBTRACTION: GenerateSubtraction(*this); break;
        case CAGE_RULE_DIVISION: GenerateDivision(*this); break;
        case CAGE_RULE_STRAIGHT: GenerateStraight(*this); break;
        default: break; // Comparisons, Even, Odd and NoOp have no solutions to list
        }
    }
}

} // namespace Pemberquill
