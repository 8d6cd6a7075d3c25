#pragma once

#include "game/puzzle/board/Board.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Pemberquill {

// The techniques whose fruitless scans a StepView remembers. A slot counts
// its units by cage position, or by line (LineOfRow, LineOfColumn).
enum FruitlessSlot {
    FRUITLESS_SINGLE_SQUARE_CAGE,
    FRUITLESS_ONLY_CANDIDATE_LEFT, // by row
    FRUITLESS_ODD_IN_EVEN_CAGE,
    FRUITLESS_EVEN_IN_ODD_CAGE,
    FRUITLESS_LAST_VALUE_OF_ONLY_SOLUTION,
    FRUITLESS_NO_SOLUTION_USES_CANDIDATE,
    FRUITLESS_ONLY_SOLUTION_LACKS_NUMBER,
    FRUITLESS_COMBINATION_ELSEWHERE, // by line
    FRUITLESS_UNIQUE_ORDERED_SOLUTION,
    FRUITLESS_REMOVE_LINEAR_DUPLICATE_SOLUTIONS,
    FRUITLESS_REMOVE_SOLUTIONS_BY_PLACED_VALUES,
    FRUITLESS_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES,
    FRUITLESS_REQUIRED_BY_OTHER_CAGE, // by cage, with the line it lies in
    NUM_FRUITLESS_SLOTS
};

// The board as a solver's techniques read it during one step, and what the
// solver remembers from step to step.
//
// Each step the view is brought up to the board by comparing it with the
// previous step's: a step makes one edit, and with it the board's own
// eliminations and solution marks change a few rows, columns and cages.
// Every cage and every line carries a revision, the number of the last step
// in which something it holds changed: a square's value or open candidates,
// a cage's eliminated solutions. A technique that scanned a unit and found
// nothing records the step number (MarkFruitless); while the unit's
// revision is no later, the same scan would again find nothing, and it is
// passed over. Since a technique returns the first hit of a fixed order,
// passing over units that give no hit never changes which step is found.
//
// Everything is read afresh (every revision moves) when the view meets
// another board, or a board whose size, cages, cage lists or solution lists
// (Cage::solutionsStamp) changed; a board with a cage whose list has no
// stamp is read afresh every step. On boards with hidden cages any change,
// paint included, moves every cage's revision: there a cage's extent and
// the squares it may still take depend on the whole board.
class StepView {
public:
    // Brings the view up to the board, which must have its progress.
    void Take(const Board& board);
    void Release() { isTaken = false; }

    static size_t LineOfRow(unsigned y) { return y; }
    static size_t LineOfColumn(unsigned x) { return MAX_BOARD_SIZE + x; }

    // A technique's scan of a unit found nothing at the current step.
    void MarkFruitless(FruitlessSlot slot, size_t unit)
    {
        if (isTaken) {
            m_fruitless[slot][unit] = m_step;
        }
    }
    // Whether the unit's last scan by the technique found nothing and
    // nothing it read has changed since (revision: the unit's).
    bool IsFruitless(FruitlessSlot slot, size_t unit, uint64_t revision) const
    {
        return isTaken && m_fruitless[slot][unit] >= revision;
    }
    uint64_t CageRevision(size_t cagePosition) const
    {
        return std::max(m_cageRevisions[cagePosition], m_allCagesRevision);
    }
    uint64_t LineRevision(size_t line) const { return m_lineRevisions[line]; }
    // The cage's revision, and that of the line it lies in when it lies in
    // one (as StepRequiredByOtherCage finds it).
    uint64_t CageAndLineRevision(size_t cagePosition) const
    {
        const int line = m_cageLines[cagePosition];
        return line < 0 ? CageRevision(cagePosition)
                        : std::max(CageRevision(cagePosition), m_lineRevisions[static_cast<size_t>(line)]);
    }
    // The values open in exactly one square of the line, kept while the
    // line's revision stays.
    unsigned GetValuesOpenOnce(size_t line);

    // --- What the techniques read while the view is taken ---
    bool isTaken = false;
    unsigned size = 0;
    int emptySquares = 0;
    std::array<uint16_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> present{}; // as GetPresentCandidates
    std::array<bool, MAX_BOARD_SIZE * MAX_BOARD_SIZE> isEmpty{};
    std::vector<uint8_t> cageEmpties; // by cage position
    // Each square's compared neighbours (see GetComparedNeighbours), with
    // COMPARED_KNOWN once found: they depend on the answers and the cages
    // only, so they are kept until the view meets another board.
    std::array<uint16_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> compared{};

private:
    // What the revisions stand for, compared every step; a stamp of 0 never
    // matches.
    struct CageKey {
        unsigned solutionsStamp = 0;
        Square* const* squares = nullptr;
        size_t numSquares = 0;
        size_t numSolutions = 0;
        int index = -1;
        int rule = 0;
        int target = 0;
        int color = -1;
        bool operator==(const CageKey& other) const;
    };
    static CageKey KeyOf(const Cage& cage);
    bool IsSameBoard(const Board& board) const;
    // Starts over on the board: every revision moves to this step.
    void Restart(const Board& board);
    void ReadSquares(const Board& board);
    void ReadCages(const Board& board);
    void MarkSquareChanged(size_t index);
    uint8_t CountEmpties(const Cage& cage) const;

    static constexpr int16_t NO_CAGE = -1;
    static constexpr int16_t SEVERAL_CAGES = -2;

    uint64_t m_step = 0; // numbers the steps; revisions and fruitless scans hold these
    const Board* m_board = nullptr;
    unsigned m_seed = 0;
    bool m_hasHiddenCages = false;
    bool m_isRead = false; // the squares and marks below hold the board's
    std::vector<CageKey> m_cageKeys;
    std::array<uint8_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_values{};
    std::array<int8_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_colors{};
    std::array<int16_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_squareCages{}; // cage position, or the two above
    std::vector<uint64_t> m_eliminated;  // by cage position
    std::vector<int> m_cageLines;        // by cage position; -1 when not in one line
    std::vector<uint64_t> m_cageRevisions;
    uint64_t m_allCagesRevision = 0;
    std::array<uint64_t, 2 * MAX_BOARD_SIZE> m_lineRevisions{};
    std::array<unsigned, 2 * MAX_BOARD_SIZE> m_valuesOpenOnce{};
    std::array<uint64_t, 2 * MAX_BOARD_SIZE> m_valuesOpenOnceStep{};
    std::array<std::vector<uint64_t>, NUM_FRUITLESS_SLOTS> m_fruitless; // per slot, by unit
};

} // namespace Pemberquill
