#pragma once

#include <string>

namespace Pemberquill {

class Board;

// A generated board as plain text: the answer, the cage of every square, and
// one line per cage (rule bit, target, palette colour, key square, solution
// count, squares in their stored order). Tests pin it and the recipe-book
// cook prints it for people to read, so it holds no bytes outside ASCII and
// its layout never changes.
std::string PrintBoard(const Board& board);

} // namespace Pemberquill
