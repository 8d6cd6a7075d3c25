#include "game/puzzle/board/CageSolution.h"

#include "engine/core/Diagnostics.h"

#include <algorithm>
#include <string>

namespace Pemberquill {

namespace {

// Decimal digits, with a minus sign for negative numbers, without building
// a string for each.
void AppendNumber(std::string& text, int number)
{
    char digits[12];
    size_t count = 0;
    unsigned magnitude = number < 0 ? 0u - static_cast<unsigned>(number) : static_cast<unsigned>(number);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) {
        text += '-';
    }
    while (count > 0) {
        text += digits[--count];
    }
}

} // namespace

void CageSolution::BuildDescription()
{
    // Every cage of every generated board lists its solutions with their
    // texts, so this avoids formatting through the printf family.
    description.clear();
    const char symbol = GetCageRuleSymbol(rule);
    for (size_t i = 0; i < values.size(); ++i) {
        if (i != 0) {
            description += symbol;
        }
        AppendNumber(description, values[i]);
    }
    if (result != 0) {
        description += '=';
        AppendNumber(description, result);
    }
}

bool CageSolution::SortAndCheckRepeats()
{
    std::sort(values.begin(), values.end());
    hasRepeats = std::adjacent_find(values.begin(), values.end()) != values.end();
    hasNoRepeats = !hasRepeats;
    for (size_t i = 0; i + 2 < values.size(); ++i) {
        if (values[i] == values[i + 2]) {
            return false;
        }
    }
    return true;
}

int CageSolution::CountMaxRepeats(int maxValue) const
{
    // A handful of values: each counted against those after it, without a
    // table to allocate.
    int most = 0;
    for (auto value = values.begin(); value != values.end(); ++value) {
        if (*value >= 0 && *value <= maxValue) {
            most = std::max(most, static_cast<int>(std::count(value, values.end(), *value)));
        }
    }
    return most;
}

bool CageSolution::HasSameValues(const CageSolution& other) const
{
    return values == other.values;
}

bool CageSolution::ContainsValue(int value) const
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

int CageSolution::GetFirstRepeatedValue() const
{
    const auto repeat = std::adjacent_find(values.begin(), values.end());
    return repeat != values.end() ? *repeat : 0;
}

int CageSolution::GetUnpairedValue() const
{
    if (values.empty()) {
        return 0;
    }
    for (size_t i = 0; i + 1 < values.size(); i += 2) {
        if (values[i] != values[i + 1]) {
            return values[i];
        }
    }
    return values.back();
}

void CageSolution::RemoveValue(int value)
{
    const auto found = std::find(values.begin(), values.end(), value);
    if (found == values.end()) {
        BuildDescription();
        ULVO_ERROR(Stringf("CageSolution::RemoveValue() tried to remove a value (%d) that was not present in the "
                           "solution (%s)",
                           value, description.c_str()),
                   "Internal game logic error");
    }
    values.erase(found);
}

} // namespace Pemberquill
