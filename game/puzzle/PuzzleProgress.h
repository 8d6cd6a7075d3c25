#pragma once

#include "game/puzzle/board/BoardProgress.h"

#include <memory>
#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

class Board;

// How far the player got with one puzzle. The campaign's grading raises a
// solved puzzle to 4 or 5.
constexpr int PUZZLE_STATE_NEVER_SEEN = 0;
constexpr int PUZZLE_STATE_SEEN = 1;
constexpr int PUZZLE_STATE_STARTED = 2;
constexpr int PUZZLE_STATE_SOLVED = 3;

// The player's work on one puzzle, kept apart from the puzzle so that it can
// be saved in the profile and attached to boards rebuilt from the
// descriptor: the state, the play time, and while the puzzle is under way
// one board progress per board.
//
// It owns its board progresses; the boards it is attached to only point at
// them. Whoever clears, reads into or destroys an attached progress must
// attach it again (or detach the boards) before the boards are used.
class PuzzleProgress {
public:
    explicit PuzzleProgress(const std::string& puzzleID);
    // A malformed record throws UlvoException.
    explicit PuzzleProgress(ResourceStream& stream);
    PuzzleProgress(const PuzzleProgress&) = delete;
    PuzzleProgress& operator=(const PuzzleProgress&) = delete;
    PuzzleProgress(PuzzleProgress&&) = default;
    PuzzleProgress& operator=(PuzzleProgress&&) = default;

    const std::string& GetPuzzleID() const { return m_puzzleID; }

    // Stored in one byte.
    int GetState() const { return m_state; }
    void SetState(int state) { m_state = state; }
    // Play only ever moves a puzzle forward: never lowers the state.
    void RaiseState(int atLeast);
    bool IsSolved() const { return m_state >= PUZZLE_STATE_SOLVED; }

    float GetPlayTime() const { return m_playTime; }
    void SetPlayTime(float seconds) { m_playTime = seconds; }

    const std::vector<std::unique_ptr<BoardProgress>>& GetBoardProgresses() const { return m_boardProgresses; }

    // State 0, every board progress emptied, play time 0.
    void Reset();
    // Drops every board progress and forgets the ID.
    void Clear();

    // Makes each board use its board progress. Stored progresses that do not
    // fit the boards (another number of boards, or a board of another size
    // or cage count) are dropped; boards without one get a fresh progress,
    // filled with the answers when the puzzle is already solved. Without
    // boards nothing is attached and nothing dropped.
    void AttachToBoards(const std::vector<std::unique_ptr<Board>>& boards);

    // Board progresses are stored only while the puzzle is started and not
    // solved: a solved puzzle rebuilds them from its answers.
    void Write(ResourceStream& stream) const;
    // Replaces everything with the record; a malformed record throws
    // UlvoException and leaves this progress as it was.
    void Read(ResourceStream& stream);

private:
    bool FitsBoards(const std::vector<std::unique_ptr<Board>>& boards) const;

    std::string m_puzzleID;
    int m_state = PUZZLE_STATE_NEVER_SEEN;
    std::vector<std::unique_ptr<BoardProgress>> m_boardProgresses;
    float m_playTime = 0.0f; // seconds
};

} // namespace Pemberquill
