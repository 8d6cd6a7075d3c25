#include "game/puzzle/Puzzle.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/board/SolutionsLayout.h"

#include <algorithm>

namespace Pemberquill {

namespace {

constexpr int INPUT_ACTION_DOWN = 1;
constexpr int INPUT_ACTION_REPEAT = 2;
constexpr int INPUT_ACTION_UP = 3;
constexpr int KEY_LEFT_BUTTON = 1;
constexpr int KEY_RIGHT_BUTTON = 2;
constexpr int KEY_Y = 'Y';
constexpr int KEY_Z = 'Z';

// A longer pause between two moves counts as this much play: the player has
// most likely left the game.
constexpr float MAX_PLAY_TIME_BETWEEN_MOVES = 600.0f;

// The instructor's lessons that every puzzle can offer.
constexpr int PUZZLE_MECHANICS[] = {1300, MECHANIC_ELIMINATE_WITH_RIGHT_BUTTON, 1500, 1600, 1650};

} // namespace

Puzzle::Puzzle(Clock* parentClock)
    : m_clock(std::make_unique<Clock>(parentClock))
    , m_startTime(m_clock->GetTime())
{
}

Puzzle::~Puzzle()
{
    DeleteBoards();
}

void Puzzle::SetDescriptor(const PuzzleDescriptor& descriptor)
{
    m_descriptor = descriptor;
    m_puzzleID = m_descriptor.GetPuzzleID();
    m_par = m_descriptor.GetSolverSteps();
    m_difficultyRating = m_descriptor.GetDifficultyRating();
    m_totalComplexity = m_descriptor.GetTotalComplexity();
    m_hardestStep = m_descriptor.GetHardestStep();
    m_isUnlockPuzzle = m_descriptor.IsUnlockPuzzle();
    m_generatorIndex = m_descriptor.GetGeneratorIndex();
    m_generatorVersion = m_descriptor.GetGeneratorVersion();
}

void Puzzle::SetBoards(std::vector<std::unique_ptr<Board>> boards)
{
    DeleteBoards();
    m_boards = std::move(boards);
    if (m_progress != nullptr) {
        m_progress->AttachToBoards(m_boards);
    }
}

void Puzzle::DeleteBoards()
{
    // Nothing may go on pointing at the boards, and a puzzle without boards
    // cannot be played until it is rebuilt and started again.
    ClearMistakes();
    m_whatIfProgress.clear();
    m_focusedBoard = -1;
    m_isActive = false;
    while (!m_boards.empty()) {
        m_boards.pop_back();
    }
}

bool Puzzle::AcceptsProgress(PuzzleProgress* progress) const
{
    return progress != nullptr;
}

bool Puzzle::SetProgress(PuzzleProgress* progress)
{
    m_progress = progress;
    if (m_progress == nullptr) {
        for (const std::unique_ptr<Board>& board : m_boards) {
            board->SetProgress(nullptr);
        }
    } else if (HasBoards()) {
        m_progress->AttachToBoards(m_boards);
    }
    return true;
}

Board* Puzzle::GetFocusedBoard() const
{
    if (m_focusedBoard < 0 || static_cast<size_t>(m_focusedBoard) >= m_boards.size()) {
        return nullptr;
    }
    return m_boards[static_cast<size_t>(m_focusedBoard)].get();
}

void Puzzle::ResetBoardFocus()
{
    m_isShown = false;
    m_isActive = false;
    m_focusedBoard = -1;
    for (const std::unique_ptr<Board>& board : m_boards) {
        board->ResetFocus();
    }
}

void Puzzle::ResetBoardHighlights()
{
    m_focusedBoard = -1;
    for (const std::unique_ptr<Board>& board : m_boards) {
        board->SetPointerPosition(Vector2(-1.0f, -1.0f));
        board->ResetFocus();
    }
}

void Puzzle::Start()
{
    m_startTime = m_clock->GetTime();
    m_isShown = true;
    m_isActive = true;
    PrepareBoardsForPlay();
    FindMistakes();
    UpdateUndoRedoVisibility();
    UpdateStepsLabel();
    if (m_progress != nullptr) {
        m_progress->RaiseState(PUZZLE_STATE_SEEN);
    }
    m_lastMoveTime = static_cast<float>(m_clock->GetTime());
}

void Puzzle::Restart()
{
    // Resetting the record also empties each board's history: the boards
    // play on the record's board progresses.
    if (m_progress != nullptr) {
        m_progress->Reset();
    }
    ClearMistakes();
    m_lastMoveTime = static_cast<float>(m_clock->GetTime());
    PrepareBoardsForPlay();
    if (HasBoards()) {
        UpdateStepsLabel();
        UpdateUndoRedoVisibility();
    }
}

void Puzzle::PrepareBoardsForPlay()
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        // A stroke whose release never reached the puzzle (it was paused or
        // left meanwhile) must not paint on when the brush is taken again.
        if (BoardProgress* progress = board->GetProgress()) {
            progress->SetPainting(false);
        }
        board->GetClock().SetTime(0.0);
        board->GetClock().SetLastStep(0.0);
        board->ColorCageKeySquares();
        if (board->HasHiddenCages()) {
            board->BuildHiddenCageShapes();
        }
        board->RecomputeAutoEliminations();
        board->UpdateCageSolutions();
    }
}

bool Puzzle::HandleInput(int action, int key)
{
    const BoardSettingsInterface& settings = GetBoardSettings();
    Board* board = GetFocusedBoard();
    if (settings.IsPaintingCages() && action == INPUT_ACTION_DOWN &&
        (key == KEY_RIGHT_BUTTON || (key == KEY_LEFT_BUTTON && board == nullptr))) {
        FireGlobalEvent("EndPaintingEvent");
        return true;
    }
    // The stroke is the painted board's, wherever the button is lifted: over
    // the other board, off the boards, or over the pause menu. Left open, it
    // would paint on after the pause with the button up.
    if (action == INPUT_ACTION_UP && key == KEY_LEFT_BUTTON) {
        if (Board* painting = GetPaintingBoard()) {
            return PlayOnBoard(*painting, key, action);
        }
    }
    if (!m_isActive) {
        return false;
    }
    if ((action == INPUT_ACTION_DOWN || action == INPUT_ACTION_REPEAT) && settings.IsCtrlKeyDown()) {
        if (key == KEY_Z) {
            Undo();
            return true;
        }
        if (key == KEY_Y) {
            Redo();
            return true;
        }
    }
    return board != nullptr && PlayOnBoard(*board, key, action);
}

bool Puzzle::PlayOnBoard(Board& board, int key, int action)
{
    if (!board.HandleInput(key, action)) {
        return false;
    }
    if (m_progress != nullptr) {
        m_progress->RaiseState(PUZZLE_STATE_STARTED);
    }
    CheckForMistakes(&board, true);
    if (AreAllBoardsValid()) {
        MarkSolved();
    }
    return true;
}

Board* Puzzle::GetPaintingBoard() const
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        const BoardProgress* progress = board->GetProgress();
        if (progress != nullptr && progress->IsPainting()) {
            return board.get();
        }
    }
    return nullptr;
}

void Puzzle::UpdateBoardPointer(Board& board, const Vector2& point, SolutionsLayout layout)
{
    // Each paint move joins the shared history at once: a move on the other
    // board before the release would otherwise copy its own history over it.
    if (board.UpdatePointer(point, layout)) {
        SyncOtherBoards(board);
    }
}

void Puzzle::Undo()
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        board->Undo();
    }
    CheckForMistakes(GetBoardOfHistory(), true);
    RemoveHintCallOuts();
}

void Puzzle::Redo()
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        board->Redo();
    }
    CheckForMistakes(GetBoardOfHistory(), true);
    RemoveHintCallOuts();
}

// The boards share one history, so any of them stands for it; a click on
// the Undo or Redo button leaves none focused.
Board* Puzzle::GetBoardOfHistory() const
{
    Board* focused = GetFocusedBoard();
    return focused != nullptr || m_boards.empty() ? focused : m_boards.front().get();
}

// A hint's bubbles point at a board state that undo and redo have left.
void Puzzle::RemoveHintCallOuts() const
{
    NamedProperties args;
    args.Set("CallOutChannelName", std::string("hint"));
    FireGlobalEvent("InstructorDestroyCallOutsByChannel", args);
}

void Puzzle::Rewind()
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        const BoardProgress* progress = board->GetProgress();
        while (progress != nullptr) {
            const int tracker = progress->GetMoveTracker();
            const std::vector<BoardMove>& moves = progress->GetMoves();
            if (tracker < 1 || tracker > static_cast<int>(moves.size()) ||
                !moves[static_cast<size_t>(tracker - 1)].errorState || !board->Undo()) {
                break;
            }
        }
    }
    FindMistakes();
    CheckForMistakes(nullptr, true);
}

void Puzzle::BeginWhatIf()
{
    if (IsInWhatIf() || m_boards.empty()) {
        return;
    }
    for (const std::unique_ptr<Board>& board : m_boards) {
        const BoardProgress* progress = board->GetProgress();
        m_whatIfProgress.push_back(progress != nullptr ? progress->Clone() : nullptr);
    }
}

void Puzzle::AcceptWhatIf()
{
    m_whatIfProgress.clear();
}

void Puzzle::RejectWhatIf()
{
    if (!IsInWhatIf()) {
        return;
    }
    for (size_t i = 0; i < m_boards.size() && i < m_whatIfProgress.size(); ++i) {
        BoardProgress* progress = m_boards[i]->GetProgress();
        if (progress != nullptr && m_whatIfProgress[i] != nullptr) {
            *progress = *m_whatIfProgress[i];
        }
    }
    m_whatIfProgress.clear();
    FindMistakes();
    UpdateUndoRedoVisibility();
    UpdateStepsLabel();
}

void Puzzle::ApplyHintMove(Board* board, const BoardMove& move)
{
    if (board == nullptr) {
        return;
    }
    board->ApplyMove(move);
    CheckForMistakes(board, false);
}

void Puzzle::CheckForMistakes(Board* board, bool checkMistakes)
{
    if (board == nullptr) {
        board = GetFocusedBoard();
    }
    if (board != nullptr) {
        // The check reads every board: one left behind would still show what
        // the move has just changed.
        SyncOtherBoards(*board);
        if (checkMistakes) {
            const std::vector<MistakeMark> standing = m_mistakeMarks;
            if (FindMistakes()) {
                MarkLastMovesAsError();
            }
            // A mistake left standing was counted when it was made.
            if (HasMistakeNotIn(standing)) {
                FireGlobalEvent("HasMadeAMistakeEvent");
            }
        }
        if (board == GetFocusedBoard()) {
            const SolutionsLayout layout = m_boards.size() == 1 ? SOLUTIONS_LAYOUT_SINGLE_BOARD
                                           : board == m_boards.front().get() ? SOLUTIONS_LAYOUT_FIRST_BOARD
                                                                             : SOLUTIONS_LAYOUT_OTHER_BOARD;
            board->FireUpdateSolutionsEvent(layout);
        }
    }
    UpdateUndoRedoVisibility();
    UpdateStepsLabel();
    AddPlayTime();
    // The chef applies every step of its solves through here, usually with
    // no event system to hear it: the bag would be built for nobody.
    if (UlvoEventSystem::GetGlobal() == nullptr) {
        return;
    }
    NamedProperties args;
    args.Set("Puzzle", this);
    FireGlobalEvent("CheckForDynamicLessonOpportunity", args);
}

void Puzzle::SyncOtherBoards(const Board& source)
{
    const BoardProgress* sourceProgress = source.GetProgress();
    if (sourceProgress == nullptr) {
        return;
    }
    for (const std::unique_ptr<Board>& board : m_boards) {
        BoardProgress* progress = board->GetProgress();
        if (board.get() == &source || progress == nullptr || !progress->CopySharedPlayFrom(*sourceProgress)) {
            continue;
        }
        board->RecomputeAutoEliminations();
        board->UpdateCageSolutions();
    }
}

// The copies of the history on the other boards carry the flag too, so that
// a rewind undoes the same moves on every board.
void Puzzle::MarkLastMovesAsError()
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        if (BoardProgress* progress = board->GetProgress()) {
            progress->MarkLastMoveAsError();
        }
    }
}

bool Puzzle::MistakeMark::operator==(const MistakeMark& other) const
{
    return kind == other.kind && board == other.board && x == other.x && y == other.y && wrong == other.wrong;
}

bool Puzzle::HasMistakeNotIn(const std::vector<MistakeMark>& marks) const
{
    return std::any_of(m_mistakeMarks.begin(), m_mistakeMarks.end(), [&marks](const MistakeMark& mark) {
        return std::find(marks.begin(), marks.end(), mark) == marks.end();
    });
}

HintRecord& Puzzle::AddMistake(int kind, Board& board, const Square& square, int wrong)
{
    const int x = static_cast<int>(square.x);
    const int y = static_cast<int>(square.y);
    m_mistakeMarks.push_back(MistakeMark{kind, &board, x, y, wrong});
    return m_mistakes.emplace_back(kind, &board, x, y);
}

void Puzzle::ClearMistakes()
{
    m_mistakes.clear();
    m_mistakeMarks.clear();
}

void Puzzle::AddPlayTime()
{
    const float now = static_cast<float>(m_clock->GetTime());
    const float elapsed = std::min(now - m_lastMoveTime, MAX_PLAY_TIME_BETWEEN_MOVES);
    if (m_progress != nullptr) {
        m_progress->SetPlayTime(m_progress->GetPlayTime() + elapsed);
    }
    m_lastMoveTime = now;
}

bool Puzzle::FindMistakes()
{
    ClearMistakes();
    for (const std::unique_ptr<Board>& board : m_boards) {
        if (board->HasHiddenCages()) {
            FindWrongColors(*board);
        }
    }
    for (const std::unique_ptr<Board>& board : m_boards) {
        FindWrongValues(*board);
    }
    for (const std::unique_ptr<Board>& board : m_boards) {
        FindEliminatedAnswers(*board);
    }
    return !m_mistakes.empty();
}

// The squares are stored row by row, so each pass visits them in the order
// the mistakes are listed.
void Puzzle::FindWrongColors(Board& board)
{
    for (const Square& square : board.GetSquares()) {
        const int color = board.GetSquareColorIndex(square);
        const Cage* cage = board.GetCage(square.cageIndex);
        if (color != -1 && color != (cage != nullptr ? cage->color : -1)) {
            AddMistake(HINT_KIND_WRONG_COLOR, board, square, color);
        }
    }
}

void Puzzle::FindWrongValues(Board& board)
{
    for (const Square& square : board.GetSquares()) {
        const unsigned value = board.GetSquareValue(square);
        if (value != 0 && value != square.solutionValue && !IsListedOnAnEarlierBoard(HINT_KIND_WRONG_VALUE, square)) {
            AddMistake(HINT_KIND_WRONG_VALUE, board, square, static_cast<int>(value));
        }
    }
}

void Puzzle::FindEliminatedAnswers(Board& board)
{
    for (const Square& square : board.GetSquares()) {
        const int answerIndex = static_cast<int>(square.solutionValue) - 1;
        if (square.solutionValue != 0 && board.GetSquareValue(square) == 0 &&
            board.IsSquareFlagSet(square.x, square.y, answerIndex) &&
            !IsListedOnAnEarlierBoard(HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE, square)) {
            // The hint names and points at the candidate crossed out.
            AddMistake(HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE, board, square, answerIndex).move.data = answerIndex;
        }
    }
}

// The boards of a puzzle share their values and eliminations: a mistake in
// them is one mistake, listed on the first board that shows it. (Paint is
// each board's own.)
bool Puzzle::IsListedOnAnEarlierBoard(int kind, const Square& square) const
{
    return std::any_of(m_mistakes.begin(), m_mistakes.end(), [&](const HintRecord& mistake) {
        return mistake.kind == kind && mistake.move.x == static_cast<int>(square.x) &&
               mistake.move.y == static_cast<int>(square.y);
    });
}

bool Puzzle::IsSolved() const
{
    return m_progress != nullptr && m_progress->IsSolved();
}

bool Puzzle::AreAllBoardsValid() const
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        if (!board->IsSolutionGridValid()) {
            return false;
        }
    }
    return true;
}

void Puzzle::MarkSolved()
{
    if (m_progress == nullptr) {
        return;
    }
    m_progress->RaiseState(PUZZLE_STATE_SOLVED);
    m_isActive = false;
}

void Puzzle::RefreshIfActive()
{
    if (m_isActive && HasBoards() && AreAllBoardsValid()) {
        MarkSolved();
    }
}

int Puzzle::GetTotalStepsOfBoards() const
{
    int steps = 0;
    for (const std::unique_ptr<Board>& board : m_boards) {
        if (const BoardProgress* progress = board->GetProgress()) {
            steps += progress->GetSteps();
        }
    }
    return steps;
}

bool Puzzle::HasBoardWithAttributeBit0() const
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        if (board->HasHiddenCages()) {
            return true;
        }
    }
    return false;
}

std::vector<Cage*> Puzzle::CollectCagesOfRule() const
{
    std::vector<Cage*> cages;
    for (const std::unique_ptr<Board>& board : m_boards) {
        for (Cage& cage : board->GetCages()) {
            if (cage.rule == CAGE_RULE_EQUALS) {
                cages.push_back(&cage);
            }
        }
    }
    return cages;
}

Cage* Puzzle::FindCageWithRule(int rule) const
{
    for (const std::unique_ptr<Board>& board : m_boards) {
        if (Cage* cage = board->FindCageWithRule(rule)) {
            return cage;
        }
    }
    return nullptr;
}

void Puzzle::GetTeachableGameMechanics(TeachableGameMechanics& out) const
{
    out = TeachableGameMechanics();
    for (const int mechanic : PUZZLE_MECHANICS) {
        out.AddMechanic(mechanic);
    }
    if (m_boards.size() > 1) {
        out.AddMechanic(MECHANIC_TWO_BOARDS);
    }
    for (const std::unique_ptr<Board>& board : m_boards) {
        out.Merge(board->GetTeachableGameMechanics());
    }
}

void Puzzle::UpdateStepsLabel() const
{
    // The chef solves puzzles step by step, often with no event system to
    // hear about it (the cook, the benchmarks).
    if (UlvoEventSystem::GetGlobal() == nullptr) {
        return;
    }
    NamedProperties args;
    args.Set("Label", Stringf("Steps:  %d (par is %d)", GetTotalStepsOfBoards(), m_par));
    FireGlobalEvent("PuzzleStepsChangedEvent", args);
}

void Puzzle::UpdateUndoRedoVisibility() const
{
    const Board* board = HasBoards() ? m_boards.front().get() : nullptr;
    ULVO_ASSERT(board, "Unable to UNDO on a puzzle without any boards.", "Puzzle::UpdateUndoRedoVisibility");
    if (UlvoEventSystem::GetGlobal() == nullptr) {
        return;
    }
    const BoardProgress* progress = board->GetProgress();
    const bool canUndo = progress != nullptr && progress->GetMoveTracker() > 0;
    const bool canRedo =
        progress != nullptr && progress->GetMoveTracker() < static_cast<int>(progress->GetMoves().size());

    NamedProperties args;
    args.Set("Enabled", canUndo);
    FireGlobalEvent("UndoButtonVisibilityEvent", args);
    args.Set("Enabled", canRedo);
    FireGlobalEvent("RedoButtonVisibilityEvent", args);
}

} // namespace Pemberquill
