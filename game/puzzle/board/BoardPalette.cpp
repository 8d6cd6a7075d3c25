#include "game/puzzle/board/Board.h"

namespace Pemberquill {

namespace {

// Used when the palette handed to the board is too small to choose from.
const std::vector<Rgba> BUILT_IN_PALETTE = {
    Rgba(255, 255, 92, 255),  Rgba(253, 209, 144, 255), Rgba(255, 165, 180, 255), Rgba(255, 170, 255, 255),
    Rgba(151, 190, 255, 255), Rgba(168, 255, 255, 255), Rgba(160, 255, 160, 255),
};

} // namespace

void Board::SetCustomColors(const std::vector<Rgba>& palette)
{
    m_palette = palette.size() >= NUM_CAGE_COLOR_CHOICES ? palette : BUILT_IN_PALETTE;
    m_colorChoices.clear();
    for (unsigned i = 0; i < m_palette.size(); ++i) {
        m_colorChoices.push_back(i);
    }
    // The seed decides which colours go, so a puzzle keeps its colours.
    while (m_colorChoices.size() > NUM_CAGE_COLOR_CHOICES) {
        const size_t j = m_seed % m_colorChoices.size();
        m_colorChoices[j] = m_colorChoices.back();
        m_colorChoices.pop_back();
    }
}

Rgba Board::GetPaletteColor(int paletteIndex) const
{
    if (paletteIndex < 0 || paletteIndex >= static_cast<int>(m_palette.size())) {
        return DEFAULT_CAGE_COLOR;
    }
    return m_palette[static_cast<size_t>(paletteIndex)];
}

Rgba Board::GetCageColor(int cageIndex) const
{
    const Cage* cage = GetCage(cageIndex);
    return cage != nullptr ? GetCageColor(*cage) : DEFAULT_CAGE_COLOR;
}

Rgba Board::GetCageColor(const Cage& cage) const
{
    return GetPaletteColor(cage.color);
}

Rgba Board::GetSquareCageColor(const Square& square) const
{
    return GetCageColor(square.cageIndex);
}

Rgba Board::GetSquareColor(const Square& square) const
{
    return GetPaletteColor(GetSquareColorIndex(square));
}

} // namespace Pemberquill
