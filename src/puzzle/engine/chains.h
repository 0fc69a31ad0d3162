// Chains and kites: eliminations that follow links between cells. Level 11.
//
//  - RemotePair, "Remote Pair " + the pair (LevelSub 50, box CheckBoxL13):
//    a chain of 4, 6 or 8 cells with the same two candidates, each seeing
//    the next (same row, same column, or same block). Its two ends hold
//    different digits of the pair, so the pair leaves the cells that see both
//    ends: the corners (x0, ye) and (xe, y0), and, when the ends share a stack
//    (band), the ends' columns (rows) inside each other's blocks, where cells
//    holding exactly the pair are left alone.
//  - WStringKite, "2-String Kite " (LevelSub 60, box CheckBoxL14): a column
//    with exactly two places A, F of d in different bands, and a row with
//    exactly two places B, C of d, B in A's block. Either F or C holds d, so
//    d leaves the cell in C's column and F's row.
//
//          A  B  .  C          A..F column strong link, B..C row link
//          :                   x: d removed
//          F  .  .  x
//
//    Grouped form, "G. 2-String Kite " (LevelSub 61): the column holds three
//    places, two of them (the group) in one block.
//  - EmptyRectangle, "Empty Rectagle " (LevelSub 70, box CheckBoxL15): a
//    column with exactly two places A, F of d in different bands, and a block
//    in A's band whose candidates of d lie in A's row and one column xE only;
//    d leaves (xE, F's row).
//
// Kites and rectangles search columns and rows (order by the selection
// switch); their labels end in the digit. Each call makes the removals of at
// most one pattern.
#pragma once

#include "puzzle/engine/engine.h"

#include <string>
#include <string_view>

namespace zenpa::puzzle {

void RemotePair(Engine &e);
void WStringKite(Engine &e);
void EmptyRectangle(Engine &e);

// Partner search of the remote pair: another cell whose candidate text is
// cellText, in the row of (x, y) (mode 1), its column (mode 2), or its block
// outside its row and column (mode 3). Rows and columns are searched in
// index order, blocks column by column. Returns "xy" (column digit, row
// digit) of the first one, or an empty text.
std::string RemotePairPartner(const Engine &e, std::string_view cellText, int x, int y, int mode);

} // namespace zenpa::puzzle
