#include "game/puzzle/generation/SimpleBoardGenerator.h"

#include "engine/core/Diagnostics.h"

#include <set>

namespace Pemberquill {

namespace {

constexpr int NO_COLOR = -1;

using CageNeighbours = std::vector<std::set<int>>;

CageNeighbours FindNeighbouringCages(const Board& board)
{
    CageNeighbours neighbours(board.GetCages().size());
    const auto link = [&neighbours](const Square& a, const Square& b) {
        if (a.cageIndex != b.cageIndex) {
            neighbours[static_cast<size_t>(a.cageIndex)].insert(b.cageIndex);
            neighbours[static_cast<size_t>(b.cageIndex)].insert(a.cageIndex);
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
    std::vector<int> order;
    const auto degree = [&neighbours](int cage) { return neighbours[static_cast<size_t>(cage)].size(); };
    const auto offer = [&](int cage, int& best) {
        if (!chosen[static_cast<size_t>(cage)] && (best == -1 || degree(cage) > degree(best))) {
            best = cage;
        }
    };
    while (static_cast<int>(order.size()) < count) {
        int best = -1;
        for (int cage = 0; cage < count; ++cage) {
            if (chosen[static_cast<size_t>(cage)]) {
                for (int neighbour : neighbours[static_cast<size_t>(cage)]) {
                    offer(neighbour, best);
                }
            }
        }
        if (best == -1) {
            for (int cage = 0; cage < count; ++cage) {
                offer(cage, best);
            }
        }
        chosen[static_cast<size_t>(best)] = true;
        order.push_back(best);
    }
    return order;
}

bool ClashesWithNeighbour(int cage, const std::vector<int>& colors, const CageNeighbours& neighbours)
{
    const int color = colors[static_cast<size_t>(cage)];
    for (int neighbour : neighbours[static_cast<size_t>(cage)]) {
        if (colors[static_cast<size_t>(neighbour)] == color) {
            return true;
        }
    }
    return false;
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
