#include "game/puzzle/board/Board.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "game/puzzle/board/BoardProgress.h"

namespace Pemberquill {

Board::Board(unsigned size, unsigned boardIndex, Clock* parentClock, unsigned seed)
    : m_puzzleSize(size),
      m_seed(seed),
      m_clock(std::make_unique<Clock>(parentClock)),
      m_squareEdge(1.0f / static_cast<float>(size)),
      m_boardIndex(boardIndex)
{
    ULVO_ASSERT(size >= 1 && size <= MAX_BOARD_SIZE,
                Stringf("A board of size %u was requested; boards have 1 to %u rows.", size, MAX_BOARD_SIZE),
                "Board::Board");
    m_squares.reserve(static_cast<size_t>(size) * size);
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            Square square;
            square.x = x;
            square.y = y;
            square.bounds = ComputeBoundsForSquare(x, y);
            m_squares.push_back(square);
            m_rowSquares[y].Add(static_cast<int>(y * size + x));
            m_columnSquares[x].Add(static_cast<int>(y * size + x));
        }
    }
}

Board::~Board()
{
    CancelQueuedThumbnailDrawing();
    // A progress its owner destroyed before the board has no thumbnail left
    // to release.
    if (m_progress != nullptr && !m_progressLifetime.expired()) {
        m_progress->ReleaseThumbnail();
    }
    if (m_savedProgress != nullptr && !m_savedProgressLifetime.expired()) {
        m_savedProgress->ReleaseThumbnail();
    }
}

void Board::SetBoardType(int boardType, const std::string& name,
                         const std::array<bool, NUM_BOARD_TYPE_FLAGS>& flags)
{
    m_boardType = boardType;
    m_boardTypeName = name;
    m_boardTypeFlags = flags;
}

void Board::RaiseSquareOutside(unsigned x, unsigned y) const
{
    UlvoRaiseFailedCheck("x < m_puzzleSize && y < m_puzzleSize", __FILE__, __LINE__, "Board::GetSquare",
                         Stringf("Square (%u,%u) lies outside the %ux%u board.", x, y, m_puzzleSize, m_puzzleSize));
}

Cage* Board::GetCage(int cageIndex)
{
    return const_cast<Cage*>(static_cast<const Board&>(*this).GetCage(cageIndex));
}

const Cage* Board::GetCage(int cageIndex) const
{
    if (cageIndex < 0 || cageIndex >= static_cast<int>(m_cages.size())) {
        return nullptr;
    }
    return &m_cages[static_cast<size_t>(cageIndex)];
}

Cage* Board::GetCageFromSquare(unsigned x, unsigned y)
{
    return const_cast<Cage*>(static_cast<const Board&>(*this).GetCageFromSquare(x, y));
}

const Cage* Board::GetCageFromSquare(unsigned x, unsigned y) const
{
    ULVO_ASSERT(x < m_puzzleSize, "x out of range for puzzle size", "Board::GetCageFromSquare");
    ULVO_ASSERT(y < m_puzzleSize, "y out of range for puzzle size", "Board::GetCageFromSquare");
    return GetCage(GetSquare(x, y).cageIndex);
}

bool Board::IsAnswerMissingFromLines(unsigned x, unsigned y, unsigned value) const
{
    // The generator asks this for every draw: the squares are read by index,
    // with the checks GetSquare would make, in the order it would make them.
    if (x >= m_puzzleSize) {
        RaiseSquareOutside(x, 0);
    }
    const size_t size = m_puzzleSize;
    for (size_t i = 0; i < size; ++i) {
        if (m_squares[i * size + x].solutionValue == value) {
            return false;
        }
        if (y >= m_puzzleSize) {
            RaiseSquareOutside(static_cast<unsigned>(i), y);
        }
        if (m_squares[y * size + i].solutionValue == value) {
            return false;
        }
    }
    return true;
}

Board::AnswerFill::AnswerFill(Board& board) : m_board(board)
{
    AnswerCounts& counts = m_board.m_answerCounts;
    ULVO_ASSERT(!counts.isKept, "The board's answers are being filled already.", "Board::AnswerFill::AnswerFill");
    for (Square& square : m_board.m_squares) {
        square.solutionValue = 0;
    }
    counts = AnswerCounts();
    counts.isKept = true;
}

Board::AnswerFill::~AnswerFill()
{
    m_board.m_answerCounts.isKept = false;
}

bool Board::IsSolutionGridValid() const
{
    for (const Square& square : m_squares) {
        if (GetSquareValue(square) != square.solutionValue) {
            return false;
        }
    }
    return true;
}

bool Board::FindSquareWithoutCage(unsigned& outX, unsigned& outY) const
{
    for (; m_caged < m_squares.size(); ++m_caged) {
        const Square& square = m_squares[m_caged];
        if (square.cageIndex == -1) {
            outX = square.x;
            outY = square.y;
            return true;
        }
    }
    return false;
}

bool Board::HasUncagedNeighbour(unsigned x, unsigned y) const
{
    for (int direction = 0; direction < 4; ++direction) {
        const IntVector2 offset = GetDirectionOffset(direction);
        const int nx = static_cast<int>(x) + offset.x;
        const int ny = static_cast<int>(y) + offset.y;
        if (IsInside(nx, ny) && GetSquare(static_cast<unsigned>(nx), static_cast<unsigned>(ny)).cageIndex == -1) {
            return true;
        }
    }
    return false;
}

void Board::ClearCages()
{
    m_cages.clear();
    m_cageMarks.clear();
    m_hasCagesOfSquares = false;
    m_cageValueMasks.clear();
    m_hiddenCages.clear();
    for (Square& square : m_squares) {
        square.cageIndex = -1;
    }
    m_caged = 0;
}

std::unique_ptr<BoardProgress> Board::CreateProgress(bool withSolution) const
{
    auto progress = std::make_unique<BoardProgress>(m_puzzleSize, m_cages);
    if (withSolution) {
        for (const Square& square : m_squares) {
            progress->SetValue(square, square.solutionValue);
            const Cage* cage = GetCage(square.cageIndex);
            progress->SetColorIndex(square, cage != nullptr ? cage->color : -1);
        }
    }
    return progress;
}

Square* Board::GetFocusedSquare()
{
    if (m_focusedSquare < 0 || m_focusedSquare >= static_cast<int>(m_squares.size())) {
        return nullptr;
    }
    return &m_squares[static_cast<size_t>(m_focusedSquare)];
}

void Board::ResetFocus()
{
    m_focusedSquare = -1;
    m_focusedCandidate = -1;
    m_isOverClearBox = false;
}

} // namespace Pemberquill
