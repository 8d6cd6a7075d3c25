#pragma once

#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSetArrangement.h"

#include <memory>
#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

class Puzzle;

// The player state from which a set counts as satisfied.
constexpr int PUZZLE_SET_STATE_SATISFIED = 7;

// Pages of a set's difficulty ranges hold this many puzzles.
constexpr int PUZZLES_PER_SET_PAGE = 8;

// The player's work on one puzzle set, saved inside the player profile: the
// set's state, the current puzzle, the page last viewed in each difficulty
// range, and one puzzle progress per puzzle. It owns the puzzle progresses;
// the set's puzzles only point at them once they are attached by Load.
class PuzzleSetProgress {
public:
    explicit PuzzleSetProgress(const std::string& setID);
    // A malformed record throws UlvoException.
    explicit PuzzleSetProgress(ResourceStream& stream);
    PuzzleSetProgress(const PuzzleSetProgress&) = delete;
    PuzzleSetProgress& operator=(const PuzzleSetProgress&) = delete;

    const std::string& GetSetID() const { return m_setID; }
    // 0 after a reset; PUZZLE_SET_STATE_SATISFIED or more once satisfied.
    int GetPlayerState() const { return m_playerState; }
    void SetPlayerState(int state) { m_playerState = state; }
    // Index into the set's puzzles; -1 for none.
    int GetCurrentPuzzle() const { return m_currentPuzzle; }
    void SetCurrentPuzzle(int index) { m_currentPuzzle = index; }
    int GetEasyPage() const { return m_easyPage; }
    int GetMediumPage() const { return m_mediumPage; }
    int GetHardPage() const { return m_hardPage; }

    // The ranges of the set this progress belongs to; the set links them.
    // Without them no puzzle lies on any page.
    void SetRanges(const PuzzleSetRanges* ranges) { m_ranges = ranges; }

    const std::vector<std::unique_ptr<PuzzleProgress>>& GetPuzzleProgresses() const { return m_puzzleProgresses; }

    // Gives every puzzle of the set the progress with its ID (exact
    // comparison), or a new one when there is none or the puzzle refuses
    // it. The list then follows the set's order; progresses of puzzles the
    // set no longer holds are dropped, each with a warning in the log.
    void Load(const std::vector<std::unique_ptr<Puzzle>>& puzzles);

    // Index of the progress with that ID; -1 when none.
    int FindPuzzleIndex(const std::string& puzzleID) const;

    // Moves the current puzzle on past solved puzzles, to -1 past the end.
    // 0 when it stopped on a puzzle; otherwise 1 while some puzzle is
    // unsolved, 2 when all are solved.
    int AdvanceToNextPuzzle();

    // Every puzzle progress reset, no current puzzle, first pages, state 0.
    void Reset();

    // Once the set is satisfied, remembers the page of the puzzle (its
    // number in the set counts from 1) in the difficulty range that holds
    // it; false when the set is not satisfied or no such range holds it. A
    // null puzzle is an assertion.
    bool SetPuzzlePageFromPuzzle(const Puzzle* puzzle);

    // Puzzle progresses never seen (state 0) are not stored: Load makes
    // them again.
    void Write(ResourceStream& stream) const;
    // Appends the record's puzzle progresses to the list.
    void Read(ResourceStream& stream);

private:
    std::vector<std::unique_ptr<PuzzleProgress>> m_puzzleProgresses;
    std::string m_setID;
    int m_playerState = 0;
    int m_currentPuzzle = 0;
    const PuzzleSetRanges* m_ranges = nullptr;
    int m_easyPage = 0;
    int m_mediumPage = 0;
    int m_hardPage = 0;
};

} // namespace Pemberquill
