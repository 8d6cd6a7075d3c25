#pragma once

// Hand-made boards with a progress attached, settings the tests set
// directly, and a log of the events a board fires.
#include "engine/core/Clock.h"
#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/RegisteredEventHandler.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/BoardSettingsInterface.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Pemberquill {

// A 9 x 9 answer in which each row is the one above moved left by one, so
// that every value fits anywhere a cage puts it.
inline std::vector<std::string> NineByNineAnswer()
{
    std::vector<std::string> rows(9, std::string(9, ' '));
    for (int i = 0; i < 81; ++i) {
        rows[i / 9][i % 9] = static_cast<char>('1' + (i % 9 + i / 9) % 9);
    }
    return rows;
}

struct CageSpec {
    int rule;
    std::vector<std::pair<unsigned, unsigned>> squares; // (column, row), in joining order
    int color = 0;
};

// A board whose answer is given row by row as digits ("1234"), with the
// cages as listed: targets from the answer, solutions for the board's size
// (every size the rule allows on hidden-cage boards), key squares found.
// The palette is the built-in one, so colour indices 0 to 6 exist.
class PlayableBoard {
public:
    PlayableBoard(const std::vector<std::string>& answerRows, const std::vector<CageSpec>& cages,
                  unsigned solvingAttributes = 0, unsigned boardIndex = 0)
        : board(static_cast<unsigned>(answerRows.size()), boardIndex, &clock, 7)
    {
        board.SetSolvingAttributes(solvingAttributes);
        board.SetCustomColors({});
        for (Square& square : board.GetSquares()) {
            square.solutionValue = static_cast<unsigned>(answerRows[square.y][square.x] - '0');
        }
        for (const CageSpec& wanted : cages) {
            Cage cage;
            cage.index = static_cast<int>(board.GetCages().size());
            cage.rule = wanted.rule;
            cage.color = wanted.color;
            for (const auto& [x, y] : wanted.squares) {
                Square& square = board.GetSquare(x, y);
                square.cageIndex = cage.index;
                cage.squares.push_back(&square);
            }
            cage.ComputeTargetFromSolution();
            cage.GenerateSolutions(static_cast<int>(board.GetSize()), board.HasHiddenCages());
            cage.FindTopLeftSquare();
            board.GetCages().push_back(cage);
        }
        progress = board.CreateProgress(false);
        board.SetProgress(progress.get());
    }

    BoardProgress& Progress() { return *progress; }
    Square& At(unsigned x, unsigned y) { return board.GetSquare(x, y); }
    unsigned ValueAt(unsigned x, unsigned y) const { return board.GetSquareValue(x, y); }
    bool IsOpen(unsigned x, unsigned y, int value) const
    {
        return !progress->IsCandidateEliminated(board.GetSquare(x, y), value - 1);
    }
    // The centre of a square in board units.
    Vector2 CentreOf(unsigned x, unsigned y) const { return board.GetSquare(x, y).bounds.CalcCenter(); }
    Vector2 CandidatePoint(unsigned x, unsigned y, int value) const
    {
        return board.ComputeBoundsForCandidate(board.GetSquare(x, y), value - 1).CalcCenter();
    }

    Clock clock;
    // Declared before the board, so that the board goes first, as owners of
    // boards and progresses must do it.
    std::unique_ptr<BoardProgress> progress;
    Board board;
};

// Settings a test sets field by field; installed for its lifetime.
class FakeBoardSettings final : public BoardSettingsInterface {
public:
    FakeBoardSettings() { SetBoardSettings(this); }
    ~FakeBoardSettings() { SetBoardSettings(nullptr); }
    FakeBoardSettings(const FakeBoardSettings&) = delete;
    FakeBoardSettings& operator=(const FakeBoardSettings&) = delete;

    bool IsPaintingCages() const override { return paintingCages; }
    int GetPaintColorIndex() const override { return paintColorIndex; }
    bool UseAutoElimination() const override { return useAutoElimination; }
    bool IsAutoSolving() const override { return autoSolving; }
    bool IsShiftKeyDown() const override { return shiftDown; }
    bool IsCtrlKeyDown() const override { return ctrlDown; }

    bool paintingCages = false;
    int paintColorIndex = -1;
    bool useAutoElimination = true;
    bool autoSolving = false;
    bool shiftDown = false;
    bool ctrlDown = false;
};

// Every firing of the events it listens to, in order, with a copy of the
// arguments.
class EventLog : public EventRecipient {
public:
    struct Entry {
        std::string name;
        NamedProperties args;
    };

    void Listen(UlvoEventSystem& events, const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            events.AddHandler(name, std::make_unique<Handler>(this, name));
        }
    }

    int Count(const std::string& name) const
    {
        return static_cast<int>(
            std::count_if(entries.begin(), entries.end(), [&name](const Entry& entry) { return entry.name == name; }));
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names(entries.size());
        std::transform(entries.begin(), entries.end(), names.begin(), [](const Entry& entry) { return entry.name; });
        return names;
    }

    // A property of the last firing of the event; fallback when none.
    template <typename T>
    T Get(const std::string& eventName, const std::string& property, T fallback) const
    {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if (it->name == eventName) {
                it->args.Get(property, fallback);
                break;
            }
        }
        return fallback;
    }

    std::vector<Entry> entries;

private:
    class Handler : public RegisteredEventHandlerBase {
    public:
        Handler(EventLog* log, std::string name) : m_log(log), m_name(std::move(name)) {}
        void Invoke(NamedProperties& args) override { m_log->entries.push_back({m_name, args}); }
        EventRecipient* GetRecipient() const override { return m_log; }

    private:
        EventLog* m_log;
        std::string m_name;
    };
};

} // namespace Pemberquill
