#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

#include <algorithm>
#include <cstdint>

namespace Pemberquill {

void Board::UpdateCageSolutions()
{
    if (m_progress == nullptr || m_suppressMoveRecording) {
        return;
    }
    const bool isHidden = HasHiddenCages();
    const bool isInSync = m_marksProgress == m_progress && m_marksRevision == m_progress->GetAutoSolutionsRevision() &&
                          m_marksWereHidden == isHidden;
    if (isHidden) {
        UpdateHiddenCageSolutions(isInSync);
    } else {
        // What every square adds to a cage, read once for all cages; an edit
        // changes a few squares, and only their cages are weighed again.
        SquareMask changed;
        ReadSquareValues(changed);
        if (isInSync && AreCageMarksKept()) {
            // Only the cages reading a changed square are weighed (bit p for
            // position p): every other cage is untouched and the progress
            // still holds its marks.
            SquareMask owners;
            changed.ForEach([&](int index) {
                const SquareMask& ownersOfSquare = m_cagesOfSquare[static_cast<size_t>(index)];
                owners.low |= ownersOfSquare.low;
                owners.high |= ownersOfSquare.high;
            });
            owners.ForEach([&](int position) {
                const size_t i = static_cast<size_t>(position);
                UpdateVisibleCageSolutions(m_cages[i], m_markedSquareValues, changed, true, m_cageMarks[i]);
            });
        } else {
            m_cageMarks.resize(m_cages.size());
            for (size_t i = 0; i < m_cages.size(); ++i) {
                UpdateVisibleCageSolutions(m_cages[i], m_markedSquareValues, changed, isInSync, m_cageMarks[i]);
            }
            MapCagesOfSquares();
        }
    }
    m_marksProgress = m_progress;
    m_marksRevision = m_progress->GetAutoSolutionsRevision();
    m_marksWereHidden = isHidden;
}

bool Board::AreCageMarksKept() const
{
    const size_t numCages = m_cages.size();
    if (!m_hasCagesOfSquares || m_cageKeys.size() != numCages) {
        return false;
    }
    return DoCagesMatchKeys(m_cages.data(), m_cageKeys.data(), numCages);
}

void Board::MapCagesOfSquares()
{
    const size_t numCages = m_cages.size();
    m_hasCagesOfSquares = numCages <= MAX_MAPPED_CAGES;
    m_cageKeys.clear();
    if (!m_hasCagesOfSquares) {
        return;
    }
    m_cagesOfSquare.fill(SquareMask());
    for (size_t i = 0; i < numCages; ++i) {
        const Cage& cage = m_cages[i];
        const CageMarks& marks = m_cageMarks[i];
        if (cage.solutions.empty()) {
            // Never weighed nor written; it only matters once it changes.
            m_cageKeys.push_back(CageKey::Of(cage));
            continue;
        }
        // Marks never weighed (stamp 0) or written under another index do
        // not count as kept: such a cage gets a key no cage matches.
        const bool isKept = marks.solutionsStamp != 0 && marks.writtenCageIndex == cage.index;
        m_cageKeys.push_back(isKept ? CageKey::Of(cage) : CageKey::Unmatched());
        marks.members.ForEach(
            [&](int index) { m_cagesOfSquare[static_cast<size_t>(index)].Add(static_cast<int>(i)); });
    }
}

void Board::ReadSquareValues(SquareMask& outChanged)
{
    SquareValues& values = m_markedSquareValues;
    const auto store = [&](size_t index, ValueMask placed, ValueMask available) {
        if (!m_hasMarkedSquareValues || values.placed[index] != placed || values.available[index] != available) {
            values.placed[index] = placed;
            values.available[index] = available;
            outChanged.Add(static_cast<int>(index));
        }
    };
    const BoardProgress& progress = *m_progress;
    const auto storeAt = [&](size_t index) {
        const ValueMask placed = PlacedValueBit(progress.GetValueAt(index));
        store(index, placed, AvailableValueBits(placed, progress.GetEliminationsAt(index), m_puzzleSize, m_puzzleSize));
    };
    if (progress.GetSize() != m_puzzleSize) {
        for (const Square& square : m_squares) {
            store(square.y * m_puzzleSize + square.x, GetPlacedValueBit(progress, square),
                  GetAvailableValueBits(progress, square, m_puzzleSize));
        }
        m_valuesRevision = 0;
        m_hasMarkedSquareValues = true;
        return;
    }
    // The values kept were read at m_valuesRevision: only the squares the
    // journal names since can differ. The squares are row-major, as the
    // progress's are.
    progress.ForEachSquareWrittenSince(m_hasMarkedSquareValues ? m_valuesRevision : 0, storeAt);
    m_valuesRevision = progress.GetSquaresRevision();
    m_hasMarkedSquareValues = true;
}

void Board::UpdateVisibleCageSolutions(const Cage& cage, const SquareValues& values, const SquareMask& changed,
                                       bool isInSync, CageMarks& marks)
{
    if (cage.solutions.empty()) {
        return;
    }
    const bool isSameList = marks.squaresData == cage.squares.data() && marks.numSquares == cage.squares.size();
    if (!isSameList) {
        marks.squaresData = cage.squares.data();
        marks.numSquares = cage.squares.size();
        marks.members = SquareMask();
        for (const Square* square : cage.squares) {
            marks.members.Add(static_cast<int>(square->y * m_puzzleSize + square->x));
        }
    }
    const bool isUntouched = isSameList && !marks.members.Intersects(changed) && marks.solutionsStamp != 0 &&
                             marks.solutionsStamp == cage.solutionsStamp &&
                             marks.numSolutions == cage.solutions.size();
    if (!isUntouched) {
        WeighVisibleCageSolutions(cage, values, marks);
    }
    // Written again unless the progress still holds them: it may have been
    // read, reset, swapped or marked by another board since.
    if (isUntouched && isInSync && marks.writtenCageIndex == cage.index) {
        return;
    }
    marks.writtenCageIndex = cage.index;
    const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
    const uint64_t covered = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
    m_progress->SetAutoEliminatedSolutions(cage.index, covered, marks.eliminated);
}

void Board::WeighVisibleCageSolutions(const Cage& cage, const SquareValues& values, CageMarks& marks)
{
    SquareGroupValues group;
    for (const Square* square : cage.squares) {
        const size_t index = square->y * m_puzzleSize + square->x;
        group.placed |= values.placed[index];
        group.available |= values.available[index];
    }
    group.count = static_cast<int>(cage.squares.size());
    group.isLinear = cage.IsLinear();
    const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
    const bool isKept = marks.solutionsStamp != 0 && marks.solutionsStamp == cage.solutionsStamp &&
                        marks.numSolutions == cage.solutions.size() && marks.placed == group.placed &&
                        marks.available == group.available && marks.isLinear == group.isLinear;
    if (!isKept) {
        const std::vector<ValueMask>& masks = GetSolutionValueMasks(cage);
        uint64_t eliminated = 0;
        for (size_t i = 0; i < tracked; ++i) {
            const CageSolution& solution = cage.solutions[i];
            if (!DoesSolutionFitGroup(solution, masks[i], group, false)) {
                eliminated |= uint64_t{1} << i;
            }
        }
        marks.solutionsStamp = cage.solutionsStamp;
        marks.numSolutions = cage.solutions.size();
        marks.placed = group.placed;
        marks.available = group.available;
        marks.isLinear = group.isLinear;
        marks.eliminated = eliminated;
    }
}

} // namespace Pemberquill
