#pragma once

#include "game/common/CageRules.h"

#include <string>

class ResourceStream;

namespace Pemberquill {

// A puzzle has one board or two.
constexpr int MAX_BOARDS_PER_PUZZLE = 2;

enum SolvabilityType {
    SOLVABILITY_UNSOLVABLE = 0,
    SOLVABILITY_SOLVABLE = 1,
    SOLVABILITY_EITHER = 2,
};

constexpr int GENERATOR_TYPE_SIMPLE = 0;
constexpr int GENERATOR_TYPE_HYBRID = 1;

// The version the writer stamps on a request record. Versions 1 to 3 lack
// fields that were added later and still read.
constexpr int PUZZLE_REQUEST_RECORD_VERSION = 4;

// What kind of puzzle is wanted: free play builds one from the player's
// choices, every puzzle set carries one as its default, every recipe book is
// filed under one. Requests are compared by their pattern name, so the
// name's format is part of every recipe book and puzzle ID ever written.
struct PuzzleRequest {
    int size = 0;
    int numberOfBoards = 0;
    int difficultyRating = -1; // 0 to 4; -1 unset
    int boardType1 = 0;
    int board1Attributes = 0; // solving-attribute bits of the first board
    CageRules cageRules1{ALL_CAGE_RULES_MASK};         // rules the first board may use
    CageRules requiredOperators1{ALL_CAGE_RULES_MASK}; // rules the first board must use
    int boardType2 = 0; // 0 = no second board
    int board2Attributes = 0;
    CageRules cageRules2{ALL_CAGE_RULES_MASK};
    CageRules requiredOperators2{ALL_CAGE_RULES_MASK};
    int solvabilityType = SOLVABILITY_SOLVABLE;
    int generatorTypeIndex = GENERATOR_TYPE_SIMPLE;
    float generatorVersion = 1.0f; // requests and recipe books match only with equal versions
    bool forceReducedCageSize = false;

    // The state Reset gives.
    PuzzleRequest() = default;
    // Every rule allowed and required; a second board exactly when
    // boardType2 is not 0.
    PuzzleRequest(int size, int difficulty, int boardType1, int board1Attributes, int boardType2,
                  int board2Attributes, int solvabilityType);

    void Reset();

    // "5x1x0x1" for the simple generator, "6-MEO-1" for the hybrid one.
    std::string GetPatternName() const;
    // Same generator, same version, same pattern name; difficulty and the
    // required operators play no part.
    bool Matches(const PuzzleRequest& other) const;

    void Write(ResourceStream& stream) const;
    // Fields that an older record lacks keep their values; a version other
    // than 1 to 3 reads as the current layout. A malformed record throws
    // UlvoException.
    void Read(ResourceStream& stream);

    bool operator==(const PuzzleRequest& other) const;
    bool operator!=(const PuzzleRequest& other) const { return !(*this == other); }
};

// What the pattern name takes from one board.
struct PatternNameBoard {
    int boardType = 0;
    int solvingAttributes = 0;
    CageRules cageRules;
};

// The pattern name, shared by requests and puzzle descriptors. Simple
// generator: "%dx%dx%dx%d" of size, type, attributes and solvability, with
// the second board's type and attributes before the solvability. Any other
// generator: "%d-%s%s-%d" of size, the attribute sign ("!" for attributes of
// exactly 1) and the rule letters, with the second board's sign and letters
// in a group of their own. secondBoard is null for a one-board puzzle.
std::string FormatPatternName(int generatorTypeIndex, int size, const PatternNameBoard& firstBoard,
                              const PatternNameBoard* secondBoard, int solvability);

} // namespace Pemberquill
