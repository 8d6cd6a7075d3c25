#include "game/puzzle/board/Board.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/BoardSettingsInterface.h"

namespace Pemberquill {

namespace {

// Refused edits carry what they were given and nothing of the board.
BoardMove MakeRefusedMove(int type, int x, int y, int data)
{
    BoardMove move;
    move.type = type;
    move.x = x;
    move.y = y;
    move.data = data;
    return move;
}

} // namespace

Square& Board::OwnSquare(const Square& square)
{
    return GetSquare(square.x, square.y);
}

const Square* Board::FindSquare(int x, int y) const
{
    return IsInside(x, y) ? &GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)) : nullptr;
}

BoardProgress& Board::RequireProgress(const char* operation)
{
    ULVO_ASSERT(m_progress != nullptr, "A board edit was applied to a board that has no progress attached.",
                operation);
    return *m_progress;
}

BoardMove Board::MakeMove(int type, int x, int y, int data) const
{
    BoardMove move;
    move.type = type;
    move.x = x;
    move.y = y;
    move.data = data;
    move.originatingBoardIndex = static_cast<int>(m_boardIndex);
    const Square* square = FindSquare(x, y);
    switch (type) {
    case MOVE_TYPE_VALUE:
        move.extraData = square != nullptr ? static_cast<int>(GetSquareValue(*square)) : 0;
        break;
    case MOVE_TYPE_CANDIDATE: {
        const bool eliminated =
            square != nullptr && m_progress != nullptr && m_progress->IsCandidateEliminatedByPlayer(*square, data);
        move.extraData = eliminated ? 0 : 1;
        break;
    }
    case MOVE_TYPE_COLOR: move.extraData = square != nullptr ? GetSquareColorIndex(*square) : -1; break;
    case MOVE_TYPE_SOLUTION_MARK:
        move.extraData = m_progress != nullptr && m_progress->IsSolutionMarkedInvalid(x, y) ? 1 : 0;
        break;
    default: break;
    }
    return move;
}

BoardMove Board::SetSquareValue(const Square& square, int value, bool describeOnly, bool fireEvent)
{
    Square& own = OwnSquare(square);
    const int x = static_cast<int>(own.x);
    const int y = static_cast<int>(own.y);
    if (value < 0 || value > static_cast<int>(m_puzzleSize)) {
        return MakeRefusedMove(MOVE_TYPE_BAD_VALUE, x, y, value);
    }
    const BoardMove move = MakeMove(MOVE_TYPE_VALUE, x, y, value);
    if (describeOnly) {
        return move;
    }
    ApplySquareValue(own, static_cast<unsigned>(value));
    RecordMove(move);
    if (fireEvent) {
        NamedProperties args;
        args.Set<Board*>("board", this);
        args.Set<Square*>("square", &own);
        args.Set<unsigned>("solverValue", static_cast<unsigned>(value));
        FireGlobalEvent("OnSetSquareValue", args);
    }
    return move;
}

BoardMove Board::ToggleCandidate(const Square& square, int value, bool describeOnly)
{
    Square& own = OwnSquare(square);
    const int x = static_cast<int>(own.x);
    const int y = static_cast<int>(own.y);
    if (value < 1 || value > static_cast<int>(m_puzzleSize)) {
        return MakeRefusedMove(MOVE_TYPE_BAD_CANDIDATE, x, y, value);
    }
    const int candidateIndex = value - 1;
    const BoardMove move = MakeMove(MOVE_TYPE_CANDIDATE, x, y, candidateIndex);
    if (describeOnly) {
        return move;
    }
    BoardProgress& progress = RequireProgress("Board::ToggleCandidate");
    RecordMove(move);
    const bool wasEliminated = progress.IsCandidateEliminatedByPlayer(own, candidateIndex);
    progress.SetPlayerCandidateBit(own, candidateIndex, !wasEliminated);
    UpdateCageSolutions();

    NamedProperties args;
    args.Set<Board*>("board", this);
    args.Set<Square*>("square", &own);
    args.Set<int>("candidateIndex", candidateIndex);
    args.Set<bool>("wasJustEliminated", !wasEliminated);
    FireGlobalEvent("OnToggleCandidate", args);
    if (!wasEliminated) {
        FireGlobalEvent("CandidateEliminatedEvent");
    }
    return move;
}

BoardMove Board::MarkSolutionInvalid(int cageIndex, int solutionIndex, bool describeOnly)
{
    const Cage* cage = GetCage(cageIndex);
    if (cage == nullptr) {
        return MakeRefusedMove(MOVE_TYPE_BAD_CAGE, cageIndex, solutionIndex, 0);
    }
    // A mark past the tracked solutions could never be stored or undone.
    if (solutionIndex < 0 || solutionIndex >= static_cast<int>(cage->solutions.size()) ||
        solutionIndex >= MAX_TRACKED_SOLUTIONS) {
        return MakeRefusedMove(MOVE_TYPE_BAD_SOLUTION, solutionIndex, 0, 0);
    }
    const BoardMove move = MakeMove(MOVE_TYPE_SOLUTION_MARK, cageIndex, solutionIndex, 0);
    if (describeOnly) {
        return move;
    }
    RequireProgress("Board::MarkSolutionInvalid").SetSolutionInvalidBit(cageIndex, solutionIndex, true);
    RecordMove(move);

    NamedProperties args;
    args.Set<Board*>("Board", this);
    args.Set<unsigned>("CageIndex", static_cast<unsigned>(cageIndex));
    args.Set<unsigned>("SolutionIndex", static_cast<unsigned>(solutionIndex));
    args.Set<bool>("Validity", false);
    FireGlobalEvent("OnToggleSolutionInvalid", args);
    return move;
}

BoardMove Board::SetSquareColor(const Square& square, int colorIndex, bool describeOnly)
{
    Square& own = OwnSquare(square);
    const BoardMove move = MakeMove(MOVE_TYPE_COLOR, static_cast<int>(own.x), static_cast<int>(own.y), colorIndex);
    if (describeOnly) {
        return move;
    }
    SetSquareColorIndex(own, colorIndex);
    RecordMove(move);
    return move;
}

void Board::RecordMove(const BoardMove& move)
{
    if (m_progress == nullptr || m_suppressMoveRecording) {
        return;
    }
    m_progress->RecordMove(move);
    m_progress->AddStep();
}

void Board::ApplySquareValue(const Square& square, unsigned value)
{
    RequireProgress("Board::ApplySquareValue").SetValue(square, value);
    RecomputeAutoEliminations();
    UpdateCageSolutions();
}

void Board::SetSquareColorIndex(const Square& square, int colorIndex)
{
    RequireProgress("Board::SetSquareColorIndex").SetColorIndex(square, colorIndex);
    UpdateCageSolutions();
}

namespace {

// A square's automatic eliminations: every candidate once it holds a value,
// and, with eliminateInLines, the values placed in its row and column (bit
// v - 1 for value v in lineValues).
unsigned AutoEliminationsFor(unsigned value, unsigned lineValues, unsigned allCandidates, bool eliminateInLines)
{
    unsigned eliminated = value != 0 ? allCandidates : 0u;
    if (eliminateInLines) {
        eliminated |= lineValues;
    }
    return eliminated;
}

unsigned LineValueBit(unsigned value)
{
    return value != 0 && value <= 16 ? 1u << (value - 1) : 0u;
}

} // namespace

void Board::RecomputeAutoEliminations()
{
    if (m_progress == nullptr) {
        return;
    }
    BoardProgress& progress = *m_progress;
    const bool eliminateInLines = GetBoardSettings().UseAutoElimination();
    if (progress.GetSize() != m_puzzleSize) {
        RecomputeAutoEliminationsBySquare(eliminateInLines);
        m_autoRevision = 0;
        return;
    }
    // The masks were right at m_autoRevision; only squares written since can
    // be wrong, and the rows and columns of those whose value changed.
    SquareMask recompute;
    const bool isIncremental = m_autoRevision != 0 && m_autoInLines == eliminateInLines &&
                               progress.CollectChangedSquares(m_autoRevision, recompute);
    const unsigned size = m_puzzleSize;
    std::array<bool, MAX_BOARD_SIZE> dirtyRows{};
    std::array<bool, MAX_BOARD_SIZE> dirtyColumns{};
    if (isIncremental) {
        recompute.ForEach([&](int index) {
            const size_t square = static_cast<size_t>(index);
            const uint8_t value = static_cast<uint8_t>(progress.GetValueAt(square));
            if (value != m_autoValues[square]) {
                m_autoValues[square] = value;
                dirtyRows[square / size] = true;
                dirtyColumns[square % size] = true;
            }
        });
    } else {
        for (size_t square = 0; square < m_squares.size(); ++square) {
            m_autoValues[square] = static_cast<uint8_t>(progress.GetValueAt(square));
        }
        dirtyRows.fill(true);
        dirtyColumns.fill(true);
    }
    // A line whose values changed: its values again, and every square of it.
    const auto refreshLine = [&](size_t first, size_t step, unsigned& outLineValues) {
        outLineValues = 0;
        for (size_t i = 0; i < size; ++i) {
            const size_t square = first + i * step;
            outLineValues |= LineValueBit(m_autoValues[square]);
            recompute.Add(static_cast<int>(square));
        }
    };
    for (unsigned line = 0; line < size; ++line) {
        if (dirtyRows[line]) {
            refreshLine(line * size, 1, m_autoRowValues[line]);
        }
        if (dirtyColumns[line]) {
            refreshLine(line, size, m_autoColumnValues[line]);
        }
    }
    const unsigned allCandidates = (1u << size) - 1u;
    recompute.ForEach([&](int index) {
        const size_t square = static_cast<size_t>(index);
        const size_t y = square / size;
        const size_t x = square - y * size;
        const unsigned lineValues = m_autoRowValues[y] | m_autoColumnValues[x];
        const unsigned eliminated =
            AutoEliminationsFor(m_autoValues[square], lineValues, allCandidates, eliminateInLines);
        progress.SetAutoEliminationsAt(square, static_cast<uint16_t>(eliminated));
    });
    m_autoInLines = eliminateInLines;
    m_autoRevision = progress.GetSquaresRevision();
}

void Board::RecomputeAutoEliminationsBySquare(bool eliminateInLines)
{
    BoardProgress& progress = *m_progress;
    progress.ClearAutoEliminations();
    std::array<unsigned, MAX_BOARD_SIZE> rowValues{};
    std::array<unsigned, MAX_BOARD_SIZE> columnValues{};
    for (const Square& square : m_squares) {
        const unsigned value = progress.GetValue(square);
        rowValues[square.y] |= LineValueBit(value);
        columnValues[square.x] |= LineValueBit(value);
    }
    const unsigned allCandidates = (1u << m_puzzleSize) - 1u;
    for (const Square& square : m_squares) {
        const unsigned lineValues = rowValues[square.y] | columnValues[square.x];
        const unsigned eliminated =
            AutoEliminationsFor(progress.GetValue(square), lineValues, allCandidates, eliminateInLines);
        if (eliminated != 0) {
            progress.SetAutoEliminations(square, static_cast<uint16_t>(eliminated));
        }
    }
}

void Board::ColorCageKeySquares()
{
    if (m_progress == nullptr) {
        return;
    }
    const bool wasSuppressed = m_suppressMoveRecording;
    m_suppressMoveRecording = true;
    for (const Cage& cage : m_cages) {
        if (const Square* keySquare = cage.GetKeySquare()) {
            SetSquareColor(*keySquare, cage.color, false);
        }
    }
    m_suppressMoveRecording = wasSuppressed;
}

bool Board::HasMoveTarget(const BoardMove& move) const
{
    switch (move.type) {
    case MOVE_TYPE_VALUE:
        return FindSquare(move.x, move.y) != nullptr && move.data >= 0 && move.data <= static_cast<int>(m_puzzleSize) &&
               move.extraData >= 0 && move.extraData <= static_cast<int>(m_puzzleSize);
    case MOVE_TYPE_CANDIDATE:
        return FindSquare(move.x, move.y) != nullptr && move.data >= 0 && move.data < static_cast<int>(m_puzzleSize);
    case MOVE_TYPE_COLOR: return FindSquare(move.x, move.y) != nullptr;
    case MOVE_TYPE_SOLUTION_MARK: {
        const Cage* cage = GetCage(move.x);
        return cage != nullptr && move.y >= 0 && move.y < static_cast<int>(cage->solutions.size());
    }
    default: return false;
    }
}

void Board::ReplayMove(const BoardMove& move, bool forward)
{
    // A move that names nothing on this board (a damaged record) changes
    // nothing, but still takes its place in the history.
    if (!HasMoveTarget(move)) {
        return;
    }
    BoardProgress& progress = *m_progress;
    switch (move.type) {
    case MOVE_TYPE_VALUE: {
        const Square& square = *FindSquare(move.x, move.y);
        ApplySquareValue(square, static_cast<unsigned>(forward ? move.data : move.extraData));
        break;
    }
    case MOVE_TYPE_CANDIDATE: {
        // extraData is 1 when the edit eliminated the candidate.
        const bool eliminated = forward ? move.extraData != 0 : move.extraData == 0;
        progress.SetPlayerCandidateBit(*FindSquare(move.x, move.y), move.data, eliminated);
        UpdateCageSolutions();
        break;
    }
    case MOVE_TYPE_COLOR:
        // Both boards of a puzzle share one history, but paint belongs to
        // the board it was applied on.
        if (move.originatingBoardIndex == static_cast<int>(m_boardIndex)) {
            SetSquareColorIndex(*FindSquare(move.x, move.y), forward ? move.data : move.extraData);
        }
        break;
    case MOVE_TYPE_SOLUTION_MARK:
        // The edit always marks, so going forward marks whatever the mark was.
        progress.SetSolutionInvalidBit(move.x, move.y, forward || move.extraData != 0);
        break;
    default: break;
    }
}

bool Board::Undo()
{
    BoardMove move;
    if (m_progress == nullptr || !m_progress->PopUndoMove(move)) {
        return false;
    }
    ReplayMove(move, false);
    return true;
}

bool Board::Redo()
{
    BoardMove move;
    if (m_progress == nullptr || !m_progress->PopRedoMove(move)) {
        return false;
    }
    ReplayMove(move, true);
    return true;
}

bool Board::ApplyMove(const BoardMove& move)
{
    if (m_progress == nullptr || !HasMoveTarget(move)) {
        return false;
    }
    if (move.type == MOVE_TYPE_COLOR && move.originatingBoardIndex != static_cast<int>(m_boardIndex)) {
        return false;
    }
    ReplayMove(move, true);
    m_progress->AddStep();
    return true;
}

} // namespace Pemberquill
