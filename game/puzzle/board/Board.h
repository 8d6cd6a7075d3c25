#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"
#include "game/common/CageRules.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/puzzle/board/BoardMove.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/Cage.h"
#include "game/puzzle/board/CageKey.h"
#include "game/puzzle/board/SolutionFit.h"
#include "game/puzzle/board/SolutionsLayout.h"
#include "game/puzzle/board/SquareMask.h"
#include "game/puzzle/board/Square.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class Clock;

namespace Pemberquill {


constexpr int NUM_BOARD_TYPE_FLAGS = 11;
constexpr int NUM_CAGE_COLOR_CHOICES = 5;

// Bit 0 of a board's solving attributes: the player must paint the cages.
constexpr unsigned SOLVING_ATTRIBUTE_HIDDEN_CAGES = 1;

// The colour of everything without a cage colour of its own.
constexpr Rgba DEFAULT_CAGE_COLOR{200, 200, 200, 255};

// One possible value of one square of a cage, as the cage-solution solvers
// weigh them: an open candidate of an empty square, or the value of a
// filled one (which is fixed).
struct CageCandidate {
    int value = 0;
    Square* square = nullptr;
    bool used = false;
    bool available = true;
    bool validated = false;
    bool fixed = false;
};

// One N x N board: squares with their answers, cages, the palette of cage
// colours, the rule settings taken from its recipe, and the geometry that
// places squares, candidates and labels in the unit box (0, 0)-(1, 1), y
// downwards. The player's progress lives apart, in a BoardProgress that the
// puzzle owns and attaches.
class Board {
public:
    // size is N, 1 to MAX_BOARD_SIZE. The board's clock runs below
    // parentClock; the seed picks the board's cage colours.
    Board(unsigned size, unsigned boardIndex, Clock* parentClock, unsigned seed);
    // The progress and the saved progress, where they still live, lose
    // their thumbnails of this board and are out of date; so does any other
    // progress whose thumbnail drawing of this board is still queued (it is
    // alive, as a progress cancels its queued drawing when it goes).
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    unsigned GetSize() const { return m_puzzleSize; }
    unsigned GetBoardIndex() const { return m_boardIndex; }
    unsigned GetSeed() const { return m_seed; }
    float GetSquareEdge() const { return m_squareEdge; }
    Clock& GetClock() const { return *m_clock; }

    // --- Recipe settings ---
    int GetBoardType() const { return m_boardType; }
    const std::string& GetBoardTypeName() const { return m_boardTypeName; }
    bool GetBoardTypeFlag(int flag) const { return m_boardTypeFlags.at(static_cast<size_t>(flag)); }
    void SetBoardType(int boardType, const std::string& name, const std::array<bool, NUM_BOARD_TYPE_FLAGS>& flags);
    unsigned GetSolvingAttributes() const { return m_solvingAttributes; }
    void SetSolvingAttributes(unsigned attributes) { m_solvingAttributes = attributes; }
    bool HasHiddenCages() const { return (m_solvingAttributes & SOLVING_ATTRIBUTE_HIDDEN_CAGES) != 0; }
    CageRules& GetCageRules() { return m_cageRules; }
    const CageRules& GetCageRules() const { return m_cageRules; }
    CageRules& GetRequiredOperators() { return m_requiredOperators; }
    const CageRules& GetRequiredOperators() const { return m_requiredOperators; }

    // --- Squares and cages ---
    // Coordinates must lie inside the board; anything else is an assertion.
    Square& GetSquare(unsigned x, unsigned y)
    {
        return const_cast<Square&>(static_cast<const Board&>(*this).GetSquare(x, y));
    }
    const Square& GetSquare(unsigned x, unsigned y) const
    {
        if (x >= m_puzzleSize || y >= m_puzzleSize) {
            RaiseSquareOutside(x, y);
        }
        return m_squares[static_cast<size_t>(y) * m_puzzleSize + x];
    }
    bool IsInside(int x, int y) const
    {
        const int size = static_cast<int>(m_puzzleSize);
        return x >= 0 && y >= 0 && x < size && y < size;
    }
    std::vector<Square>& GetSquares() { return m_squares; }
    const std::vector<Square>& GetSquares() const { return m_squares; }
    std::vector<Cage>& GetCages() { return m_cages; }
    const std::vector<Cage>& GetCages() const { return m_cages; }
    // Null for an index outside the cage list.
    Cage* GetCage(int cageIndex);
    const Cage* GetCage(int cageIndex) const;
    // The cage of the square at (x, y); null when that square has no cage.
    Cage* GetCageFromSquare(unsigned x, unsigned y);
    const Cage* GetCageFromSquare(unsigned x, unsigned y) const;

    // Answer checks used while generating: no square of column x or row y
    // holds the answer value.
    bool CanPlaceSolutionValue(unsigned x, unsigned y, unsigned value) const
    {
        const AnswerCounts& counts = m_answerCounts;
        if (counts.isKept && x < m_puzzleSize && y < m_puzzleSize && value - 1u < MAX_BOARD_SIZE) {
            // One test of both lines: which of them holds the value is as
            // random as the generator's draws.
            return (counts.columns[x][value] | counts.rows[y][value]) == 0;
        }
        return IsAnswerMissingFromLines(x, y, value);
    }
    // A fill starts by clearing every answer. While it lives, the answers
    // are written through it and the board counts each value in each row
    // and column, so that CanPlaceSolutionValue reads two counts instead of
    // walking the lines. Nothing else may write an answer meanwhile.
    class AnswerFill {
    public:
        explicit AnswerFill(Board& board);
        ~AnswerFill();
        AnswerFill(const AnswerFill&) = delete;
        AnswerFill& operator=(const AnswerFill&) = delete;
        void SetSolutionValue(unsigned x, unsigned y, unsigned value)
        {
            Square& square = m_board.GetSquare(x, y);
            m_board.m_answerCounts.Count(x, y, square.solutionValue, -1);
            m_board.m_answerCounts.Count(x, y, value, 1);
            square.solutionValue = value;
        }

    private:
        Board& m_board;
    };
    // True when every square holds its answer.
    bool IsSolutionGridValid() const;
    // The first square in row-major order without a cage. Squares leave
    // their cages only through ClearCages, so each search goes on from the
    // square the last one found.
    bool FindSquareWithoutCage(unsigned& outX, unsigned& outY) const;
    bool HasUncagedNeighbour(unsigned x, unsigned y) const;
    void ClearCages();

    // --- Progress ---
    // The board never owns its progress or its saved progress: the puzzle's
    // progress record does, and attaches it here. The board keeps plain
    // pointers, which every edit, lookup and solver step follows, so whoever
    // destroys a progress destroys the boards first or detaches it from them
    // (SetProgress(nullptr)) first; only the destructor copes with a
    // progress that is already gone, by watching each one's lifetime.
    BoardProgress* GetProgress() { return m_progress; }
    const BoardProgress* GetProgress() const { return m_progress; }
    void SetProgress(BoardProgress* progress)
    {
        m_progress = progress;
        m_progressLifetime = progress != nullptr ? progress->WatchLifetime() : std::weak_ptr<const void>();
    }
    BoardProgress* GetSavedProgress() { return m_savedProgress; }
    void SetSavedProgress(BoardProgress* progress)
    {
        m_savedProgress = progress;
        m_savedProgressLifetime = progress != nullptr ? progress->WatchLifetime() : std::weak_ptr<const void>();
    }
    // A new progress for this board, its cages' key squares coloured; with
    // withSolution every square holds its answer and its cage's colour.
    std::unique_ptr<BoardProgress> CreateProgress(bool withSolution) const;

    // What the progress holds for a square: 0 and -1 without a progress.
    unsigned GetSquareValue(const Square& square) const
    {
        return m_progress != nullptr ? m_progress->GetValue(square) : 0;
    }
    unsigned GetSquareValue(unsigned x, unsigned y) const { return GetSquareValue(GetSquare(x, y)); }
    int GetSquareColorIndex(const Square& square) const
    {
        return m_progress != nullptr ? m_progress->GetColorIndex(square) : -1;
    }
    // Whether the player has eliminated the candidate flag (value - 1) of
    // the square at (x, y); false without a progress.
    bool IsSquareFlagSet(unsigned x, unsigned y, int flag) const
    {
        return m_progress != nullptr && m_progress->IsCandidateEliminatedByPlayer(GetSquare(x, y), flag);
    }

    // --- Palette ---
    // Installs the palette (or the built-in one when it has fewer than five
    // colours) and keeps five colour choices picked by the seed.
    void SetCustomColors(const std::vector<Rgba>& palette);
    const std::vector<Rgba>& GetPalette() const { return m_palette; }
    const std::vector<unsigned>& GetColorChoices() const { return m_colorChoices; }
    // -1, or an index the palette does not have, gives the default colour.
    Rgba GetPaletteColor(int paletteIndex) const;
    Rgba GetCageColor(int cageIndex) const;
    Rgba GetCageColor(const Cage& cage) const;
    Rgba GetSquareCageColor(const Square& square) const;
    Rgba GetSquareColor(const Square& square) const;

    // --- Geometry, in board units ---
    int GetCandidateLayoutScheme() const { return m_candidateLayoutScheme; }
    void SetCandidateLayoutScheme(int scheme) { m_candidateLayoutScheme = scheme; }
    AABB2 ComputeBoundsForSquare(unsigned x, unsigned y) const;
    AABB2 ComputeBoundsForCageLabelRelativeToSquareMins() const;
    AABB2 ComputeBoundsForTopRightBoxRelativeToSquareMins() const;
    AABB2 ComputeBoundsForCandidateRelativeToSquareMins(int candidateIndex) const;
    AABB2 ComputeBoundsForCandidate(const Square& square, int candidateIndex) const;
    // The square under a point; points outside the board go to the nearest
    // edge square.
    void GetSquareCoordsAt(const Vector2& point, unsigned& outX, unsigned& outY) const;
    // The candidate under a point, -1 when none.
    int GetCandidateAt(const Vector2& point) const;

    // --- Pointer state (changed by the pointer update) ---
    const Vector2& GetPointerPosition() const { return m_pointerPosition; }
    void SetPointerPosition(const Vector2& position) { m_pointerPosition = position; }
    int GetFocusedSquareIndex() const { return m_focusedSquare; }
    void SetFocusedSquareIndex(int squareIndex) { m_focusedSquare = squareIndex; }
    Square* GetFocusedSquare();
    int GetFocusedCandidate() const { return m_focusedCandidate; }
    void SetFocusedCandidate(int candidateIndex) { m_focusedCandidate = candidateIndex; }
    bool IsOverClearBox() const { return m_isOverClearBox; }
    void SetOverClearBox(bool isOver) { m_isOverClearBox = isOver; }
    void ResetFocus();

    // While set, edits record no moves and count no steps, and cage-solution
    // updates are skipped.
    bool IsMoveRecordingSuppressed() const { return m_suppressMoveRecording; }
    void SetMoveRecordingSuppressed(bool suppressed) { m_suppressMoveRecording = suppressed; }

    // --- Edits (BoardEdits.cpp) ---
    // Every change to a board goes through these four. With describeOnly
    // they only build the move a change would make, and need no progress;
    // otherwise they apply it to the progress (which must be attached),
    // record it for undo, count a step and fire the edit's event. A value or
    // index the board cannot take gives a move of negative type and changes
    // nothing. The square may be any square with this board's coordinates.
    BoardMove SetSquareValue(const Square& square, int value, bool describeOnly, bool fireEvent);
    // value is 1 to N; the candidate index is value - 1.
    BoardMove ToggleCandidate(const Square& square, int value, bool describeOnly);
    // Always marks; undo restores the mark as it was.
    BoardMove MarkSolutionInvalid(int cageIndex, int solutionIndex, bool describeOnly);
    BoardMove SetSquareColor(const Square& square, int colorIndex, bool describeOnly);
    // A move of this board with the state before it as its extra data. For a
    // solution mark x is the cage index and y the solution index.
    BoardMove MakeMove(int type, int x, int y, int data) const;
    // Appends to the progress's history and counts a step, unless there is
    // no progress or recording is suppressed.
    void RecordMove(const BoardMove& move);

    // Changes without a move, keeping the derived state up to date.
    void ApplySquareValue(const Square& square, unsigned value);
    void SetSquareColorIndex(const Square& square, int colorIndex);
    // Rebuilds every square's automatic eliminations from the placed values.
    void RecomputeAutoEliminations();
    // Rebuilds the automatic solution marks of every cage (skipped while
    // recording is suppressed).
    void UpdateCageSolutions();
    // Gives every cage's key square its cage's colour, without moves.
    void ColorCageKeySquares();

    // Step through the progress's history; false when there is no progress
    // or nothing to undo or redo. Steps are not counted.
    bool Undo();
    bool Redo();
    // Applies a move made elsewhere (a hint's step) without recording it,
    // counting one step; false when the move cannot apply to this board.
    bool ApplyMove(const BoardMove& move);

    // --- Pointer and input (BoardInput.cpp) ---
    // point is in board units. Decides the focused square and candidate,
    // paints while the player drags the brush, publishes the focused cage's
    // solutions when the focus moves and plays the focus sounds. True when it
    // painted a square (and so recorded a move).
    bool UpdatePointer(const Vector2& point, SolutionsLayout layout);
    // An (action, code) pair: action 1 down, 3 up, 4 character; code a
    // virtual-key code, a character, or 1 and 2 for the left and right
    // buttons. True when the board used it.
    bool HandleInput(int code, int action);
    // "UpdateSolutionsEvent" for the focused square's cage; without
    // properties when there is nothing to show.
    void FireUpdateSolutionsEvent(SolutionsLayout layout);
    void EndPainting();

    // --- Analysis (BoardAnalysis.cpp) ---
    // The hidden-cage mechanic when the board hides its cages, and the rules
    // its cages use.
    TeachableGameMechanics GetTeachableGameMechanics() const;
    // The cage of the first square, columns from the left and each column
    // from the bottom up, whose cage has exactly this rule; null when none.
    Cage* FindCageWithRule(int rule);
    // In the cage's square order: one entry per open candidate of an empty
    // square, one fixed entry per filled square.
    std::vector<CageCandidate> CollectCageCandidates(const Cage& cage) const;
    // The same into a list whose room is kept from call to call.
    void CollectCageCandidates(const Cage& cage, std::vector<CageCandidate>& outCandidates) const;
    // Whether the square's value, or one of its open candidates, is used by
    // a solution of the cage that is not ruled out. Always true on boards
    // without hidden cages.
    bool CanSquareValueFitCage(const Cage& cage, const Square& square) const;
    // The same against the values of the cage's remaining solutions, taken
    // once for many squares (GetRemainingSolutionValues).
    bool CanSquareValueFitCage(const Cage& cage, const Square& square, ValueMask remainingValues) const;
    // Bit v for every value v of a solution of the cage that is not ruled out.
    ValueMask GetRemainingSolutionValues(const Cage& cage) const;
    // GetSolutionValueMask of each of the cage's solutions, in list order.
    const std::vector<ValueMask>& GetSolutionValueMasks(const Cage& cage) const;
    // Whether a search growing the cage may take the square: it exists, is
    // unpainted, lies at or after the key square, is not in visited, and
    // its value fits.
    bool CanSquareJoinCage(const Cage& cage, const Square* square, const SquareSet* visited) const;
    bool CanSquareJoinCage(const Cage& cage, const Square* square, const SquareSet* visited,
                           ValueMask remainingValues) const;
    // Every square, by row-major index, for which CanSquareJoinCage(cage,
    // square, nullptr, remainingValues) holds.
    SquareMask FindJoinableSquares(const Cage& cage, ValueMask remainingValues) const;
    // The squares next to any of squares, by row-major index.
    SquareMask SpreadToNeighbours(const SquareMask& squares) const
    {
        // Row-major: a step left or right moves one bit, up or down a row's
        // width; a step left from the first column would land on the row
        // above.
        const SquareMask spread = squares.Without(m_columnSquares[0]).ShiftedDown(1) |
                                  squares.Without(m_columnSquares[m_puzzleSize - 1]).ShiftedUp(1) |
                                  squares.ShiftedDown(m_puzzleSize) | squares.ShiftedUp(m_puzzleSize);
        return spread & SquareMask::FirstSquares(m_puzzleSize * m_puzzleSize);
    }
    // Whether a hidden cage can still take needed joinable squares, grown
    // from its squares in its colour; grown is how many it can take, at
    // most needed.
    bool CanGrowCage(const Cage& cage, size_t needed, size_t& grown) const;

    // --- Hidden cages (HiddenCageShapes.cpp, HiddenCageMarks.cpp) ---
    // Appends to every cage with solutions each connected shape it could
    // take: grown from its key square through squares that are neither
    // another cage's key square nor in a Comparisons cage, sized between its
    // shortest and longest solution. Shapes already listed stay as they are.
    void BuildHiddenCageShapes();
    bool IsKeySquareOfAnyCage(const Square& square) const;
    // What the marks of hidden cages read of one square: its placed value,
    // its available values (placed, or open candidates), its paint and its
    // cage.
    struct HiddenSquareState {
        ValueMask placed = 0;
        ValueMask available = 0;
        int color = -1;
        int cageIndex = -1;
    };
    // What a hidden cage's shapes are weighed against: the painted squares
    // of other cages, how many of the cage's squares wear its colour, every
    // square's state by row-major index, and the cage's solutions' values.
    struct ShapeWeighing {
        const Cage* cage = nullptr;
        SquareMask blocked;
        int paintedInCageColor = 0;
        const HiddenSquareState* squares = nullptr;
        const std::vector<ValueMask>* solutionMasks = nullptr;
    };
    // While the marks weigh the cage's shapes, the state they read, kept up
    // to date edit by edit; asked at any other time, the state is read
    // afresh from the progress (and lives until the next such call).
    const ShapeWeighing& GetShapeWeighing(const Cage& cage) const;
    // All the squares lie in one row or all in one column (by row-major
    // index; none is not a line).
    bool IsInOneLine(const SquareMask& squares) const
    {
        if (squares.IsEmpty()) {
            return false;
        }
        const unsigned first = static_cast<unsigned>(squares.First());
        return squares.Without(m_rowSquares[first / m_puzzleSize]).IsEmpty() ||
               squares.Without(m_columnSquares[first % m_puzzleSize]).IsEmpty();
    }

private:
    // One cage's shape growth: where it may go, its sizes, the shapes met.
    struct ShapeGrowth;
    // Adds the square at squareIndex to shape; lists the result on the cage
    // when it is large enough, and grows it on through each open neighbour
    // of each of its squares while it is below the largest size. A shape met
    // before is not grown again: growing it can only meet shapes already met.
    void GrowCageShape(Cage& cage, ShapeGrowth& growth, const SquareMask& shape, int shapeSize, int squareIndex);

    [[noreturn]] void RaiseSquareOutside(unsigned x, unsigned y) const;
    // CanPlaceSolutionValue by walking the column and the row.
    bool IsAnswerMissingFromLines(unsigned x, unsigned y, unsigned value) const;
    // The board's own square at the coordinates of square, which may belong
    // to another board of the puzzle.
    Square& OwnSquare(const Square& square);
    // Null when (x, y) lies outside the board.
    const Square* FindSquare(int x, int y) const;
    bool HasMoveTarget(const BoardMove& move) const;
    // The whole rebuild by square coordinates, for a progress of another
    // size: its squares past the board's are cleared.
    void RecomputeAutoEliminationsBySquare(bool eliminateInLines);
    // Applies move in the direction of the edit (forward) or back.
    void ReplayMove(const BoardMove& move, bool forward);
    // What the automatic eliminations were last written from: the progress's
    // squares revision right after (0: nothing kept), the line setting, each
    // square's value by row-major index, and each row's and column's values
    // (bit v - 1 for value v). The journal names the squares written since.
    uint64_t m_autoRevision = 0;
    bool m_autoInLines = false;
    std::array<uint8_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_autoValues{};
    std::array<unsigned, MAX_BOARD_SIZE> m_autoRowValues{};
    std::array<unsigned, MAX_BOARD_SIZE> m_autoColumnValues{};
    // What the automatic marks of a visible cage were last computed from,
    // and the marks: the same solution list, values and candidates give the
    // same marks, so a cage that no edit touched is not weighed again.
    // The cage's squares are told apart by where its list lives and its
    // length: squares only ever join a cage's list.
    struct CageMarks {
        unsigned solutionsStamp = 0; // 0: nothing kept
        size_t numSolutions = 0;
        uint32_t placed = 0;
        uint32_t available = 0;
        bool isLinear = false;
        uint64_t eliminated = 0;
        Square* const* squaresData = nullptr;
        size_t numSquares = 0;
        SquareMask members; // the squares of that list
        int writtenCageIndex = -1; // where the marks were last written
    };
    // Each square's placed value and its available values (placed, or open
    // candidates), as value bits, by row-major index.
    struct SquareValues {
        std::array<uint32_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> placed{};
        std::array<uint32_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> available{};
    };
    // Brings m_markedSquareValues up to the progress, adding the squares
    // whose values it changed.
    void ReadSquareValues(SquareMask& outChanged);
    // changed holds the squares whose values differ from the last update's.
    // isInSync: the progress still holds the marks of the last update.
    void UpdateVisibleCageSolutions(const Cage& cage, const SquareValues& values, const SquareMask& changed,
                                    bool isInSync, CageMarks& marks);
    // Works the marks out again unless the group the cage's squares form is
    // the one they were worked out for.
    void WeighVisibleCageSolutions(const Cage& cage, const SquareValues& values, CageMarks& marks);
    // Each cage with solutions still has the list, solutions and index its
    // marks were worked out for and written under, and m_cagesOfSquare was
    // built from those lists.
    bool AreCageMarksKept() const;
    void MapCagesOfSquares();
    void UpdateHiddenCageSolutions(bool isInSync);
    // Brings m_hiddenSquares up to the progress and the squares' cages,
    // adding the squares whose state it changed.
    void ReadHiddenSquares(SquareMask& outChanged);
    // Marks each shape the painting still allows as in use, and returns the
    // solutions (bit i for solution i) that no such shape could hold.
    uint64_t WeighShapes(Cage& cage);
    // The cage's weighing over the given squares' states; painted holds the
    // squares among them that carry paint.
    ShapeWeighing MakeShapeWeighing(const Cage& cage, const HiddenSquareState* squares,
                                    const SquareMask& painted) const;
    // The progress can be read by square index for the joins: it has the
    // board's size, and the board hides its cages.
    bool CanReadJoinsByIndex() const;
    // Every square a hidden cage's marks read: those of its shapes and its own.
    SquareMask WatchedSquares(const Cage& cage) const;
    void PlayFocusSounds(int previousFocus);
    void ToggleCandidateAcrossCage(const Square& square, int candidateIndex);
    BoardProgress& RequireProgress(const char* operation);
    // Thumbnail drawings still queued for this board never run, and their
    // progresses lose the undrawn thumbnail (BoardThumbnail.cpp).
    void CancelQueuedThumbnailDrawing();

    unsigned m_puzzleSize;
    // How often each answer 1 to MAX_BOARD_SIZE stands in each row and each
    // column, kept while an AnswerFill lives.
    struct AnswerCounts {
        bool isKept = false;
        std::array<std::array<uint8_t, MAX_BOARD_SIZE + 1>, MAX_BOARD_SIZE> rows{};
        std::array<std::array<uint8_t, MAX_BOARD_SIZE + 1>, MAX_BOARD_SIZE> columns{};

        // Adds change (1 or -1) to the counts of value at (x, y); any other
        // value is never asked about by count.
        void Count(unsigned x, unsigned y, unsigned value, int change)
        {
            if (value - 1u < MAX_BOARD_SIZE) {
                columns[x][value] = static_cast<uint8_t>(columns[x][value] + change);
                rows[y][value] = static_cast<uint8_t>(rows[y][value] + change);
            }
        }
    };
    AnswerCounts m_answerCounts;
    // No square before this one lacks a cage (row-major index).
    mutable size_t m_caged = 0;
    std::vector<Cage> m_cages;
    std::vector<CageMarks> m_cageMarks; // by position in m_cages
    // By row-major square index, the positions in m_cages (bit p for
    // position p) of the cages with solutions whose marks read the square.
    static constexpr size_t MAX_MAPPED_CAGES = 128;
    std::array<SquareMask, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_cagesOfSquare{};
    bool m_hasCagesOfSquares = false;
    std::vector<CageKey> m_cageKeys; // by position in m_cages, as m_cagesOfSquare was built
    // The progress the marks were last written to, its revision then, and
    // whether they were the hidden-cage marks.
    const BoardProgress* m_marksProgress = nullptr;
    uint64_t m_marksRevision = 0;
    bool m_marksWereHidden = false;
    // What the solver and the hidden-cage marks ask of a cage's list many
    // times a step: each solution's value mask, kept while the cage keeps
    // its list (one without a stamp is read afresh), and those of the open
    // solutions together, kept while the marks stay the same.
    struct CageValueMasks {
        unsigned stamp = 0;
        size_t count = 0;
        std::vector<ValueMask> solutions;
        bool hasRemaining = false;
        uint64_t eliminated = 0;
        ValueMask remaining = 0;
    };
    // The entry of a cage of this board, brought up to its list; a cage from
    // elsewhere gets a scratch entry.
    CageValueMasks& GetCageValueMasks(const Cage& cage) const;
    mutable std::vector<CageValueMasks> m_cageValueMasks; // by position in m_cages
    // What the hidden cages' marks were last worked out from: each square's
    // state, by row-major index, and each cage's list of shapes, squares and
    // solutions. A cage keeps its marks and its shapes' use until an edit
    // changes a square it watches or the cage itself changes.
    struct HiddenCageState {
        bool isKept = false;
        unsigned solutionsStamp = 0;
        size_t numSolutions = 0;
        int index = -1;
        int color = -1;
        const CageValueSet* shapesData = nullptr;
        size_t numShapes = 0;
        Square* const* squaresData = nullptr;
        size_t numSquares = 0;
        SquareMask watched;
        uint64_t eliminated = 0;
    };
    std::array<HiddenSquareState, MAX_BOARD_SIZE * MAX_BOARD_SIZE> m_hiddenSquares{};
    bool m_hasHiddenSquares = false;
    // The progress's squares revision m_hiddenSquares were read at (0: read
    // them all).
    uint64_t m_hiddenRevision = 0;
    SquareMask m_paintedSquares; // those of m_hiddenSquares with a colour
    SolutionSet m_collectedSolutions; // WeighShapes's scratch: the solutions some shape in use can hold
    // The weighing of the cage whose shapes the marks are weighing; its cage
    // is null at any other time.
    ShapeWeighing m_weighing;
    // A weighing read afresh from the progress, and the squares it reads.
    mutable ShapeWeighing m_freshWeighing;
    mutable std::vector<HiddenSquareState> m_freshSquares;
    // The squares of each row and of each column.
    std::array<SquareMask, MAX_BOARD_SIZE> m_rowSquares{};
    std::array<SquareMask, MAX_BOARD_SIZE> m_columnSquares{};
    std::vector<HiddenCageState> m_hiddenCages; // by position in m_cages
    mutable CageValueMasks m_scratchValueMasks;
    // What FindJoinableSquares and CanGrowCage work out for a cage of
    // this board when the joins are read by index, asked many times a step.
    // Kept while the progress's squares stay at the revision they were read
    // at (every write to a square's value, colour or candidates moves it to
    // a number no other state has; a copy shares its original's state with
    // its revision) and the cage keeps its key (CageKey: squares, solution
    // list, index, colour), key square, rule and the values of its remaining
    // solutions.
    struct CageJoins {
        uint64_t revision = 0;
        CageKey cage;
        int keySquare = -1;
        int rule = CAGE_RULE_NONE;
        ValueMask remainingValues = 0;
        SquareMask joinable;
        // The joinable squares connected to those in the cage's colour, as
        // far as a fill has gone (all of them once it is complete).
        bool hasGrowth = false;
        bool isGrowthComplete = false;
        SquareMask growth;
    };
    // The kept entry of a cage of this board, brought up to date; null when
    // nothing may be kept.
    CageJoins* KeepJoins(const Cage& cage, ValueMask remainingValues) const;
    mutable std::vector<CageJoins> m_cageJoins; // by position in m_cages
    // What the joins of every cage read of the squares, as square masks by
    // row-major index, so that a cage's joinable squares take a few mask
    // operations. Brought up to the progress's squares revision by reading
    // only the squares its journal names since the last read (all of them
    // when the journal does not reach back, as after a swap or a reset).
    struct JoinMasks {
        uint64_t revision = 0; // 0: never read
        SquareMask painted;
        SquareMask placedOdd;
        SquareMask placedEven;
        // By value bit (ValueBit): the squares holding the value, and the
        // empty squares that still have it as a candidate.
        std::array<SquareMask, 32> open{};
    };
    // Needs CanReadJoinsByIndex.
    const JoinMasks& ReadJoinMasks() const;
    void ReadJoinMaskSquare(size_t index) const;
    SquareMask FindJoinableSquaresByMasks(const Cage& cage, ValueMask remainingValues) const;
    mutable JoinMasks m_joinMasks;
    // The square values the visible cages' marks were last brought up to.
    SquareValues m_markedSquareValues;
    bool m_hasMarkedSquareValues = false;
    // The progress's squares revision they were read at (0: read them all).
    uint64_t m_valuesRevision = 0;
    std::vector<Square> m_squares; // row-major; never resized, so square addresses stay valid
    unsigned m_seed;
    int m_boardType = 0;
    std::string m_boardTypeName;
    std::array<bool, NUM_BOARD_TYPE_FLAGS> m_boardTypeFlags{};
    unsigned m_solvingAttributes = 0;
    std::vector<Rgba> m_palette;
    std::vector<unsigned> m_colorChoices;
    std::unique_ptr<Clock> m_clock;
    CageRules m_cageRules{ALL_CAGE_RULES_MASK};
    CageRules m_requiredOperators{ALL_CAGE_RULES_MASK};
    float m_squareEdge;
    int m_candidateLayoutScheme = 2;
    BoardProgress* m_progress = nullptr;
    BoardProgress* m_savedProgress = nullptr;
    // Expired once the progress it watches is destroyed.
    std::weak_ptr<const void> m_progressLifetime;
    std::weak_ptr<const void> m_savedProgressLifetime;
    Vector2 m_pointerPosition{-1.0f, -1.0f};
    int m_focusedSquare = -1;
    int m_focusedCandidate = -1;
    bool m_isOverClearBox = false;
    bool m_suppressMoveRecording = false;
    unsigned m_boardIndex;
};

// The unit step of a direction code: 0 right, 1 up, 2 left, 3 down; (0, 0)
// for any other code.
inline IntVector2 GetDirectionOffset(int direction)
{
    switch (direction) {
    case 0: return IntVector2(1, 0);
    case 1: return IntVector2(0, -1);
    case 2: return IntVector2(-1, 0);
    case 3: return IntVector2(0, 1);
    default: return IntVector2(0, 0);
    }
}

} // namespace Pemberquill
