#pragma once

#include "engine/core/EventRecipient.h"
#include "engine/core/Vector2.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/puzzle/board/BoardMove.h"
#include "game/puzzle/board/SolutionsLayout.h"
#include "game/puzzle/PuzzleDescriptor.h"

#include <memory>
#include <string>
#include <vector>

class Clock;

namespace Pemberquill {

class Board;
struct Cage;
struct Square;
class BoardProgress;
class PuzzleProgress;

// One playable puzzle: the descriptor it was built from, its one or two
// boards, its own clock, and a link to the player's progress record. It
// turns keys into board edits, keeps the two boards of a puzzle in step,
// finds mistakes, counts play time and notices when it is solved; its owner
// (campaign or free play) starts it, passes it the keys and watches the
// progress state.
//
// The puzzle owns its boards and its clock; the progress belongs to the
// puzzle set's progress or to the owner, which must keep it alive while it
// is set here.
class Puzzle : public EventRecipient {
public:
    // The puzzle's clock runs below parentClock.
    explicit Puzzle(Clock* parentClock);
    ~Puzzle() override;
    Puzzle(const Puzzle&) = delete;
    Puzzle& operator=(const Puzzle&) = delete;

    // --- What the puzzle was built from ---
    // Copies the descriptor and takes the ID, par, rating, complexity,
    // hardest step, unlock flag and generator from it.
    void SetDescriptor(const PuzzleDescriptor& descriptor);
    const PuzzleDescriptor& GetDescriptor() const { return m_descriptor; }
    const std::string& GetPuzzleID() const { return m_puzzleID; }
    // The ID alone; the descriptor keeps its own. Puzzles the tutorial fills
    // itself have an empty one.
    void SetPuzzleID(const std::string& puzzleID) { m_puzzleID = puzzleID; }
    int GetPar() const { return m_par; }
    int GetDifficultyRating() const { return m_difficultyRating; }
    float GetTotalComplexity() const { return m_totalComplexity; }
    int GetHardestStep() const { return m_hardestStep; }
    int GetGeneratorIndex() const { return m_generatorIndex; }
    float GetGeneratorVersion() const { return m_generatorVersion; }
    bool IsUnlockPuzzle() const { return m_isUnlockPuzzle; }
    void SetUnlockPuzzle(bool isUnlockPuzzle) { m_isUnlockPuzzle = isUnlockPuzzle; }

    // --- Place in its set ---
    const std::string& GetDisplayName() const { return m_displayName; }
    void SetDisplayName(const std::string& name) { m_displayName = name; }
    int GetNumberInSet() const { return m_numberInSet; }
    void SetNumberInSet(int number) { m_numberInSet = number; }

    // --- Boards ---
    // Replaces the boards (the old ones are destroyed, last first) and
    // attaches the progress to the new ones when there is one.
    void SetBoards(std::vector<std::unique_ptr<Board>> boards);
    const std::vector<std::unique_ptr<Board>>& GetBoards() const { return m_boards; }
    bool HasBoards() const { return !m_boards.empty(); }
    // Frees the boards, last first, and stops play; the chef rebuilds them
    // from the descriptor when the puzzle is played again.
    void DeleteBoards();

    Clock& GetClock() const { return *m_clock; }
    // Clock time at which the puzzle was made or play last started.
    double GetStartTime() const { return m_startTime; }
    // Clock time at which the owner noticed the solution.
    double GetSolveTime() const { return m_solveTime; }
    void SetSolveTime(double seconds) { m_solveTime = seconds; }

    // --- The player's progress ---
    virtual bool AcceptsProgress(PuzzleProgress* progress) const;
    // Links the progress (never taking it over) and attaches it to the boards
    // when they are built. Null unlinks it and detaches the boards, so that
    // no board keeps pointing into a record the puzzle no longer follows.
    virtual bool SetProgress(PuzzleProgress* progress);
    PuzzleProgress* GetProgress() const { return m_progress; }
    // The progress says solved; a puzzle without one is not.
    bool IsSolved() const;

    // --- Pointer and focus (kept up to date by the board display) ---
    int GetFocusedBoardIndex() const { return m_focusedBoard; }
    void SetFocusedBoardIndex(int boardIndex) { m_focusedBoard = boardIndex; }
    // Null when no board is focused.
    Board* GetFocusedBoard() const;
    const Vector2& GetPointerPosition() const { return m_pointerPosition; }
    void SetPointerPosition(const Vector2& position) { m_pointerPosition = position; }
    // The pointer over one of the boards (Board::UpdatePointer); a square it
    // paints is a move, shared with the other board at once.
    void UpdateBoardPointer(Board& board, const Vector2& point, SolutionsLayout layout);
    // Play has started.
    bool IsShown() const { return m_isShown; }
    // The puzzle takes play; cleared when it is solved or paused.
    bool IsActive() const { return m_isActive; }
    void SetActive(bool active) { m_isActive = active; }
    // Out of play: not shown, not active, no board or square focused.
    void ResetBoardFocus();
    // Forgets where the pointer was, on the puzzle and on every board.
    void ResetBoardHighlights();

    // --- Play ---
    // Play begins or resumes: the boards' clocks restart, their derived state
    // is rebuilt, and the puzzle counts as seen.
    void Start();
    // Back to an untouched puzzle: the progress and every board's history
    // emptied, the boards as at the start of play.
    void Restart();
    // An (action, key) pair: action 1 down, 2 repeat, 3 up; key a virtual-key
    // code, or 1 and 2 for the left and right buttons. True when used.
    bool HandleInput(int action, int key);
    // On every board (the boards share one history).
    void Undo();
    void Redo();
    // Undoes the mistaken moves at the end of each board's history.
    void Rewind();
    // A trial: begin keeps a copy of every board's progress; accept keeps
    // what the player did since and drops the copies; reject puts the copies
    // back. Begin during a trial, or accept or reject outside one, does
    // nothing.
    void BeginWhatIf();
    void AcceptWhatIf();
    void RejectWhatIf();
    bool IsInWhatIf() const { return !m_whatIfProgress.empty(); }
    // A solver's or a hint's move, applied and processed without the mistake
    // check; nothing for a null board.
    void ApplyHintMove(Board* board, const BoardMove& move);

    // --- Checks ---
    // Rebuilds the mistake list: wrongly painted squares on hidden-cage
    // boards, then wrong values, then answers the player has eliminated, each
    // pass over the boards in order. True when there is any.
    bool FindMistakes();
    const std::vector<HintRecord>& GetMistakes() const { return m_mistakes; }
    // Every board holds its answer.
    bool AreAllBoardsValid() const;
    // Raises the progress to solved and stops play; without a progress
    // nothing changes. The owner notices the state in its update.
    void MarkSolved();
    // Once a frame while in play: a puzzle whose boards were filled other
    // than by the player's moves (a hint, the solver) is marked solved here,
    // since no move of its own noticed it.
    void RefreshIfActive();
    int GetTotalStepsOfBoards() const;
    // A board with hidden cages.
    bool HasBoardWithAttributeBit0() const;
    // Every Equals cage of every board, boards in order, cages in each
    // board's order.
    std::vector<Cage*> CollectCagesOfRule() const;
    // The first cage with exactly this rule, boards in order; null when none.
    Cage* FindCageWithRule(int rule) const;
    // What the puzzle can teach: the mechanics of every puzzle, two boards,
    // and what each board teaches.
    void GetTeachableGameMechanics(TeachableGameMechanics& out) const;

    // --- Publishing ---
    // "PuzzleStepsChangedEvent": the steps against the par.
    void UpdateStepsLabel() const;
    // "UndoButtonVisibilityEvent" and "RedoButtonVisibilityEvent" from the
    // first board's history; a puzzle without boards is an assertion.
    void UpdateUndoRedoVisibility() const;

private:
    // The input to one board; a move it makes is processed as every move is.
    bool PlayOnBoard(Board& board, int key, int action);
    // What follows every move: the other board brought in step, the mistake
    // check (flagging the move while any mistake stands, and firing
    // "HasMadeAMistakeEvent" when the move has made a new one), the
    // published states, the play time, and the instructor's chance to teach.
    // A null board means the focused one, if any.
    void CheckForMistakes(Board* board, bool checkMistakes);
    // The focused board, or the first when none is focused.
    Board* GetBoardOfHistory() const;
    void SyncOtherBoards(const Board& source);
    void MarkLastMovesAsError();
    // What makes a listed mistake the one it is: its kind, board and square,
    // and what stands wrong there (the value or the paint colour; for a
    // crossed-out answer, that candidate). Another wrong value typed over a
    // wrong value is another mistake.
    struct MistakeMark {
        int kind = HINT_KIND_NONE;
        const Board* board = nullptr;
        int x = 0;
        int y = 0;
        int wrong = 0;
        bool operator==(const MistakeMark& other) const;
    };
    // Whether a mistake now listed is missing from the given marks.
    bool HasMistakeNotIn(const std::vector<MistakeMark>& marks) const;
    // Lists the mistake with its mark; the record is returned for details.
    HintRecord& AddMistake(int kind, Board& board, const Square& square, int wrong);
    void ClearMistakes();
    // The board in the middle of a paint stroke, or null.
    Board* GetPaintingBoard() const;
    void AddPlayTime();
    void RemoveHintCallOuts() const;
    // Clocks, key-square colours, hidden-cage shapes, automatic marks.
    void PrepareBoardsForPlay();
    void FindWrongColors(Board& board);
    void FindWrongValues(Board& board);
    void FindEliminatedAnswers(Board& board);
    bool IsListedOnAnEarlierBoard(int kind, const Square& square) const;

    std::string m_puzzleID;
    // The clock outlives the boards, whose clocks may run below it.
    std::unique_ptr<Clock> m_clock;
    std::vector<std::unique_ptr<Board>> m_boards;
    PuzzleProgress* m_progress = nullptr;
    int m_par = 0;
    int m_difficultyRating = 0;
    float m_totalComplexity = 0.0f;
    int m_hardestStep = 0;
    bool m_isUnlockPuzzle = false;
    int m_focusedBoard = -1;
    Vector2 m_pointerPosition{-1.0f, -1.0f};
    bool m_isShown = false;
    bool m_isActive = false;
    int m_generatorIndex = 0;
    float m_generatorVersion = 1.0f;
    std::string m_displayName;
    PuzzleDescriptor m_descriptor;
    std::vector<HintRecord> m_mistakes;
    // One to a listed mistake, in the same order.
    std::vector<MistakeMark> m_mistakeMarks;
    // One copy per board while a trial runs, null for a board without
    // progress.
    std::vector<std::unique_ptr<BoardProgress>> m_whatIfProgress;
    double m_solveTime = 0.0;
    double m_startTime = 0.0;
    int m_numberInSet = 0;
    float m_lastMoveTime = 0.0f;
};

} // namespace Pemberquill
