#include "game/puzzle/generation/SimpleBoardGenerator.h"

#include "engine/core/Diagnostics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace Pemberquill {

namespace {

constexpr int NO_COLOR = -1;

// Per cage, its neighbouring cages as bits of their index: a board has at
// most one cage per square.
constexpr size_t MAX_CAGES = MAX_BOARD_SIZE * MAX_BOARD_SIZE;
constexpr size_t LINK_WORDS = (MAX_CAGES + 63) / 64;

struct CageLinks {
    std::array<uint64_t, LINK_WORDS> words{};
    int degree = 0;

    void Add(int cage)
    {
        uint64_t& word = words[static_cast<size_t>(cage) / 64];
        const uint64_t bit = uint64_t{1} << (static_cast<unsigned>(cage) % 64);
        degree += (word & bit) == 0 ? 1 : 0;
        word |= bit;
    }
    // Calls visit with each neighbour, lowest index first, until it returns
    // true.
    template <typename Visit>
    bool Any(Visit&& visit) const
    {
        for (size_t w = 0; w < LINK_WORDS; ++w) {
            for (uint64_t bits = words[w]; bits != 0; bits &= bits - 1) {
                if (visit(static_cast<int>(w * 64 + static_cast<size_t>(__builtin_ctzll(bits))))) {
                    return true;
                }
            }
        }
        return false;
    }
};

using CageNeighbours = std::vector<CageLinks>;

CageNeighbours FindNeighbouringCages(const Board& board)
{
    ULVO_ASSERT(board.GetCages().size() <= MAX_CAGES, "A board has more cages than squares.",
                "SimpleBoardGenerator::AdjustNeighboringCageColors");
    CageNeighbours neighbours(board.GetCages().size());
    const auto link = [&neighbours](const Square& a, const Square& b) {
        if (a.cageIndex != b.cageIndex) {
            neighbours[static_cast<size_t>(a.cageIndex)].Add(b.cageIndex);
            neighbours[static_cast<size_t>(b.cageIndex)].Add(a.cageIndex);
        }
    };
    const unsigned size = board.GetSize();
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            const Square& square = board.GetSquare(x, y);
            if (x + 1 < size) {
                link(square, board.GetSquare(x + 1, y));
            }
            if (y + 1 < size) {
                link(square, board.GetSquare(x, y + 1));
            }
        }
    }
    return neighbours;
}

// Most constrained first: the cage of highest degree, then again and again
// the not yet chosen neighbour of a chosen cage with the highest degree, the
// first met walking the chosen cages and their neighbours by index. A cage
// cut off from every chosen one (which cages covering a board never are)
// starts over from the highest degree left.
std::vector<int> OrderCagesForColoring(const CageNeighbours& neighbours)
{
    const int count = static_cast<int>(neighbours.size());
    std::vector<bool> chosen(neighbours.size(), false);
    // Per cage, the lowest chosen cage next to it: the walk over the chosen
    // cages by index meets the cage there first, so among neighbours of
    // equal degree the one with the lower first chosen cage wins, then the
    // lower index.
    constexpr int NOT_REACHED = std::numeric_limits<int>::max();
    std::vector<int> firstChosen(neighbours.size(), NOT_REACHED);
    std::vector<int> order;
    order.reserve(neighbours.size());
    const auto degree = [&neighbours](int cage) { return neighbours[static_cast<size_t>(cage)].degree; };
    while (static_cast<int>(order.size()) < count) {
        int best = -1;
        for (int cage = 0; cage < count; ++cage) {
            const int first = firstChosen[static_cast<size_t>(cage)];
            if (chosen[static_cast<size_t>(cage)] || first == NOT_REACHED) {
                continue;
            }
            if (best == -1 || degree(cage) > degree(best) ||
                (degree(cage) == degree(best) && first < firstChosen[static_cast<size_t>(best)])) {
                best = cage;
            }
        }
        if (best == -1) {
            for (int cage = 0; cage < count; ++cage) {
                if (!chosen[static_cast<size_t>(cage)] && (best == -1 || degree(cage) > degree(best))) {
                    best = cage;
                }
            }
        }
        chosen[static_cast<size_t>(best)] = true;
        order.push_back(best);
        neighbours[static_cast<size_t>(best)].Any([&](int neighbour) {
            int& first = firstChosen[static_cast<size_t>(neighbour)];
            first = std::min(first, best);
            return false;
        });
    }
    return order;
}

bool ClashesWithNeighbour(int cage, const std::vector<int>& colors, const CageNeighbours& neighbours)
{
    const int color = colors[static_cast<size_t>(cage)];
    return neighbours[static_cast<size_t>(cage)].Any(
        [&](int neighbour) { return colors[static_cast<size_t>(neighbour)] == color; });
}

// Gives the cage its start colour, or the colour after its current one, and
// moves on past clashes; false once every colour has been tried.
bool AdvanceToFreeColor(int cage, int startColor, int colorCount, std::vector<int>& colors,
                        const CageNeighbours& neighbours)
{
    int& color = colors[static_cast<size_t>(cage)];
    if (color == NO_COLOR) {
        color = startColor;
    } else {
        color = (color + 1) % colorCount;
        if (color == startColor) {
            return false;
        }
    }
    while (ClashesWithNeighbour(cage, colors, neighbours)) {
        color = (color + 1) % colorCount;
        if (color == startColor) {
            return false;
        }
    }
    return true;
}

// Backtracking over the order; each position starts from its own colour so
// that the seed varies the look of the board.
std::vector<int> ColorInOrder(const std::vector<int>& order, const CageNeighbours& neighbours,
                              unsigned seed, int colorCount)
{
    std::vector<int> colors(order.size(), NO_COLOR);
    const auto startColor = [seed, colorCount](size_t position) {
        return static_cast<int>((seed + static_cast<unsigned>(position)) % static_cast<unsigned>(colorCount));
    };
    colors[static_cast<size_t>(order[0])] = startColor(0);
    size_t position = 1;
    while (position < order.size()) {
        const int cage = order[position];
        if (AdvanceToFreeColor(cage, startColor(position), colorCount, colors, neighbours)) {
            ++position;
            continue;
        }
        colors[static_cast<size_t>(cage)] = NO_COLOR;
        ULVO_ASSERT(position > 0, "Cage colouring ran out of colours.",
                    "SimpleBoardGenerator::AdjustNeighboringCageColors");
        --position;
    }
    return colors;
}

} // namespace

void SimpleBoardGenerator::AdjustNeighboringCageColors(Board& board)
{
    const std::vector<unsigned>& choices = board.GetColorChoices();
    const int numColorsToUse = static_cast<int>(choices.size());
    ULVO_ASSERT(numColorsToUse >= 4,
                Stringf("Board said it had %d colors in its palette; need at least 4 to perform "
                        "guaranteed-successful cage-coloration algorithm",
                        numColorsToUse),
                "SimpleBoardGenerator::AdjustNeighboringCageColors");
    std::vector<Cage>& cages = board.GetCages();
    if (cages.empty()) {
        return;
    }
    const CageNeighbours neighbours = FindNeighbouringCages(board);
    const std::vector<int> order = OrderCagesForColoring(neighbours);
    const std::vector<int> colors = ColorInOrder(order, neighbours, board.GetSeed(), numColorsToUse);
    for (size_t i = 0; i < cages.size(); ++i) {
        cages[i].color = static_cast<int>(choices[static_cast<size_t>(colors[i])]);
    }
}

} // namespace Pemberquill
