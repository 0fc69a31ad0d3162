// Arithmetic of the number pyramid: every cell below the top row is the last
// digit of the sum (addition sheet) or of the difference (subtraction sheet)
// of the two cells diagonally above it. Digits are plain ints 0…9.
#pragma once

#include "settings/print_format.h"

#include <vector>

namespace zenpa::drill {

// The record's drill operation: addition or subtraction sheets.
using Operation = settings::DrillOperation;

// The cell below x (left) and y (right): (x + y) mod 10 or (x + 10 - y) mod 10.
int CellOp(int x, int y, Operation op);

// The row below `row`, one cell shorter; empty for a row of fewer than two.
std::vector<int> NextRow(const std::vector<int> &row, Operation op);

// Every row of the pyramid from the top row down to the single final cell.
std::vector<std::vector<int>> Pyramid(const std::vector<int> &top, Operation op);

// Cells the pupil fills on a sheet of n top digits: 3 + 4 + … + (n - 1).
int CellsToFill(int n);

// Cells answered in the game: 1 + 2 + … + (n - 1).
int GameCellTotal(int n);

} // namespace zenpa::drill
