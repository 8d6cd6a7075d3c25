#include "tools/cook/CookOptions.h"

#include "engine/core/Diagnostics.h"

#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>

namespace Pemberquill {

namespace {

// The letters of the pattern names.
const std::map<char, unsigned> RULE_LETTERS = {
    {'Q', CAGE_RULE_EQUALS},      {'A', CAGE_RULE_ADDITION},    {'X', CAGE_RULE_MULTIPLICATION},
    {'U', CAGE_RULE_SUBTRACTION}, {'D', CAGE_RULE_DIVISION},    {'S', CAGE_RULE_STRAIGHT},
    {'C', CAGE_RULE_COMPARISONS}, {'E', CAGE_RULE_EVEN},        {'O', CAGE_RULE_ODD},
    {'N', CAGE_RULE_NOOP},        {'M', ARITHMETIC_CAGE_RULES_MASK},
};

bool ParseInteger(const std::string& text, int& out)
{
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < -1000000000L || value > 1000000000L) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

bool ParseFloat(const std::string& text, float& out)
{
    char* end = nullptr;
    out = std::strtof(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

std::string CheckRequest(const CookOptions& options)
{
    const PuzzleRequest& request = options.request;
    if (request.size < 1 || request.size > 9) {
        return "--size must be 1 to 9";
    }
    if (options.count < 1) {
        return "--count must be at least 1";
    }
    if (request.solvabilityType < SOLVABILITY_UNSOLVABLE || request.solvabilityType > SOLVABILITY_EITHER) {
        return "--solvability must be 0, 1 or 2";
    }
    if (options.firstSeed < 0 || options.maxSeeds < 1) {
        return "--first-seed must not be negative and --max-seeds must be positive";
    }
    return "";
}

} // namespace

bool ParseCageRuleMask(const std::string& text, unsigned& outMask)
{
    if (text.empty()) {
        return false;
    }
    if (std::isdigit(static_cast<unsigned char>(text[0]))) {
        int value = 0;
        if (!ParseInteger(text, value) || value < 0 || value > static_cast<int>(ALL_CAGE_RULES_MASK)) {
            return false;
        }
        outMask = static_cast<unsigned>(value);
        return true;
    }
    unsigned mask = 0;
    for (const char letter : text) {
        const auto found = RULE_LETTERS.find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
        if (found == RULE_LETTERS.end()) {
            return false;
        }
        mask |= found->second;
    }
    outMask = mask;
    return true;
}

CookOptionsParse ParseCookOptions(const std::vector<std::string>& arguments)
{
    CookOptionsParse parse;
    CookOptions& options = parse.options;
    PuzzleRequest& request = options.request;
    request = PuzzleRequest(0, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);

    auto integer = [](int& target) { return [&target](const std::string& value) { return ParseInteger(value, target); }; };
    auto rules = [](CageRules& target) {
        return [&target](const std::string& value) {
            unsigned mask = 0;
            if (!ParseCageRuleMask(value, mask)) {
                return false;
            }
            target.SetFromMask(mask);
            return true;
        };
    };
    const std::map<std::string, std::function<bool(const std::string&)>> valued = {
        {"--size", integer(request.size)},
        {"--count", integer(options.count)},
        {"--first-seed", integer(options.firstSeed)},
        {"--max-seeds", integer(options.maxSeeds)},
        {"--board-type", integer(request.boardType1)},
        {"--attributes", integer(request.board1Attributes)},
        {"--second-board-type", integer(request.boardType2)},
        {"--second-attributes", integer(request.board2Attributes)},
        {"--solvability", integer(request.solvabilityType)},
        {"--rules", rules(request.cageRules1)},
        {"--required", rules(request.requiredOperators1)},
        {"--second-rules", rules(request.cageRules2)},
        {"--second-required", rules(request.requiredOperators2)},
        {"--version", [&request](const std::string& value) { return ParseFloat(value, request.generatorVersion); }},
        {"--generator",
         [&request](const std::string& value) {
             request.generatorTypeIndex = value == "simple" ? GENERATOR_TYPE_SIMPLE
                                          : value == "hybrid" ? GENERATOR_TYPE_HYBRID
                                                              : -1;
             return request.generatorTypeIndex >= 0;
         }},
        {"--output",
         [&options](const std::string& value) {
             options.outputPath = value;
             return !value.empty();
         }},
    };

    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            parse.wantsHelp = true;
            return parse;
        }
        if (name == "--print") {
            options.printBoards = true;
            continue;
        }
        if (name == "--reduced-cages") {
            request.forceReducedCageSize = true;
            continue;
        }
        const auto option = valued.find(name);
        if (option == valued.end()) {
            parse.error = "unknown option " + name;
            return parse;
        }
        if (i + 1 == arguments.size()) {
            parse.error = name + " needs a value";
            return parse;
        }
        if (!option->second(arguments[++i])) {
            parse.error = Stringf("%s cannot take \"%s\"", name.c_str(), arguments[i].c_str());
            return parse;
        }
    }
    request.numberOfBoards = request.boardType2 != 0 ? 2 : 1;
    parse.error = CheckRequest(options);
    return parse;
}

const char* GetCookUsage()
{
    return "Usage: cook --size N --count N [options]\n"
           "Cooks a recipe book: generates puzzles for a request, keeps those the solver finds as\n"
           "solvable as asked (a puzzle that another seed already made is skipped), and writes\n"
           "them easiest first. The game hands out the books it finds in Data/Puzzles/Recipes.\n"
           "\n"
           "  --size N                 board size, 1 to 9\n"
           "  --count N                puzzles in the book (a multiple of 5 uses them all)\n"
           "  --generator simple|hybrid  (simple)\n"
           "  --version V              generator version the book is filed under (1.0)\n"
           "  --solvability 0|1|2      unsolvable, solvable, either (1)\n"
           "  --board-type T           first board's type (1)\n"
           "  --attributes A           first board's solving attributes; 1 hides the cages (0)\n"
           "  --second-board-type T    a second board of this type (none)\n"
           "  --second-attributes A    its solving attributes (0)\n"
           "  --rules R, --second-rules R        allowed rules: a mask or letters Q A X U D S C E O N, M (all)\n"
           "  --required R, --second-required R  rules one cage must use (all)\n"
           "  --reduced-cages          smaller cages\n"
           "  --first-seed S           first seed tried (0)\n"
           "  --max-seeds N            seeds tried at most (100000)\n"
           "  --output FILE            the book (<pattern name>.recipes)\n"
           "  --print                  print every cooked board\n"
           "\n"
           "Exit status: 0 when the book holds all the puzzles asked for, 2 when too few seeds\n"
           "made puzzles of the request (the shorter book is still written), 1 on an error.\n";
}

} // namespace Pemberquill
