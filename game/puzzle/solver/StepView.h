#pragma once

#include "game/puzzle/board/Board.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Pemberquill {

// The techniques whose fruitless scans a StepView remembers, one slot each.
// A slot counts its units by cage position, or by line (LineOfRow,
// LineOfColumn).
enum FruitlessSlot {
    FRUITLESS_SINGLE_SQUARE_CAGE,
    FRUITLESS_ODD_IN_EVEN_CAGE,
    FRUITLESS_EVEN_IN_ODD_CAGE,
    FRUITLESS_LAST_VALUE_OF_ONLY_SOLUTION,
    FRUITLESS_NO_SOLUTION_USES_CANDIDATE,
    FRUITLESS_ONLY_SOLUTION_LACKS_NUMBER,
    FRUITLESS_UNIQUE_ORDERED_SOLUTION,
    FRUITLESS_REMOVE_LINEAR_DUPLICATE_SOLUTIONS,
    FRUITLESS_REMOVE_SOLUTIONS_BY_PLACED_VALUES,
    FRUITLESS_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES,
    FRUITLESS_LOWER_CAGE_NO_MAX,
    FRUITLESS_HIGHER_CAGE_NO_MIN,
    FRUITLESS_BELOW_LOWEST_OF_LOWER_CAGE,
    FRUITLESS_ABOVE_HIGHEST_OF_HIGHER_CAGE,
    FRUITLESS_DEPENDENTS_NOT_VALIDATED,
    FRUITLESS_DUPLICATE_DEPENDENTS_LINEAR,
    NUM_CAGE_SLOTS,                                    // the slots above read one cage each
    FRUITLESS_REQUIRED_BY_OTHER_CAGE = NUM_CAGE_SLOTS, // a cage and the line it lies in
    FRUITLESS_COMBINATION_ELSEWHERE,                   // by line
    NUM_FRUITLESS_SLOTS
};

// Per line (rows, then columns from MAX_BOARD_SIZE on), the values open in
// exactly one of its squares; candidatesAt(x, y) gives a square's open
// candidates.
template <typename CandidatesAt>
void FindValuesOpenOnce(unsigned size, CandidatesAt&& candidatesAt, std::array<unsigned, 2 * MAX_BOARD_SIZE>& outOnce)
{
    // A value seen a second time in a line moves from once to twice.
    std::array<unsigned, 2 * MAX_BOARD_SIZE> twice{};
    outOnce.fill(0);
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            const unsigned candidates = candidatesAt(x, y);
            twice[y] |= outOnce[y] & candidates;
            outOnce[y] |= candidates;
            twice[MAX_BOARD_SIZE + x] |= outOnce[MAX_BOARD_SIZE + x] & candidates;
            outOnce[MAX_BOARD_SIZE + x] |= candidates;
        }
    }
    for (size_t line = 0; line < outOnce.size(); ++line) {
        outOnce[line] &= ~twice[line];
    }
}

// One board as a solver's techniques read it during a step, and what the
// solver remembers of the board from step to step (see StepView).
//
// Each step the memo is brought up to the board by comparing it with the
// previous step's: a step makes one edit, and with it the board's own
// eliminations and solution marks change a few rows, columns and cages. A
// cage changes with a square it lists (its value or open candidates), or,
// for a Comparisons cage, a compared neighbour of one (the same answer cage,
// next to it), or with its eliminated solutions; a line with one of its
// squares.
//
// Per technique the memo keeps the units (cages, lines) still to scan. A
// technique that scanned a unit and found nothing drops it
// (MarkFruitless); a change to the unit puts it back. The same scan of an
// unchanged unit would again find nothing, and a technique returns the
// first hit of a fixed order, so passing over dropped units never changes
// which step is found.
//
// Everything is to be scanned again when the memo meets another board, or a
// board whose size, cages, cages' squares, colours or solution lists
// (Cage::solutionsStamp: a new list comes with every new rule or target)
// changed. A board with a cage whose list has no stamp is read afresh every
// step, and one with more cages than the memo can name scanned in full. On
// boards with hidden cages any change, paint included, puts every cage
// back: there a cage's extent and the squares it may still take depend on
// the whole board.
class BoardStepMemo {
public:
    // Brings the memo up to the board, which must have its progress.
    void Take(const Board& board);
    void Release()
    {
        isTaken = false;
        m_isMemoInUse = false;
    }

    static size_t LineOfRow(unsigned y) { return y; }
    static size_t LineOfColumn(unsigned x) { return MAX_BOARD_SIZE + x; }

    // The first unit from `from` on that the technique must scan: every
    // unit while the memo is not taken or not in use.
    size_t NextToScan(FruitlessSlot slot, size_t from) const
    {
        return m_isMemoInUse ? m_toScan[slot].NextFrom(from) : from;
    }
    // The technique's scan of the unit found nothing.
    void MarkFruitless(FruitlessSlot slot, size_t unit)
    {
        if (m_isMemoInUse) {
            m_toScan[slot].Remove(unit);
        }
    }
    // The first square from row-major index `from` on with a single open
    // candidate; every square while the memo is not taken or not in use.
    size_t NextSingleCandidate(size_t from) const { return m_isMemoInUse ? m_singleCandidates.NextFrom(from) : from; }
    // By line, the values open in exactly one square of the line, each kept
    // until the line changes.
    const std::array<unsigned, 2 * MAX_BOARD_SIZE>& GetValuesOpenOnce();

    // What the board was last read for, or null.
    const Board* GetBoard() const { return m_board; }

    // --- What the techniques read while the memo is taken ---
    bool isTaken = false;
    unsigned size = 0;
    int emptySquares = 0;
    std::array<uint16_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> present{}; // as GetPresentCandidates
    std::array<bool, MAX_BOARD_SIZE * MAX_BOARD_SIZE> isEmpty{};
    std::vector<uint8_t> cageEmpties; // by cage position

private:
    // A set of units, cage positions or lines, as bits.
    struct UnitMask {
        static constexpr size_t CAPACITY = 128;
        std::array<uint64_t, 2> bits{};

        // The first unit from `from` on; CAPACITY when none.
        size_t NextFrom(size_t from) const
        {
            for (size_t word = from / 64; word < bits.size(); ++word) {
                const uint64_t left = word == from / 64 ? bits[word] & (~uint64_t{0} << (from % 64)) : bits[word];
                if (left != 0) {
                    return word * 64 + static_cast<size_t>(__builtin_ctzll(left));
                }
            }
            return CAPACITY;
        }
        void Add(size_t unit) { bits[unit / 64] |= uint64_t{1} << (unit % 64); }
        void Remove(size_t unit) { bits[unit / 64] &= ~(uint64_t{1} << (unit % 64)); }
        bool Has(size_t unit) const { return ((bits[unit / 64] >> (unit % 64)) & 1u) != 0; }
        bool IsEmpty() const { return (bits[0] | bits[1]) == 0; }
        size_t Count() const
        {
            return static_cast<size_t>(SquareMask::CountBits(bits[0]) + SquareMask::CountBits(bits[1]));
        }
        // Units 0 to count - 1.
        static UnitMask First(size_t count);
        UnitMask& operator|=(const UnitMask& other)
        {
            bits[0] |= other.bits[0];
            bits[1] |= other.bits[1];
            return *this;
        }
    };
    // Reads each cage's eliminated solutions unless the progress's marks
    // revision proves them unchanged; false, having read nothing, when the
    // board is not the one the memo was taken of.
    bool ReadCages(const Board& board);
    // Starts over on the board: every unit is to be scanned.
    void Restart(const Board& board);
    void WatchSquares(const Board& board, const Cage& cage, size_t position);
    void ReadSquares(const Board& board);
    // emptiesChange: 1 when the square became empty, -1 when it was filled.
    void MarkSquareChanged(size_t index, int emptiesChange);
    // Puts the changed units back into every technique's scan.
    void RescanChanged();
    void FindLineValuesOpenOnce(size_t line);
    uint8_t CountEmpties(const Cage& cage) const;

    static constexpr int16_t NO_CAGE = -1;
    static constexpr int16_t SEVERAL_CAGES = -2;
    // No colour, no value: never read from a progress.
    static constexpr uint32_t UNREAD_SQUARE = 0xFFFFFFFFu;

    const Board* m_board = nullptr;
    unsigned m_seed = 0;
    bool m_hasHiddenCages = false;
    bool m_hasUnstampedCage = false; // read afresh every step
    bool m_isMemoOff = false;        // more cages than a UnitMask holds
    bool m_isMemoInUse = false;      // taken, and not off
    // A square listed in more than one cage changed between empty and
    // filled: the cages' empties are counted again.
    bool m_isEmptiesRecountDue = false;
    std::vector<CageKey> m_cageKeys; // what the memo was taken of, compared every step
    // Per square, its value (bits 16 to 23), open candidates (bits 0 to 15)
    // and, on hidden-cage boards, paint (bits 24 to 31); by row-major index.
    std::array<uint32_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_states{};
    // The progress's squares revision m_states were read at (0: read every
    // square).
    uint64_t m_squaresRevision = 0;
    // Per square, the cage listing it (for its empties), or the two above.
    std::array<int16_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_squareCages{};
    // Per square, the cages whose scans read it.
    std::array<UnitMask, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_watchers{};
    std::vector<uint64_t> m_eliminated; // by cage position
    // The progress's solution marks revision m_eliminated was read at (0:
    // read them all).
    uint64_t m_marksRevision = 0;
    std::array<UnitMask, 2 * MAX_BOARD_SIZE> m_cagesInLine{};
    UnitMask m_allCages;
    // What changed since the last step.
    UnitMask m_changedCages;
    UnitMask m_changedLines;
    std::array<UnitMask, NUM_FRUITLESS_SLOTS> m_toScan{};
    UnitMask m_singleCandidates; // squares by row-major index
    std::array<unsigned, 2 * MAX_BOARD_SIZE> m_valuesOpenOnce{};
    UnitMask m_valuesOpenOnceDue; // lines whose values open once are to be found again
};

// The board as the techniques of one FindNextStep read it, and what the
// solver remembers of the last two boards it was asked about: the two boards
// of a puzzle are asked in turn. A technique reads the fields below only
// while the view is taken; they point into the memo of the board asked.
class StepView {
public:
    void Take(const Board& board);
    void Release();

    static size_t LineOfRow(unsigned y) { return BoardStepMemo::LineOfRow(y); }
    static size_t LineOfColumn(unsigned x) { return BoardStepMemo::LineOfColumn(x); }
    size_t NextToScan(FruitlessSlot slot, size_t from) const { return Memo().NextToScan(slot, from); }
    void MarkFruitless(FruitlessSlot slot, size_t unit) { m_memos[m_current].MarkFruitless(slot, unit); }
    size_t NextSingleCandidate(size_t from) const { return Memo().NextSingleCandidate(from); }
    const std::array<unsigned, 2 * MAX_BOARD_SIZE>& GetValuesOpenOnce()
    {
        return m_memos[m_current].GetValuesOpenOnce();
    }

    bool isTaken = false;
    unsigned size = 0;
    int emptySquares = 0;
    const uint16_t* present = nullptr; // as GetPresentCandidates, by row-major index
    const bool* isEmpty = nullptr;
    const uint8_t* cageEmpties = nullptr; // by cage position

private:
    const BoardStepMemo& Memo() const { return m_memos[m_current]; }

    std::array<BoardStepMemo, 2> m_memos;
    size_t m_current = 0;
};

} // namespace Pemberquill
