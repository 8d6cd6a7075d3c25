#pragma once

#include "game/puzzle/board/BoardMove.h"
#include "game/puzzle/board/LifetimeToken.h"
#include "game/puzzle/board/Square.h"
#include "game/puzzle/board/SquareMask.h"
#include "game/puzzle/board/ThumbnailTexture.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Image;
class ResourceStream;
class Texture;

namespace Pemberquill {

class Board;
struct Cage;

// The version the writer stamps on a record. Version 1 records lack each
// move's originating board index and still read.
constexpr uint8_t BOARD_PROGRESS_RECORD_VERSION = 2;
// Solution marks are bit masks: solutions past this index are never marked.
constexpr int MAX_TRACKED_SOLUTIONS = 64;
// Steps are saved as this at most.
constexpr int MAX_SAVED_STEPS = 9999;

// Everything the player has done on one board: each square's value, paint
// colour and eliminated candidates, the solutions ruled out in each cage,
// the step count and the move history with its undo/redo position. It lives
// apart from the Board so that it can be saved, cloned, reset and attached
// to a freshly generated board.
//
// Squares are addressed by their column and row; a square outside this
// progress's size reads as empty and ignores writes, so a progress of the
// wrong size can never reach past its own vectors.
class BoardProgress {
public:
    BoardProgress(unsigned size, const std::vector<Cage>& cages);
    BoardProgress(unsigned size, unsigned numberOfCages);
    // Reads a record; a malformed one throws UlvoException.
    explicit BoardProgress(ResourceStream& stream);
    // A copy shares nothing with its original.
    BoardProgress(const BoardProgress& other) = default;
    BoardProgress& operator=(const BoardProgress& other) = default;
    BoardProgress(BoardProgress&& other) = default;
    BoardProgress& operator=(BoardProgress&& other) = default;

    std::unique_ptr<BoardProgress> Clone() const;

    // Expires when this progress is destroyed; a board that outlives its
    // progress reads it to leave the progress alone.
    std::weak_ptr<const void> WatchLifetime() { return m_lifetime.Watch(); }

    // Empties everything for a board of this size and cage count; with cages,
    // each cage's key square takes the cage's colour. The changed flag stays.
    void Resize(unsigned size, unsigned numberOfCages, const std::vector<Cage>* cages);
    // Clears the play but keeps the sizes; key squares lose their colour.
    void Reset();

    unsigned GetSize() const { return m_size; }
    unsigned GetNumberOfCages() const { return static_cast<unsigned>(m_invalidSolutions.size()); }

    bool IsPainting() const { return m_isPainting; }
    void SetPainting(bool painting) { m_isPainting = painting; }
    // Out of date since the thumbnail was last drawn.
    bool HasChanged() const { return m_hasChanged; }
    void SetChanged(bool changed) { m_hasChanged = changed; }

    int GetSteps() const { return m_steps; }
    void SetSteps(int steps) { m_steps = steps; }
    void AddStep() { ++m_steps; }

    // --- Squares ---
    unsigned GetValue(const Square& square) const
    {
        const int index = IndexOf(square);
        return index < 0 ? 0 : m_values[static_cast<size_t>(index)];
    }
    void SetValue(const Square& square, unsigned value);
    int GetColorIndex(const Square& square) const
    {
        const int index = IndexOf(square);
        return index < 0 ? -1 : m_colors[static_cast<size_t>(index)];
    }
    void SetColorIndex(const Square& square, int colorIndex);
    bool IsUnpainted(const Square& square) const { return GetColorIndex(square) == -1; }

    // --- Candidates (index c stands for the value c + 1) ---
    uint16_t GetPlayerEliminations(const Square& square) const
    {
        const int index = IndexOf(square);
        return index < 0 ? 0 : m_playerEliminations[static_cast<size_t>(index)];
    }
    uint16_t GetAutoEliminations(const Square& square) const
    {
        const int index = IndexOf(square);
        return index < 0 ? 0 : m_autoEliminations[static_cast<size_t>(index)];
    }
    // Both masks in one: bit c set = candidate c is ruled out.
    uint16_t GetEliminations(const Square& square) const
    {
        const int index = IndexOf(square);
        return index < 0 ? 0
                         : static_cast<uint16_t>(m_playerEliminations[static_cast<size_t>(index)] |
                                                 m_autoEliminations[static_cast<size_t>(index)]);
    }
    // The same by row-major index (y * size + x, below size * size), for
    // loops over every square that have checked the size once.
    unsigned GetValueAt(size_t index) const { return m_values[index]; }
    int GetColorIndexAt(size_t index) const { return m_colors[index]; }
    uint16_t GetEliminationsAt(size_t index) const
    {
        return static_cast<uint16_t>(m_playerEliminations[index] | m_autoEliminations[index]);
    }
    void SetPlayerCandidateBit(const Square& square, int candidateIndex, bool set);
    void SetAutoCandidateBit(const Square& square, int candidateIndex, bool set);
    void ClearAutoEliminations();
    bool IsCandidateEliminated(const Square& square, int candidateIndex) const
    {
        return IsTrackedCandidate(candidateIndex) && ((GetEliminations(square) >> candidateIndex) & 1u) != 0;
    }
    bool IsCandidateEliminatedByPlayer(const Square& square, int candidateIndex) const
    {
        return IsTrackedCandidate(candidateIndex) && ((GetPlayerEliminations(square) >> candidateIndex) & 1u) != 0;
    }
    bool IsCandidateEliminatedAutomatically(const Square& square, int candidateIndex) const
    {
        return IsTrackedCandidate(candidateIndex) && ((GetAutoEliminations(square) >> candidateIndex) & 1u) != 0;
    }
    bool HaveSameEliminatedCandidates(const Square& a, const Square& b) const;
    int CountOpenCandidates(const Square& square) const;

    // --- Cage solutions ---
    void SetSolutionInvalidBit(int cageIndex, int solutionIndex, bool set);
    void SetSolutionAutoBit(int cageIndex, int solutionIndex, bool set);
    bool IsSolutionEliminated(int cageIndex, int solutionIndex) const
    {
        return IsTrackedSolution(solutionIndex) && ((GetEliminatedSolutions(cageIndex) >> solutionIndex) & 1u) != 0;
    }
    bool IsSolutionMarkedInvalid(int cageIndex, int solutionIndex) const
    {
        return IsTrackedSolution(solutionIndex) && IsTrackedCage(cageIndex) &&
               ((m_invalidSolutions[static_cast<size_t>(cageIndex)] >> solutionIndex) & 1u) != 0;
    }
    bool IsSolutionAutoEliminated(int cageIndex, int solutionIndex) const
    {
        return IsTrackedSolution(solutionIndex) && IsTrackedCage(cageIndex) &&
               ((m_autoSolutions[static_cast<size_t>(cageIndex)] >> solutionIndex) & 1u) != 0;
    }
    // Bit i set = solution i is marked invalid or ruled out automatically;
    // 0 for a cage this progress does not track.
    uint64_t GetEliminatedSolutions(int cageIndex) const
    {
        return IsTrackedCage(cageIndex) ? m_invalidSolutions[static_cast<size_t>(cageIndex)] |
                                              m_autoSolutions[static_cast<size_t>(cageIndex)]
                                        : 0;
    }
    // Replaces the automatic marks of the solutions in covered (bit i for
    // solution i) with those in eliminated.
    void SetAutoEliminatedSolutions(int cageIndex, uint64_t covered, uint64_t eliminated)
    {
        if (IsTrackedCage(cageIndex) && covered != 0) {
            uint64_t& marks = m_autoSolutions[static_cast<size_t>(cageIndex)];
            const uint64_t updated = (marks & ~covered) | (eliminated & covered);
            if (updated != marks) {
                marks = updated;
                m_autoSolutionsRevision = NewRevision();
                m_solutionMarksRevision = m_autoSolutionsRevision;
            }
            m_hasChanged = true;
        }
    }
    // Changes whenever any automatic solution mark changes, and differs
    // between progresses: a board that finds the revision it last wrote
    // knows the marks are still its own.
    uint64_t GetAutoSolutionsRevision() const { return m_autoSolutionsRevision; }
    // Changes whenever any solution mark, invalid or automatic, changes, or
    // the marks are replaced whole; from the same counter as the squares
    // revision, so a reader that finds the revision it last read knows
    // every mark is as it read it (a copy keeps its original's revision
    // and marks).
    uint64_t GetSolutionMarksRevision() const { return m_solutionMarksRevision; }
    // Replaces a square's automatic eliminations; candidates past this
    // progress's size stay clear.
    void SetAutoEliminations(const Square& square, uint16_t eliminations);
    // The same by row-major index (below size * size).
    void SetAutoEliminationsAt(size_t index, uint16_t eliminations);

    // --- Square-change journal ---
    // Every write that really changes a square (its value, colour or either
    // elimination mask) takes a new revision and notes the square; revisions
    // come from one counter for all progresses, so no two writes anywhere
    // share one. Bulk changes (resize, reset, read, shared play, clearing
    // the automatic eliminations) start the journal afresh.
    uint64_t GetSquaresRevision() const { return m_squaresRevision; }
    // Adds to out, by row-major index, every square changed after the
    // revision sinceRevision; false, with out untouched, when the journal no
    // longer reaches back that far or never held that revision (the reader
    // must then read every square). A revision found proves the reader saw
    // this very history: a copy shares its original's up to the copy.
    bool CollectChangedSquares(uint64_t sinceRevision, SquareMask& out) const;
    // Calls read(index) for every square written after sinceRevision, or
    // for every square, by row-major index, when the journal cannot tell
    // (sinceRevision 0 included). A reader keeps GetSquaresRevision() for
    // the next time.
    template <typename Read>
    void ForEachSquareWrittenSince(uint64_t sinceRevision, Read&& read) const
    {
        SquareMask written;
        if (sinceRevision != 0 && CollectChangedSquares(sinceRevision, written)) {
            written.ForEach([&](int index) { read(static_cast<size_t>(index)); });
            return;
        }
        for (size_t index = 0; index < m_values.size(); ++index) {
            read(index);
        }
    }

    // --- Move history ---
    // Drops the redo tail, appends, and moves the tracker past the move.
    void RecordMove(const BoardMove& move);
    bool PopUndoMove(BoardMove& outMove);
    bool PopRedoMove(BoardMove& outMove);
    void MarkLastMoveAsError();
    const std::vector<BoardMove>& GetMoves() const { return m_moves; }
    // Moves before the tracker can be undone, moves from it on redone.
    int GetMoveTracker() const { return m_moveTracker; }

    // The two boards of a puzzle share their play: takes other's values,
    // both candidate masks, move history and tracker, keeping this board's
    // colours, solution marks and step count. False, and nothing changed,
    // when other is for a board of another size.
    bool CopySharedPlayFrom(const BoardProgress& other);

    // --- Thumbnail (BoardThumbnail.cpp) ---
    // The image every thumbnail starts from; its width is the side of every
    // thumbnail. The game's screens install it and keep it for the run; null
    // removes it.
    static void SetThumbnailImage(const Image* image);
    // Replaces the thumbnail by a new texture filled from the thumbnail image
    // and asks the default renderer to have the board drawn into it (event
    // "RenderBoardThumbnailToTexture", with the board as "Board" and this
    // progress as "BoardProgress"); the progress is then up to date. Without
    // a renderer or an installed image the progress is left without a
    // thumbnail and out of date.
    void RenderThumbnail(Board& board);
    // Drops the thumbnail (and the drawing still queued for it); the
    // progress is out of date afterwards.
    void ReleaseThumbnail();
    // Null until drawn; a copy of the progress starts without one.
    Texture* GetThumbnail() const { return m_thumbnail.Get(); }
    // The board has been drawn into the thumbnail; until then the texture
    // shows the thumbnail image.
    bool IsThumbnailReady() const { return m_thumbnail.IsReady(); }
    void MarkThumbnailReady() { m_thumbnail.MarkReady(); }

    // --- Record ---
    void Write(ResourceStream& stream) const;
    // Replaces everything with the record; a malformed one throws
    // UlvoException. Values that cannot belong to the record's board are
    // repaired or dropped (see the reader).
    void Read(ResourceStream& stream);

private:
    // -1 for a square outside this progress.
    int IndexOf(const Square& square) const
    {
        return square.x < m_size && square.y < m_size ? static_cast<int>(square.y * m_size + square.x) : -1;
    }
    static bool IsTrackedSolution(int solutionIndex)
    {
        return solutionIndex >= 0 && solutionIndex < MAX_TRACKED_SOLUTIONS;
    }
    bool IsTrackedCandidate(int candidateIndex) const
    {
        return candidateIndex >= 0 && candidateIndex < static_cast<int>(m_size);
    }
    bool IsTrackedCage(int cageIndex) const
    {
        return cageIndex >= 0 && cageIndex < static_cast<int>(m_invalidSolutions.size());
    }
    void ReadSquares(ResourceStream& stream);
    void ReadMoveHistory(ResourceStream& stream, uint8_t version);
    bool IsMoveInsideBoard(const BoardMove& move) const;
    static uint64_t NewRevision();
    void NoteSquareChanged(size_t index);
    void StartJournal();

    bool m_isPainting = false;
    bool m_hasChanged = true;
    uint8_t m_size = 0;
    int m_steps = 0;
    std::vector<uint8_t> m_values;
    std::vector<int8_t> m_colors;
    std::vector<uint16_t> m_playerEliminations;
    std::vector<uint16_t> m_autoEliminations;
    std::vector<uint64_t> m_invalidSolutions;
    std::vector<uint64_t> m_autoSolutions;
    uint64_t m_autoSolutionsRevision = NewRevision();
    uint64_t m_solutionMarksRevision = NewRevision();
    // The last square writes as a ring: m_journalCount entries ending just
    // before m_journalNext. m_journalBase is the revision the oldest entry
    // follows, the state every entry builds on.
    static constexpr size_t JOURNAL_LENGTH = 64;
    uint64_t m_squaresRevision = 0;
    uint64_t m_journalBase = 0;
    std::array<uint64_t, JOURNAL_LENGTH> m_journalRevisions{};
    std::array<uint8_t, JOURNAL_LENGTH> m_journalSquares{};
    size_t m_journalNext = 0;
    size_t m_journalCount = 0;
    std::vector<BoardMove> m_moves;
    int m_moveTracker = 0;
    ThumbnailTexture m_thumbnail;
    LifetimeToken m_lifetime;
};

} // namespace Pemberquill
