#pragma once

namespace Pemberquill {

// Where the solutions panel stands, chosen by the board display from how
// many boards the puzzle shows. The board only carries it from the pointer
// update into "UpdateSolutionsEvent".
enum SolutionsLayout : int {
    SOLUTIONS_LAYOUT_SINGLE_BOARD = 0,
    SOLUTIONS_LAYOUT_FIRST_BOARD = 1,
    SOLUTIONS_LAYOUT_OTHER_BOARD = 2,
};

} // namespace Pemberquill
