// Locked candidates (check box "Localization", level 4).
//
//  - Localize B (hitoblockdake): the candidates of a digit in a line lie in
//    one third of it, so inside one block: the digit leaves the rest of that
//    block. Row 1 holding 5 only in columns 4-6 clears 5 from rows 2-3 of the
//    middle block:
//        . . . | 5 5 . | . . .      <- the line
//        . . . | x x x | . . .      <- cleared
//        . . . | x x x | . . .
//  - Localize L (hitoretudake, blockhitoretu): the candidates of a digit in
//    a block lie on one line: the digit leaves the rest of that line.
//
// After a digit d has changed something in a line (block), the digits d+1 to
// 9 are tried in the same line (block) and act only when their candidates
// lock to the same third (line) as d's did. A digit already placed in the
// line (block) is never used.
#pragma once

#include "puzzle/engine/cell_sets.h"
#include "puzzle/engine/engine.h"

namespace zenpa::puzzle {

void hitoblockdake(Engine &e, int d);
void hitoretudake(Engine &e, int d);
void blockhitoretu(Engine &e, int bx, int by, int d);

// The same over where the digits stand, taken from CellGrid and taken again
// after every removal made here; several calls can share one taking.
void hitoblockdake(Engine &e, int d, DigitCells &cells);
void hitoretudake(Engine &e, int d, DigitCells &cells);
void blockhitoretu(Engine &e, int bx, int by, int d, DigitCells &cells);

} // namespace zenpa::puzzle
